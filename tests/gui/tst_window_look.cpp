// How the window fits and reads: small and scaled screens, longer German words and Arabic written
// right to left, light and dark themes, long lists.
#include "gui/icons.h"
#include "gui/pending_files_dialog.h"
#include "gui/settings_window.h"
#include "gui/style.h"
#include "gui/widgets/drop_down.h"
#include "gui/widgets/elided_label.h"
#include "i18n/translations.h"
#include "support/widgets.h"

using namespace korvane;

namespace {

// Whether each row in view with extensions shows what opens them now: its look-ups are in.
bool lookedUp(const QList<RuleRow*>& rows) {
    return std::all_of(rows.begin(), rows.end(), [](const RuleRow* row) {
        return row->rule().extensions.isEmpty() || row->visibleRegion().isEmpty() ||
               !openLines(row).isEmpty();
    });
}

QRect inWindow(const QWidget* widget, const QWidget* window) {
    return QRect(widget->mapTo(window, QPoint()), widget->size());
}

// Every shown text of `window` that doesn't fit its widget, or a widget that spills out.
QStringList faults(QWidget* window) {
    QStringList found;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisible() || widget->size().isEmpty()) {
            continue;
        }
        const QString what = widget->objectName() + u' ' + widget->metaObject()->className();
        // Rows scrolled out of the list's view are clipped by it, not spilling; a row's parts
        // stay inside their row.
        QWidget* bounds = window;
        bool scrolled = false;
        for (QWidget* up = widget->parentWidget(); up && up != window; up = up->parentWidget()) {
            scrolled = scrolled || qobject_cast<QAbstractScrollArea*>(up->parentWidget());
            bounds = qobject_cast<RuleRow*>(up) ? up : bounds;
        }
        if ((bounds != window || !scrolled) && !bounds->rect().contains(inWindow(widget, bounds))) {
            found << what + QStringLiteral(" spills out");
        }
        // App names elide on purpose, with a tooltip.
        if (auto* label = qobject_cast<QLabel*>(widget);
            label && !label->text().isEmpty() && !dynamic_cast<ElidedLabel*>(widget)) {
            const bool cut =
                label->wordWrap()
                    ? label->height() < label->heightForWidth(label->width())
                    : label->width() < label->fontMetrics().horizontalAdvance(label->text());
            if (cut && label->textFormat() != Qt::RichText) {
                found << what + QStringLiteral(" cuts \"%1\"").arg(label->text());
            }
        }
        // A type group's drop-down shows the rule's group, shortened where the row is narrow
        // and said in full by its tooltip; unset, its words fit.
        auto* dropDown = dynamic_cast<DropDown*>(widget);
        const int wanted = dropDown && widget->objectName() == "groupButton"
                               ? dropDown->widthFor(QCoreApplication::translate(
                                     "korvane::RuleRow", "Add type group\u2026"))
                               : widget->sizeHint().width();
        if (auto* button = qobject_cast<QAbstractButton*>(widget);
            button && !button->text().isEmpty() && button->width() < wanted) {
            found << what + QStringLiteral(" cuts \"%1\" (%2 < %3 px)")
                                .arg(button->text())
                                .arg(button->width())
                                .arg(wanted);
        }
        if (auto* combo = qobject_cast<QComboBox*>(widget);
            combo && combo->width() < combo->minimumSizeHint().width()) {
            found << what + QStringLiteral(" cuts \"%1\"").arg(combo->currentText());
        }
    }
    return found;
}

// The strongest contrast of any pixel of `image`, drawn over `background`, against it.
double strongest(const QImage& image, const QColor& background) {
    double best = 1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            const double a = pixel.alphaF();
            const QColor shown =
                QColor::fromRgbF(float(background.redF() * (1 - a) + pixel.redF() * a),
                                 float(background.greenF() * (1 - a) + pixel.greenF() * a),
                                 float(background.blueF() * (1 - a) + pixel.blueF() * a));
            best = std::max(best, Style::contrast(shown, background));
        }
    }
    return best;
}

// Checks, whenever the list's canvas is painted, that every row stands at its own height and
// none overlaps the next.
class PaintCheck : public QObject {
public:
    explicit PaintCheck(RulesList* list)
        : m_list(list) {
        list->findChild<QScrollArea*>()->widget()->installEventFilter(this);
    }
    QString fault;
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Paint || !fault.isEmpty()) {
            return false;
        }
        ++paints;
        QList<RuleRow*> rows = m_list->rows();
        std::sort(rows.begin(), rows.end(), [](RuleRow* a, RuleRow* b) { return a->y() < b->y(); });
        for (qsizetype i = 0; i < rows.size(); ++i) {
            const int wanted = rows[i]->hasHeightForWidth()
                                   ? rows[i]->heightForWidth(rows[i]->width())
                                   : rows[i]->sizeHint().height();
            if (rows[i]->height() != wanted) {
                fault = QStringLiteral("row %1 is %2 px high, wants %3")
                            .arg(rows[i]->rule().extensions.join(u','))
                            .arg(rows[i]->height())
                            .arg(wanted);
            } else if (i > 0 && rows[i - 1]->geometry().bottom() >= rows[i]->y()) {
                fault = QStringLiteral("rows overlap at %1").arg(rows[i]->y());
            }
        }
        return false;
    }

private:
    RulesList* m_list;
};

} // namespace

class TestWindowLook : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(QStringLiteral("Fusion")); }

    void cleanup() {
        Translations::install(*qApp, QLocale(QLocale::English));
        QCoreApplication::processEvents(); // the layout turns back as the language does
    }

    // The window opens within the screen and goes down to 400 × 500. At every width, and in
    // German and in Arabic, it shows the drop zone, the rule commands, the list and the hint, and
    // the window, the dialog that asks about a file and Settings show every text whole and
    // nothing outside them. Rows keep their own height and never scroll sideways; narrow rows
    // stack their fields over the app and keep their commands in a menu.
    void fits_data() {
        columns<QString, QSize, bool>("language", "size", "compact");
        row("400 x 500, the smallest", QString("en"), QSize(400, 500), true);
        row("600 x 700, the narrowest side by side", QString("en"), QSize(600, 700), false);
        row("1280 x 800", QString("en"), QSize(1280, 800), false);
        row("German, its words stacked", QString("de"), QSize(640, 800), true);
        row("Arabic, right to left", QString("ar"), QSize(640, 800), false);
    }
    void fits() {
        const bool rightToLeft = data<QString>("language") == "ar";
        const bool compact = data<bool>("compact");
        QVERIFY(Translations::install(*qApp, QLocale(data<QString>("language"))));
        QCoreApplication::processEvents();
        QCOMPARE(QApplication::layoutDirection(), rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        WindowFixture f;
        const QRect available = f.window.screen()->availableGeometry();
        QVERIFY2(
            f.window.width() <= available.width() && f.window.height() <= available.height(),
            qPrintable(QStringLiteral("%1 x %2").arg(f.window.width()).arg(f.window.height())));
        f.addRules({"md, markdown, txt>" + QString(40, u'W'), "md>Xed", "pdf>Missing",
                    "!png>Okular", "@images"});
        f.window.resize(data<QSize>("size"));
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        QCOMPARE(f.window.size(), data<QSize>("size"));
        QCOMPARE(f.window.layoutDirection(), QApplication::layoutDirection());
        QTRY_VERIFY(f.row(1) && f.in<QLabel>(1, "finding")->isVisible() &&
                    lookedUp(f.list()->rows()));
        // An extension inside a sentence keeps its dot before it, whatever the direction.
        QCOMPARE(f.in<QLabel>(1, "finding")->text().contains("\u202a.md\u202c"), rightToLeft);

        // Once laid out, each part is shown, inside the window, and apart from the others.
        const QWidget* central = f.window.centralWidget();
        const auto misplaced = [&]() -> QString {
            QList<QRect> placed;
            for (const char* name :
                 {"dropZone", "addRule", "import", "export", "rulesList", "hint"}) {
                const QWidget* widget = find<QWidget>(&f.window, name);
                const QRect rect = inWindow(widget, central);
                if (!widget->isVisible() || !central->rect().contains(rect) ||
                    std::any_of(placed.begin(), placed.end(),
                                [&](const QRect& other) { return other.intersects(rect); })) {
                    return name;
                }
                placed << rect;
            }
            return {};
        };
        QTRY_COMPARE(misplaced(), QString());
        QCOMPARE(faults(&f.window).join(u'\n'), QString());
        QVERIFY(f.list()->height() >= 100);
        const QScrollArea* scroll = f.list()->findChild<QScrollArea*>();
        QVERIFY(!scroll->horizontalScrollBar()->isVisible());
        QVERIFY(!scroll->widget()->autoFillBackground()); // it would hide the list's frame
        for (RuleRow* row : f.list()->rows()) {
            QCOMPARE(row->isCompact(), compact);
            QCOMPARE(row->height(), row->hasHeightForWidth() ? row->heightForWidth(row->width())
                                                             : row->sizeHint().height());
            QVERIFY(inWindow(row, scroll->viewport()).right() < scroll->viewport()->width());
        }
        // Make default is at hand either way: a button, or the first item of the row's menu, which
        // has the moves at every width.
        const QString makeDefault = f.in<QPushButton>(1, "makeDefault")->text();
        QCOMPARE(f.in<QPushButton>(1, "makeDefault")->isVisible(), !compact);
        QVERIFY(f.in<QToolButton>(1, "more")->isVisible());
        QCOMPARE(f.menu(1, "more").value(0) == makeDefault, compact);
        // A long app name has the room the row can give it.
        auto* name = f.in<QLabel>(0, "appName");
        QVERIFY(name->width() >= std::min(name->sizeHint().width(), compact ? 200 : 290));

        f.model->handle(f.files({"a long file name for a small window.qqq"}), DropMode::Route);
        QTRY_VERIFY(f.window.pendingFilesDialog() && f.window.pendingFilesDialog()->isVisible());
        QCOMPARE(f.window.pendingFilesDialog()->layoutDirection(), f.window.layoutDirection());
        QCOMPARE(faults(f.window.pendingFilesDialog()).join(u'\n'), QString());
        SettingsWindow settings(f.platform, *f.settings);
        settings.show();
        QVERIFY(QTest::qWaitForWindowExposed(&settings));
        QCOMPARE(faults(&settings).join(u'\n'), QString());
    }

    // Text reads at 4.5:1 or better, and icons and control borders at 3:1, in a light and a dark
    // theme of the style GNOME and Xfce sessions get.
    void readableInEveryTheme_data() {
        columns<QPalette>("palette");
        row("light", QApplication::style()->standardPalette());
        row("dark", darkPalette());
    }
    void readableInEveryTheme() {
        QApplication::setPalette(data<QPalette>("palette"));
        ContrastStyle::install();
        const QColor base = QApplication::palette().color(QPalette::Base);
        const QColor window = QApplication::palette().color(QPalette::Window);
        {
            WindowFixture f;
            f.addRules({"md>Xed", "md>Okular", "pdf>/gone/Reader.desktop"});
            QTRY_VERIFY(f.row(2) && f.in<QLabel>(1, "finding")->isVisible());
            // The hint, the drop's message, a finding and a missing app's name.
            for (const auto& [text, background] :
                 {std::pair{find<QWidget>(&f.window, "hint"), window},
                  {find<QWidget>(&f.window, "dropMessage"), window},
                  {f.in<QWidget>(1, "finding"), base},
                  {f.in<QWidget>(2, "appName"), base}}) {
                QVERIFY2(Style::contrast(text->palette().color(text->foregroundRole()),
                                         background) >= 4.5,
                         qPrintable(text->objectName()));
            }
        }
        for (const QIcon& icon : {Icons::trash(), Icons::plus(), Icons::grip(), Icons::more()}) {
            QVERIFY(strongest(icon.pixmap(16, 16).toImage(), base) >= 3.0);
        }
        // The borders of an empty field and of a check box that is off.
        QLineEdit field;
        QCheckBox box;
        for (QWidget* control : {static_cast<QWidget*>(&field), static_cast<QWidget*>(&box)}) {
            control->resize(control->sizeHint());
            QVERIFY2(strongest(control->grab().toImage(), base) >= 3.0,
                     control->metaObject()->className());
        }
        QApplication::setStyle(QStringLiteral("Fusion"));
        QApplication::setPalette(QApplication::style()->standardPalette());
    }

    // A rule that changes from outside its row (an undo, another Korvane) and findings that come
    // and go leave the list where the user scrolled it.
    void changesKeepTheScrollPlace() {
        WindowFixture f({640, 700});
        QStringList specs;
        for (int i = 0; i < 300; ++i) {
            specs << QStringLiteral("e%1>Xed").arg(i);
        }
        f.addRules(specs);
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        QScrollBar* bar = f.list()->findChild<QScrollArea*>()->verticalScrollBar();
        QTRY_VERIFY(bar->maximum() > 0);
        bar->setValue(bar->maximum() / 2);
        const auto middle = [&] { return f.list()->rows().value(f.list()->rows().size() / 2); };
        QTRY_VERIFY(middle() && !middle()->visibleRegion().isEmpty()); // the rows there are made
        const int place = bar->value();
        RuleRow* shown = middle();
        Rule changed = shown->rule();
        changed.extensions = {"md"}; // also in an earlier rule below: a finding comes
        f.model->store().setRule(changed);
        QCOMPARE(bar->value(), place);
        Rule earlier = f.model->store().rules().first();
        earlier.extensions = {"md"};
        f.model->store().setRule(earlier);
        QTRY_VERIFY(shown->findChild<QLabel*>("finding")->isVisible());
        QCOMPARE(bar->value(), place);
    }

    // Scrolling fast through a thousand rules of different heights never paints a row squashed
    // or over its neighbour; rows shown before come back at their height at once. The list reuses
    // the few rows it makes for the rules scrolled into view.
    void rowsPlacedBeforePainted() {
        WindowFixture f({640, 700});
        QStringList specs;
        for (int i = 0; i < 1000; ++i) {
            specs << (i % 3 == 1   ? QStringLiteral("png, jpg>Okular")
                      : i % 3 == 2 ? QStringLiteral("e%1>Xed").arg(i)
                                   : QStringLiteral("md, txt, e%1>Xed").arg(i));
        }
        f.addRules(specs);
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        PaintCheck check(f.list());
        QScrollBar* bar = f.list()->findChild<QScrollArea*>()->verticalScrollBar();
        QTRY_VERIFY(bar->maximum() > 0);
        for (int pass = 0; pass < 2; ++pass) {
            for (int step = 0; step <= 40; ++step) {
                bar->setValue(bar->maximum() * (step % 2 ? step : 40 - step) / 40);
                QTest::qWait(step % 5 ? 0 : 20); // a drag of the thumb: some frames, few waits
                QCoreApplication::processEvents();
                QVERIFY2(check.fault.isEmpty(), qPrintable(check.fault));
            }
        }
        QVERIFY(check.paints > 0);
        bar->setValue(bar->maximum());
        QTRY_COMPARE(f.list()->rows().last()->ruleId(), f.model->store().rules().last().id);
        QCOMPARE(find<QLineEdit>(f.list()->rows().last(), "extensions")->text(), "md, txt, e999");
        QVERIFY(f.list()->rows().size() < 40);
        // Rows already looked up keep their height when shown again.
        bar->setValue(0);
        QTRY_VERIFY(lookedUp(f.list()->rows()));
        QHash<QUuid, int> heights;
        for (RuleRow* row : f.list()->rows()) {
            heights.insert(row->ruleId(), row->height());
        }
        bar->setValue(bar->maximum() / 2);
        bar->setValue(0);
        for (RuleRow* row : f.list()->rows()) {
            if (heights.contains(row->ruleId())) {
                QCOMPARE(row->height(), heights.value(row->ruleId()));
            }
        }
    }
};

QTEST_MAIN(TestWindowLook)
#include "tst_window_look.moc"
