#include "core/rule_store.h"
#include "core/rules_file.h"
#include "support/freedesktop_sandbox.h"
#include "support/test_data.h"

#include <QDir>
#include <QScopeGuard>
#include <QSet>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace korvane;

// The korvane command line, run as a process in a private desktop.
class TestCli : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        sandbox->clearLaunches();
        sandbox->writeRules({"md, txt>Test Editor", "pdf>Gone App", "log>Nameless",
                             "@images>Test Viewer", "!zip>Test Editor", "qqqzz>Test Editor"});
    }

    // What each command prints and how it ends, the files it launched and the rules an import
    // added; "@" stands for the sandbox's root.
    void commands_data() {
        columns<QString, int, QString, int, int>("arguments", "status", "start", "launched",
                                                 "added");
        row("route",
            "route n.md A.TXT d.pdf x.log p.png README folder gone.txt link.md a.zip -- -dash.md",
            1,
            "n.md: Test Editor (@/data/applications/korvane-test-editor.desktop)\n"
            "A.TXT: Test Editor (@/data/applications/korvane-test-editor.desktop)\n"
            "d.pdf: Gone App wasn't found\nx.log: the app wasn't found\n"
            "p.png: Test Viewer (@/data/applications/korvane-test-viewer.desktop)\n"
            "README: no rule matches\nfolder: folder\ngone.txt: not there\nlink.md: not there\n"
            "a.zip: no rule matches\n-dash.md: Test Editor (@/data/applications/"
            "korvane-test-editor.desktop)\n",
            0, 0);
        row("open: one launch for an app", "open n.md A.TXT missing.md", 1,
            "Opened 2 files in Test Editor \u00b7 1 missing\n", 2, 0);
        const QString deep = "@/" + QString(4100, u'd') + ".md"; // longer than PATH_MAX
        row("open a path no app could open", "open " + deep, 1,
            "korvane: " + deep + ": the path is too long to hand to an app\n", 0, 0);
        row("reveal: no file manager answers", "open --reveal d.pdf", 0,
            "Opened 1 folder in Test Files\n", 1, 0);
        row("defaults", "open --with-defaults -- d.pdf", 0, "Opened 1 file in Test Single\n", 1, 0);
        row("rules", "rules", 0,
            "1. md, txt; app: Test Editor; enabled\n2. pdf; app: Gone App (not found); enabled\n"
            "3. log; app: the app (not found); enabled\n"
            "4. (no extensions); group: Images; app: Test Viewer; enabled\n"
            "5. zip; app: Test Editor; disabled\n6. qqqzz; app: Test Editor; enabled\n",
            0, 0);
        row("export", "rules export @/files/KorvaneRules.json", 0, "Exported 6 rules\n", 0, 0);
        row("import", "rules import @/files/KorvaneRules.json", 0, "Imported 6 rules\n", 0, 6);
        row("import what is valid", "rules import @/files/some.json", 0, "Imported 2 rules\n", 0,
            2);
        row("import nothing valid", "rules import @/files/bad.json", 1,
            "That file doesn't contain any valid Korvane rules.\n", 0, 0);
        row("import leaves Korvane out", "rules import @/files/self.json", 0,
            "Imported 1 rule \u00b7 Left out 1 rule naming Korvane itself\n", 0, 1);
        row("import a name longer than any real one", "rules import @/files/long.json", 1,
            "Rule 2 of that file has an app name longer than any real one, so no rules were "
            "imported.\n",
            0, 0);
        row("help", "--help", 0, "Usage: korvane", 0, 0);
        row("unknown command", "frobnicate", 2, "korvane: unknown command", 0, 0);
        row("two ways at once", "open --with-defaults --for-desktop a", 2,
            "korvane: --reveal, --with-defaults and --for-desktop exclude each other", 0, 0);
        row("opener: no such word", "opener maybe", 2,
            "korvane: opener takes 'on', 'off', 'status' or 'serve'", 0, 0);
        row("no such rule", "default set 9", 1, "korvane: there is no rule 9 (there are 6 rules)",
            0, 0);
        row("an extension not possible", "default set 6", 1, ".qqqzz: not possible.", 0, 0);
        row("nothing to restore", "default restore 1", 1,
            "korvane: rule 1 has no replaced defaults on record, so there is nothing to restore", 0,
            0);
    }

    // Commands that change no rule leave rules.json as it is, to the inode; nothing launches
    // but what a command opens.
    void commands() {
        for (const char* name : {"n.md", "A.TXT", "d.pdf", "x.log", "p.png", "README", "a.zip",
                                 "-dash.md", "folder/"}) {
            sandbox->makeFile(name, "%PDF-1.4\n");
        }
        sandbox->makeFile("bad.json", "{}");
        sandbox->makeFile("some.json", "[{}, {\"extensions\": [\"md\"]}, 3]");
        sandbox->makeFile("self.json", "[{\"bundleID\": \"" KORVANE_APP_ID ".desktop\"}, {}]");
        sandbox->makeFile("long.json", "[{}, {\"appName\": \"" + QByteArray(1025, 'n') + "\"}]");
        QFile::link("nothing-here", sandbox->root() + "/files/link.md"); // a dangling link
        const QString path = sandbox->rulesDirectory() + "/rules.json";
        const QByteArray before = fileState(path);
        const auto run = sandbox->run(data<QString>("arguments"));
        const int status = data<int>("status");
        const QString start = sandbox->rooted(data<QString>("start"));
        QVERIFY2((run.out.isEmpty() ? run.err : run.out).startsWith(start),
                 qPrintable(run.out + run.err));
        QCOMPARE(run.status, status);
        QVERIFY(status != 2 || run.out.isEmpty());  // usage errors go to standard error only
        if (const int added = data<int>("added")) { // behind the others, each with an id of its own
            const QList<Rule> rules = sandbox->rules();
            const QList<QUuid> ids = mapped(rules, &Rule::id);
            QCOMPARE(QSet<QUuid>(ids.begin(), ids.end()).size(), 6 + added);
            QCOMPARE(rules.first().extensions, (QStringList{"md", "txt"}));
        } else {
            QCOMPARE(fileState(path), before);
        }
        const int launched = data<int>("launched");
        QCOMPARE(sandbox->launched(launched).size(), launched);
        QCOMPARE(sandbox->launches().size(), std::min(launched, 1)); // one request for them all
    }

    // `rules check`: one line per finding, each naming its rule, then the count; 1 for any.
    void rulesCheck_data() {
        columns<QString, QString>("rules", "out");
        const QString one = "1 finding in 1 rule.\n";
        row("none", "md,txt,tar.gz>Test Editor|@images>Test Viewer", "No findings in 2 rules.\n");
        row("never applies",
            "md>Test Editor|@images>Test Viewer|md>Test Viewer|@images>Test Editor",
            "Rule 3: never applies: earlier rules take all its files (.md by rule 1).\n"
            "Rule 4: never applies: earlier rules take all its files (Images by rule 2).\n"
            "2 findings in 4 rules.\n");
        row("missing app", "md>Gone App", "Rule 1: Gone App wasn't found.\n" + one);
        row("one file at a time", "pdf>Test Single",
            "Rule 1: Test Single takes one file at a time: a drop of several files starts it "
            "once for each, never once for all.\n" +
                one);
        row("unknown extension", "qqqzz>Test Editor",
            "Rule 1: GNOME has no registered type for .qqqzz, so \"Make default\" can't work for "
            "it; routing still does.\n" +
                one);
        row("no extensions, no group", ">Test Editor",
            "Rule 1: matches nothing: it has no extensions and no type group.\n" + one);
        row("no app", "md>", "Rule 1: choose an app for this rule.\n" + one);
        row("overlap", "md,txt>Test Editor|md,png>Test Viewer",
            "Rule 2: .md is also in rule 1, which wins for it.\n1 finding in 2 rules.\n");
        row("no file name", "a/b>Test Editor", "Rule 1: .a/b can't end any file name.\n" + one);
        row("Korvane itself", "md>Korvane",
            "Rule 1: Korvane can't open files for its own rules.\n" + one);
    }

    void rulesCheck() {
        sandbox->writeRules(data<QString>("rules").split(u'|'));
        const auto run = sandbox->run("rules check");
        QCOMPARE(run.out, data<QString>("out"));
        QCOMPARE(run.status, run.out.startsWith("No findings") ? 0 : 1); // 1 for any finding
    }

    // Imported rules never launch an entry GIO would not find by ID, and their names never
    // reach the terminal raw.
    void untrustedRulesLaunchNothing_data() {
        columns<QString, QString, QString, QString>("appId", "appPath", "appName", "shown");
        const QString evil = sandbox->root() + "/files/evil/evil.desktop";
        row("entry outside the folders", "", evil, "Text Editor", "Text Editor");
        row("made-up ID", "made.up.desktop", evil, "X", "X");
        row("../ out of the folders", "",
            sandbox->userApplications() + "/../../files/evil/evil.desktop", "X", "X");
        row("program not installed", "korvane-gone-app.desktop", "", "X", "X");
        row("escapes in the name", "", evil, "Gone\x1b]0;owned\x07\x1b[2J",
            "Gone\\e]0;owned\\x07\\e[2J");
        row("invisible and reordering characters", "", evil, "a\u202eb\u2066c\u200bd\ufeffe\u2028f",
            "a\\u202eb\\u2066c\\u200bd\\ufeffe\\u2028f");
        row("a ten-megabyte name", "", evil, QString(10'000'000, u'n'),
            QString(39, u'n') + QChar(0x2026) + QString(40, u'n'));
        row("hidden by the user", "korvane-system-player.desktop",
            sandbox->entry("korvane-system-player.desktop"), "System Player", "System Player");
    }

    void untrustedRulesLaunchNothing() {
        sandbox->makeFile("evil/evil.desktop", "[Desktop Entry]\nType=Application\nName=Evil\n"
                                               "Exec=" KORVANE_RECORDER " " +
                                                   sandbox->root().toUtf8() +
                                                   "/launches.log evil %F\n");
        const QString hidden = sandbox->userApplications() + "/korvane-system-player.desktop";
        writeFile(hidden, "[Desktop Entry]\nHidden=true\n"); // the least a user writes
        Rule untrusted = ruleFrom("md, mp4>");
        untrusted.appId = data<QString>("appId");
        untrusted.appPath = data<QString>("appPath");
        untrusted.appName = data<QString>("appName");
        sandbox->writeRules({untrusted});
        const QString shown = data<QString>("shown");
        const QString note = sandbox->makeFile("f.md");
        auto run = sandbox->run({"route", note});
        QCOMPARE(run.out, note + ": " + shown + " wasn't found\n");
        run = sandbox->run({"open", note});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.out.startsWith(shown + " wasn't found."), qPrintable(run.out));
        QVERIFY(!run.out.contains(QChar(0x1b)) && !run.err.contains(QChar(0x1b)));
        run = sandbox->run("rules");
        QVERIFY2(run.out.contains("app: " + shown + " (not found)"), qPrintable(run.out));
        QFile::remove(hidden);
        QCOMPARE(sandbox->launched(0), QStringList());
    }

    // A rule whose app runs Korvane through a wrapper starts no loop: the Korvane it starts was
    // handed the very files it would hand on, and refuses. (The wrapper stops a loop at depth 3
    // should that ever fail.)
    void noLaunchLoop_data() {
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<QByteArray>("statuses");
        QTest::addColumn<QStringList>("opened");
        // Handed to Korvane again: refused. Handed back to the desktop's opener: opened as if
        // no rule claimed it.
        QTest::newRow("open") << QByteArray("open") << QByteArray("1\n") << QStringList();
        QTest::newRow("for the desktop")
            << QByteArray("open --for-desktop") << QByteArray("0\n") << QStringList{"editor"};
    }
    void noLaunchLoop() {
        const QString log = sandbox->root() + "/loop.log";
        QFile::remove(log);
        const QString script = sandbox->makeFile(
            "wrapper.sh",
            "#!/bin/sh\n[ \"${DEPTH:-0}\" -ge 3 ] && exit 9\nexport DEPTH=$((DEPTH+1))\n\"" +
                QByteArray(KORVANE_BINARY) + "\" " + data<QByteArray>("command") +
                " \"$@\" 2>/dev/null\necho $? >> " + log.toUtf8() + "\n");
        QVERIFY(QFile::setPermissions(script, QFile::ReadOwner | QFile::ExeOwner));
        const QString entry = sandbox->userApplications() + "/korvane-wrapper.desktop";
        writeFile(entry, "[Desktop Entry]\nType=Application\nName=Wrapper\nExec=" +
                             script.toUtf8() + " %F\n");
        sandbox->writeRules({"md>Wrapper"});
        const QString note = sandbox->makeFile("loop.md");
        QCOMPARE(sandbox->run({"open", note}).status, 0);
        QTRY_COMPARE(readFile(log), data<QByteArray>("statuses"));
        QTest::qWait(300);
        QCOMPARE(readFile(log), data<QByteArray>("statuses")); // and nothing more
        QStringList opened;
        for (const FreedesktopSandbox::Launch& launch : sandbox->launches()) {
            opened << launch.as;
        }
        QCOMPARE(opened, data<QStringList>("opened"));
        QFile::remove(entry);
    }

    // A name that is not UTF-8 reaches the app byte for byte, whichever event loop Qt runs, and
    // is shown with its stray bytes escaped and its characters as they are.
    void namesAreBytes() {
        const QByteArray name =
            QFile::encodeName(sandbox->root()) + "/files/\xff\xfe\xf0\x9f\x92\xa9.md";
        close(open(name.constData(), O_CREAT | O_WRONLY, 0600));
        auto run = sandbox->run(
            {"-c", "exec \"$0\" route \"$(printf '\\377\\376\\360\\237\\222\\251.md')\"",
             KORVANE_BINARY},
            {}, "sh");
        QVERIFY2(run.out.startsWith("\\xff\\xfe\U0001F4A9.md: Test Editor ("), qPrintable(run.err));
        run = sandbox->run( // also where Qt was told not to run GLib's main context
            {"-c",
             "QT_NO_GLIB=1 exec \"$0\" open \"$(printf '\\377\\376\\360\\237\\222\\251.md')\"",
             KORVANE_BINARY},
            {}, "sh");
        QCOMPARE(run.status, 0);
        QCOMPARE(sandbox->launched(1).size(), 1);
        QCOMPARE(sandbox->launches().first().raw, QList<QByteArray>{name});
        unlink(name.constData()); // a name Qt can't spell: its temporary folder can't remove it
        // A path of more than PATH_MAX bytes is there all the same.
        const QString deep = sandbox->root() + "/deep";
        int folder = open(QFile::encodeName(sandbox->root()).constData(), O_DIRECTORY);
        for (int i = 0; i < 21; ++i) {
            const QByteArray part = i == 0 ? "deep" : QByteArray(250, 'd');
            QVERIFY(mkdirat(folder, part.constData(), 0700) == 0);
            const int next = openat(folder, part.constData(), O_DIRECTORY);
            close(std::exchange(folder, next));
        }
        close(openat(folder, "n.md", O_CREAT | O_WRONLY, 0600));
        close(folder);
        const QString path = deep + QString(u'/' + QString(250, u'd')).repeated(20) + "/n.md";
        run = sandbox->run({"route", path});
        QVERIFY2(run.out.startsWith(path + ": Test Editor ("), qPrintable(run.out));
        QProcess::execute("rm", {"-rf", deep});
    }

    // The questions for files no rule claims: input, then the rules and launches it leaves.
    void questions_data() {
        columns<QByteArray, int, int, int>("input", "asked", "rules", "launches");
        row("always: the second file follows the rule", QByteArray("1\ny\n"), 1, 1, 2);
        row("an empty answer keeps the rule", QByteArray("1\n\n"), 1, 1, 2);
        row("just once", QByteArray("1\nn\n\n"), 2, 0, 1);
        row("empty lines skip", QByteArray("\n\n"), 2, 0, 0);
        row("end of input skips", QByteArray(), 2, 0, 0);
    }

    void questions() {
        sandbox->writeRules(QStringList());
        const auto run =
            sandbox->run({"open", sandbox->makeFile("q1.rs"), sandbox->makeFile("q2.rs")},
                         data<QByteArray>("input"));
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out.count("No rule matches this file. Which app should open it?"),
                 data<int>("asked"));
        QCOMPARE(sandbox->rules().size(), data<int>("rules"));
        QVERIFY(!data<int>("rules") || run.out.contains("Always use this app for .rs? [Y/n] "));
        QCOMPARE(sandbox->launched(data<int>("launches")).size(), data<int>("launches"));
    }

    // The "always" answer is on disk before the next question is asked.
    void answerIsWrittenBeforeTheNextQuestion() {
        sandbox->writeRules(QStringList());
        QProcess korvane;
        korvane.start(KORVANE_BINARY,
                      {"open", sandbox->makeFile("w1.rs"), sandbox->makeFile("w2.zz")});
        korvane.write("1\ny\n");
        QByteArray out;
        QTRY_VERIFY((out += korvane.readAllStandardOutput()).count("Which app") == 2);
        QCOMPARE(sandbox->rules().value(0).extensions, QStringList{"rs"});
        korvane.kill(); // as Ctrl-C would
        korvane.waitForFinished();
        QCOMPARE(sandbox->rules().size(), 1);
    }

    // Concurrent writers each re-read the file under its lock: nobody's change is lost.
    void concurrentCommandsKeepEveryChange() {
        const QString source =
            sandbox->makeFile("three.json", RulesFile::encode(rulesFrom({"a>A", "b>B", "c>C"})));
        sandbox->writeRules(QStringList());
        std::vector<std::unique_ptr<QProcess>> running;
        for (int i = 0; i < 6; ++i) {
            running.push_back(std::make_unique<QProcess>());
            running.back()->start(KORVANE_BINARY, i % 2 ? QStringList{"rules"}
                                                        : QStringList{"rules", "import", source});
        }
        for (const auto& process : running) {
            QVERIFY(process->waitForFinished(20000));
            QCOMPARE(process->exitCode(), 0);
        }
        QCOMPARE(sandbox->rules().size(), 9);
    }

    // Only regular files are read or replaced; nothing hangs or grows without bound. Every
    // command says when rules.json can't be read, fails, and never exports or writes over it.
    void specialFilesAreRefused_data() {
        columns<QString, QString, QString>("arguments", "made", "err"); // made under the root
        row("import from a FIFO", "rules import @/pipe", "/pipe", "@/pipe is not a regular");
        row("export onto a FIFO", "rules export @/pipe", "/pipe", "The rules couldn't be saved");
        row("rules.json is a FIFO", "rules", "/data/Korvane/rules.json", "korvane: @/data/Korvane");
        row("route past a FIFO", "route x.md", "/data/Korvane/rules.json", "korvane: @/data");
        row("import into a directory", "rules import @/files/bad.json", "/data/Korvane/rules.json/",
            "korvane: @/data/Korvane/rules.json is not a regular file.");
        const QString notJson = "[{\"extensions\": ";
        row("rules.json is not JSON", "route x.md", notJson, "korvane: @/data/Korvane/rules.json");
        row("export over a backup", "rules export @/files/backup.json", notJson,
            "korvane: @/data/Korvane/rules.json is not a rules file.");
        row("export from a directory", "rules export @/files/backup.json",
            "/data/Korvane/rules.json/", "korvane: @/data/Korvane/rules.json is not a regular");
        row("open without rules", "open x.md", notJson, "korvane: @/data/Korvane/rules.json");
        row("default without rules", "default set 1", notJson, "korvane: @/data/Korvane/rules");
        // GIO would block reading it
        row("default set past a FIFO", "default set 1", "/config/mimeapps.list",
            "@/config/mimeapps.list is not a regular file.");
        row("open past a FIFO", "open x.md", "/config/mimeapps.list",
            "korvane: @/config/mimeapps.list is not a regular file.");
        // Whether a window runs can't be told: it may hold the rules and defaults.
        const QString sockets = QStringLiteral("/tmp/korvane-%1").arg(getuid());
        const QString unreachable =
            "korvane: the Korvane window can't be reached: @" + sockets + " is not a folder. ";
        row("import, the window unreachable", "rules import @/files/some.json", sockets,
            unreachable + "Nothing was changed");
        row("default, the window unreachable", "default set 1", sockets, unreachable);
    }

    void specialFilesAreRefused() {
        const QString root = sandbox->root();
        const QString made = data<QString>("made");
        const QString rulesFile = sandbox->rulesDirectory() + "/rules.json";
        sandbox->makeFile("bad.json", "[{}]");
        sandbox->makeFile("some.json", RulesFile::encode(rulesFrom({"md>Test Editor"})));
        sandbox->makeFile("x.md");
        const QString backup = sandbox->makeFile("backup.json", "my backup");
        const QByteArray mimeapps = readFile(sandbox->mimeappsList());
        QProcess::execute("rm", {"-rf", made.startsWith("/config") || made.startsWith("/tmp")
                                            ? root + made
                                            : rulesFile});
        if (made.startsWith("[")) {
            writeFile(rulesFile, made.toUtf8());
        } else if (made.endsWith("/")) {
            QVERIFY(QDir().mkpath(root + made));
        } else {
            QVERIFY(mkfifo(QFile::encodeName(root + made).constData(), 0600) == 0);
        }
        const auto run = sandbox->run(data<QString>("arguments"));
        QVERIFY2(run.err.startsWith(sandbox->rooted(data<QString>("err"))), qPrintable(run.err));
        QCOMPARE(run.status, 1);
        QVERIFY(!run.out.contains("Imported") && !run.out.contains("Exported"));
        QCOMPARE(readFile(backup), "my backup");
        if (made.startsWith("[")) {
            QCOMPARE(readFile(rulesFile), made.toUtf8()); // kept as it is
        } else {
            QVERIFY(QFileInfo(root + made).exists() && !QFileInfo(root + made).isFile());
        }
        QProcess::execute("rm", {"-rf", root + made, rulesFile});
        writeFile(sandbox->mimeappsList(), mimeapps);
    }

    // Make default then Restore leaves every list as the user had it, byte for byte, also when
    // restored under another desktop.
    void defaultsLeaveMimeappsAsTheyWere_data() {
        // the user's list ("-> dotfiles": a link there; "@XFCE": the desktop restoring), its bytes
        columns<QString, QByteArray>("list", "before");
        const QByteArray mine = "# my defaults\n[Default Applications]\n"
                                "inode/directory=korvane-test-files.desktop\n"
                                "text/markdown=korvane-test-editor.desktop;korvane-test-viewer."
                                "desktop;\n\n# never offer these\n[Removed Associations]\n"
                                "text/markdown=korvane-sublime-text.desktop;\n";
        const QByteArray editor = "text/markdown=korvane-test-editor.desktop;";
        row("comments, fallbacks and a removal", "mimeapps.list", mine);
        row("no list at first", "mimeapps.list", QByteArray());
        row("the desktop's own list decides", "gnome-mimeapps.list",
            mine.left(mine.indexOf("\n\n") + 1));
        row("restored under another desktop", "gnome-mimeapps.list @XFCE", mine);
        row("a symbolic link to dotfiles", "mimeapps.list -> dotfiles", mine);
        row("a link to dotfiles not made yet", "mimeapps.list -> dotfiles", QByteArray());
        row("CRLF, spaced keys, leading blanks", "mimeapps.list",
            QByteArray(
                "[Default Applications]\r\n  inode/directory = korvane-test-files.desktop\r\n"
                "  text/markdown = korvane-test-editor.desktop;\r\n"
                "[Removed Associations]\r\ntext/markdown = korvane-sublime-text.desktop; \r\n"));
        row("blanks after a value, no final newline", "mimeapps.list",
            "[Default Applications]\n" + editor + "  \ntext/plain=korvane-test-editor.desktop;");
        row("a comment, then groups spaced apart", "mimeapps.list",
            "# by hand\n\n[Default Applications]\n" + editor +
                "\n\n[Added Associations]\ntext/plain=korvane-test-editor.desktop;\n");
        row("the group twice: its last line decides", "mimeapps.list",
            "[Default Applications]\ntext/markdown=korvane-test-viewer.desktop;\n[Added "
            "Associations]\ntext/plain=korvane-test-viewer.desktop;\n[Default Applications]\n" +
                editor + "\n");
        row("no group for defaults, no final newline", "mimeapps.list",
            "[Added Associations]\n" + editor);
        row("bytes that aren't UTF-8", "mimeapps.list",
            QByteArray("[Default Applications]\n" + editor +
                       "\ntext/plain=caf\xe9.desktop;\n[Removed Associations]\n"
                       "text/markdown=korvane-sublime-text.desktop;\xe9t\xe9.desktop;\n"));
    }

    void defaultsLeaveMimeappsAsTheyWere() {
        leavesMimeappsAsItWas("default set 1", ".md: done. Sublime Text is now the default.\n",
                              "default restore 1", ".md: restored to Test Editor.\n");
    }

    // The same for the opener, which takes and gives back many types in one edit.
    void openerLeavesMimeappsAsItWas_data() { defaultsLeaveMimeappsAsTheyWere_data(); }
    void openerLeavesMimeappsAsItWas() {
        leavesMimeappsAsItWas(
            "opener on", "Korvane opens 3 file types for GNOME now.\n", "opener off",
            "Korvane no longer opens files for GNOME; 3 file types given back.\n");
    }

    // Rules limited to folders: listed with them, checked for a folder that isn't there, and
    // routing only the files inside.
    void folderRules() {
        const QString inside = sandbox->makeFile("project/n.md");
        const QString outside = sandbox->makeFile("n.md");
        sandbox->writeRules(
            {sandbox->rooted("md{@/files/project,@/gone}>Test Editor"), "md>Sublime Text"});
        auto run = sandbox->run("rules");
        QCOMPARE(run.out.section(u'\n', 0, 0),
                 sandbox->rooted("1. md; only in @/files/project, @/gone; app: Test Editor; "
                                 "enabled"));
        run = sandbox->run("rules check");
        QVERIFY2(run.out.contains(sandbox->rooted("Rule 1: the folder @/gone doesn't exist")),
                 qPrintable(run.out));
        run = sandbox->run({"route", inside, outside});
        QCOMPARE(run.out, inside + ": Test Editor (" +
                              sandbox->entry("korvane-test-editor.desktop") + ")\n" + outside +
                              ": Sublime Text (" + sandbox->entry("korvane-sublime-text.desktop") +
                              ")\n");
    }

    // Korvane as the desktop's opener: on takes the types the rules name in the user's list, and
    // `gio open` then goes through Korvane to the rule's app, or to the app Korvane replaced;
    // status and --explain say what it replaced, and which list named it; off gives the list back
    // byte for byte, and the entry it provided goes with it. A second on or off changes nothing.
    void openerRoundTrip() {
        const QString list = sandbox->mimeappsList();
        const QString record = sandbox->rulesDirectory() + "/previous-defaults.json";
        const QString entry = sandbox->userApplications() + "/org.korvane.Korvane.Opener.desktop";
        const QByteArray saved = readFile(list);
        const auto restore = qScopeGuard([&] { writeFile(list, saved); });
        const QByteArray before = "# mine\r\n[Default Applications]\r\n"
                                  "text/plain = korvane-sublime-text.desktop;\r\n";
        writeFile(list, before);
        QFile::remove(record);
        const QString notes = sandbox->makeFile("notes/n.txt");
        const QString other = sandbox->makeFile("other.txt");
        const QString note = sandbox->makeFile("a.md");
        sandbox->writeRules({"md>Test Editor", sandbox->rooted("txt{@/files/notes}>Test Editor"),
                             "!png>Test Viewer"});

        auto run = sandbox->run("opener status");
        QCOMPARE(run.out, "Korvane opens files for GNOME: off\n");
        run = sandbox->run("opener on");
        QCOMPARE(run.out, "Korvane opens 2 file types for GNOME now.\n");
        QCOMPARE(run.status, 0);
        QCOMPARE(readFile(list), "# mine\r\n[Default Applications]\r\n"
                                 "text/plain = org.korvane.Korvane.Opener.desktop;"
                                 "korvane-sublime-text.desktop;\r\n"
                                 "text/markdown=org.korvane.Korvane.Opener.desktop;\r\n");
        QVERIFY(QFileInfo::exists(entry));
        const QByteArray taken = readFile(list);
        const QByteArray recorded = readFile(record);
        run = sandbox->run("opener on");
        QCOMPARE(run.out, "Korvane opens 2 file types for GNOME now.\n");
        QCOMPARE(readFile(list), taken);
        QCOMPARE(readFile(record), recorded);
        run = sandbox->run("opener status");
        QCOMPARE(run.out, "Korvane opens files for GNOME: on\n"
                          "Korvane opens links for GNOME: off\n"
                          "text/markdown: in place of Test Editor\n"
                          "text/plain: in place of Sublime Text, as " +
                              list + " said\n");

        run = sandbox->run({"route", "--explain", other});
        QVERIFY2(run.out.endsWith("  the desktop: opens it through Korvane, as " + list +
                                  " says\n  without Korvane: Sublime Text, as " + list + " says\n"),
                 qPrintable(run.out));

        // Through the desktop: the rule's app, inside and outside a rule's folder.
        for (const QString& file : {note, notes, other}) {
            QCOMPARE(sandbox->run(QStringList{"open", file}, {}, "gio").status, 0);
        }
        QCOMPARE(sandbox->launched(3),
                 QStringList({"editor: " + note, "editor: " + notes, "sublime: " + other}));

        run = sandbox->run("opener off");
        QCOMPARE(run.out, "Korvane no longer opens files for GNOME; 2 file types given "
                          "back.\n");
        QCOMPARE(run.status, 0);
        QCOMPARE(readFile(list), before);
        QVERIFY(!QFileInfo::exists(entry));
        QCOMPARE(sandbox->run("opener off").out, "Korvane doesn't open files for GNOME.\n");
        QCOMPARE(readFile(list), before);
    }

    // Rules changed in steps: a type whose default comes from its parent type's (C source from
    // plain text) is taken in its own right, stays taken when the parent is given back, and is
    // given back alone while the parent stays taken; a list Korvane made is gone again once the
    // last of its types is given back, whichever turn took it.
    void openerFollowsInSteps() {
        const QString list = sandbox->mimeappsList();
        const QByteArray saved = readFile(list);
        const auto restore = qScopeGuard([&] { writeFile(list, saved); });
        QFile::remove(list);
        QFile::remove(sandbox->rulesDirectory() + "/previous-defaults.json");
        // Each step's rules, then the types Korvane holds after it.
        const QList<std::pair<QStringList, QString>> steps = {
            {{"txt>Test Editor"}, "text/plain"},
            {{"txt>Test Editor", "c>Sublime Text"}, "text/plain text/x-csrc"},
            {{"c>Sublime Text"}, "text/x-csrc"},
            {{}, ""},
            {{"c, txt>Sublime Text"}, "text/plain text/x-csrc"},
            {{"txt>Sublime Text"}, "text/plain"},
            {{}, ""}};
        for (const auto& [rules, held] : steps) {
            sandbox->writeRules(rules);
            QCOMPARE(sandbox->run("opener on").status, 0);
            QStringList types;
            for (const QString& line : sandbox->run("opener status").out.split(u'\n').mid(2)) {
                types << line.section(u':', 0, 0);
            }
            QCOMPARE(types.join(u' ').trimmed(), held);
        }
        QCOMPARE(sandbox->run("opener off").status, 0);
        QVERIFY2(!QFile::exists(list), readFile(list).constData());
    }

    // The opener for links too: `gio open LINK` goes through Korvane to the rule's app, or to
    // the browser it replaced; started with nothing, as a desktop's "web browser" command, the
    // replaced browser starts; off gives the list back byte for byte.
    void openerForLinks() {
        const QString list = sandbox->mimeappsList();
        const QByteArray saved = readFile(list);
        const auto restore = qScopeGuard([&] { writeFile(list, saved); });
        QFile::remove(sandbox->rulesDirectory() + "/previous-defaults.json");
        sandbox->writeRules(QStringList{"[example.org mailto:]>Other Browser", "md>Test Editor"});
        auto run = sandbox->run({"opener", "on", "--links"});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, "Korvane opens 1 file type for GNOME now.\n"
                          "It opens links for GNOME too: http, https, mailto.\n");
        QVERIFY(sandbox->run("opener status").out.contains("Korvane opens links for GNOME: on\n"));
        for (const QString link :
             {"https://www.example.org/a", "https://other.net/b", "mailto:x@y.z"}) {
            QCOMPARE(sandbox->run(QStringList{"open", link}, {}, "gio").status, 0);
        }
        QCOMPARE(sandbox->launched(3), QStringList({"browser: https://other.net/b",
                                                    "other-browser: https://www.example.org/a",
                                                    "other-browser: mailto:x@y.z"}));
        sandbox->clearLaunches();
        QCOMPARE(sandbox->run({"open", "--for-desktop"}).status, 0);
        QTRY_COMPARE(sandbox->launches().size(), 1);
        QCOMPARE(sandbox->launches().first().as, "browser");
        QVERIFY(sandbox->launches().first().raw.isEmpty());
        // What that browser starts: a Korvane asked to start it again refuses; any other works.
        auto fromBrowser = [&](const QString& command) {
            return sandbox->run(
                {"-c", "KORVANE_LAUNCHED_WITH=nothing exec \"$0\" " + command, KORVANE_BINARY}, {},
                "sh");
        };
        QCOMPARE(fromBrowser("open --for-desktop").status, 1);
        QCOMPARE(fromBrowser("rules").status, 0);
        QCOMPARE(sandbox->run({"opener", "off", "--links"}).status, 2);
        run = sandbox->run("opener off");
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, "Korvane no longer opens files for GNOME; 1 file type given back.\n"
                          "It no longer opens links for GNOME; given back: http, https, mailto.\n");
        QCOMPARE(readFile(list), saved);
        // Off, nothing starts a browser.
        QCOMPARE(sandbox->run({"open", "--for-desktop"}).status, 2);
    }

    // When one list can't be written, the others written for the same turn go back to their
    // bytes and nothing is recorded as taken: all or nothing.
    void openerWriteFailsHalfway() {
        const QString config = sandbox->configHome() + "/";
        const QByteArray saved = readFile(config + "mimeapps.list");
        const auto restore = qScopeGuard([&] {
            QFile::remove(config + "mimeapps.list");
            QFile::remove(config + "gnome-mimeapps.list");
            writeFile(config + "mimeapps.list", saved);
        });
        const QByteArray gnome =
            "[Default Applications]\ntext/markdown=korvane-test-viewer.desktop;\n";
        writeFile(config + "gnome-mimeapps.list", gnome);
        QFile::remove(config + "mimeapps.list");
        QVERIFY(QFile::link("/proc/version", config + "mimeapps.list")); // readable, unwritable
        QFile::remove(sandbox->rulesDirectory() + "/previous-defaults.json");
        sandbox->writeRules({"md, c>Sublime Text"});
        const auto run = sandbox->run("opener on");
        QCOMPARE(run.status, 1);
        QVERIFY2(run.out.contains("text/x-csrc: not possible.") &&
                     run.out.contains("text/markdown: not possible."),
                 qPrintable(run.out));
        QCOMPARE(readFile(config + "gnome-mimeapps.list"), gnome);
        QCOMPARE(sandbox->run("opener status").out.count(u'\n'), 2); // on and links; no type held
        QCOMPARE(sandbox->run("opener off").status, 0);
    }

    // Links beside files: each goes by the links the rules name; the rule list shows them.
    void linksRoute() {
        const QString note = sandbox->makeFile("n.md");
        sandbox->writeRules(QStringList{"[example.org mailto:]>Test Viewer", "md>Test Editor"});
        QCOMPARE(sandbox->run("rules").out.section(u'\n', 0, 0),
                 "1. links: example.org, mailto:; app: Test Viewer; enabled");
        const auto run = sandbox->run(
            {"route", "https://www.Example.org/a", note, "mailto:x@y.z", "https://b.net/"});
        const QString viewer =
            ": Test Viewer (" + sandbox->entry("korvane-test-viewer.desktop") + ")\n";
        QCOMPARE(run.out, "https://www.Example.org/a" + viewer + note + ": Test Editor (" +
                              sandbox->entry("korvane-test-editor.desktop") + ")\nmailto:x@y.z" +
                              viewer + "https://b.net/: no rule matches\n");
        QCOMPARE(run.status, 0);
        const auto why = sandbox->run({"route", "--explain", "https://www.Example.org/a"});
        QCOMPARE(
            why.out.split(u'\n').mid(1),
            (QStringList{"  type: x-scheme-handler/https",
                         QString("  rule 1 (links: example.org, mailto:): applies: its links "
                                 "name it (example.org)"),
                         "  rule 2 (md): doesn't apply",
                         "  runs: " + QString(KORVANE_RECORDER) + " " + sandbox->root() +
                             "/launches.log viewer https://www.Example.org/a",
                         "  without Korvane: Test Browser, as " + sandbox->mimeappsList() + " says",
                         ""}));
        // An app that takes URIs gets the link as it is.
        sandbox->writeRules(QStringList{"[mailto:]>Other Browser"});
        QVERIFY(sandbox->run({"route", "--explain", "mailto:x@y.z"})
                    .out.contains("  runs: " + QString(KORVANE_RECORDER) + " " + sandbox->root() +
                                  "/launches.log other-browser mailto:x@y.z\n"));
    }

    // Links and files in one drop: links a rule names go to its app, with its files, in one
    // launch; another link goes to the desktop's browser; the summary counts links as links.
    void openLinks() {
        const QString note = sandbox->makeFile("with links.md");
        sandbox->writeRules(QStringList{"[example.org mailto:]>Other Browser", "md>Test Editor"});
        const auto run = sandbox->run(
            {"open", "https://www.example.org/a", note, "https://other.net/b", "mailto:x@y.z"});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, "Opened 2 links in Other Browser \u00b7 1 link in Test Browser \u00b7 1 "
                          "file in Test Editor\n");
        QCOMPARE(sandbox->launched(4),
                 (QStringList{"browser: https://other.net/b", "editor: " + note,
                              "other-browser: https://www.example.org/a",
                              "other-browser: mailto:x@y.z"}));
        QCOMPARE(sandbox->launches().size(), 3); // one launch per app
        QVERIFY(!readFile(sandbox->configHome() + "/Korvane/recent-files.jsonl").contains("https"));
    }

    // A link that no rule and no app claims is asked about as a link.
    void askAboutLink() {
        sandbox->writeRules(QStringList());
        const auto run = sandbox->run({"open", "gopher://g.org/x"}, "\n");
        QVERIFY(run.out.startsWith("gopher://g.org/x\nNo rule matches this link. Which app should "
                                   "open it?\n"));
        QVERIFY(run.out.contains("didn't suggest any apps for this link."));
        QVERIFY(sandbox->rules().isEmpty());
    }

    // Why a file goes where it goes: each rule's part, the command, the desktop's own choice.
    void routeExplains() {
        const QString file = sandbox->makeFile("why it's here.md", "# Why\n");
        sandbox->writeRules(
            {"!md>Test Viewer", "md>Test Editor", "@text>Sublime Text", "png>Test Viewer"});
        const auto run = sandbox->run({"route", "--explain", file});
        QCOMPARE(run.status, 0);
        QCOMPARE(
            run.out.split(u'\n').mid(1),
            (QStringList{"  endings: md",
                         "  type: text/markdown; parents: text/plain; also called: text/x-markdown",
                         "  rule 1 (md): switched off", "  rule 2 (md): applies: it names .md",
                         "  rule 3 (group: Text): also applies, but rule 2 takes the file first",
                         "  rule 4 (png): doesn't apply",
                         "  runs: " + QString(KORVANE_RECORDER) + " " + sandbox->root() +
                             "/launches.log editor '" + QString(file).replace("'", "'\\''") + "'",
                         "  without Korvane: Test Editor", ""}));
    }

    // A command that read the app database ends without leaving anything running: what lets go
    // of GIO's file watches after it ends with it.
    void leavesNothingRunning() {
        QCOMPARE(prctl(PR_SET_CHILD_SUBREAPER, 1), 0); // orphans come to this process
        const auto restore = qScopeGuard([] { prctl(PR_SET_CHILD_SUBREAPER, 0); });
        const QString file = sandbox->makeFile("left behind.md");
        for (int i = 0; i < 5; ++i) {
            const auto run = sandbox->run({"route", file});
            QCOMPARE(run.status, 0);
            QCOMPARE(run.out, file + ": Test Editor (" +
                                  sandbox->entry("korvane-test-editor.desktop") + ")\n");
        }
        // Korvane's orphans, by process ID; true once every one has ended (and is reaped).
        const auto allEnded = [] {
            bool ended = true;
            for (const QString& pid : QDir("/proc").entryList(QDir::Dirs)) {
                const QByteArray stat = readFile("/proc/" + pid + "/stat");
                const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
                if (stat.contains("(korvane)") && fields.value(1).toInt() == getpid()) {
                    ended = ended && fields.value(0) == "Z" && waitpid(pid.toInt(), nullptr, 0) > 0;
                }
            }
            return ended;
        };
        QTRY_VERIFY_WITH_TIMEOUT(allEnded(), 5000);
    }

private:
    // Runs `change` and then `back` on the user's list of the row (see
    // defaultsLeaveMimeappsAsTheyWere_data), and checks that the list is as it was.
    void leavesMimeappsAsItWas(const QString& change, const QString& changed, const QString& back,
                               const QString& restored) {
        const QByteArray& before = data<QByteArray>("before");
        const QString config = sandbox->configHome() + "/";
        const QString list = config + data<QString>("list").section(u' ', 0, 0);
        const bool symlinked = data<QString>("list").contains("-> dotfiles");
        const QByteArray sandboxList = readFile(config + "mimeapps.list");
        const auto cleanUp = qScopeGuard([=] {
            QFile::remove(list);
            writeFile(config + "mimeapps.list", sandboxList);
        });
        QFile::remove(config + "mimeapps.list");
        QString real = list;
        if (symlinked) {
            real = sandbox->makeFile("dotfiles/mimeapps.list");
            QFile::remove(real);
            QVERIFY(QFile::link(real, list));
        }
        if (!before.isNull()) {
            writeFile(real, before);
            QVERIFY(QFile::setPermissions(real,
                                          QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
        }
        QFile::remove(sandbox->rulesDirectory() + "/previous-defaults.json");
        sandbox->writeRules({"md>Sublime Text", "!txt>Test Editor", "rs, c>Sublime Text"});
        auto run = sandbox->run(change);
        QCOMPARE(run.out, changed);
        QCOMPARE(run.status, 0);
        const QByteArray desktop = qgetenv("XDG_CURRENT_DESKTOP");
        if (data<QString>("list").contains(u'@')) {
            qputenv("XDG_CURRENT_DESKTOP", data<QString>("list").section(u'@', 1).toLatin1());
        }
        run = sandbox->run(back);
        qputenv("XDG_CURRENT_DESKTOP", desktop);
        QCOMPARE(run.out, QString(restored).replace(
                              "GNOME", data<QString>("list").contains(u'@') ? "Xfce" : "GNOME"));
        QCOMPARE(run.status, 0);
        QCOMPARE(readFile(real), before.isNull() ? QByteArray("<missing>") : before);
        // A list made on the way for types the desktop's own list didn't name is gone again.
        QVERIFY(list == config + "mimeapps.list" || !QFileInfo::exists(config + "mimeapps.list"));
        QCOMPARE(QFileInfo(list).isSymLink(), symlinked);
        QVERIFY(before.isNull() || (QFileInfo(real).permissions() & 0x0777) == 0x0640);
    }
};

int main(int argc, char** argv) {
    return runSandboxed<TestCli>(argc, argv);
}

#include "tst_cli.moc"
