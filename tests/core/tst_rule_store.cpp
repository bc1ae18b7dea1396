#include "core/rule_store.h"
#include "support/memory_platform.h"

#include <QDateTime>
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
        QTest::newRow("by its desktop ID") << "id:sublime_text.desktop"
                                           << "/apps/st.desktop";
        QTest::newRow("first entry by code value")
            << "entries:Xcode,Sublime Text Beta,Sublime Text 3"
            << "/e/Sublime Text 3";
        QTest::newRow("prefix is case-sensitive") << "entries:sublime text,Sublime"
                                                  << "";
    }

    // The first run makes the default rule, which only the window writes.
    void firstRun() {
        QFETCH(QString, installed);
        QFETCH(QString, expectedApp);
        MemoryPlatform platform;
        if (installed.startsWith("id:")) {
            platform.addApplication("/apps/st.desktop", installed.mid(3), "Sublime Text");
        } else {
            QList<ApplicationEntry> entries;
            for (const QString& name : installed.mid(8).split(u',')) {
                entries.append({name, "/e/" + name});
            }
            platform.setApplicationEntries(entries);
        }
        RuleStore store(platform, dir());
        QVERIFY(!QFileInfo::exists(file())); // loading never writes
        store.normalise();
        QVERIFY(store.saveNow());
        QCOMPARE(RuleStore::decode(readAll(file())).value(), store.rules());
        QCOMPARE(store.rules().size(), expectedApp.isEmpty() ? 0 : 1);
        if (!expectedApp.isEmpty()) {
            QCOMPARE(store.rules().first().extensions,
                     (QStringList{"md", "markdown", "mdown", "txt"}));
            QCOMPARE(store.rules().first().appPath, expectedApp);
        }
    }

    void existingFile_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("untouched");
        QTest::newRow("empty array is no first run") << QByteArray("[]") << 0 << false;
        QTest::newRow("already normal") << RuleStore::encode({ruleFor("md")}) << 1 << true;
        QTest::newRow("not JSON") << QByteArray("{oops") << 0 << true;
        QTest::newRow("not an array") << QByteArray("{}") << 0 << true;
        QTest::newRow("two rules and junk")
            << QByteArray("[{}, 1, {\"enabled\": false}]") << 2 << false;
    }

    // Loading alone never writes; normalising rewrites only a readable file that differs.
    void existingFile() {
        QFETCH(QByteArray, content);
        QFETCH(int, count);
        QFETCH(bool, untouched);
        MemoryPlatform platform;
        platform.addApplication("/apps/st.desktop", "sublime_text.desktop", "Sublime Text");
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
        QVERIFY(store.saveNow());
        QCOMPARE(readAll(file() + ".unreadable"), "[{\"extensions\": [\"md\"]");
        QCOMPARE(RuleStore::decode(readAll(file())).value(), store.rules());
    }

    // A burst of changes costs one write, 300 ms after the last; a quit writes what waits.
    void debounce() {
        MemoryPlatform platform;
        auto store = std::make_unique<RuleStore>(platform, dir());
        QSignalSpy saved(store.get(), &RuleStore::saved);
        QElapsedTimer clock;
        for (int i = 0; i < 10; ++i) {
            QTest::qWait(i > 0 ? 20 : 0);
            store->insertRule(0, ruleFor(QString::number(i)));
            clock.start();
        }
        QVERIFY(saved.wait(2000));
        QVERIFY2(clock.elapsed() >= 284, qPrintable(QString::number(clock.elapsed())));
        QTest::qWait(400);
        QCOMPARE(saved.size(), 1);
        QCOMPARE(RuleStore::decode(readAll(file()))->size(), 10);

        store->setRules({ruleFor("last")});
        QVERIFY(QDir(dir()).removeRecursively()); // made again when needed
        store.reset();
        QCOMPARE(RuleStore::decode(readAll(file()))->first().extensions, QStringList{"last"});
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
