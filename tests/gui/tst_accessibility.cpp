// What a screen reader and a keyboard user find: every control named, names that say which rule
// a row's control acts on, and a Tab order with no invisible stops.
#include "gui/app_chooser_dialog.h"
#include "gui/pending_files_dialog.h"
#include "gui/settings_window.h"
#include "support/widgets.h"

#include <QAccessible>

using namespace korvane;

namespace {

// Every visible interactive control below `root` without a name, as "role:object name".
QStringList unnamed(QAccessibleInterface* root) {
    QStringList found;
    if (!root || root->state().invisible) {
        return found;
    }
    const QAccessible::State state = root->state(); // a control, or an item of a list
    if ((state.focusable || state.selectable) &&
        root->text(QAccessible::Name).trimmed().isEmpty()) {
        found << QStringLiteral("%1:%2")
                     .arg(root->role())
                     .arg(root->object() ? root->object()->objectName() : QString());
    }
    for (int i = 0; i < root->childCount(); ++i) {
        found << unnamed(root->child(i));
    }
    return found;
}

QString unnamedIn(QWidget* window) {
    return unnamed(QAccessible::queryAccessibleInterface(window)).join(" | ");
}

// The widgets Tab reaches from `start`, once round.
QList<QWidget*> tabChain(QWidget* start) {
    QList<QWidget*> chain;
    start->setFocus(Qt::TabFocusReason);
    QWidget* at = QApplication::focusWidget();
    for (int i = 0; at && i < 400; ++i) {
        if (chain.contains(at)) {
            break;
        }
        chain << at;
        QTest::keyClick(at, Qt::Key_Tab);
        at = QApplication::focusWidget();
    }
    return chain;
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QAccessible::setActive(true); }

    // The window with rules, an empty row and a finding; the dialog that asks about a file; the
    // app chooser; Settings: no interactive control without a name. Two rows' buttons never share
    // a name: each says its rule.
    void everyControlIsNamed() {
        WindowFixture f({720, 640});
        f.addRules({"md,markdown>Xed", "png>Okular", "@"});
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        QTRY_COMPARE(f.list()->rows().size(), 3);
        QCOMPARE(unnamedIn(&f.window), QString());
        QStringList names;
        for (RuleRow* row : f.list()->rows()) {
            for (QWidget* control : row->findChildren<QWidget*>()) {
                if (control->focusPolicy() & Qt::TabFocus && control->isVisible()) {
                    names << control->accessibleName();
                }
            }
        }
        QVERIFY2(QSet<QString>(names.begin(), names.end()).size() == names.size(),
                 qPrintable(names.join(" | ")));
        QVERIFY2(names.contains("Delete rule 1: md, markdown"), qPrintable(names.join(" | ")));

        f.model->handle(f.files({"x.md2"}), DropMode::Route);
        QTRY_VERIFY(f.window.pendingFilesDialog() && f.window.pendingFilesDialog()->isVisible());
        QCOMPARE(unnamedIn(f.window.pendingFilesDialog()), QString());

        AppChooserDialog chooser(f.platform, "Choose an App");
        chooser.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chooser));
        QCOMPARE(unnamedIn(&chooser), QString());

        SettingsWindow settings(f.platform, *f.settings);
        settings.show();
        QVERIFY(QTest::qWaitForWindowExposed(&settings));
        QCOMPARE(unnamedIn(&settings), QString());
    }

    // Rules move with Alt+Up and Alt+Down and with the row's menu, one undo step each. Tab then
    // goes top to bottom through the rows as they stand, and only to visible, named controls.
    void rulesMoveByKeyboard() {
        WindowFixture f({720, 640});
        f.addRules({"md>Xed", "png>Okular", "txt>Sublime Text"});
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        QTRY_VERIFY(f.row(0));
        QLineEdit* field = f.in<QLineEdit>(0, "extensions");
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Down, Qt::AltModifier);
        QCOMPARE(f.ruleText(), "png>Okular md>Xed txt>Sublime Text");
        QVERIFY(field->hasFocus()); // the row moved, the focus with it
        QTest::keyClick(field, Qt::Key_Down, Qt::AltModifier);
        QTest::keyClick(field, Qt::Key_Down, Qt::AltModifier); // already last: nothing
        QCOMPARE(f.ruleText(), "png>Okular txt>Sublime Text md>Xed");
        QTest::keyClick(field, Qt::Key_Up, Qt::AltModifier);
        QCOMPARE(f.ruleText(), "png>Okular md>Xed txt>Sublime Text");
        QTest::keySequence(field, QKeySequence::Undo); // the list's undo, from the field too
        QCOMPARE(f.ruleText(), "png>Okular txt>Sublime Text md>Xed");
        // The row's menu: "Move up" on the first rule does nothing and says so by being off.
        QVERIFY(f.in<QToolButton>(0, "more")->isVisible());
        QCOMPARE(f.menu(0, "more", "Move down"),
                 (QStringList{"Only in Folders…", "Links…", "--", "[Move up]", "Move down"}));
        QCOMPARE(f.ruleText(), "txt>Sublime Text png>Okular md>Xed");

        QStringList path;
        int wraps = 0;
        int lastY = -1;
        for (QWidget* stop : tabChain(f.window.findChild<QWidget*>("addRule"))) {
            const QString what = stop->objectName();
            QVERIFY2(stop->isVisible(), qPrintable(what));
            QVERIFY2(
                !QAccessible::queryAccessibleInterface(stop)->text(QAccessible::Name).isEmpty(),
                qPrintable(what));
            // A row is read as one band: its controls stand side by side in columns.
            QWidget* band = stop;
            for (QWidget* up = stop; up; up = up->parentWidget()) {
                band = qobject_cast<RuleRow*>(up) ? up : band;
            }
            const int y = band->mapTo(&f.window, QPoint()).y();
            path << QStringLiteral("%1@%2").arg(what).arg(y);
            wraps += y + 2 < lastY ? 1 : 0; // once, from the end back to the top
            lastY = y;
        }
        QVERIFY2(path.size() > 4 && wraps <= 1, qPrintable(path.join(' ')));
    }

    // Ctrl+, opens Settings from the window, Esc closes it, Ctrl+Q quits from it too; in the
    // dialog that asks about a file, 2 picks the second suggestion.
    void windowKeys() {
        WindowFixture f;
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        QSignalSpy settings(f.window.settingsAction(), &QAction::triggered);
        QSignalSpy quit(f.window.quitAction(), &QAction::triggered);
        QTest::keyClick(&f.window, Qt::Key_Comma, Qt::ControlModifier);
        QCOMPARE(settings.count(), 1);

        SettingsWindow window(f.platform, *f.settings, &f.window);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(quit.count(), 1);
        window.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &window);
        QTest::keyClick(&window, Qt::Key_Escape);
        QTRY_VERIFY(!window.isVisible());

        f.model->handle(f.files({"x.txt"}), DropMode::Route);
        QTRY_VERIFY(f.window.pendingFilesDialog());
        PendingFilesDialog* dialog = f.window.pendingFilesDialog();
        QTRY_COMPARE(find<QListWidget>(dialog, "appList")->count(), 2);
        const QString second =
            find<QListWidget>(dialog, "appList")->item(1)->data(Qt::UserRole).toString();
        dialog->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), dialog);
        QTest::keyClick(dialog, Qt::Key_2);
        QTRY_COMPARE(f.platform.orders(MemoryPlatform::Order::Open).size(), 1);
        QCOMPARE(f.platform.orders(MemoryPlatform::Order::Open).first().app, second);
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
