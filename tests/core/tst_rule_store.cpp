#include "core/rule_store.h"
#include "support/memory_platform.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

using namespace korvane;
using namespace std::chrono_literals;

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Drops root's power to write anywhere for the life of the object, so that permissions bite.
class AsUnprivileged {
public:
    AsUnprivileged()
        : m_wasRoot(geteuid() == 0) {
        if (m_wasRoot) {
            QVERIFY(seteuid(65534) == 0);
        }
    }
    ~AsUnprivileged() {
        if (m_wasRoot) {
            QVERIFY(seteuid(0) == 0);
        }
    }

private:
    bool m_wasRoot;
};

Rule ruleFor(const QString& extension) {
    Rule rule;
    rule.extensions = {extension};
    return rule;
}

} // namespace

class TestRuleStore : public QObject {
    Q_OBJECT

private:
    QTemporaryDir temp;
    QString dir() const { return temp.filePath(QStringLiteral("Korvane")); }
    QString file() const { return dir() + QStringLiteral("/rules.json"); }

private Q_SLOTS:
    void init() { QDir(dir()).removeRecursively(); }

    void firstRun_data() {
        QTest::addColumn<QString>("installed"); // "id:<identifier>" or "entries:<names>"
        QTest::addColumn<QString>("expectedApp");

        QTest::newRow("Sublime Text 4") << "id:com.sublimetext.4"
                                        << "/Apps/ST4.app";
        QTest::newRow("Sublime Text 3") << "id:com.sublimetext.3"
                                        << "/Apps/ST4.app";
        QTest::newRow("only a bundle named Sublime Text 2")
            << "entries:Xcode.app,Sublime Text 2.app"
            << "/Applications/Sublime Text 2.app";
        QTest::newRow("first by code value")
            << "entries:Sublime Text.app,Sublime Text 3.app,Sublime Text Beta.app"
            << "/Applications/Sublime Text 3.app";
        QTest::newRow("suffix and prefix are case-sensitive")
            << "entries:Sublime Text.APP,sublime text.app,Sublime Textual"
            << "";
        QTest::newRow("none") << "entries:"
                              << "";
    }

    void firstRun() {
        QFETCH(QString, installed);
        QFETCH(QString, expectedApp);
        MemoryPlatform platform;
        if (installed.startsWith("id:")) {
            platform.addApplication("/Apps/ST4.app", installed.mid(3), "Sublime Text.app");
        } else {
            platform.setApplicationEntries(installed.mid(8).split(u',', Qt::SkipEmptyParts));
        }
        RuleStore store(platform, dir());
        QVERIFY(!QFileInfo::exists(file())); // loading never writes
        store.normalise();
        QVERIFY(store.saveNow());
        const auto onDisk = RuleStore::decode(readAll(file()));
        QVERIFY(onDisk);
        QCOMPARE(*onDisk, store.rules());
        if (expectedApp.isEmpty()) {
            QVERIFY(store.rules().isEmpty());
            return;
        }
        QCOMPARE(store.rules().size(), 1);
        const Rule& rule = store.rules().first();
        QCOMPARE(rule.extensions, (QStringList{"md", "markdown", "mdown", "txt"}));
        QCOMPARE(rule.appPath, expectedApp);
        QVERIFY(rule.enabled);
        QVERIFY(!rule.group);
    }

    void existingFile_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("untouched");

        QTest::newRow("empty array is no first run") << QByteArray("[]") << 0 << false;
        QTest::newRow("already normal") << RuleStore::encode({ruleFor("md")}) << 1 << true;
        QTest::newRow("not JSON") << QByteArray("{oops") << 0 << true;
        QTest::newRow("truncated") << QByteArray("[{\"extensions\": [\"md\"]}, {\"en") << 0 << true;
        QTest::newRow("nested 10,000 deep")
            << QByteArray(10000, '[') + QByteArray(10000, ']') << 0 << true;
        QTest::newRow("object") << QByteArray("{}") << 0 << true;
        QTest::newRow("two rules and junk")
            << QByteArray("[{}, 1, {\"enabled\": false}]") << 2 << false;
    }

    // Loading alone never writes; normalising rewrites only a readable file that differs.
    void existingFile() {
        QFETCH(QByteArray, content);
        QFETCH(int, count);
        QFETCH(bool, untouched);
        MemoryPlatform platform;
        platform.addApplication("/Apps/ST4.app", "com.sublimetext.4", "Sublime Text.app");
        writeAll(file(), content);
        const QDateTime written = QFileInfo(file()).lastModified();
        {
            RuleStore store(platform, dir());
            QCOMPARE(store.rules().size(), count);
            QVERIFY(!store.savePending());
        }
        QCOMPARE(readAll(file()), content);
        QCOMPARE(QFileInfo(file()).lastModified(), written);
        RuleStore store(platform, dir());
        store.normalise();
        QCOMPARE(store.savePending(), !untouched);
        QVERIFY(store.saveNow());
        QCOMPARE(readAll(file()) == content, untouched);
    }

    void unreadableFileIsKeptOnFirstChange() {
        MemoryPlatform platform;
        writeAll(file(), "[{\"extensions\": [\"md\"]");
        RuleStore store(platform, dir());
        store.setRules({ruleFor("txt")});
        store.saveNow();
        QCOMPARE(readAll(file() + ".unreadable"), "[{\"extensions\": [\"md\"]");
        QCOMPARE(RuleStore::decode(readAll(file())).value(), store.rules());
    }

    void missingIdsArePersisted() {
        MemoryPlatform platform;
        writeAll(file(), "[{\"extensions\": [\"MD\"]}]");
        RuleStore store(platform, dir());
        store.setSaveDelay(20ms);
        store.normalise();
        QSignalSpy saved(&store, &RuleStore::saved);
        QVERIFY(saved.wait(1000));
        const QByteArray bytes = readAll(file());
        QVERIFY(bytes.contains(
            store.rules().first().id.toString(QUuid::WithoutBraces).toUpper().toUtf8()));
        QVERIFY(bytes.contains("\"md\""));
    }

    void debounceBurst() {
        MemoryPlatform platform;
        RuleStore store(platform, dir());
        QSignalSpy saved(&store, &RuleStore::saved);
        QSignalSpy changed(&store, &RuleStore::rulesChanged);
        QElapsedTimer clock;
        for (int i = 0; i < 10; ++i) {
            if (i > 0) {
                QTest::qWait(10);
            }
            store.insertRule(0, ruleFor(QString::number(i)));
        }
        clock.start();
        QVERIFY(saved.wait(2000));
        // A coarse timer may fire up to 5% early.
        const qint64 after = clock.elapsed();
        QVERIFY2(after >= 284 && after < 600, qPrintable(QString::number(after)));
        QTest::qWait(400);
        QCOMPARE(saved.size(), 1);
        QCOMPARE(changed.size(), 10);
        QCOMPARE(RuleStore::decode(readAll(file()))->size(), 10);
    }

    void debounceRestartsOnLaterChange() {
        MemoryPlatform platform;
        RuleStore store(platform, dir());
        QSignalSpy saved(&store, &RuleStore::saved);
        store.setRules({ruleFor("a")});
        QTest::qWait(200);
        QCOMPARE(saved.size(), 0);
        QElapsedTimer clock;
        store.setRules({ruleFor("b")});
        clock.start();
        QVERIFY(saved.wait(2000));
        QVERIFY(clock.elapsed() >= 284);
        QCOMPARE(saved.size(), 1);
        QCOMPARE(RuleStore::decode(readAll(file()))->first().extensions, QStringList{"b"});
    }

    void pendingChangeWrittenOnDestruction() {
        MemoryPlatform platform;
        {
            RuleStore store(platform, dir());
            store.setRules({ruleFor("last")});
            QVERIFY(store.savePending());
        }
        const auto rules = RuleStore::decode(readAll(file()));
        QCOMPARE(rules->size(), 1);
        QCOMPARE(rules->first().extensions, QStringList{"last"});
    }

    void directoryRecreated() {
        MemoryPlatform platform;
        RuleStore store(platform, dir());
        QVERIFY(QDir(dir()).removeRecursively());
        store.setRules({ruleFor("md")});
        store.saveNow();
        QCOMPARE(RuleStore::decode(readAll(file()))->size(), 1);
    }

    // A write that cannot be made leaves what is there as it was, says why, and keeps the change.
    void failedWriteKeepsOldFile_data() {
        QTest::addColumn<QString>("setup");
        QTest::newRow("read-only folder") << "read-only";
        QTest::newRow("rules.json is a directory") << "directory";
        QTest::newRow("rules.json is a FIFO") << "fifo";
        QTest::newRow("dangling symbolic link") << "dangling";
        QTest::newRow("larger than 16 MiB") << "large";
        QTest::newRow("full disk") << "full";
    }

    void failedWriteKeepsOldFile() {
        QFETCH(QString, setup);
        const QByteArray path = QFile::encodeName(file());
        QDir().mkpath(dir());
        QByteArray before = "[]";
        if (setup == "full") {
            if (geteuid() != 0) {
                QSKIP("mounting a small tmpfs needs root");
            }
            QCOMPARE(QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", dir()}),
                     0);
            writeAll(file(), before);
            QFile filler(dir() + "/filler");
            QVERIFY(filler.open(QIODevice::WriteOnly));
            while (filler.write(QByteArray(4096, 'x')) > 0 && filler.flush()) {
            }
        } else if (setup == "directory") {
            QVERIFY(QDir().mkpath(file()));
        } else if (setup == "fifo") {
            QVERIFY(mkfifo(path.constData(), 0600) == 0);
        } else if (setup == "dangling") {
            QVERIFY(QFile::link(dir() + "/gone/rules.json", file()));
        } else if (setup == "large") {
            before = "[" + QByteArray(17 * 1024 * 1024, ' ') + "]";
            writeAll(file(), before);
        } else {
            writeAll(file(), before);
        }
        struct stat old {};
        lstat(path.constData(), &old);
        MemoryPlatform platform;
        auto store = std::make_unique<RuleStore>(platform, dir()); // never blocks on what is there
        QCOMPARE(store->loadProblem().isEmpty(),
                 setup == "read-only" || setup == "full" || setup == "dangling");
        Rule big = ruleFor("md");
        big.appName = QString(80000, u'n'); // more than the full disk can take
        store->setRules({big});
        if (setup == "read-only") {
            QVERIFY(chmod(QFile::encodeName(dir()).constData(), 0555) == 0);
        }
        {
            AsUnprivileged guard;
            QVERIFY(!store->saveNow());
            QVERIFY(!store->lastError().isEmpty());
            QVERIFY(store->writeFailed());
            QCOMPARE(store->rules().size(), 1); // memory keeps the change
            store.reset();                      // its last try fails too
        }
        chmod(QFile::encodeName(dir()).constData(), 0755);
        QFile::remove(dir() + "/filler");
        struct stat now {};
        lstat(path.constData(), &now);
        QCOMPARE(now.st_mode, old.st_mode);
        if (S_ISREG(old.st_mode)) {
            QCOMPARE(now.st_ino, old.st_ino);
            QCOMPARE(readAll(file()), before);
        }
        if (setup == "full") {
            QProcess::execute("umount", {dir()});
        }
    }

    void symbolicLinkIsWrittenThrough() {
        MemoryPlatform platform;
        const QString target = temp.filePath("dotfiles/rules.json");
        writeAll(target, "[]");
        QDir().mkpath(dir());
        QVERIFY(QFile::link(target, file()));
        RuleStore store(platform, dir());
        store.setRules({ruleFor("md")});
        QVERIFY(store.saveNow());
        QVERIFY(QFileInfo(file()).isSymLink());
        QCOMPARE(RuleStore::decode(readAll(target))->size(), 1);
    }

    // Two stores on one file: each writes its edits on top of what the other wrote.
    void editsOfTwoProcessesAreBothKept() {
        MemoryPlatform platform;
        writeAll(file(), "[]");
        RuleStore first(platform, dir());
        RuleStore second(platform, dir());
        first.insertRule(0, ruleFor("a"));
        QVERIFY(first.saveNow());
        second.insertRule(0, ruleFor("b"));
        second.removeRule(second.rules().first().id);
        second.insertRule(0, ruleFor("c"));
        QVERIFY(second.saveNow());
        QStringList onDisk;
        const QList<Rule> written = RuleStore::decode(readAll(file())).value();
        for (const Rule& rule : written) {
            onDisk << rule.extensions;
        }
        QCOMPARE(onDisk, (QStringList{"c", "a"}));
        QCOMPARE(second.rules().size(), 2);

        first.watchFile();
        QTRY_COMPARE(first.rules().size(), 2); // the window takes up what others wrote
    }
};

QTEST_GUILESS_MAIN(TestRuleStore)
#include "tst_rule_store.moc"
