#include "core/rule_store.h"
#include "support/freedesktop_sandbox.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTest>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace korvane;

namespace {
FreedesktopSandbox* sandbox = nullptr;

using Run = FreedesktopSandbox::Run;

Run runKorvane(const QStringList& arguments, const QByteArray& input = {}) {
    return sandbox->run(QStringLiteral(KORVANE_BINARY), arguments, input);
}

Rule rule(const QString& extensions, const QString& entryId, const QString& name) {
    Rule r;
    r.extensions = Rule::parseExtensions(extensions);
    r.appId = entryId;
    r.appPath = sandbox->entry(entryId);
    r.appName = name;
    return r;
}

void writeRules(const QList<Rule>& rules) {
    QDir().mkpath(sandbox->rulesDirectory());
    QFile file(sandbox->rulesDirectory() + "/rules.json");
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(RuleStore::encode(rules));
}

QList<Rule> readRules() {
    return RuleStore::read(sandbox->rulesDirectory()).value_or(QList<Rule>());
}

ino_t inodeOf(const QString& path) {
    struct stat info {};
    return stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

const QString kEditor = QStringLiteral("korvane-test-editor.desktop");
const QString kViewer = QStringLiteral("korvane-test-viewer.desktop");
} // namespace

// The korvane command line, run as a process in a private desktop.
class TestCli : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY2(sandbox->isValid(), qPrintable(sandbox->error())); }
    void init() { sandbox->clearLaunches(); }

    void routesEachFileInOrder() {
        Rule images = rule("", kViewer, "Test Viewer");
        images.group = TypeGroup::Images;
        Rule orphan = rule("log", kEditor, "");
        orphan.appId.clear();
        orphan.appPath = "/nonexistent/tool";
        Rule disabled = rule("zip", kEditor, "Test Editor");
        disabled.enabled = false;
        writeRules({rule("md, txt", kEditor, "Test Editor"),
                    rule("pdf", "korvane-test-gone.desktop", "Gone App"), orphan, images,
                    disabled});
        for (const char* name : {"notes.md", "A.TXT", "doc.pdf", "x.log", "pic.png", "README",
                                 "archive.zip", "-dash.md"}) {
            sandbox->makeFile(QString::fromUtf8(name));
        }
        sandbox->makeFolder("folder");
        const QString rulesBefore = QDir(sandbox->rulesDirectory()).entryList().join(u',');
        QFile rulesFile(sandbox->rulesDirectory() + "/rules.json");
        QVERIFY(rulesFile.open(QIODevice::ReadOnly));
        const QByteArray bytes = rulesFile.readAll();

        const Run run =
            runKorvane({"route", "notes.md", "A.TXT", "doc.pdf", "x.log", "pic.png", "README",
                        "folder", "gone.txt", "archive.zip", "--", "-dash.md"});
        QCOMPARE(run.err, "");
        QCOMPARE(run.status, 1); // gone.txt is not there
        const QString editor = sandbox->entry("korvane-test-editor.desktop");
        const QString viewer = sandbox->entry("korvane-test-viewer.desktop");
        QCOMPARE(
            run.out.split(u'\n'),
            (QStringList{"notes.md: Test Editor (" + editor + ")",
                         "A.TXT: Test Editor (" + editor + ")", "doc.pdf: Gone App wasn't found",
                         "x.log: the app wasn't found", "pic.png: Test Viewer (" + viewer + ")",
                         "README: no rule matches", "folder: folder", "gone.txt: not there",
                         "archive.zip: no rule matches", "-dash.md: Test Editor (" + editor + ")",
                         ""}));
        // Nothing opened, recorded or changed.
        QCOMPARE(sandbox->launches().size(), 0);
        QCOMPARE(QDir(sandbox->rulesDirectory()).entryList().join(u','), rulesBefore);
        rulesFile.seek(0);
        QCOMPARE(rulesFile.readAll(), bytes);
    }

    // Imported rules never launch an entry GIO would not find by ID, and their names never
    // reach the terminal raw.
    void untrustedRulesLaunchNothing_data() {
        QTest::addColumn<QString>("appId");
        QTest::addColumn<QString>("appPath");
        QTest::addColumn<QString>("appName");
        QTest::addColumn<QString>("shown");
        const QString evil = sandbox->root() + "/files/evil/evil.desktop";
        QTest::newRow("entry outside the folders") << "" << evil << "Text Editor"
                                                   << "Text Editor";
        QTest::newRow("made-up ID") << "made.up.desktop" << evil << "X"
                                    << "X";
        QTest::newRow("escapes in the name") << "" << evil << "Gone\x1b]0;owned\x07\x1b[2J"
                                             << "Gone\\e]0;owned\\x07\\e[2J";
        QTest::newRow("a ten-megabyte name")
            << "" << evil << QString(10'000'000, u'n')
            << QString(39, u'n') + QChar(0x2026) + QString(40, u'n');
        QTest::newRow("hidden by the user")
            << "korvane-sys-player.desktop" << sandbox->entry("korvane-sys-player.desktop")
            << "System Player"
            << "System Player";
    }

    void untrustedRulesLaunchNothing() {
        QFETCH(QString, appId);
        QFETCH(QString, appPath);
        QFETCH(QString, appName);
        QFETCH(QString, shown);
        const QString rulesPath = sandbox->rulesDirectory() + "/rules.json";
        QFile file(rulesPath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray saved = file.readAll();
        file.close();
        sandbox->makeFile("evil/evil.desktop", "[Desktop Entry]\nType=Application\nName=Evil\n"
                                               "Exec=" KORVANE_RECORDER " " +
                                                   sandbox->root().toUtf8() +
                                                   "/launches.jsonl evil %F\n");
        const QString hidden = sandbox->userApplications() + "/korvane-sys-player.desktop";
        sandbox->makeFile("../data/applications/korvane-sys-player.desktop",
                          "[Desktop Entry]\nType=Application\nName=Gone\nHidden=true\n");
        Rule untrusted = rule("md, mp4", "", appName);
        untrusted.appId = appId;
        untrusted.appPath = appPath;
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(RuleStore::encode({untrusted}));
        file.close();
        sandbox->clearLaunches();

        const QString note = sandbox->makeFile("f.md");
        Run run = runKorvane({"route", note});
        QCOMPARE(run.out, note + ": " + shown + " wasn't found\n");
        run = runKorvane({"open", note});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.out.startsWith(shown + " wasn't found."), qPrintable(run.out));
        QVERIFY(!run.out.contains(QChar(0x1b)) && !run.err.contains(QChar(0x1b)));
        run = runKorvane({"rules"});
        QVERIFY2(run.out.contains("app: " + shown + " (not found)"), qPrintable(run.out));
        QTest::qWait(200);
        QCOMPARE(sandbox->launches().size(), 0);

        QFile::remove(hidden);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(saved);
    }

    void mixedDropOpensEachGroupOnce() {
        writeRules({rule("md, txt", kEditor, "Test Editor"), rule("png", kViewer, "Test Viewer")});
        const QStringList files{sandbox->makeFile("a.md"), sandbox->makeFile("b.txt"),
                                sandbox->makeFile("p.png")};
        const Run run = runKorvane({"open", files[0], files[1], files[2], "missing.md"});
        QCOMPARE(run.err, "");
        QCOMPARE(run.status, 1); // one file is missing
        QCOMPARE(run.out, "Opened 3 files in 2 apps \u00b7 1 missing\n");
        QTRY_COMPARE(sandbox->launches().size(), 2);
        QTest::qWait(100);
        const auto launches = sandbox->launches();
        QCOMPARE(launches.size(), 2);
        QHash<QString, QStringList> byApp;
        for (const auto& launch : launches) {
            byApp.insert(launch.as, launch.args);
        }
        QCOMPARE(byApp.value("editor"), files.mid(0, 2));
        QCOMPARE(byApp.value("viewer"), files.mid(2, 1));
    }

    void revealAndMissingApp() {
        Rule gone = rule("pdf", "korvane-test-gone.desktop", "Gone App");
        writeRules({gone});
        const QString pdf = sandbox->makeFile("x.pdf", "%PDF-1.4\n%\xe2\xe3\xcf\xd3\n");
        Run run = runKorvane({"open", pdf});
        QCOMPARE(run.out, "Gone App wasn't found. Check its rule with 'korvane rules'.\n");
        QCOMPARE(run.status, 1);
        run = runKorvane({"open", "--reveal", pdf});
        QCOMPARE(run.out, "Revealed 1 item in Test Files\n");
        run = runKorvane({"open", "--with-defaults", "--", pdf});
        QCOMPARE(run.out, "Opened 1 file in Test Single\n");
        // The reveal fell back to the folder (no file manager on this bus), then the default.
        QTRY_COMPARE(sandbox->launches().size(), 2);
    }

    // The questions for files no rule claims: input, then the rules and launches it leaves.
    void questions_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("asked");
        QTest::addColumn<int>("rules");
        QTest::addColumn<int>("launches");
        QTest::newRow("always: the second file follows the rule")
            << QByteArray("1\ny\n") << 1 << 1 << 2;
        QTest::newRow("an empty answer keeps the rule") << QByteArray("1\n\n") << 1 << 1 << 2;
        QTest::newRow("just once") << QByteArray("1\nn\n\n") << 2 << 0 << 1;
        QTest::newRow("empty lines skip") << QByteArray("\n\n") << 2 << 0 << 0;
        QTest::newRow("end of input skips") << QByteArray() << 2 << 0 << 0;
    }

    void questions() {
        QFETCH(QByteArray, input);
        QFETCH(int, asked);
        QFETCH(int, rules);
        QFETCH(int, launches);
        writeRules({});
        const Run run =
            runKorvane({"open", sandbox->makeFile("q1.rs"), sandbox->makeFile("q2.rs")}, input);
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out.count("No rule matches this file. Which app should open it?"), asked);
        QCOMPARE(readRules().size(), rules);
        if (rules) {
            QCOMPARE(readRules().first().extensions, QStringList{"rs"});
            QVERIFY(run.out.contains("Always use this app for .rs? [Y/n] "));
        }
        QTest::qWait(100);
        QCOMPARE(sandbox->launches().size(), launches);
    }

    // Commands that change no rule leave rules.json as it is, to the inode.
    void readingCommandsNeverWrite() {
        writeRules({rule("md", kEditor, "Test Editor")});
        const QString path = sandbox->rulesDirectory() + "/rules.json";
        const QByteArray before = readFile(path);
        const ino_t inode = inodeOf(path);
        const QString note = sandbox->makeFile("read-only.md");
        for (const QStringList& arguments :
             {QStringList{"rules"}, QStringList{"rules", "export", sandbox->root() + "/e.json"},
              QStringList{"open", note}, QStringList{"route", note}}) {
            QCOMPARE(runKorvane(arguments).status, 0);
        }
        QCOMPARE(inodeOf(path), inode);
        QCOMPARE(readFile(path), before);
    }

    // The "always" answer is on disk before the next question is asked.
    void answerIsWrittenBeforeTheNextQuestion() {
        writeRules({});
        QProcess korvane;
        korvane.setProcessEnvironment(sandbox->environment());
        korvane.start(KORVANE_BINARY,
                      {"open", sandbox->makeFile("w1.rs"), sandbox->makeFile("w2.zz")});
        korvane.write("1\ny\n");
        QByteArray out;
        QTRY_VERIFY((out += korvane.readAllStandardOutput()).count("Which app") == 2);
        QCOMPARE(readRules().size(), 1);
        QCOMPARE(readRules().first().extensions, QStringList{"rs"});
        korvane.kill(); // as Ctrl-C would
        korvane.waitForFinished();
        QCOMPARE(readRules().size(), 1);
    }

    // Concurrent writers each re-read the file under its lock: nobody's change is lost.
    void concurrentCommandsKeepEveryChange() {
        writeRules({});
        const QString source = sandbox->makeFile(
            "three.json", RuleStore::encode({rule("a", kEditor, "A"), rule("b", kEditor, "B"),
                                             rule("c", kEditor, "C")}));
        QList<QProcess*> running;
        for (int i = 0; i < 6; ++i) {
            auto* process = new QProcess(this);
            process->setProcessEnvironment(sandbox->environment());
            process->start(KORVANE_BINARY,
                           i % 2 ? QStringList{"rules"} : QStringList{"rules", "import", source});
            running << process;
        }
        for (QProcess* process : running) {
            QVERIFY(process->waitForFinished(20000));
            QCOMPARE(process->exitCode(), 0);
            delete process;
        }
        QCOMPARE(readRules().size(), 9);
    }

    // Only regular files are read or replaced; nothing hangs or grows without bound.
    void specialFilesAreRefused_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("fifo"); // made first, relative to the sandbox root
        QTest::addColumn<QString>("err");
        QTest::newRow("import from a FIFO") << QStringList{"rules", "import", "@/pipe"} << "/pipe"
                                            << "@/pipe is not a regular";
        QTest::newRow("import /dev/zero") << QStringList{"rules", "import", "/dev/zero"} << ""
                                          << "/dev/zero is not a regular";
        QTest::newRow("export onto a FIFO") << QStringList{"rules", "export", "@/pipe"} << "/pipe"
                                            << "The rules couldn't be saved";
        QTest::newRow("export onto /dev/full") << QStringList{"rules", "export", "/dev/full"} << ""
                                               << "The rules couldn't be saved";
        QTest::newRow("rules.json is a FIFO") << QStringList{"rules"} << "/data/Korvane/rules.json"
                                              << "korvane: @/data/Korvane";
        QTest::newRow("route past a FIFO")
            << QStringList{"route", "x.md"} << "/data/Korvane/rules.json"
            << "korvane: @/data";
        QTest::newRow("import into a directory")
            << QStringList{"rules", "import", "@/files/three.json"} << "dir"
            << "The rules couldn't be imported.";
    }

    void specialFilesAreRefused() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, fifo);
        QFETCH(QString, err);
        QFile::remove(sandbox->rulesDirectory() + "/rules.json");
        const QString root = sandbox->root();
        sandbox->makeFile("three.json", RuleStore::encode({rule("a", kEditor, "A")}));
        if (fifo == "dir") {
            QVERIFY(QDir().mkpath(sandbox->rulesDirectory() + "/rules.json"));
        } else if (!fifo.isEmpty()) {
            QVERIFY(mkfifo(QFile::encodeName(root + fifo).constData(), 0600) == 0);
        }
        const Run run = runKorvane(arguments.replaceInStrings("@", root));
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.startsWith(QString(err).replace("@", root)), qPrintable(run.err));
        QVERIFY(!run.out.contains("Imported") && !run.out.contains("Exported"));
        if (fifo == "dir") {
            QVERIFY(QFileInfo(sandbox->rulesDirectory() + "/rules.json").isDir());
            QDir(sandbox->rulesDirectory() + "/rules.json").removeRecursively();
        } else if (!fifo.isEmpty()) {
            QVERIFY(!QFileInfo(root + fifo).isFile()); // still a FIFO
            QFile::remove(root + fifo);
        }
    }

    // Make default then Restore leaves every list as the user had it, byte for byte.
    void defaultsLeaveMimeappsAsTheyWere_data() {
        QTest::addColumn<QString>("list"); // which list holds the user's choices
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<bool>("symlinked");
        const QByteArray mine = "# my defaults\n[Default Applications]\n"
                                "inode/directory=korvane-test-files.desktop\n"
                                "text/markdown=korvane-test-editor.desktop;korvane-test-viewer."
                                "desktop;\n\n# never offer these\n[Removed Associations]\n"
                                "text/markdown=sublime_text.desktop;\n";
        QTest::newRow("comments, fallbacks and a removal") << "mimeapps.list" << mine << false;
        QTest::newRow("no list at first") << "mimeapps.list" << QByteArray() << false;
        QTest::newRow("the desktop's own list decides")
            << "gnome-mimeapps.list" << mine.left(mine.indexOf("\n\n") + 1) << false;
        QTest::newRow("a symbolic link to dotfiles") << "mimeapps.list" << mine << true;
    }

    void defaultsLeaveMimeappsAsTheyWere() {
        QFETCH(QString, list);
        QFETCH(QByteArray, before);
        QFETCH(bool, symlinked);
        const QString config = sandbox->configHome() + "/";
        const QByteArray sandboxList = readFile(config + "mimeapps.list");
        QFile::remove(config + "mimeapps.list");
        QString real = config + list;
        if (symlinked) {
            real = sandbox->root() + "/dotfiles/mimeapps.list";
            QDir().mkpath(sandbox->root() + "/dotfiles");
            QVERIFY(QFile::link(real, config + list));
        }
        if (!before.isNull()) {
            writeFile(real, before);
            QVERIFY(QFile::setPermissions(real,
                                          QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
        }
        QFile::remove(sandbox->rulesDirectory() + "/previous-defaults.json");
        writeRules({rule("md", "sublime_text.desktop", "Sublime Text")});

        Run run = runKorvane({"default", "set", "1"});
        QCOMPARE(run.err, "");
        QCOMPARE(run.out, ".md: done. Sublime Text is now the default.\n");
        QCOMPARE(run.status, 0);
        if (list != "mimeapps.list") {
            QVERIFY(!QFileInfo::exists(config + "mimeapps.list")); // the overridden list
        }
        run = runKorvane({"default", "restore", "1"});
        QCOMPARE(run.out, ".md: restored to Test Editor.\n");
        QCOMPARE(run.status, 0);
        QCOMPARE(QFileInfo::exists(real), !before.isNull());
        // Every group, key, value and comment as it was (GKeyFile may space groups apart).
        QCOMPARE(readFile(real).replace("\n\n", "\n"),
                 before.isNull() ? QByteArray("<missing>")
                                 : QByteArray(before).replace("\n\n", "\n"));
        QCOMPARE(QFileInfo(config + list).isSymLink(), symlinked);
        if (!before.isNull()) {
            QCOMPARE(QFileInfo(real).permissions() & 0x0777, QFileDevice::Permissions(0x0640));
        }
        QFile::remove(config + list);
        writeFile(config + "mimeapps.list", sandboxList);
    }

    // A default changed by hand after ours is the user's: restoring leaves it.
    void restoreKeepsALaterChoice() {
        QFile::remove(sandbox->rulesDirectory() + "/previous-defaults.json");
        writeRules({rule("md", "sublime_text.desktop", "Sublime Text")});
        QCOMPARE(runKorvane({"default", "set", "1"}).status, 0);
        const QByteArray mine = "[Default Applications]\ninode/directory=korvane-test-files."
                                "desktop\ntext/markdown=korvane-test-editor.desktop;\n";
        writeFile(sandbox->mimeappsList(), mine);
        const Run run = runKorvane({"default", "restore", "1"});
        QCOMPARE(run.out, ".md: left as it is; you changed it to Test Editor since.\n");
        QCOMPARE(run.status, 1);
        QCOMPARE(readFile(sandbox->mimeappsList()), mine);
        QCOMPARE(runKorvane({"default", "restore", "1"}).out, ""); // the record is gone
        writeFile(sandbox->mimeappsList(),
                  "[Default Applications]\ninode/directory=korvane-test-files.desktop\n");
    }

    // From a working folder deeper than PATH_MAX no app could open the file: say so, never
    // report it opened.
    void deepWorkingFolderIsRefused() {
        writeRules({rule("md", kEditor, "Test Editor")});
        const QByteArray name(200, 'd');
        QProcess korvane;
        korvane.setProcessEnvironment(sandbox->environment());
        korvane.setWorkingDirectory(sandbox->root() + "/files");
        // Down one step at a time, in the child: no shell can cd that deep.
        korvane.setChildProcessModifier([name] {
            for (int i = 0; i < 25; ++i) {
                if (mkdir(name.constData(), 0700) != 0 || chdir(name.constData()) != 0) {
                    _exit(99);
                }
            }
            close(open("deep.md", O_CREAT | O_WRONLY, 0600));
        });
        korvane.start(KORVANE_BINARY, {"open", "deep.md"});
        QVERIFY(korvane.waitForFinished(20000));
        const QString err = QString::fromUtf8(korvane.readAllStandardError());
        QCOMPARE(korvane.exitCode(), 1);
        QVERIFY2(err.contains("too long") || err.contains("current folder"), qPrintable(err));
        QVERIFY(!korvane.readAllStandardOutput().contains("Opened"));
        QProcess::execute("rm", {"-rf", sandbox->root() + "/files/" + name});
        QTest::qWait(100);
        QCOMPARE(sandbox->launches().size(), 0);
    }

    // A file name that is not UTF-8 reaches the app byte for byte, and shows escaped.
    void fileNamesAreBytes() {
        writeRules({rule("md", kEditor, "Test Editor")});
        const QByteArray name = "\xff\xfe.md";
        const QByteArray folder = QFile::encodeName(sandbox->root()) + "/files/";
        close(open((folder + name).constData(), O_CREAT | O_WRONLY, 0600));
        QProcess korvane;
        korvane.setProcessEnvironment(sandbox->environment());
        korvane.setWorkingDirectory(sandbox->root() + "/files");
        korvane.start("sh", {"-c", "exec \"$0\" \"$1\" \"$(printf '\\377\\376.md')\"",
                             KORVANE_BINARY, "route"});
        QVERIFY(korvane.waitForFinished(20000));
        QVERIFY2(korvane.readAllStandardOutput().startsWith("\\xff\\xfe.md: Test Editor ("),
                 qPrintable(korvane.readAllStandardError()));
        korvane.start("sh", {"-c", "exec \"$0\" \"$1\" \"$(printf '\\377\\376.md')\"",
                             KORVANE_BINARY, "open"});
        QVERIFY(korvane.waitForFinished(20000));
        QCOMPARE(korvane.exitCode(), 0);
        QTRY_COMPARE(sandbox->launches().size(), 1);
        QCOMPARE(sandbox->launches().first().raw, QList<QByteArray>{folder + name});
        unlink((folder + name).constData());
    }

    void usage_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("start"); // of standard output, or of standard error
        QTest::newRow("help") << QStringList{"--help"} << 0 << "Usage: korvane";
        QTest::newRow("route help")
            << QStringList{"route", "--help"} << 0 << "Usage: korvane route";
        QTest::newRow("version") << QStringList{"--version"} << 0 << "korvane 0.";
        QTest::newRow("unknown command")
            << QStringList{"frobnicate"} << 2 << "korvane: unknown command";
        QTest::newRow("unknown option")
            << QStringList{"route", "--bogus", "a"} << 2 << "korvane: unknown option";
        QTest::newRow("open without files") << QStringList{"open"} << 2 << "korvane: open needs";
        QTest::newRow("both flags") << QStringList{"open", "--reveal", "--with-defaults", "a"} << 2
                                    << "korvane: --reveal and --with-defaults";
        QTest::newRow("rules bogus") << QStringList{"rules", "frob"} << 2 << "korvane: unknown use";
        QTest::newRow("no number") << QStringList{"default", "set", "x"} << 2 << "korvane: default";
        QTest::newRow("no such rule") << QStringList{"default", "set", "9"} << 1
                                      << "korvane: there is no rule 9 (there are 2 rules)";
        QTest::newRow("group only")
            << QStringList{"default", "set", "1"} << 1 << "Add at least one extension first.";
        QTest::newRow("an extension not possible")
            << QStringList{"default", "set", "2"} << 1 << ".qqqzz: not possible.";
    }

    void usage() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, start);
        Rule groupOnly = rule("", kViewer, "Test Viewer");
        groupOnly.group = TypeGroup::Images;
        writeRules({groupOnly, rule("qqqzz", kEditor, "Test Editor")});
        const Run run = runKorvane(arguments);
        QCOMPARE(run.status, status);
        QVERIFY2((status == 0 ? run.out : run.out + run.err).startsWith(start),
                 qPrintable(run.out + run.err));
        QVERIFY(status != 2 || run.out.isEmpty()); // usage errors go to standard error only
    }

    void rulesListImportExport() {
        Rule disabled = rule("zip", kEditor, "Test Editor");
        disabled.enabled = false;
        Rule grouped = rule("", kViewer, "Test Viewer");
        grouped.group = TypeGroup::Images;
        Rule gone = rule("pdf", "korvane-test-gone.desktop", "Gone App");
        writeRules({rule("md, txt", kEditor, "Test Editor"), grouped, disabled, gone});
        Run run = runKorvane({"rules"});
        QCOMPARE(run.out, "1. md, txt; app: Test Editor; enabled\n"
                          "2. (no extensions); group: Images; app: Test Viewer; enabled\n"
                          "3. zip; app: Test Editor; disabled\n"
                          "4. pdf; app: Gone App (not found); enabled\n");

        const QString exported = sandbox->root() + "/files/KorvaneRules.json";
        run = runKorvane({"rules", "export", exported});
        QCOMPARE(run.out, "Exported 4 rules\n");
        QCOMPARE(run.status, 0);
        run = runKorvane({"rules", "import", exported});
        QCOMPARE(run.out, "Imported 4 rules\n");
        QCOMPARE(readRules().size(), 8);

        run = runKorvane({"rules", "import", sandbox->makeFile("bad.json", "{}")});
        QCOMPARE(run.status, 1);
        QCOMPARE(run.out, "");
        QCOMPARE(run.err, "That file doesn't contain any valid Korvane rules.\n");
        QCOMPARE(readRules().size(), 8);

        run = runKorvane({"rules", "export", sandbox->root() + "/no/such/dir/x.json"});
        QCOMPARE(run.status, 1);
        QVERIFY(run.err.startsWith("The rules couldn't be saved there: "));
    }

    void unreadableRulesFileIsReportedAndKept() {
        const QString path = sandbox->rulesDirectory() + "/rules.json";
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray saved = file.readAll();
        file.close();
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("[{\"extensions\": ");
        file.close();
        const Run run = runKorvane({"route", "notes.md"});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, "notes.md: no rule matches\n");
        QVERIFY(run.err.contains("is not a rules file"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), "[{\"extensions\": ");
        file.close();
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(saved);
    }
};

int main(int argc, char** argv) {
    FreedesktopSandbox box;
    sandbox = &box;
    QCoreApplication app(argc, argv);
    TestCli test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_cli.moc"
