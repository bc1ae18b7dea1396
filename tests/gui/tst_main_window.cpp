#include "core/rules_file.h"
#include "gui/app_chooser_dialog.h"
#include "gui/drop_zone.h"
#include "gui/explain_dialog.h"
#include "gui/pending_files_dialog.h"
#include "support/widgets.h"

#include <QPropertyAnimation>

using namespace korvane;

namespace {

// Sends a drag-and-drop of `data` to `target`; answers whether the drop was accepted.
bool dropOn(QWidget* target, const QMimeData& data, QPoint at, Qt::KeyboardModifiers modifiers = {},
            Qt::DropAction action = Qt::CopyAction) {
    QDragEnterEvent enter(at, action, &data, Qt::LeftButton, modifiers);
    QCoreApplication::sendEvent(target, &enter);
    QDropEvent drop(at, action, &data, Qt::LeftButton, modifiers);
    return enter.isAccepted() && (QCoreApplication::sendEvent(target, &drop), drop.isAccepted());
}

// Whether the dialog shows its suggestions, or says there are none.
bool loaded(PendingFilesDialog* dialog) {
    return find<QListWidget>(dialog, "appList")->count() > 0 ||
           !find<QLabel>(dialog, "noSuggestions")->isHidden();
}

// A style that activates items on a single click, as KDE's does.
class SingleClickStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        return hint == SH_ItemView_ActivateItemOnSingleClick
                   ? 1
                   : QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Typing keeps the text as typed and stores the parsed list; the lines say what opens each
    // extension now, and a new list only refreshes when it differs.
    void addRuleAndType() {
        WindowFixture f;
        QVERIFY(find<QWidget>(&f.window, "noRules")->isVisible());
        QVERIFY(!find<QPushButton>(&f.window, "export")->isEnabled());
        f.addRule("txt, png, qqq>Xed");
        QTest::mouseClick(find<QPushButton>(&f.window, "addRule"), Qt::LeftButton);
        QVERIFY(find<QPushButton>(&f.window, "export")->isEnabled());
        QCOMPARE(f.ruleText(), "> txt,png,qqq>Xed"); // the blank one first
        QLineEdit* extensions = f.in<QLineEdit>(0, "extensions");
        QTest::keyClicks(extensions, "MD, .markdown");
        QCOMPARE(f.model->store().rules().first().extensions, (QStringList{"md", "markdown"}));
        QTRY_COMPARE(f.lines(0), (QStringList{".md currently opens in no app",
                                              ".markdown currently opens in no app"}));
        QSignalSpy refreshed(f.row(0), &RuleRow::refreshed);
        QTest::keyClicks(extensions, ", ");
        QCOMPARE(extensions->text(), "MD, .markdown, ");
        QTRY_COMPARE(f.lines(1),
                     (QStringList{".txt currently opens in Xed", ".png currently opens in Okular",
                                  ".qqq currently opens in no app"}));
        QCOMPARE(refreshed.size(), 0); // the same list: no new look-up
    }

    // "Only in Folders…" and "Links…", by keyboard: the lines typed become the rule's as it
    // keeps them, the row says so, and one undo takes them back. Cancel changes nothing.
    void conditionsOfARule_data() {
        columns<QString, QString, QStringList, QStringList, QString>("command", "dialog", "typed",
                                                                     "kept", "rowLine");
        row("folders", "Only in Folders…", "foldersDialog",
            QStringList{" ~/Projects ", "/srv/photos/", "", "~/Projects"},
            QStringList{"~/Projects", "/srv/photos"}, "Only in ~/Projects, /srv/photos");
        row("links", "Links…", "linksDialog",
            QStringList{" example.org ", "mailto:", "example.org", "https://a.org/*"},
            QStringList{"example.org", "mailto:", "https://a.org/*"},
            "Links: example.org, mailto:, https://a.org/*");
    }

    void conditionsOfARule() {
        WindowFixture f;
        f.addRule("md>Xed");
        const QString command = data<QString>("command");
        const QString name = data<QString>("dialog");
        const QStringList kept = data<QStringList>("kept");
        auto values = [&] {
            const Rule rule = f.model->store().rules().first();
            return name == "foldersDialog" ? rule.folders : rule.links;
        };
        f.menu(0, "more", command);
        auto* dialog = f.window.findChild<QDialog*>(name);
        QVERIFY(dialog && dialog->isVisible());
        auto* list = dialog->findChild<QPlainTextEdit*>();
        QVERIFY(!list->accessibleName().isEmpty());
        QVERIFY(list->hasFocus() || list->focusPolicy() & Qt::TabFocus);
        for (const QString& line : data<QStringList>("typed")) {
            QTest::keyClicks(list, line);
            QTest::keyClick(list, Qt::Key_Return);
        }
        QTest::keyClick(list, Qt::Key_Tab); // out of the list, to the buttons
        QCOMPARE(list->toPlainText().count(u'\t'), 0);
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(values(), kept);
        QVERIFY(f.lines(0).contains(data<QString>("rowLine")));
        QTRY_VERIFY(!f.window.findChild<QDialog*>(name)); // closed, and gone
        f.menu(0, "more", command);
        dialog = f.window.findChild<QDialog*>(name);
        QCOMPARE(dialog->findChild<QPlainTextEdit*>()->toPlainText(), kept.join(u'\n'));
        QTest::keyClick(dialog, Qt::Key_Escape);
        QCOMPARE(values(), kept);
        find<QAction>(&f.window, "undoAction")->trigger();
        QCOMPARE(values(), QStringList());
        QVERIFY(!f.lines(0).contains(data<QString>("rowLine")));
    }

    // The app menu lists the candidates once each, by name, then Other… through the chooser.
    void appAndGroupMenus() {
        WindowFixture f;
        f.addRules({"txt, png, jpg>Xed", "qqq>"}); // Okular opens both pictures: once
        QTRY_VERIFY(!f.lines(0).isEmpty() && !f.lines(1).isEmpty());
        QCOMPARE(f.menu(0, "appButton", "Okular"),
                 (QStringList{"Okular", "Sublime Text", "Xed", "--", "Other\u2026"}));
        QCOMPARE(f.model->store().rules().first().appPath, ModelFixture::kOkular);
        QCOMPARE(f.in<QLabel>(0, "appName")->text(), "Okular");
        QCOMPARE(f.menu(1, "appButton", "Other\u2026"), QStringList{"Other\u2026"}); // cancelled
        QVERIFY(!f.model->store().rules().last().hasApp());
        f.chooser.answer = ModelFixture::kSublime;
        f.menu(1, "appButton", "Other\u2026");
        QCOMPARE(f.model->store().rules().last().appName, "Sublime Text");
        f.menu(0, "groupButton", "Images");
        QCOMPARE(f.model->store().rules().first().group, TypeGroup::Images);
        // The menu marks the rule's group, and only that one.
        QCOMPARE(f.menu(0, "groupButton").filter("* "), QStringList{"* Images"});
        f.menu(0, "groupButton", "No type group");
        QVERIFY(!f.model->store().rules().first().group);
    }

    // Make default needs an installed app and an extension the desktop has a type for (it says
    // why not); restore shows where there is a record for any of the rule's extensions; a
    // failure is a warning.
    void makeDefaultThenRestore() {
        WindowFixture f;
        f.addRules({"png>Sublime", "png, jpg>Xed", "md>Gone", "@images>Okular", "qqq>Sublime"});
        QTRY_VERIFY(!f.in<QPushButton>(4, "makeDefault")->isEnabled());
        QVERIFY(f.in<QPushButton>(4, "makeDefault")->toolTip().contains("no registered file type"));
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(f.in<QPushButton>(i, "makeDefault")->isEnabled(), i < 2);
        }
        QVERIFY(f.in<QPushButton>(0, "restore")->isHidden());
        QTest::mouseClick(f.in<QPushButton>(0, "makeDefault"), Qt::LeftButton);
        QVERIFY(!f.in<QPushButton>(0, "makeDefault")->isEnabled()); // busy
        QTRY_VERIFY(f.in<QPushButton>(0, "makeDefault")->isEnabled() && f.window.alert());
        QCOMPARE(f.window.alert()->text(), ".png: done. Sublime Text is now the default.");
        QCOMPARE(f.window.alert()->icon(), QMessageBox::Information);
        QVERIFY(!f.in<QPushButton>(0, "restore")->isHidden());
        QVERIFY(!f.in<QPushButton>(1, "restore")->isHidden()); // shares the extension
        f.window.alert()->button(QMessageBox::Ok)->click();
        QCOMPARE(f.model->alertText(), QString());
        QTest::mouseClick(f.in<QPushButton>(0, "restore"), Qt::LeftButton);
        QTRY_VERIFY(f.window.alert());
        QCOMPARE(f.window.alert()->text(), ".png: restored to Okular.");
        QTRY_VERIFY(f.in<QPushButton>(0, "restore")->isHidden());
        f.model->setAlertText("One\nTwo\x1b\u202e");
        QCOMPARE(f.window.alert()->icon(), QMessageBox::Warning);
        QCOMPARE(f.window.alert()->text(), "One\nTwo\u241b\\u202e"); // shown, never obeyed
    }

    // Switch off, reorder by the list and by dragging a row below the others, delete; deleting
    // and reordering are taken back exactly by Ctrl+Z or the button, and saved.
    void editAndUndo() {
        WindowFixture f;
        f.addRules({"a>Xed", "b>Okular", "c>Gone"});
        f.in<QCheckBox>(2, "enabled")->click();
        QVERIFY(!f.model->store().rules().last().enabled);
        QVERIFY(f.in<QLineEdit>(2, "extensions")->isEnabled()); // still editable
        const QList<Rule> before = f.model->store().rules();
        RulesList* list = f.list();
        list->moveRow(0, 3);
        QCOMPARE(f.ruleText(), "b>Okular c>Gone a>Xed");
        QCOMPARE(f.row(2)->ruleId(), f.model->store().rules().last().id);
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        find<QPushButton>(&f.window, "addRule")->setFocus(); // a text field takes Ctrl+Z itself
        QTest::keyClick(&f.window, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f.model->store().rules(), before);
        QTest::keySequence(&f.window, QKeySequence::Redo);
        QCOMPARE(f.ruleText(), "b>Okular c>Gone a>Xed");
        QTest::keyClick(&f.window, Qt::Key_Z, Qt::ControlModifier);
        QTRY_VERIFY(f.row(0)->y() < f.row(1)->y() && f.row(1)->y() < f.row(2)->y()); // laid out
        QMimeData row;
        row.setData("application/x-korvane-rule",
                    f.row(0)->ruleId().toString(QUuid::WithoutBraces).toLatin1());
        const QPoint below = f.row(2)->mapTo(list, f.row(2)->rect().bottomLeft()) + QPoint(10, 4);
        QDragEnterEvent enter(below, Qt::MoveAction, &row, Qt::LeftButton, {});
        QCoreApplication::sendEvent(list, &enter);
        QDragMoveEvent move(below, Qt::MoveAction, &row, Qt::LeftButton, {});
        QCoreApplication::sendEvent(list, &move);
        QFrame* marker = find<QFrame>(list, "dropMarker"); // drawn below the last row
        QVERIFY(marker->isVisible() && marker->y() >= f.row(2)->geometry().bottom());
        QVERIFY(dropOn(list, row, below, {}, Qt::MoveAction));
        QVERIFY(!marker->isVisible());
        QCOMPARE(f.ruleText(), "b>Okular c>Gone a>Xed");
        QTest::mouseClick(f.in<QToolButton>(1, "delete"), Qt::LeftButton);
        QCOMPARE(f.ruleText(), "b>Okular a>Xed");
        QPushButton* undo = find<QPushButton>(&f.window, "undo");
        QVERIFY(undo->isVisible());
        const int messageAt = find<QLabel>(&f.window, "dropMessage")->y();
        undo->click();
        QCOMPARE(f.ruleText(), "b>Okular c>Gone a>Xed");
        QApplication::processEvents(); // laid out without the button: nothing moved
        QCOMPARE(find<QLabel>(&f.window, "dropMessage")->y(), messageAt);
        QVERIFY(f.model->store().saveNow());
        QCOMPARE(RulesFile::read(f.storeDirectory()).value(), f.model->store().rules());
        for (int i = 0; i < 3; ++i) {
            QTest::mouseClick(f.in<QToolButton>(0, "delete"), Qt::LeftButton);
        }
        QVERIFY(find<QWidget>(&f.window, "noRules")->isVisible());
    }

    // Each step is undone alone, by rule id, on what the file holds then: a later edit of
    // another rule and a rule another process added stay. A field shows its rule's extensions
    // whenever the rule changes from elsewhere, also by a write in place.
    void undoTakesBackOneStep() {
        WindowFixture f;
        f.addRules({"md, markdown>Xed", "pdf, epub>Okular", "bb>Gone"});
        f.model->store().watchFile();
        QAction* undo = find<QAction>(&f.window, "undoAction");
        QTest::mouseClick(f.in<QToolButton>(0, "delete"), Qt::LeftButton);
        QCOMPARE(undo->text(), "Undo Delete rule md, markdown");
        QCOMPARE(f.model->message(), "Deleted rule md, markdown");
        QLineEdit* field = f.in<QLineEdit>(0, "extensions");
        field->setFocus();
        field->end(false);
        QTest::keyClicks(field, ", ps");
        QCOMPARE(undo->text(), "Undo Edit rule pdf, epub, ps");
        QVERIFY(!find<QPushButton>(&f.window, "undo")->isVisible()); // offered for the delete
        undo->trigger();                                             // the typing, as one step
        QCOMPARE(field->text(), "pdf, epub");
        undo->trigger(); // the delete alone
        QCOMPARE(f.ruleText(), "md,markdown>Xed pdf,epub>Okular bb>Gone");
        f.in<QCheckBox>(0, "enabled")->click();
        QCOMPARE(undo->text(), "Undo Turn off rule md, markdown");
        QTest::mouseClick(f.in<QToolButton>(2, "delete"), Qt::LeftButton);
        QVERIFY(f.model->store().saveNow());
        QList<Rule> theirs = f.model->store().rules(); // another process, writing in place
        theirs[1].extensions << "djvu";
        theirs[1].folders = {"~/Documents"};
        theirs[1].links = {"example.org"}; // a field no row shows yet
        theirs.append(ruleFrom("cc>Okular"));
        writeFile(f.storeDirectory() + "/rules.json", RulesFile::encode(theirs));
        QTRY_COMPARE(field->text(), "pdf, epub, djvu");
        undo->trigger();
        QCOMPARE(f.ruleText(),
                 "md,markdown>Xed pdf,epub,djvu[example.org]>Okular bb>Gone cc>Okular");
        QVERIFY(!f.model->store().rules().first().enabled); // the earlier step stays
        field->end(false);
        QTest::keyClicks(field, ", ps");
        QCOMPARE(f.model->store().rules()[1].extensions,
                 (QStringList{"pdf", "epub", "djvu", "ps"}));
        QCOMPARE(f.model->store().rules()[1].folders, QStringList{"~/Documents"});
        QCOMPARE(f.model->store().rules()[1].links, QStringList{"example.org"});
    }

    // Add Rule shows the new rule, wherever the list was scrolled, ready for its extensions. A
    // rule with findings says so under its fields, and the line follows the typing.
    void addRuleWhileScrolledAway() {
        WindowFixture f;
        f.addRules({"md>Xed", "md>Okular"}); // the second says which rule takes its files
        for (int i = 0; i < 40; ++i) {
            f.addRule(QStringLiteral("e%1>Xed").arg(i));
        }
        QScrollArea* area = f.list()->findChild<QScrollArea*>();
        QScrollBar* bar = area->verticalScrollBar();
        QTRY_VERIFY(bar->maximum() > 0);
        bar->setValue(bar->maximum());
        find<QPushButton>(&f.window, "addRule")->click();
        QCOMPARE(bar->value(), 0);
        QTRY_COMPARE(QApplication::focusWidget(), f.in<QLineEdit>(0, "extensions"));
        QVERIFY(f.model->store().rules().first().extensions.isEmpty());
        QLabel* finding = f.in<QLabel>(0, "finding");
        QTRY_COMPARE(f.in<QLabel>(2, "finding")->text(), // checked with the new rule
                     "Never applies: earlier rules take all its files (.md by rule 2).");
        QVERIFY(!finding->isVisible());                      // which says nothing yet
        find<QPushButton>(&f.window, "addRule")->setFocus(); // left: now it says what it lacks
        QTRY_COMPARE(finding->text(), "Matches nothing: it has no extensions and no type group.");
        QVERIFY(f.in<QLabel>(2, "finding")->isVisible() &&
                !f.in<QLabel>(1, "finding")->isVisible());
        f.in<QLineEdit>(2, "extensions")->clear();
        QTest::keyClicks(f.in<QLineEdit>(2, "extensions"), "txt");
        QTRY_VERIFY(!f.in<QLabel>(2, "finding")->isVisible());
    }

    // The chooser filters as typed and takes the first match; Down goes on into the list.
    void chooserDialog() {
        MemoryPlatform platform;
        platform.setApplicationEntries({{"Xed", "/a/Xed"}, {"Sublime Text", "/a/ST"}});
        AppChooserDialog dialog(platform, "Choose an App");
        QTest::keyClicks(find<QLineEdit>(&dialog, "filter"), "sub");
        QCOMPARE(dialog.chosen(), "/a/ST");
        QTest::keyClick(find<QLineEdit>(&dialog, "filter"), Qt::Key_Down);
        QCOMPARE(dialog.focusWidget(), find<QListView>(&dialog, "apps"));
        QTest::keyClicks(find<QLineEdit>(&dialog, "filter"), "zz"); // no app matches: none chosen
        QCOMPARE(dialog.chosen(), QString());
    }

    // "Why this app?" under a drop's summary says, for each file, where it went and why; after
    // the summary goes, the link stays while the user is on it, and the Edit menu still explains
    // the last drop by the rules. A drop that only reveals offers no link.
    void whyThisApp() {
        WindowFixture f;
        f.addRules({"!md>Okular", "md>Xed", "@text>Sublime"});
        auto* menuItem = find<QAction>(&f.window, "explainDropAction");
        QVERIFY(!menuItem->isEnabled());
        f.model->setMessageDuration(std::chrono::seconds(1));
        f.model->handle(f.files({"a.md", "x.qqq"}), DropMode::Route);
        QVERIFY(f.settle());
        QPushButton* why = find<QPushButton>(&f.window, "why");
        QTRY_VERIFY(why->isVisible());
        why->setFocus(Qt::TabFocusReason);
        f.model->cancelPending();
        QCOMPARE(why->accessibleName().isEmpty() ? why->text() : why->accessibleName(),
                 "Why this app?");
        QTRY_VERIFY(f.model->message().isNull());
        QVERIFY(why->isVisible());
        why->click();
        auto* dialog = f.window.findChild<ExplainDialog*>();
        QVERIFY(dialog && dialog->isVisible());
        const QString explained = dialog->text();
        QCOMPARE(explained.split(u'\n'),
                 (QStringList{
                     "a.md opens in Xed", "    endings: md", "    type: text/markdown",
                     "    rule 1 (md): switched off", "    rule 2 (md): applies: it names .md",
                     QString("    rule 3 (group: Text): also applies, but rule 2 takes the "
                             "file first"),
                     "    without Korvane: no app", "", "x.qqq: no rule matches",
                     "    endings: qqq", "    type: application/octet-stream",
                     "    rule 1 (md): switched off", "    rule 2 (md): doesn't apply",
                     "    rule 3 (group: Text): doesn't apply", "    without Korvane: no app"}));
        delete dialog;
        find<QPushButton>(&f.window, "addRule")->setFocus();
        QTRY_VERIFY(!why->isVisible());
        f.model->handle(f.files({"a.md"}), DropMode::Reveal);
        QVERIFY(f.settle());
        QTRY_VERIFY(!f.model->message().isNull());
        QVERIFY(!why->isVisible());
        menuItem->trigger();
        dialog = f.window.findChild<ExplainDialog*>();
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->text(), explained);
    }

    // While files are dragged over the zone it says what the drop will do, and nothing opens;
    // only local files are taken, with the keys held, and web links among them are left out,
    // saying so.
    void dropPreviewThenDrop() {
        WindowFixture f;
        f.addRules({"md>Xed", "png>Okular"});
        DropZone* zone = find<DropZone>(&f.window, "dropZone");
        QLabel* message = find<QLabel>(zone, "dropMessage");
        QMimeData files, text, web;
        const QStringList paths = f.files({"a.md", "b.md", "c.md", "p.png", "x.qqq", "dir/"});
        files.setUrls(mapped(paths, [](const QString& path) { return QUrl::fromLocalFile(path); }));
        const QPoint at = zone->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &files, Qt::LeftButton, {});
        QCoreApplication::sendEvent(zone, &enter);
        QCOMPARE(message->text(), "3 files \u2192 Xed \u00b7 1 \u2192 Okular \u00b7 1 folder "
                                  "\u2192 open in Test Files \u00b7 1 will ask");
        QDragLeaveEvent leave;
        QCoreApplication::sendEvent(zone, &leave);
        QTRY_COMPARE(message->text(), QString());
        QCOMPARE(f.platform.orders().size(), 0);
        text.setText("just words");
        web.setUrls({QUrl::fromLocalFile(f.file("a.md")), QUrl("https://www.example.org/page")});
        QVERIFY(!dropOn(zone, text, at));
        f.addRule("[example.org]>Okular");
        QDragEnterEvent webEnter(at, Qt::CopyAction, &web, Qt::LeftButton, {});
        QCoreApplication::sendEvent(zone, &webEnter);
        QCOMPARE(message->text(), "1 link \u2192 Okular \u00b7 1 file \u2192 Xed");
        QCoreApplication::sendEvent(zone, &leave);
        QVERIFY(dropOn(zone, web, at)); // the link by its rule, beside the file
        QTRY_COMPARE(message->text(), "Opened 1 link in Okular \u00b7 1 file in Xed");
        f.model->setMessageDuration(std::chrono::minutes(1));
        QVERIFY(dropOn(zone, files, at, Qt::AltModifier));
        QTRY_COMPARE(message->text(), "Revealed 6 items in Test Files");
        auto* fade = zone->findChild<QPropertyAnimation*>();
        QTRY_COMPARE(fade->state(), QAbstractAnimation::Stopped);    // the drag's and the message's
        QCOMPARE(message->text(), "Revealed 6 items in Test Files"); // it stays
        QCOMPARE(f.platform.orders().size(), 3);
    }

    // A browser's drag of a link (text/uri-list alone) is taken; with no rule for it the window
    // asks, even with a default browser, offers the scheme's apps and keeps the site by number key.
    void learnSiteFromDraggedLink() {
        WindowFixture f;
        const QString browser = "/apps/browser.desktop";
        f.platform.addApplication(browser, "browser.desktop", "Web Browser",
                                  {"x-scheme-handler/http", "x-scheme-handler/https"});
        f.platform.setDefault("x-scheme-handler/https", ModelFixture::kSublime);
        DropZone* zone = find<DropZone>(&f.window, "dropZone");
        QMimeData drag;
        drag.setData("text/uri-list", "https://www.example.org/a?q=1%20x\r\n");
        drag.setText("https://www.example.org/a?q=1 x");
        const QPoint at = zone->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &drag, Qt::LeftButton, {});
        QCoreApplication::sendEvent(zone, &enter);
        QVERIFY(enter.isAccepted());
        QCOMPARE(find<QLabel>(zone, "dropMessage")->text(), "1 will ask");
        QDragLeaveEvent leave;
        QCoreApplication::sendEvent(zone, &leave);
        QVERIFY(dropOn(zone, drag, at));
        QTRY_VERIFY(f.window.pendingFilesDialog() && loaded(f.window.pendingFilesDialog()));
        PendingFilesDialog* dialog = f.window.pendingFilesDialog();
        QCOMPARE(dialog->file().path, "https://www.example.org/a?q=1%20x");
        QCOMPARE(find<QCheckBox>(dialog, "always")->text(), "Always use this app for example.org");
        QListWidget* apps = find<QListWidget>(dialog, "appList");
        QCOMPARE(apps->count(), 1);
        QCOMPARE(apps->item(0)->data(Qt::UserRole).toString(), browser);
        QTest::keyClick(apps, Qt::Key_1); // in the list too, where typing searches names
        QTRY_VERIFY(!f.window.pendingFilesDialog());
        QVERIFY(f.settle());
        QCOMPARE(f.ruleText(), "[example.org]>Web Browser");
        // The site's other pages go by the new rule, with no question.
        drag.setData("text/uri-list", "https://docs.example.org/b\r\n");
        QVERIFY(dropOn(zone, drag, at));
        QVERIFY(QTest::qWaitFor([&] { return f.openOrders().size() == 2; }, 2000));
        QVERIFY(!f.window.pendingFilesDialog());
        QCOMPARE(f.openOrders(), (QStringList{"Web Browser: https://www.example.org/a?q=1%20x",
                                              "Web Browser: https://docs.example.org/b"}));
        // Handed over, not dragged here: the desktop's browser, unasked.
        f.model->handle({"https://other.org/x"}, DropMode::Route);
        QVERIFY(QTest::qWaitFor([&] { return f.openOrders().size() == 3; }, 2000));
        QVERIFY(!f.window.pendingFilesDialog());
        QCOMPARE(f.openOrders().last(), "Sublime Text: https://other.org/x");
    }

    // The other ways of dropping work without keys in the event, as on Wayland: by the zone's
    // targets, or by the keys the keyboard reports.
    void dropModesWithoutKeys_data() {
        columns<QString, Qt::KeyboardModifiers, bool, QString, QString>(
            "target", "inEvent", "altOnKeyboard", "preview", "summary");
        const QString reveal = "Reveal 2 items in Test Files";
        const QString revealed = "Revealed 2 items in Test Files | ";
        const QString defaults = "Open 2 files in their default apps";
        const QString inTwoApps = "Opened 2 files in 2 apps | Xed: a.txt; Okular: p.png";
        const QString none;
        const Qt::KeyboardModifiers noKeys, alt(Qt::AltModifier), shift(Qt::ShiftModifier);
        row("no keys, no target", none, noKeys, false, QString("2 files \u2192 Okular"),
            QString("Opened 2 files in Okular | Okular: a.txt, p.png"));
        row("the reveal target", QString("revealTarget"), noKeys, false, reveal, revealed);
        row("the default apps target", QString("defaultsTarget"), noKeys, false, defaults,
            inTwoApps);
        row("a target wins over keys", QString("revealTarget"), shift, false, reveal, revealed);
        row("Alt in the event", none, alt, false, reveal, revealed);
        row("Shift in the event", none, shift, false, defaults, inTwoApps);
        row("Alt and Shift: Alt reveals", none, alt | shift, false, reveal, revealed);
        row("Alt on the keyboard only", none, noKeys, true, reveal, revealed);
    }
    void dropModesWithoutKeys() {
        const QString& target = data<QString>("target");
        const bool alt = data<bool>("altOnKeyboard");
        WindowFixture f;
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        f.addRules({"txt, png>Okular"});
        f.model->setMessageDuration(std::chrono::seconds(20));
        auto* zone = find<DropZone>(&f.window, "dropZone");
        QMimeData files;
        files.setUrls({QUrl::fromLocalFile(f.file("a.txt")), QUrl::fromLocalFile(f.file("p.png"))});
        QDragEnterEvent enter(zone->rect().topLeft() + QPoint(5, 5), Qt::CopyAction, &files,
                              Qt::LeftButton, {});
        QCoreApplication::sendEvent(zone, &enter);
        QVERIFY(find<QWidget>(zone, "revealTarget")->isVisible());
        if (alt) {
            QTest::keyPress(f.window.windowHandle(), Qt::Key_Alt, Qt::AltModifier);
        }
        const QPoint at = target.isEmpty()
                              ? zone->rect().topLeft() + QPoint(8, 8)
                              : find<QWidget>(zone, qPrintable(target))->mapTo(zone, QPoint(6, 6));
        QDragMoveEvent move(at, Qt::CopyAction, &files, Qt::LeftButton,
                            data<Qt::KeyboardModifiers>("inEvent"));
        QCoreApplication::sendEvent(zone, &move);
        QCOMPARE(find<QLabel>(zone, "dropMessage")->text(), data<QString>("preview"));
        QDropEvent drop(at, Qt::CopyAction, &files, Qt::LeftButton, move.modifiers());
        QCoreApplication::sendEvent(zone, &drop);
        if (alt) {
            QTest::keyRelease(f.window.windowHandle(), Qt::Key_Alt);
        }
        QVERIFY(!find<QWidget>(zone, "revealTarget")->isVisible());
        QVERIFY(f.settle());
        QTRY_COMPARE(find<QLabel>(zone, "dropMessage")->text() + " | " + f.openOrders().join("; "),
                     data<QString>("summary"));
    }

    // The offer to undo an import goes with the message that announced it, never lingering
    // under the standing line; while shown it takes back the imported rules, and only them.
    void undoOfferLastsWithItsMessage() {
        WindowFixture f;
        const QList<Rule> before = f.addRules({"md>Xed"});
        ScriptedDialogs dialogs(QStringList{f.dir.filePath("import.json")});
        f.writeStoreFile("../import.json", "[{\"extensions\": [\"md\"]}, {}]");
        f.window.setFileDialogs(&dialogs);
        auto* message = find<QLabel>(&f.window, "dropMessage");
        QPushButton* undo = find<QPushButton>(&f.window, "undo");
        for (bool clickInTime : {false, true}) {
            find<QPushButton>(&f.window, "import")->click();
            QCOMPARE(f.model->store().rules().size(), 3);
            QVERIFY(undo->isVisible());
            if (clickInTime) {
                undo->click();
                QCOMPARE(f.model->store().rules(), before);
            } else {
                QTRY_COMPARE(message->text(), QString());
                QVERIFY(!undo->isVisible());
                f.model->store().setRules(f.model->store().rules().mid(0, 1));
            }
        }
    }

    // A question for files handed to a minimized window brings the window back, with the
    // question over it. Cancel walks the queue; a file without extension can't make a rule; one
    // click on a suggestion opens the file once and keeps the rule, whatever the style.
    void pendingFilesDialogFlow() {
        QApplication::setStyle(new SingleClickStyle);
        WindowFixture f;
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        f.window.showMinimized();
        QTRY_VERIFY(f.window.isMinimized());
        f.model->handle(f.files({"Notes.MD", "README", "c.md", "x.qqq"}), {});
        QTRY_VERIFY(f.window.pendingFilesDialog() && loaded(f.window.pendingFilesDialog()));
        PendingFilesDialog* dialog = f.window.pendingFilesDialog();
        QVERIFY(dialog->isVisible() && !f.window.isMinimized() && f.window.isVisible());
        // A dialog of the window, of one size, that window managers offer no maximize for.
        QCOMPARE(dialog->windowHandle()->transientParent(), f.window.windowHandle());
        QVERIFY(!(dialog->windowFlags() &
                  (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint)));
        QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
        QVERIFY(dialog->height() >= dialog->layout()->totalHeightForWidth(dialog->width()));
        QCOMPARE(find<QLabel>(dialog, "queuePosition")->text(), "1 of 4");
        QVERIFY(find<QCheckBox>(dialog, "always")->isEnabled() &&
                find<QCheckBox>(dialog, "always")->isChecked());
        QListWidget* apps = find<QListWidget>(dialog, "appList");
        QCOMPARE(apps->item(0)->data(Qt::UserRole).toString(), ModelFixture::kXed);
        QCOMPARE(apps->item(1)->data(Qt::UserRole).toString(), ModelFixture::kSublime);
        QCOMPARE(apps->count(), 2);
        QTest::keyClick(dialog, Qt::Key_Escape);
        QTRY_VERIFY(f.window.pendingFilesDialog() && f.window.pendingFilesDialog() != dialog);
        dialog = f.window.pendingFilesDialog();
        QCOMPARE(find<QLabel>(dialog, "queuePosition")->text(), "2 of 4");
        QVERIFY(!find<QCheckBox>(dialog, "always")->isEnabled() &&
                !find<QCheckBox>(dialog, "always")->isChecked());
        find<QPushButton>(dialog, "cancel")->click();
        QTRY_VERIFY(f.window.pendingFilesDialog() &&
                    f.window.pendingFilesDialog()->file().path == f.file("c.md"));
        dialog = f.window.pendingFilesDialog();
        QTRY_VERIFY(loaded(dialog));
        QListWidget* list = find<QListWidget>(dialog, "appList");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(1)).center());
        QTRY_VERIFY(f.window.pendingFilesDialog() != dialog && f.window.pendingFilesDialog());
        QCOMPARE(f.ruleText(), "md>Sublime Text");
        dialog = f.window.pendingFilesDialog(); // x.qqq: no suggestions
        QTRY_VERIFY(!find<QLabel>(dialog, "noSuggestions")->isHidden());
        find<QPushButton>(dialog, "chooseOther")->click(); // cancelled: the dialog stays
        QCOMPARE(f.window.pendingFilesDialog(), dialog);
        f.chooser.answer = ModelFixture::kXed;
        find<QCheckBox>(dialog, "always")->setChecked(false);
        find<QPushButton>(dialog, "chooseOther")->click();
        QTRY_VERIFY(!f.window.pendingFilesDialog());
        QVERIFY(f.settle());
        QCOMPARE(f.openOrders(), (QStringList{"Sublime Text: c.md", "Xed: x.qqq"}));
        QCOMPARE(f.ruleText(), "md>Sublime Text"); // just once
        QApplication::setStyle(QStringLiteral("Fusion"));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
