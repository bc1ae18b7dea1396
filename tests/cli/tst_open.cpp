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

// The key-value lines of an INI-style file, group by group, without blank lines.
QStringList iniLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QStringList lines;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (!line.trimmed().isEmpty()) {
            lines << line.trimmed();
        }
    }
    return lines;
}

const QString kEditor = QStringLiteral("korvane-test-editor.desktop");
const QString kViewer = QStringLiteral("korvane-test-viewer.desktop");
} // namespace

class TestOpen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY2(sandbox->isValid(), qPrintable(sandbox->error())); }
    void init() { sandbox->clearLaunches(); }

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

    void answeringAPendingFileMakesARule() {
        writeRules({rule("png", kViewer, "Test Viewer")});
        const QString first = sandbox->makeFile("q1.rs");
        const QString second = sandbox->makeFile("q2.rs");
        const Run run = runKorvane({"open", first, second}, "1\ny\n");
        QCOMPARE(run.status, 0);
        const QStringList lines = run.out.split(u'\n');
        QCOMPARE(lines.value(0), "q1.rs");
        QCOMPARE(lines.value(1), "No rule matches this file. Which app should open it?");
        QVERIFY2(lines.value(2).startsWith("  1. "), qPrintable(run.out));
        const QString chosen = lines.value(2).mid(5);
        QCOMPARE(run.out.count("Which app should open it?"), 1); // q2.rs follows the new rule
        QVERIFY(run.out.contains("Always use this app for .rs? [Y/n] "));
        QCOMPARE(run.out.count("Opened 1 file in " + chosen), 2);

        const QList<Rule> rules = readRules();
        QCOMPARE(rules.size(), 2);
        QCOMPARE(rules.first().extensions, QStringList{"rs"});
        QCOMPARE(rules.first().appName, chosen);
        QCOMPARE(rules.at(1).extensions, QStringList{"png"});
        QTRY_COMPARE(sandbox->launches().size(), 2);
        for (const auto& launch : sandbox->launches()) {
            QCOMPARE(launch.args.size(), 1);
        }
    }

    void cancellingLeavesEverything_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::newRow("empty line") << QByteArray("\n\n");
        QTest::newRow("end of input") << QByteArray();
    }

    void cancellingLeavesEverything() {
        QFETCH(QByteArray, input);
        writeRules({});
        const Run run =
            runKorvane({"open", sandbox->makeFile("c1.rs"), sandbox->makeFile("c2.rs")}, input);
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out.count("Which app should open it?"), 2);
        QVERIFY(readRules().isEmpty());
        QTest::qWait(100);
        QCOMPARE(sandbox->launches().size(), 0);
    }

    void justOnceMakesNoRule() {
        writeRules({});
        const Run run = runKorvane({"open", sandbox->makeFile("once.rs")}, "1\nn\n");
        QVERIFY(run.out.contains("Opened 1 file in "));
        QVERIFY(readRules().isEmpty());
    }

    void defaultSetThenRestoreLeavesMimeapps() {
        QFile list(sandbox->mimeappsList());
        QVERIFY(list.open(QIODevice::WriteOnly | QIODevice::Truncate));
        list.write("[Default Applications]\ninode/directory=korvane-test-files.desktop\n"
                   "image/png=korvane-test-viewer.desktop\n\n[Added Associations]\n"
                   "text/plain=korvane-test-editor.desktop;\n");
        list.close();
        const QStringList before = iniLines(sandbox->mimeappsList());
        writeRules({rule("png", kEditor, "Test Editor")});

        Run run = runKorvane({"default", "set", "1"});
        QCOMPARE(run.err, "");
        QCOMPARE(run.out, ".png: done. Test Editor is now the default.\n");
        QVERIFY(iniLines(sandbox->mimeappsList())
                    .contains("image/png=" + kEditor + ";" + kViewer + ";"));

        run = runKorvane({"default", "set", "1"});
        QCOMPARE(run.out, ".png: Test Editor is already the default.\n");

        run = runKorvane({"default", "restore", "1"});
        QCOMPARE(run.out, ".png: restored to Test Viewer.\n");
        QStringList after = iniLines(sandbox->mimeappsList());
        after.replaceInStrings(QRegularExpression(";$"), QString());
        QStringList expected = before;
        expected.replaceInStrings(QRegularExpression(";$"), QString());
        QCOMPARE(after, expected);

        run = runKorvane({"default", "restore", "1"});
        QCOMPARE(run.out, ""); // nothing to restore prints nothing
        QCOMPARE(run.status, 0);
    }

    void defaultCommandErrors_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("err");
        QTest::newRow("no number") << QStringList{"default", "set", "x"} << 2 << "korvane: default";
        QTest::newRow("no such rule") << QStringList{"default", "set", "9"} << 1
                                      << "korvane: there is no rule 9 (there is 1 rule)";
        QTest::newRow("group only")
            << QStringList{"default", "set", "1"} << 1 << "Add at least one extension first.";
        QTest::newRow("both flags") << QStringList{"open", "--reveal", "--with-defaults", "a"} << 2
                                    << "korvane: --reveal and --with-defaults";
        QTest::newRow("open without files") << QStringList{"open"} << 2 << "korvane: open needs";
        QTest::newRow("rules bogus") << QStringList{"rules", "frob"} << 2 << "korvane: unknown use";
    }

    void defaultCommandErrors() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, err);
        Rule groupOnly = rule("", kViewer, "Test Viewer");
        groupOnly.group = TypeGroup::Images;
        writeRules({groupOnly});
        const Run run = runKorvane(arguments);
        QCOMPARE(run.status, status);
        QVERIFY2(run.err.startsWith(err), qPrintable(run.err));
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
};

int main(int argc, char** argv) {
    FreedesktopSandbox box;
    sandbox = &box;
    QCoreApplication app(argc, argv);
    TestOpen test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_open.moc"
