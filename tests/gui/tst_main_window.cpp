#include "gui/app_chooser_dialog.h"
#include "gui/drop_zone.h"
#include "gui/main_window.h"
#include "gui/pending_sheet.h"
#include "gui/rule_row.h"
#include "gui/rules_list.h"
#include "support/model_fixture.h"
#include "support/widgets.h"

#include <QApplication>
#include <QCheckBox>
#include <QGraphicsOpacityEffect>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>
#include <QUrl>

using namespace korvane;

namespace {

// The real main window over a model on the in-memory platform, with a scripted chooser.
struct WindowFixture : ModelFixture {
    ScriptedChooser chooser;
    MainWindow window{*model, &chooser};

    WindowFixture() {
        model->setPanels(&panels);
        window.show();
    }
    RuleRow* row(int i) const { return find<RulesList>(&window, "rulesList")->rows().value(i); }
    bool refreshed(RuleRow* row) const {
        return QTest::qWaitFor([&] { return row->shownKey() == row->taskKey(); }, 3000);
    }
    QStringList menuTexts(QToolButton* button) const {
        QStringList texts;
        for (QAction* action : button->menu()->actions()) {
            texts << (action->isSeparator() ? QStringLiteral("--") : action->text());
        }
        return texts;
    }
    QAction* menuAction(QToolButton* button, const QString& text) const {
        Q_EMIT button->menu()->aboutToShow();
        for (QAction* action : button->menu()->actions()) {
            if (action->text() == text) {
                return action;
            }
        }
        return nullptr;
    }
};

// Sends a drag-and-drop of `data` to the drop zone; answers whether the drag was accepted.
bool dropOn(DropZone* zone, QMimeData* data, Qt::KeyboardModifiers modifiers) {
    const QPoint at = zone->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, data, Qt::LeftButton, modifiers);
    QCoreApplication::sendEvent(zone, &enter);
    if (!enter.isAccepted()) {
        return false;
    }
    QDropEvent drop(at, Qt::CopyAction, data, Qt::LeftButton, modifiers);
    QCoreApplication::sendEvent(zone, &drop);
    return drop.isAccepted();
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void addRulePutsABlankRuleFirst() {
        WindowFixture f;
        QVERIFY(find<RulesList>(&f.window, "rulesList")->showsEmptyState());
        QVERIFY(!find<QPushButton>(&f.window, "export")->isEnabled());
        f.addRule("md>TextEdit");
        QTest::mouseClick(find<QPushButton>(&f.window, "addRule"), Qt::LeftButton);
        const QList<Rule> rules = f.model->store().rules();
        QCOMPARE(rules.size(), 2);
        QCOMPARE(rules.first().extensions, QStringList{});
        QVERIFY(!rules.first().hasApp());
        QVERIFY(f.model->store().savePending());
        QVERIFY(find<QPushButton>(&f.window, "export")->isEnabled());
        QCOMPARE(f.row(0)->ruleId(), rules.first().id);
        QCOMPARE(find<QLineEdit>(f.row(1), "extensions")->text(), "md");
    }

    void typingKeepsTheTextAndParses() {
        WindowFixture f;
        QTest::mouseClick(find<QPushButton>(&f.window, "addRule"), Qt::LeftButton);
        RuleRow* row = f.row(0);
        QTest::keyClicks(find<QLineEdit>(row, "extensions"), "MD, .markdown");
        QCOMPARE(f.model->store().rules().first().extensions, (QStringList{"md", "markdown"}));
        QCOMPARE(find<QLineEdit>(row, "extensions")->text(), "MD, .markdown");
        QVERIFY(f.refreshed(row));
        QCOMPARE(row->infoLines(), (QStringList{".md currently opens in no app",
                                                ".markdown currently opens in no app"}));
        const QString key = row->taskKey();
        QTest::keyClicks(find<QLineEdit>(row, "extensions"), ", ");
        QCOMPARE(row->taskKey(), key); // same list: no new refresh
        QCOMPARE(find<QLineEdit>(row, "extensions")->text(), "MD, .markdown, ");
        find<QLineEdit>(row, "extensions")->selectAll();
        QTest::keyClick(find<QLineEdit>(row, "extensions"), Qt::Key_Backspace);
        QCOMPARE(f.model->store().rules().first().extensions, QStringList{});
    }

    void defaultLinesAndCandidates() {
        WindowFixture f;
        f.addRule("txt, png, qqq, a, b, c, d, e>TextEdit");
        RuleRow* row = f.row(0);
        QVERIFY(f.refreshed(row));
        const QStringList lines = row->infoLines();
        QCOMPARE(lines.size(), 6); // at most six extensions get a line
        QCOMPARE(lines[0], ".txt currently opens in TextEdit");
        QCOMPARE(lines[1], ".png currently opens in Preview");
        QCOMPARE(lines[2], ".qqq currently opens in no app");
        QCOMPARE(row->candidates(), (QStringList{ModelFixture::kPreview, ModelFixture::kSublime,
                                                 ModelFixture::kTextEdit}));
        QAction* preview = f.menuAction(find<QToolButton>(row, "appButton"), "Preview");
        QVERIFY(preview);
        preview->trigger();
        QCOMPARE(f.model->store().rules().first().appPath, ModelFixture::kPreview);
        QCOMPARE(find<QLabel>(row, "appName")->text(), "Preview");
    }

    void groupMenuAndAppColumn() {
        WindowFixture f;
        f.addRule("md>TextEdit");
        f.addRule("md>Gone");
        f.addRule("md>");
        f.addRule("@images>Preview");
        RuleRow* row = f.row(0);
        f.menuAction(find<QToolButton>(row, "groupButton"), "Images")->trigger();
        QCOMPARE(f.model->store().rules().first().group, TypeGroup::Images);
        f.menuAction(find<QToolButton>(row, "groupButton"), "No type group")->trigger();
        QVERIFY(!f.model->store().rules().first().group);
        // Make default needs an installed app and an extension.
        QCOMPARE(find<QLabel>(row, "appName")->text(), "TextEdit");
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(find<QPushButton>(f.row(i), "makeDefault")->isEnabled(), i == 0);
        }
    }

    void otherAppThroughTheChooser() {
        WindowFixture f;
        f.addRule("qqq>");
        RuleRow* row = f.row(0);
        QVERIFY(f.refreshed(row));
        QCOMPARE(f.menuTexts(find<QToolButton>(row, "appButton")).isEmpty(), true);
        Q_EMIT find<QToolButton>(row, "appButton")->menu()->aboutToShow();
        QCOMPARE(f.menuTexts(find<QToolButton>(row, "appButton")),
                 QStringList{"Other\u2026"});                                        // no divider
        f.menuAction(find<QToolButton>(row, "appButton"), "Other\u2026")->trigger(); // cancelled
        QVERIFY(!f.model->store().rules().first().hasApp());
        f.chooser.answer = ModelFixture::kSublime;
        f.menuAction(find<QToolButton>(row, "appButton"), "Other\u2026")->trigger();
        QCOMPARE(f.model->store().rules().first().appName, "Sublime Text");
    }

    void makeDefaultThenRestore() {
        WindowFixture f;
        f.addRule("png>Sublime");
        f.addRule("png, jpg>TextEdit");
        RuleRow* row = f.row(0);
        QVERIFY(find<QPushButton>(row, "restore")->isHidden());
        QTest::mouseClick(find<QPushButton>(row, "makeDefault"), Qt::LeftButton);
        QVERIFY(!find<QPushButton>(row, "makeDefault")->isEnabled()); // busy
        QTRY_VERIFY(find<QPushButton>(row, "makeDefault")->isEnabled());
        QTRY_VERIFY(f.window.alert());
        QCOMPARE(f.window.alert()->text(), ".png: done. Sublime Text is now the default.");
        QVERIFY(!find<QPushButton>(row, "restore")->isHidden());
        QVERIFY(!find<QPushButton>(f.row(1), "restore")->isHidden()); // shares the extension
        f.window.alert()->button(QMessageBox::Ok)->click();
        QCOMPARE(f.model->alertText(), QString());
        QTest::mouseClick(find<QPushButton>(row, "restore"), Qt::LeftButton);
        QTRY_VERIFY(f.window.alert());
        QCOMPARE(f.window.alert()->text(), ".png: restored to Preview.");
        QTRY_VERIFY(find<QPushButton>(row, "restore")->isHidden());
    }

    void switchingARuleOff() {
        WindowFixture f;
        f.addRule("md>TextEdit");
        find<QCheckBox>(f.row(0), "enabled")->click();
        QVERIFY(!f.model->store().rules().first().enabled);
        QVERIFY(find<QLineEdit>(f.row(0), "extensions")->isEnabled()); // still editable
    }

    void deleteAndReorder() {
        WindowFixture f;
        const Rule a = f.addRule("a>TextEdit");
        const Rule b = f.addRule("b>TextEdit");
        const Rule c = f.addRule("c>TextEdit");
        find<RulesList>(&f.window, "rulesList")->moveRow(0, 3);
        QList<QUuid> order;
        for (const Rule& r : f.model->store().rules()) {
            order << r.id;
        }
        QCOMPARE(order, (QList<QUuid>{b.id, c.id, a.id}));
        QCOMPARE(f.row(2)->ruleId(), a.id);
        QTest::mouseClick(find<QToolButton>(f.row(0), "delete"), Qt::LeftButton);
        QCOMPARE(f.model->store().rules().size(), 2);
        QCOMPARE(f.model->store().rules().first().id, c.id);
        QTest::mouseClick(find<QToolButton>(f.row(0), "delete"), Qt::LeftButton);
        QTest::mouseClick(find<QToolButton>(f.row(0), "delete"), Qt::LeftButton);
        QVERIFY(find<RulesList>(&f.window, "rulesList")->showsEmptyState());
    }

    void draggedRowDropsBelowTheOthers() {
        WindowFixture f;
        const Rule a = f.addRule("a>TextEdit");
        const Rule b = f.addRule("b>TextEdit");
        RulesList* list = find<RulesList>(&f.window, "rulesList");
        QTRY_VERIFY(f.row(1)->isVisible());
        QMimeData data;
        data.setData("application/x-korvane-rule", a.id.toString(QUuid::WithoutBraces).toLatin1());
        const QPoint below = f.row(1)->mapTo(list, f.row(1)->rect().bottomLeft()) + QPoint(10, 4);
        QDragEnterEvent enter(below, Qt::MoveAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(list, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(below, Qt::MoveAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(list, &drop);
        QCOMPARE(f.model->store().rules().first().id, b.id);
        QCOMPARE(f.model->store().rules().last().id, a.id);
    }

    void chooserDialogFilters() {
        MemoryPlatform platform;
        platform.setApplicationEntries(
            {{"TextEdit", "/a/TextEdit"}, {"Preview", "/a/Preview"}, {"Sublime Text", "/a/ST"}});
        AppChooserDialog dialog(platform, "Choose an App");
        QCOMPARE(find<QListWidget>(&dialog, "apps")->count(), 3);
        QCOMPARE(find<QListWidget>(&dialog, "apps")->item(0)->text(), "Preview"); // sorted
        QTest::keyClicks(find<QLineEdit>(&dialog, "filter"), "sub");
        QStringList visible;
        for (int i = 0; i < find<QListWidget>(&dialog, "apps")->count(); ++i) {
            if (!find<QListWidget>(&dialog, "apps")->item(i)->isHidden()) {
                visible << find<QListWidget>(&dialog, "apps")->item(i)->text();
            }
        }
        QCOMPARE(visible, QStringList{"Sublime Text"});
        find<QListWidget>(&dialog, "apps")->setCurrentRow(2); // TextEdit, filtered out
        QCOMPARE(dialog.chosen(), QString());
        find<QListWidget>(&dialog, "apps")->setCurrentRow(1);
        QCOMPARE(dialog.chosen(), "/a/ST");
    }

    void dropsReachTheModel() {
        WindowFixture f;
        const QString file = f.file("a.md");
        auto* files = new QMimeData;
        files->setUrls({QUrl::fromLocalFile(file)});
        QVERIFY(dropOn(find<DropZone>(&f.window, "dropZone"), files, Qt::AltModifier));
        QVERIFY(!find<DropZone>(&f.window, "dropZone")->isTargeted());
        QTRY_COMPARE(f.platform.ordersOf(MemoryPlatform::Order::Reveal).size(), 1);
        QTRY_COMPARE(f.model->message(), "Revealed 1 item in Finder");
        QTRY_COMPARE(find<DropZone>(&f.window, "dropZone")->shownMessage(),
                     "Revealed 1 item in Finder");
        delete files;

        auto* text = new QMimeData;
        text->setText("just words");
        QVERIFY(!dropOn(find<DropZone>(&f.window, "dropZone"), text, Qt::NoModifier));
        QVERIFY(!find<DropZone>(&f.window, "dropZone")->isTargeted());
        delete text;
        auto* web = new QMimeData;
        web->setUrls({QUrl("https://example.org/page")});
        QVERIFY(!dropOn(find<DropZone>(&f.window, "dropZone"), web, Qt::NoModifier));
        delete web;
        QTest::qWait(20);
        QCOMPARE(f.platform.orders().size(), 1);
    }

    void pendingSheetFlow() {
        WindowFixture f;
        f.model->handle(f.files({"Notes.MD", "README", "c.md"}), {});
        QTRY_VERIFY(f.window.pendingSheet());
        PendingSheet* sheet = f.window.pendingSheet();
        QVERIFY(find<QCheckBox>(sheet, "always")->isEnabled() &&
                find<QCheckBox>(sheet, "always")->isChecked());
        QTRY_VERIFY(sheet->isLoaded());
        QCOMPARE(sheet->apps(), (QStringList{ModelFixture::kTextEdit, ModelFixture::kSublime}));

        QTest::keyClick(sheet, Qt::Key_Escape); // Cancel: README is next
        QTRY_VERIFY(f.window.pendingSheet() && f.window.pendingSheet() != sheet);
        sheet = f.window.pendingSheet();
        QCOMPARE(sheet->file().path, f.file("README"));
        QVERIFY(!find<QCheckBox>(sheet, "always")->isEnabled()); // no extension: no rule
        find<QPushButton>(sheet, "cancel")->click();

        QTRY_VERIFY(f.window.pendingSheet() &&
                    f.window.pendingSheet()->file().path == f.file("c.md"));
        sheet = f.window.pendingSheet();
        QTRY_VERIFY(sheet->isLoaded());
        QTest::mouseClick(find<QListWidget>(sheet, "appList")->viewport(), Qt::LeftButton, {},
                          find<QListWidget>(sheet, "appList")
                              ->visualItemRect(find<QListWidget>(sheet, "appList")->item(1))
                              .center());
        QTRY_VERIFY(!f.window.pendingSheet());
        QCOMPARE(f.model->store().rules().first().extensions, QStringList{"md"});
        QCOMPARE(f.model->store().rules().first().appPath, ModelFixture::kSublime);
        QVERIFY(f.settle());
        QCOMPARE(f.openOrders(), QStringList{"Sublime Text: c.md"});
    }

    void sheetWithoutSuggestions() {
        WindowFixture f;
        f.model->handle(f.files({"x.qqq"}), {});
        QTRY_VERIFY(f.window.pendingSheet());
        PendingSheet* sheet = f.window.pendingSheet();
        QTRY_VERIFY(sheet->isLoaded());
        QCOMPARE(find<QLabel>(sheet, "noSuggestions")->text(),
                 "macOS didn't suggest any apps for this file.");
        find<QPushButton>(sheet, "chooseOther")
            ->click(); // the chooser is cancelled: the sheet stays
        QCOMPARE(f.window.pendingSheet(), sheet);
        f.chooser.answer = ModelFixture::kTextEdit;
        find<QCheckBox>(sheet, "always")->setChecked(false);
        find<QPushButton>(sheet, "chooseOther")->click();
        QTRY_VERIFY(!f.window.pendingSheet());
        QVERIFY(f.model->store().rules().isEmpty());
    }

    void alertClearsOnOk() {
        WindowFixture f;
        f.model->setAlertText("One\nTwo\x1b");
        QVERIFY(f.window.alert());
        QCOMPARE(f.window.alert()->text(), "One\nTwo\u241b"); // controls shown, never sent
        f.window.alert()->button(QMessageBox::Ok)->click();
        QCOMPARE(f.model->alertText(), QString());
        QTRY_VERIFY(!f.window.alert());
        f.model->setAlertText("Again");
        QVERIFY(f.window.alert());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
