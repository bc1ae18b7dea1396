#include "support/test_data.h"
#include "wording/defaults_text.h"
#include "wording/drop_text.h"
#include "wording/wording.h"

using namespace korvane;

// The sentences the front ends make from the core's reports, with the desktop's own nouns: how
// counts, names and parts join, and what a name that begins a sentence looks like.
class TestWording : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void dropSummary_data() {
        columns<DropReport, QString>("report", "summary");
        row("nothing to say", DropReport{}, QString());
        row("opened, a launch failed, folders ignored, files missing",
            DropReport{.missingFiles = 2,
                       .launches = {{"Xed", 1, {}}, {"Okular", 1, "boom"}, {"Sublime", 2, {}}},
                       .folders = DropReport::Folders::Ignored,
                       .folderCount = 1},
            QString("Opened 3 files in 2 apps \u00b7 Okular couldn't open the file (boom) \u00b7 "
                    "Ignored 1 folder \u00b7 2 missing"));
        row("handed to the desktop; missing files said only for rules",
            DropReport{.mode = DropMode::Defaults, .missingFiles = 1, .handedToDesktop = 2},
            QString("Asked your desktop to open 2 items"));
        row("one missing app",
            DropReport{.launches = {{"Xed", 1, {}}}, .missingApps = {"Gone"}, .failed = true},
            QString("Opened 1 file in Xed \u00b7 Gone wasn't found. Fix the rule below."));
        row("missing apps, each name once, and Korvane itself",
            DropReport{.missingApps = {"Gone", "", "Lost", QString()}, .namesKorvane = true},
            QString("3 apps weren't found: Gone, the app, Lost. Korvane can't open files for its "
                    "own rules. Fix the rule below."));
    }

    void dropSummary() {
        const DropWords words{"your desktop", "the file manager", "Fix the rule below."};
        QCOMPARE(korvane::dropSummary(data<DropReport>("report"), words), data<QString>("summary"));
    }

    // One line per extension; a desktop's name that begins a sentence is capitalised, unless it
    // has capitals of its own.
    void defaults_data() {
        using O = DefaultOutcome;
        columns<DefaultsReport, QString, QString>("report", "system", "text");
        const auto outcomes = [](const QList<O>& list) { return DefaultsReport{.outcomes = list}; };
        row("no type, then done",
            outcomes({O::of("qqq", O::NoType), O::of("png", O::Made, "Sublime Text")}),
            "your desktop",
            ".qqq: not possible. Your desktop has no registered file type for this extension.\n"
            ".png: done. Sublime Text is now the default.");
        row("a name with capitals of its own", outcomes({O::of("qqq", O::NoType)}), "LXQt",
            ".qqq: not possible. LXQt has no registered file type for this extension.");
        O origin = O::of("png", O::NotChanged, "Okular");
        origin.origin = "/home/me/.config/mimeapps.list";
        row("not taken, and which file decides", outcomes({origin, O::of("jpg", O::NotRestored)}),
            "your desktop",
            ".png: not changed. Okular still opens these files, as set in "
            "/home/me/.config/mimeapps.list.\n.jpg: not restored. Your desktop didn't take the "
            "new default.");
    }

    void defaults() {
        QCOMPARE(defaultsReportText(data<DefaultsReport>("report"), data<QString>("system")),
                 data<QString>("text"));
    }

    // How a file's name or a message shows what can't be seen: text, whether line breaks stay,
    // and what is shown.
    void visibleText_data() {
        columns<QString, bool, QString>("text", "keepLineBreaks", "shown");
        row("a control character as its symbol", QString("a\tb"), true, QString("a\u2409b"));
        row("a line break as its symbol", QString("a\nb"), false, QString("a\u240ab"));
        row("a line break kept", QString("a\r\nb"), true, QString("a\u240d\nb"));
        row("delete", QString("a\x7f"), false, QString("a\u2421"));
        row("a C1 control and a stray byte", QString("\u0085") + QChar(0xdcff), false,
            QString("\ufffd\ufffd"));
        row("a character beyond U+FFFF, then a stray byte", QString("\U0001F4A9") + QChar(0xdca9),
            false, QString("\U0001F4A9\ufffd"));
        row("a direction override escaped", QString("a\u202eb"), false, QString("a\\u202eb"));
        row("plain text as it is", QString("R\u00e9sum\u00e9.md"), true,
            QString("R\u00e9sum\u00e9.md"));
    }

    void visibleText() {
        QCOMPARE(Wording::visible(data<QString>("text"), data<bool>("keepLineBreaks")),
                 data<QString>("shown"));
    }
};

QTEST_GUILESS_MAIN(TestWording)
#include "tst_wording.moc"
