#include "core/recent_journal.h"
#include "core/rule_store.h"
#include "core/rules_file.h"
#include "core/settings.h"
#include "core/unicode.h"
#include "support/memory_platform.h"
#include "support/test_data.h"

#include <QDir>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QLockFile>
#include <QProcess>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <atomic>
#include <sys/stat.h>
#include <thread>
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

// The files users keep: the rules file (its format, reading and writing it) and the settings.
class TestStoredFiles : public QObject {
    Q_OBJECT

private:
    QTemporaryDir temp;
    MemoryPlatform platform;
    QString dir() const { return temp.filePath(QStringLiteral("Korvane")); }
    QString file() const { return dir() + QStringLiteral("/rules.json"); }

private Q_SLOTS:
    void init() { QDir(dir()).removeRecursively(); }

    void parseExtensions_data() {
        columns<QString, QStringList>("text", "expected");
        row("nothing but separators and stars", " ,;*..*\t", QStringList{});
        row("separators, case, duplicates", "MD, *.markdown; .txt  md",
            QStringList{"md", "markdown", "txt"});
        row("every leading star and dot", "**.*x", QStringList{"x"});
        row("inner dots and stars stay", "..Tar.GZ a*b", QStringList{"tar.gz", "a*b"});
        row("unicode spaces", "a\u00a0b\u2028c\u3000d\u0085e",
            QStringList{"a", "b", "c", "d", "e"});
        row("full lower-casing", "\u00c9T\u00c9, \u0130X",
            QStringList{"\u00e9t\u00e9", "i\u0307x"});
        row("canonical duplicates, first spelling kept", "cafe\u0301 caf\u00e9 CAF\u00c9",
            QStringList{"cafe\u0301"});
    }

    // Parsing is idempotent, so a rule reads back the same on every run.
    void parseExtensions() {
        const QStringList& expected = data<QStringList>("expected");
        QCOMPARE(Rule::parseExtensions(data<QString>("text")), expected);
        QCOMPARE(Rule::parseExtensions(expected.join(u',')), expected);
    }

    // A long name keeps both ends and never half of a character outside the Basic Plane.
    void elidedNames_data() {
        columns<QString, QString>("name", "expected");
        const QString face = QString::fromUtf8("\xf0\x9f\x98\x80"); // U+1F600, two UTF-16 units
        row("short enough", "abcdefg", "abcdefg");
        row("plain", "abcdefghij", QString("abc\u2026hij"));
        row("a pair across the head's end", "ab" + face + "cdefg", QString("ab\u2026efg"));
        row("a pair across the tail's start", "abcdef" + face + "gh", QString("abc\u2026gh"));
        row("a pair cut at the head, one kept whole at the end", "ab" + face + "xyz" + face + "g",
            "ab\u2026" + face + "g");
    }
    void elidedNames() {
        QCOMPARE(Unicode::elided(data<QString>("name"), 7), data<QString>("expected"));
    }

    // The stored keys and formats users' files rely on; whatever a rule holds reads back equal,
    // even what UTF-8 cannot carry.
    void encodeAndRoundTrip() {
        Rule editor = ruleFrom("md, txt>Editor");
        editor.id = QUuid::fromString(QStringLiteral("e621e1f8-c36c-495a-93fc-0c247a3e6e5f"));
        editor.appName = "Edit \"X\" \u00e9\\\t";
        Rule video = ruleFrom("!@video>");
        video.id = QUuid::fromString(QStringLiteral("00000000-0000-0000-0000-0000000000AB"));
        const QByteArray encoded = RulesFile::encode({editor, video});
        QVERIFY(
            encoded.startsWith("[\n  {\n    \"appName\" : \"Edit \\\"X\\\" \xc3\xa9\\\\\\t\",\n"));
        QCOMPARE(
            QJsonDocument::fromJson(encoded).toJson(QJsonDocument::Compact),
            "[{\"appName\":\"Edit \\\"X\\\" \xc3\xa9\\\\\\t\",\"appPath\":\"/apps/editor."
            "desktop\",\"bundleID\":\"editor.desktop\",\"enabled\":true,\"extensions\":[\"md\","
            "\"txt\"],\"id\":\"E621E1F8-C36C-495A-93FC-0C247A3E6E5F\"},{\"appName\":\"\","
            "\"appPath\":\"\",\"bundleID\":\"\",\"enabled\":false,\"extensions\":[],\"group\":"
            "\"video\",\"id\":\"00000000-0000-0000-0000-0000000000AB\"}]");
        Rule odd = ruleFrom("md, tar.gz, caf\u00e9>\u65e5\u672c");
        odd.group = TypeGroup::Code;
        odd.appName = QString(QChar(0xd800)) + 'x' + QChar(0xdc00) + "\U0001F600\x01";
        odd.folders = {"~/Projects", "/srv/ph\u00f6tos", "/a\"b"};
        odd.links = {"mailto:", "https://github.com/*/pull/*", "\u00e9xample.org"};
        const QList<Rule> rules{editor, video, odd};
        QCOMPARE(RulesFile::decode(RulesFile::encode(rules)).value(), rules);
        QCOMPARE(RulesFile::encode(rules).count("\"folders\""), 1); // only where there are some
        QCOMPARE(RulesFile::encode(rules).count("\"links\""), 1);
        QVERIFY(RulesFile::encode({odd}).endsWith("\"links\" : [\n      \"mailto:\",\n      "
                                                  "\"https:\\/\\/github.com\\/*\\/pull\\/*\",\n"
                                                  "      \"\xc3\xa9xample.org\"\n    ]\n  }\n]"));
        // Links as kept: trimmed, none empty, each once; text only.
        QCOMPARE(RulesFile::decode(R"([{"links": [" mailto: ", "", 5, "mailto:", "a.org"]}])")
                     .value()
                     .value(0)
                     .links,
                 (QStringList{"mailto:", "a.org"}));
        // Folders as kept: trimmed, no trailing slash, none empty, each once; text only.
        QCOMPARE(RulesFile::decode(R"([{"folders": ["/a/", " ~/b ", "", 5, "/a", "/"]}])")
                     .value()
                     .value(0)
                     .folders,
                 (QStringList{"/a", "~/b", "/"}));
        QVERIFY(!(editor == video));
    }

    // A member of the wrong type is ignored; "enabled,extensions,group,appId" as read.
    void decodeMembers_data() {
        columns<QByteArray, QString>("object", "read");
        row("normalised extensions", QByteArray("{\"extensions\": [\".MD, *.txt\", \"md\"]}"),
            "1,md txt,,");
        row("a non-string extension drops them all", QByteArray("{\"extensions\": [\"md\", 1]}"),
            "1,,,");
        row("unknown group, app kept", QByteArray("{\"group\": \"Video\", \"bundleID\": \"b\"}"),
            "1,,,b");
        row("group", QByteArray("{\"group\": \"video\"}"), "1,,video,");
        row("wrong types", QByteArray("{\"enabled\": 0, \"bundleID\": 5}"), "1,,,");
        row("lower-case id kept", QByteArray("{\"id\": \"e621e1f8-c36c-495a-93fc-0c247a3e6e5f\"}"),
            "1,,,,e621e1f8-c36c-495a-93fc-0c247a3e6e5f");
        row("id in braces replaced",
            QByteArray("{\"id\": \"{E621E1F8-C36C-495A-93FC-0C247A3E6E5F}\"}"), "1,,,");
    }

    void decodeMembers() {
        const auto rules = RulesFile::decode("[" + data<QByteArray>("object") + ", {}]").value();
        const Rule& r = rules[0];
        QStringList read{r.enabled ? "1" : "0", r.extensions.join(u' '),
                         r.group ? r.group->rawValue() : QString(), r.appId};
        if (data<QString>("read").count(u',') == 4) {
            read << r.id.toString(QUuid::WithoutBraces);
        }
        QCOMPARE(read.join(u','), data<QString>("read"));
        QVERIFY(!r.id.isNull() && r.id != rules[1].id); // always an id, never a shared one
    }

    // What is stored reads back as tray icon, folder behaviour and recent files; anything
    // unusable reads as the default.
    void settingsFile_data() {
        columns<QByteArray, QString>("conf", "read");
        row("nothing stored", QByteArray(), "1 openInFinder 0 ");
        row("ignore", QByteArray("folderBehavior=ignore\nshowMenuBar=false\n"), "0 ignore 2 ");
        row("recents", QByteArray("recentFiles=\"[\\\"/a\\\",\\\"/b, c\\\"]\"\n"),
            "1 openInFinder 0 /a|/b, c");
    }

    void settingsFile() {
        QFile::remove(dir() + "/Korvane.conf");
        if (!data<QByteArray>("conf").isNull()) {
            writeFile(dir() + "/Korvane.conf", "[General]\n" + data<QByteArray>("conf"));
        }
        Settings settings(dir() + "/Korvane.conf");
        QCOMPARE(QStringList({settings.showTrayIcon() ? "1" : "0", settings.folderBehaviorRaw(),
                              QString::number(int(settings.folderBehavior().value())),
                              settings.recentFiles().join(u'|')})
                     .join(u' '),
                 data<QString>("read"));
    }

    // Every setting is written under the key earlier versions used, and read back.
    void settingsKeys() {
        QFile::remove(dir() + "/Korvane.conf");
        {
            Settings settings(dir() + "/Korvane.conf");
            settings.setShowTrayIcon(false);
            settings.setShowInTaskbar(false);
            settings.setFolderBehavior(
                FolderBehavior(FolderBehavior::RevealInFileManager).rawValue());
            settings.setRecentFiles({"/a"});
        }
        QCOMPARE(readFile(dir() + "/Korvane.conf"),
                 "[General]\nfolderBehavior=revealInFinder\nrecentFiles=[\\\"/a\\\"]\n"
                 "showDock=false\nshowMenuBar=false\n");
        Settings settings(dir() + "/Korvane.conf");
        QVERIFY(!settings.showTrayIcon() && !settings.showInTaskbar());
        QCOMPARE(settings.folderBehavior().value(), FolderBehavior::RevealInFileManager);
        QCOMPARE(settings.recentFiles(), QStringList{"/a"});
    }

    // Commands append what they open to a journal and leave the settings file alone; the window
    // reads both, and folds the journal into the file when it writes the list.
    void recentFiles_data() {
        columns<QStringList, QString, bool>("steps", "recents", "confWritten");
        // "c …" a command's drop, "w …" the window's, "x" the window clears the list, "fifo"
        // a FIFO takes the journal's place.
        row("commands only", QStringList{"c /a /b", "c /c /a"}, "/a /c /b", false);
        row("window folds the commands' files in", QStringList{"c /a", "w /b", "c /c"}, "/c /b /a",
            true);
        row("clearing drops what was appended before", QStringList{"c /a", "x", "c /b"}, "/b",
            true);
        row("ten at most", QStringList{"c /1 /2 /3 /4 /5 /6", "c /7 /8 /9 /10 /11 /1"},
            "/1 /11 /10 /9 /8 /7 /6 /5 /4 /3", false);
        row("a FIFO for a journal: the file instead, without waiting",
            QStringList{"fifo", "c /a", "c /b"}, "/b /a", true);
        row("unreadable lines skipped", QStringList{"c /a", "junk", "c /b"}, "/b /a", false);
    }

    void recentFiles() {
        QDir().mkpath(dir());
        const QString conf = dir() + "/Korvane.conf";
        writeFile(conf, "[General]\nshowMenuBar=false\n");
        Settings window(conf);
        for (const QString& step : data<QStringList>("steps")) {
            QStringList files = step.split(u' ');
            const QString kind = files.takeFirst();
            if (kind == "c") {
                Settings(conf, Settings::RecentWrites::Appended).addRecentFiles(files);
            } else if (kind == "w") {
                window.addRecentFiles(files);
            } else if (kind == "x") {
                window.setRecentFiles({});
            } else if (kind == "fifo") {
                QCOMPARE(mkfifo(qPrintable(dir() + "/recent-files.jsonl"), 0600), 0);
            } else {
                QFile journal(dir() + "/recent-files.jsonl");
                QVERIFY(journal.open(QIODevice::Append));
                journal.write("not a drop\n[1]\n{}\n[\"/half");
                journal.write("\n");
            }
        }
        QCOMPARE(Settings(conf).recentFiles().join(u' '), data<QString>("recents"));
        QCOMPARE(readFile(conf) != "[General]\nshowMenuBar=false\n", data<bool>("confWritten"));
    }

    // A command folds a journal grown past its bound into the file; the list stays whole.
    void recentJournalStaysSmall() {
        const QString conf = dir() + "/Korvane.conf";
        QDir().mkpath(dir());
        QStringList all;
        for (int i = 0; i < 2000; ++i) {
            all.prepend(QStringLiteral("/files/%1 with a longer name").arg(i));
            Settings(conf, Settings::RecentWrites::Appended).addRecentFiles({all.first()});
        }
        QVERIFY(QFileInfo(dir() + "/recent-files.jsonl").size() <= Settings::kJournalBytes);
        QVERIFY(readFile(conf).contains("recentFiles"));
        QCOMPARE(Settings(conf).recentFiles(), all.mid(0, Settings::kMostRecentFiles));
    }

    // Appends from several processes while the list is folded: each drop is taken once.
    void journalLosesNoDrop() {
        QDir().mkpath(dir());
        const RecentJournal journal(dir() + "/recent-files.jsonl");
        std::atomic<int> writing = 4;
        std::atomic<int> failed = 0;
        std::vector<std::thread> writers;
        writers.reserve(4);
        for (int w = 0; w < 4; ++w) {
            writers.emplace_back([&, w] {
                for (int i = 0; i < 300; ++i) {
                    failed += journal.append({QStringLiteral("/%1/%2").arg(w).arg(i)}) ? 0 : 1;
                }
                --writing;
            });
        }
        QStringList taken;
        const auto takeAll = [&] {
            return journal.take([&](const QList<QStringList>& drops) {
                for (const QStringList& drop : drops) {
                    taken << drop;
                }
                return true;
            });
        };
        while (writing > 0) {
            QVERIFY(takeAll());
        }
        for (std::thread& writer : writers) {
            writer.join();
        }
        QVERIFY(takeAll());
        QCOMPARE(failed, 0);
        QCOMPARE(taken.size(), 1200);
        QCOMPARE(QSet<QString>(taken.begin(), taken.end()).size(), 1200);
    }

    // Without a file, the first run makes the default rule, which only the window writes.
    void firstRun_data() {
        columns<QString, QString>("installed", "app"); // "id:<identifier>" or entry names
        row("by its desktop ID", "id:sublime_text.desktop", "/apps/st.desktop");
        row("first entry by code value", "Xcode,Sublime Text Beta,Sublime Text 3",
            "/e/Sublime Text 3");
    }

    void firstRun() {
        MemoryPlatform desktop;
        const QString installed = data<QString>("installed");
        if (installed.startsWith("id:")) {
            desktop.addApplication("/apps/st.desktop", installed.mid(3), "Sublime Text");
        } else {
            QList<ApplicationEntry> entries;
            for (const QString& name : installed.split(u',')) {
                entries.append({name, "/e/" + name});
            }
            desktop.setApplicationEntries(entries);
        }
        RuleStore store(desktop, dir());
        QVERIFY(!QFileInfo::exists(file())); // loading never writes
        store.normalise();
        QVERIFY(store.saveNow());
        QCOMPARE(RulesFile::decode(readFile(file())).value(), store.rules());
        QCOMPARE(extensionsOf(store.rules()).join(u' '), "md markdown mdown txt");
        QCOMPARE(store.rules().value(0).appPath, data<QString>("app"));
    }

    // Loading alone never writes; normalising rewrites only a readable file that differs; an
    // unreadable one is kept beside the first change.
    void existingFile_data() {
        columns<QByteArray, int, bool>("content", "count", "untouched");
        row("empty array is no first run", QByteArray("[]"), 0, false);
        row("already normal", RulesFile::encode({ruleFrom("md>")}), 1, true);
        row("not JSON", QByteArray("[{\"extensions\": [\"md\"]"), 0, true);
        row("not a list", QByteArray("{\"id\": 1}"), 0, true);
        row("two rules and junk", QByteArray("[{}, 1, {\"enabled\": false}]"), 2, false);
        const QByteArray id = "{\"id\": \"E621E1F8-C36C-495A-93FC-0C247A3E6E5F\"}";
        row("a repeated id", "[" + id + ", " + id + ", " + id + "]", 3, false);
    }

    void existingFile() {
        const QByteArray& content = data<QByteArray>("content");
        writeFile(file(), content);
        const QByteArray before = fileState(file());
        {
            RuleStore store(platform, dir());
            QCOMPARE(store.rules().size(), data<int>("count"));
            QVERIFY(!store.savePending());
            const QList<QUuid> ids = mapped(store.rules(), &Rule::id);
            // each rule can be edited and deleted alone
            QCOMPARE(QSet<QUuid>(ids.begin(), ids.end()).size(), store.rules().size());
        }
        QCOMPARE(fileState(file()), before);
        RuleStore store(platform, dir());
        store.normalise();
        QCOMPARE(store.savePending(), !data<bool>("untouched"));
        QVERIFY(store.saveNow());
        QCOMPARE(readFile(file()) == content, data<bool>("untouched"));
        if (!store.loadProblem().isEmpty()) {
            RuleStore command(platform, dir()); // not the window: it never sets the file aside
            command.setRules({ruleFrom("txt>")});
            QVERIFY(!command.saveNow() && !QFileInfo::exists(file() + ".unreadable"));
            QSignalSpy kept(&store, &RuleStore::unreadableKept);
            store.setRules({ruleFrom("txt>")});
            QVERIFY(store.saveNow());
            QCOMPARE(kept.value(0).value(0).toString(), file() + ".unreadable");
            QCOMPARE(readFile(file() + ".unreadable"), content);
            QCOMPARE(RulesFile::decode(readFile(file())).value(), store.rules());
        }
    }

    // A burst of changes costs one write, 300 ms after the last.
    void debounce() {
        auto store = std::make_unique<RuleStore>(platform, dir());
        QSignalSpy saved(store.get(), &RuleStore::saved);
        QElapsedTimer sinceLast;
        qint64 quiet = -1; // from the last change to the write
        connect(store.get(), &RuleStore::saved, this, [&] { quiet = sinceLast.elapsed(); });
        for (int i = 0; i < 10; ++i) { // spread over 180 ms, with no event loop to write meanwhile
            QThread::msleep(i > 0 ? 20 : 0);
            store->insertRule(0, ruleFrom(QString::number(i) + ">"));
            sinceLast.start();
        }
        QTRY_COMPARE(saved.size(), 1);
        QVERIFY2(quiet >= 285, qPrintable(QString::number(quiet))); // a coarse timer: 5% early
        QVERIFY(!store->savePending());                             // nothing left to write later
        QCOMPARE(RulesFile::decode(readFile(file()))->size(), 10);
        store->setRules({ruleFrom("last>")});
        QVERIFY(QDir(dir()).removeRecursively()); // made again when needed
        QVERIFY(store->saveNow());
        store->setRules({});
        store.reset(); // the owner flushes: a destructor writes nothing
        QCOMPARE(extensionsOf(*RulesFile::decode(readFile(file()))), QStringList{"last"});
    }

    // A write that cannot be made leaves what is there as it was, says why, and keeps the change.
    void failedWriteKeepsOldFile_data() {
        // A shell script run in the rules' folder, and the length of the app name written.
        columns<QString, bool, int>("setup", "readable", "name");
        row("read-only", "echo [] > rules.json && chmod 555 .", true, 80000);
        row("directory", "mkdir rules.json", false, 80000);
        row("fifo", "mkfifo rules.json", false, 80000);
        row("dangling", "ln -s gone/rules.json rules.json", true, 80000);
        row("large", "{ echo [; head -c 17825792 /dev/zero | tr '\\0' ' '; echo ]; } >rules.json",
            false, 80000);
        row("full",
            "mount -t tmpfs -o size=64k tmpfs \"$PWD\" && cd \"$PWD\" && echo [] >rules.json"
            " && cat /dev/zero >filler 2>/dev/null; true",
            true, 80000);
        row("more than is read back", "echo [] > rules.json", true, 17 * 1024 * 1024);
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
        big.appName = QString(data<int>("name"), u'n'); // more than the full disk can take
        store->setRules({big});
        const bool drop = root && setup.contains("chmod"); // so that permissions bite
        QVERIFY(!drop || seteuid(65534) == 0);
        QVERIFY(!store->saveNow());
        QVERIFY(!store->lastError().isEmpty() && store->writeFailed());
        QCOMPARE(store->rules().size(), 1); // memory keeps the change
        store.reset();
        QVERIFY(!drop || seteuid(0) == 0);
        QCOMPARE(fileState(file()), old);
        QProcess::execute("sh", {"-c", "chmod 755 \"$0\"; umount \"$0\" 2>/dev/null", dir()});
    }

    // A lock whose holder is gone is taken over; one that is held fails the change, and a change
    // reported as failed is never written later. In the window only the change that had to be
    // written at once is taken back; the others wait for the next write.
    void lockFile_data() {
        columns<QString>("lock"); // a shell script run in the rules' folder; empty: held
        row("empty, left by a kill", "touch -d '3 seconds ago' rules.json.lock"); // Qt waits 30 s
        row("garbage", "printf 'x\\0y\\n' > rules.json.lock");
        row("its process is gone", "sh -c 'echo $$' > rules.json.lock");
        row("held by a live process", "");
    }

    void lockFile() {
        const QString& lock = data<QString>("lock");
        QDir().mkpath(dir());
        writeFile(file(), RulesFile::encode({ruleFrom("md>")}));
        QCOMPARE(QProcess::execute("sh", {"-c", "cd \"$0\" && " + lock + " true", dir()}), 0);
        QLockFile holder(file() + ".lock");
        QVERIFY(!lock.isEmpty() || holder.tryLock(0));
        RuleStore store(platform, dir());
        store.setSaveDelay(std::chrono::milliseconds(0));
        store.insertRule(0, ruleFrom("pdf>"));
        QCOMPARE(extensionsOf(store.rules()).join(u' '), lock.isEmpty() ? "md" : "pdf md");
        QCOMPARE(store.lastError().isEmpty(), !lock.isEmpty());
        if (lock.isEmpty()) {
            store.setSaveDelay(std::chrono::milliseconds(300));
            store.insertRule(0, ruleFrom("waits>"));
            QVERIFY(!store.commit([](QList<Rule>& list) { list.append(ruleFrom("now>")); }));
            QCOMPARE(extensionsOf(store.rules()), (QStringList{"waits", "md"}));
            holder.unlock();
            QVERIFY(store.saveNow());
        }
        QCOMPARE(extensionsOf(RulesFile::decode(readFile(file())).value()),
                 (QStringList{lock.isEmpty() ? "waits" : "pdf", "md"}));
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
        QCOMPARE(extensionsOf(RulesFile::decode(readFile(file())).value()),
                 (QStringList{"c", "d", "a"}));
        QCOMPARE(second.rules().size(), 3);
        first.watchFile();
        QTRY_COMPARE(first.rules().size(), 3);
    }
};

QTEST_GUILESS_MAIN(TestStoredFiles)
#include "tst_stored_files.moc"
