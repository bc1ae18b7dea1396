#include "core/rule_store.h"
#include "support/memory_platform.h"
#include "support/test_data.h"

#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <unistd.h>

using namespace korvane;

namespace {

QStringList extensionsOf(const QList<Rule>& rules) {
    QStringList all;
    for (const Rule& rule : rules) {
        all << rule.extensions;
    }
    return all;
}

} // namespace

class TestRuleStore : public QObject {
    Q_OBJECT

private:
    QTemporaryDir temp;
    MemoryPlatform platform;
    QString dir() const { return temp.filePath(QStringLiteral("Korvane")); }
    QString file() const { return dir() + QStringLiteral("/rules.json"); }

private Q_SLOTS:
    void init() { QDir(dir()).removeRecursively(); }

    // Without a file, the first run makes the default rule, which only the window writes.
    void firstRun_data() {
        columns<QString, QString>("installed", "app"); // "id:<identifier>" or entry names
        row("by its desktop ID", "id:sublime_text.desktop", "/apps/st.desktop");
        row("first entry by code value", "Xcode,Sublime Text Beta,Sublime Text 3",
            "/e/Sublime Text 3");
        row("prefix is case-sensitive", "sublime text,Sublime", "");
    }

    void firstRun() {
        MemoryPlatform platform;
        const QString installed = data<QString>("installed");
        if (installed.startsWith("id:")) {
            platform.addApplication("/apps/st.desktop", installed.mid(3), "Sublime Text");
        } else {
            QList<ApplicationEntry> entries;
            for (const QString& name : installed.split(u',')) {
                entries.append({name, "/e/" + name});
            }
            platform.setApplicationEntries(entries);
        }
        RuleStore store(platform, dir());
        QVERIFY(!QFileInfo::exists(file())); // loading never writes
        store.normalise();
        QVERIFY(store.saveNow());
        QCOMPARE(RuleStore::decode(readFile(file())).value(), store.rules());
        QCOMPARE(extensionsOf(store.rules()).join(u' '),
                 data<QString>("app").isEmpty() ? "" : "md markdown mdown txt");
        QCOMPARE(store.rules().value(0).appPath, data<QString>("app"));
    }

    // Loading alone never writes; normalising rewrites only a readable file that differs; an
    // unreadable one is kept beside the first change.
    void existingFile_data() {
        columns<QByteArray, int, bool>("content", "count", "untouched");
        row("empty array is no first run", QByteArray("[]"), 0, false);
        row("already normal", RuleStore::encode({ruleFrom("md>")}), 1, true);
        row("not JSON", QByteArray("[{\"extensions\": [\"md\"]"), 0, true);
        row("not a list", QByteArray("{\"id\": 1}"), 0, true);
        row("two rules and junk", QByteArray("[{}, 1, {\"enabled\": false}]"), 2, false);
    }

    void existingFile() {
        const QByteArray& content = data<QByteArray>("content");
        writeFile(file(), content);
        const QByteArray before = fileState(file());
        {
            RuleStore store(platform, dir());
            QCOMPARE(store.rules().size(), data<int>("count"));
            QVERIFY(!store.savePending());
        }
        QCOMPARE(fileState(file()), before);
        RuleStore store(platform, dir());
        store.normalise();
        QCOMPARE(store.savePending(), !data<bool>("untouched"));
        QVERIFY(store.saveNow());
        QCOMPARE(readFile(file()) == content, data<bool>("untouched"));
        if (!store.loadProblem().isEmpty()) {
            store.setRules({ruleFrom("txt>")});
            QVERIFY(store.saveNow());
            QCOMPARE(readFile(file() + ".unreadable"), content);
            QCOMPARE(RuleStore::decode(readFile(file())).value(), store.rules());
        }
    }

    // A burst of changes costs one write, 300 ms after the last; a quit writes what waits.
    void debounce() {
        auto store = std::make_unique<RuleStore>(platform, dir());
        QSignalSpy saved(store.get(), &RuleStore::saved);
        for (int i = 0; i < 10; ++i) {
            QTest::qWait(i > 0 ? 20 : 0);
            store->insertRule(0, ruleFrom(QString::number(i) + ">"));
        }
        QTest::qWait(250);
        QCOMPARE(saved.size(), 0);
        QTRY_COMPARE(saved.size(), 1);
        QTest::qWait(400);
        QCOMPARE(saved.size(), 1);
        QCOMPARE(RuleStore::decode(readFile(file()))->size(), 10);
        store->setRules({ruleFrom("last>")});
        QVERIFY(QDir(dir()).removeRecursively()); // made again when needed
        store.reset();
        QCOMPARE(extensionsOf(*RuleStore::decode(readFile(file()))), QStringList{"last"});
    }

    // A write that cannot be made leaves what is there as it was, says why, and keeps the change.
    void failedWriteKeepsOldFile_data() {
        columns<QString, bool>("setup", "readable"); // a shell script run in the rules' folder
        row("read-only", "echo [] > rules.json && chmod 555 .", true);
        row("directory", "mkdir rules.json", false);
        row("fifo", "mkfifo rules.json", false);
        row("dangling", "ln -s gone/rules.json rules.json", true);
        row("large", "{ echo [; head -c 17825792 /dev/zero | tr '\\0' ' '; echo ]; } >rules.json",
            false);
        row("full",
            "mount -t tmpfs -o size=64k tmpfs \"$PWD\" && cd \"$PWD\" && echo [] >rules.json"
            " && cat /dev/zero >filler 2>/dev/null; true",
            true);
    }

    void failedWriteKeepsOldFile() {
        const QString setup = data<QString>("setup");
        const bool root = geteuid() == 0;
        if (setup.startsWith("mount") && !root) {
            QSKIP("mounting a small tmpfs needs root");
        }
        QDir().mkpath(dir());
        QCOMPARE(QProcess::execute("sh", {"-c", "cd \"$0\" && " + setup, dir()}), 0);
        const QByteArray old = fileState(file());
        auto store = std::make_unique<RuleStore>(platform, dir()); // never blocks on what is there
        QCOMPARE(store->loadProblem().isEmpty(), data<bool>("readable"));
        Rule big = ruleFrom("md>");
        big.appName = QString(80000, u'n'); // more than the full disk can take
        store->setRules({big});
        const bool drop = root && setup.contains("chmod"); // so that permissions bite
        QVERIFY(!drop || seteuid(65534) == 0);
        QVERIFY(!store->saveNow());
        QVERIFY(!store->lastError().isEmpty() && store->writeFailed());
        QCOMPARE(store->rules().size(), 1); // memory keeps the change
        store.reset();                      // its last try fails too
        QVERIFY(!drop || seteuid(0) == 0);
        QCOMPARE(fileState(file()), old);
        QProcess::execute("sh", {"-c", "chmod 755 \"$0\"; umount \"$0\" 2>/dev/null", dir()});
    }

    // Two stores on one file, one of them through a symbolic link: each writes its edits on top
    // of what the other wrote, and the window takes up what others wrote.
    void editsOfTwoProcessesAreBothKept() {
        writeFile(temp.filePath("dotfiles/rules.json"), "[]");
        QDir().mkpath(dir());
        QVERIFY(QFile::link(temp.filePath("dotfiles/rules.json"), file()));
        RuleStore first(platform, dir());
        RuleStore second(platform, dir());
        first.insertRule(0, ruleFrom("a>"));
        QVERIFY(first.saveNow());
        second.insertRule(0, ruleFrom("b>"));
        second.removeRule(second.rules().first().id);
        second.insertRule(0, ruleFrom("c>"));
        second.insertRule(1, ruleFrom("d>"));
        QVERIFY(second.saveNow());
        QVERIFY(QFileInfo(file()).isSymLink());
        QCOMPARE(extensionsOf(RuleStore::decode(readFile(file())).value()),
                 (QStringList{"c", "d", "a"}));
        QCOMPARE(second.rules().size(), 3);
        first.watchFile();
        QTRY_COMPARE(first.rules().size(), 3);
    }
};

QTEST_GUILESS_MAIN(TestRuleStore)
#include "tst_rule_store.moc"
