// The window in other languages: longer German words and Arabic written right to left fit at
// 640 px, with no text cut and nothing outside its window.
#include "gui/pending_files_dialog.h"
#include "gui/settings_window.h"
#include "gui/widgets/drop_down.h"
#include "gui/widgets/elided_label.h"
#include "i18n/translations.h"
#include "support/widgets.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QLabel>

using namespace korvane;

namespace {

// Every shown text of `window` that doesn't fit its widget, or a widget that spills out.
QStringList faults(QWidget* window) {
    QStringList found;
    const QRect inside = window->rect();
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisible() || widget->size().isEmpty() ||
            dynamic_cast<ElidedLabel*>(widget)) { // app names elide on purpose, with a tooltip
            continue;
        }
        const QString what = widget->objectName() + u' ' + widget->metaObject()->className();
        // Rows scrolled out of the list's view are clipped by it, not spilling.
        bool scrolled = false;
        for (QWidget* up = widget->parentWidget(); up && up != window; up = up->parentWidget()) {
            scrolled = scrolled || qobject_cast<QAbstractScrollArea*>(up->parentWidget());
        }
        if (!scrolled && !inside.contains(QRect(widget->mapTo(window, QPoint()), widget->size()))) {
            found << what + QStringLiteral(" spills out");
        }
        if (auto* label = qobject_cast<QLabel*>(widget); label && !label->text().isEmpty()) {
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

} // namespace

class TestLanguages : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() {
        Translations::install(*qApp, QLocale(QLocale::English));
        QCoreApplication::processEvents(); // the layout turns back as the language does
    }

    void fitsIn_data() {
        columns<QString, bool>("language", "rightToLeft");
        row("English", QString("en"), false);
        row("German", QString("de"), false);
        row("Arabic", QString("ar"), true);
    }
    // The main window with rules and findings, the dialog that asks about a file, Settings.
    void fitsIn() {
        QVERIFY(Translations::install(*qApp, QLocale(data<QString>("language"))));
        QCoreApplication::processEvents();
        const Qt::LayoutDirection direction =
            data<bool>("rightToLeft") ? Qt::RightToLeft : Qt::LeftToRight;
        QCOMPARE(QApplication::layoutDirection(), direction);

        WindowFixture f({640, 800});
        f.addRules({"md,markdown>Xed", "md>Okular", "pdf>Missing", "!png>Okular", "@images"});
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        QTRY_COMPARE(f.list()->rows().size(), 5);
        QCOMPARE(f.window.layoutDirection(), direction);
        QTest::qWait(50); // the rows' look-ups land and their lines settle
        QCOMPARE(faults(&f.window).join(u'\n'), QString());

        // An extension inside a sentence keeps its dot before it, whatever the direction.
        const QLabel* finding = nullptr;
        for (const QLabel* label : f.window.findChildren<QLabel*>("finding")) {
            finding = label->isVisible() && label->text().contains("md") ? label : finding;
        }
        QVERIFY(finding);
        QCOMPARE(finding->text().contains(QStringLiteral("\u2068.md\u2069")),
                 data<bool>("rightToLeft"));

        f.model->handle(f.files({"a long file name for a small window.qqq"}), DropMode::Route);
        QTRY_VERIFY(f.window.pendingFilesDialog() && f.window.pendingFilesDialog()->isVisible());
        QCOMPARE(f.window.pendingFilesDialog()->layoutDirection(), direction);
        QCOMPARE(faults(f.window.pendingFilesDialog()).join(u'\n'), QString());

        SettingsWindow settings(f.platform, *f.settings);
        settings.show();
        QVERIFY(QTest::qWaitForWindowExposed(&settings));
        QCOMPARE(faults(&settings).join(u'\n'), QString());
    }
};

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
