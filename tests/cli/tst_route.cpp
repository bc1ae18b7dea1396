#include "core/rule_store.h"
#include "support/freedesktop_sandbox.h"

#include <QCoreApplication>
#include <QDir>
#include <QTest>

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
    r.bundleID = entryId;
    r.appPath = entryId.isEmpty() ? QString() : sandbox->entry(entryId);
    r.appName = name;
    return r;
}
} // namespace

class TestRoute : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(sandbox->isValid(), qPrintable(sandbox->error()));
        Rule images = rule("", "korvane-test-viewer.desktop", "Test Viewer");
        images.group = TypeGroup::Images;
        Rule orphan = rule("log", "", "");
        orphan.appPath = "/nonexistent/tool";
        Rule disabled = rule("zip", "korvane-test-editor.desktop", "Test Editor");
        disabled.enabled = false;
        const QList<Rule> rules{rule("md, txt", "korvane-test-editor.desktop", "Test Editor"),
                                rule("pdf", "korvane-test-gone.desktop", "Gone App"), orphan,
                                images, disabled};
        QDir().mkpath(sandbox->rulesDirectory());
        QFile file(sandbox->rulesDirectory() + "/rules.json");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(RuleStore::encode(rules));
    }

    void routesEachFileInOrder() {
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

    void usage_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("outStart");
        QTest::newRow("no files") << QStringList{"route"} << 2 << "";
        QTest::newRow("unknown option") << QStringList{"route", "--bogus", "a"} << 2 << "";
        QTest::newRow("unknown command") << QStringList{"frobnicate"} << 2 << "";
        QTest::newRow("help") << QStringList{"--help"} << 0 << "Usage: korvane";
        QTest::newRow("route help")
            << QStringList{"route", "--help"} << 0 << "Usage: korvane route";
        QTest::newRow("version") << QStringList{"--version"} << 0 << "korvane 0.";
    }

    void usage() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, outStart);
        const Run run = runKorvane(arguments);
        QCOMPARE(run.status, status);
        if (outStart.isEmpty()) {
            QCOMPARE(run.out, ""); // usage errors go to standard error only
        } else {
            QVERIFY2(run.out.startsWith(outStart), qPrintable(run.out));
        }
        QCOMPARE(run.err.isEmpty(), status == 0);
    }

    // Imported rules never launch an entry GIO would not find by ID, and their names never
    // reach the terminal raw.
    void untrustedRulesLaunchNothing_data() {
        QTest::addColumn<QString>("bundleID");
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
        QFETCH(QString, bundleID);
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
        untrusted.bundleID = bundleID;
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
    TestRoute test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_route.moc"
