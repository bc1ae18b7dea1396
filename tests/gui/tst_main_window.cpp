#include "gui/app_chooser_dialog.h"
#include "gui/drop_zone.h"
#include "gui/main_window.h"
#include "gui/pending_sheet.h"
#include "gui/rule_row.h"
#include "gui/rules_list.h"
#include "support/model_fixture.h"

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
    RuleRow* row(int i) const { return window.rulesList()->rows().value(i); }
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
        QVERIFY(f.window.rulesList()->showsEmptyState());
        QVERIFY(!f.window.exportButton()->isEnabled());
        f.addRule("md>TextEdit");
        QTest::mouseClick(f.window.addRuleButton(), Qt::LeftButton);
        const QList<Rule> rules = f.model->store().rules();
        QCOMPARE(rules.size(), 2);
        QCOMPARE(rules.first().extensions, QStringList{});
        QVERIFY(!rules.first().hasApp());
        QVERIFY(f.model->store().savePending());
        QVERIFY(f.window.exportButton()->isEnabled());
        QCOMPARE(f.row(0)->ruleId(), rules.first().id);
        QCOMPARE(f.row(1)->extensionField()->text(), "md");
    }

    void typingKeepsTheTextAndParses() {
        WindowFixture f;
        QTest::mouseClick(f.window.addRuleButton(), Qt::LeftButton);
        RuleRow* row = f.row(0);
        QTest::keyClicks(row->extensionField(), "MD, .markdown");
        QCOMPARE(f.model->store().rules().first().extensions, (QStringList{"md", "markdown"}));
        QCOMPARE(row->extensionField()->text(), "MD, .markdown");
        QVERIFY(f.refreshed(row));
        QCOMPARE(row->infoLines(), (QStringList{".md currently opens in no app",
                                                ".markdown currently opens in no app"}));
        const QString key = row->taskKey();
        QTest::keyClicks(row->extensionField(), ", ");
        QCOMPARE(row->taskKey(), key); // same list: no new refresh
        QCOMPARE(row->extensionField()->text(), "MD, .markdown, ");
        row->extensionField()->selectAll();
        QTest::keyClick(row->extensionField(), Qt::Key_Backspace);
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
        QAction* preview = f.menuAction(row->appButton(), "Preview");
        QVERIFY(preview);
        preview->trigger();
        QCOMPARE(f.model->store().rules().first().appPath, ModelFixture::kPreview);
        QCOMPARE(row->appLabel()->text(), "Preview");
    }

    void groupMenuAndAppColumn() {
        WindowFixture f;
        f.addRule("md>TextEdit");
        f.addRule("md>Gone");
        f.addRule("md>");
        f.addRule("@images>Preview");
        RuleRow* row = f.row(0);
        f.menuAction(row->groupButton(), "Images")->trigger();
        QCOMPARE(f.model->store().rules().first().group, TypeGroup::Images);
        f.menuAction(row->groupButton(), "No type group")->trigger();
        QVERIFY(!f.model->store().rules().first().group);
        // Make default needs an installed app and an extension.
        QCOMPARE(row->appLabel()->text(), "TextEdit");
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(f.row(i)->makeDefaultButton()->isEnabled(), i == 0);
        }
    }

    void otherAppThroughTheChooser() {
        WindowFixture f;
        f.addRule("qqq>");
        RuleRow* row = f.row(0);
        QVERIFY(f.refreshed(row));
        QCOMPARE(f.menuTexts(row->appButton()).isEmpty(), true);
        Q_EMIT row->appButton()->menu()->aboutToShow();
        QCOMPARE(f.menuTexts(row->appButton()), QStringList{"Other\u2026"}); // no divider
        f.menuAction(row->appButton(), "Other\u2026")->trigger();            // cancelled
        QVERIFY(!f.model->store().rules().first().hasApp());
        f.chooser.answer = ModelFixture::kSublime;
        f.menuAction(row->appButton(), "Other\u2026")->trigger();
        QCOMPARE(f.model->store().rules().first().appName, "Sublime Text");
    }

    void makeDefaultThenRestore() {
        WindowFixture f;
        f.addRule("png>Sublime");
        f.addRule("png, jpg>TextEdit");
        RuleRow* row = f.row(0);
        QVERIFY(row->restoreButton()->isHidden());
        QTest::mouseClick(row->makeDefaultButton(), Qt::LeftButton);
        QVERIFY(!row->makeDefaultButton()->isEnabled()); // busy
        QTRY_VERIFY(row->makeDefaultButton()->isEnabled());
        QTRY_VERIFY(f.window.alert());
        QCOMPARE(f.window.alert()->text(), ".png: done. Sublime Text is now the default.");
        QVERIFY(!row->restoreButton()->isHidden());
        QVERIFY(!f.row(1)->restoreButton()->isHidden()); // shares the extension
        f.window.alert()->button(QMessageBox::Ok)->click();
        QCOMPARE(f.model->alertText(), QString());
        QTest::mouseClick(row->restoreButton(), Qt::LeftButton);
        QTRY_VERIFY(f.window.alert());
        QCOMPARE(f.window.alert()->text(), ".png: restored to Preview.");
        QTRY_VERIFY(row->restoreButton()->isHidden());
    }

    void switchingARuleOff() {
        WindowFixture f;
        f.addRule("md>TextEdit");
        f.row(0)->enabledSwitch()->click();
        QVERIFY(!f.model->store().rules().first().enabled);
        QVERIFY(f.row(0)->extensionField()->isEnabled()); // still editable
    }

    void deleteAndReorder() {
        WindowFixture f;
        const Rule a = f.addRule("a>TextEdit");
        const Rule b = f.addRule("b>TextEdit");
        const Rule c = f.addRule("c>TextEdit");
        f.window.rulesList()->moveRow(0, 3);
        QList<QUuid> order;
        for (const Rule& r : f.model->store().rules()) {
            order << r.id;
        }
        QCOMPARE(order, (QList<QUuid>{b.id, c.id, a.id}));
        QCOMPARE(f.row(2)->ruleId(), a.id);
        QTest::mouseClick(f.row(0)->deleteButton(), Qt::LeftButton);
        QCOMPARE(f.model->store().rules().size(), 2);
        QCOMPARE(f.model->store().rules().first().id, c.id);
        QTest::mouseClick(f.row(0)->deleteButton(), Qt::LeftButton);
        QTest::mouseClick(f.row(0)->deleteButton(), Qt::LeftButton);
        QVERIFY(f.window.rulesList()->showsEmptyState());
    }

    void draggedRowDropsBelowTheOthers() {
        WindowFixture f;
        const Rule a = f.addRule("a>TextEdit");
        const Rule b = f.addRule("b>TextEdit");
        RulesList* list = f.window.rulesList();
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
        QCOMPARE(dialog.list()->count(), 3);
        QCOMPARE(dialog.list()->item(0)->text(), "Preview"); // sorted
        QTest::keyClicks(dialog.filterField(), "sub");
        QStringList visible;
        for (int i = 0; i < dialog.list()->count(); ++i) {
            if (!dialog.list()->item(i)->isHidden()) {
                visible << dialog.list()->item(i)->text();
            }
        }
        QCOMPARE(visible, QStringList{"Sublime Text"});
        dialog.list()->setCurrentRow(2); // TextEdit, filtered out
        QCOMPARE(dialog.chosen(), QString());
        dialog.list()->setCurrentRow(1);
        QCOMPARE(dialog.chosen(), "/a/ST");
    }

    void dropsReachTheModel() {
        WindowFixture f;
        const QString file = f.file("a.md");
        auto* files = new QMimeData;
        files->setUrls({QUrl::fromLocalFile(file)});
        QVERIFY(dropOn(f.window.dropZone(), files, Qt::AltModifier));
        QVERIFY(!f.window.dropZone()->isTargeted());
        QTRY_COMPARE(f.platform.ordersOf(MemoryPlatform::Order::Reveal).size(), 1);
        QTRY_COMPARE(f.model->message(), "Revealed 1 item in Finder");
        QTRY_COMPARE(f.window.dropZone()->shownMessage(), "Revealed 1 item in Finder");
        delete files;

        auto* text = new QMimeData;
        text->setText("just words");
        QVERIFY(!dropOn(f.window.dropZone(), text, Qt::NoModifier));
        QVERIFY(!f.window.dropZone()->isTargeted());
        delete text;
        auto* web = new QMimeData;
        web->setUrls({QUrl("https://example.org/page")});
        QVERIFY(!dropOn(f.window.dropZone(), web, Qt::NoModifier));
        delete web;
        QTest::qWait(20);
        QCOMPARE(f.platform.orders().size(), 1);
    }

    void pendingSheetFlow() {
        WindowFixture f;
        f.model->handle(f.files({"Notes.MD", "README", "c.md"}), {});
        QTRY_VERIFY(f.window.pendingSheet());
        PendingSheet* sheet = f.window.pendingSheet();
        QVERIFY(sheet->alwaysSwitch()->isEnabled() && sheet->alwaysSwitch()->isChecked());
        QTRY_VERIFY(sheet->isLoaded());
        QCOMPARE(sheet->apps(), (QStringList{ModelFixture::kTextEdit, ModelFixture::kSublime}));

        QTest::keyClick(sheet, Qt::Key_Escape); // Cancel: README is next
        QTRY_VERIFY(f.window.pendingSheet() && f.window.pendingSheet() != sheet);
        sheet = f.window.pendingSheet();
        QCOMPARE(sheet->file().path, f.file("README"));
        QVERIFY(!sheet->alwaysSwitch()->isEnabled()); // no extension: no rule
        sheet->cancelButton()->click();

        QTRY_VERIFY(f.window.pendingSheet() &&
                    f.window.pendingSheet()->file().path == f.file("c.md"));
        sheet = f.window.pendingSheet();
        QTRY_VERIFY(sheet->isLoaded());
        QTest::mouseClick(sheet->appList()->viewport(), Qt::LeftButton, {},
                          sheet->appList()->visualItemRect(sheet->appList()->item(1)).center());
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
        QCOMPARE(sheet->emptyLabel()->text(), "macOS didn't suggest any apps for this file.");
        sheet->chooseOtherButton()->click(); // the chooser is cancelled: the sheet stays
        QCOMPARE(f.window.pendingSheet(), sheet);
        f.chooser.answer = ModelFixture::kTextEdit;
        sheet->alwaysSwitch()->setChecked(false);
        sheet->chooseOtherButton()->click();
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
