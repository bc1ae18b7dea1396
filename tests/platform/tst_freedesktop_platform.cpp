#include "core/app_resolver.h"
#include "core/router.h"
#include "core/rule_store.h"
#include "platform/freedesktop/freedesktop_platform.h"
#include "support/freedesktop_sandbox.h"
#include "support/test_data.h"

#include <QDBusConnectionInterface>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QSet>
#include <QTest>
#include <algorithm>
#include <csignal>

using namespace korvane;

// The freedesktop platform on real GIO, shared-mime-info, mimeapps.list and D-Bus, in a private
// desktop whose apps record how they were started.
class TestFreedesktopPlatform : public QObject {
    Q_OBJECT

private:
    FreedesktopPlatform platform;
    QString entry(const QString& id) const { return sandbox->entry(id); }
    // Gives an order its completion and waits for it; answers how it ended.
    static Result completion(const std::function<void(Completion)>& order) {
        std::optional<Result> result;
        order([&](const Result& r) { result = r; });
        return QTest::qWaitFor([&] { return result.has_value(); }, 20000)
                   ? *result
                   : Result::failed("not called");
    }

private Q_SLOTS:
    void init() { sandbox->clearLaunches(); }

    // Entries by desktop ID, with or without its suffix, also in a subfolder of a system folder;
    // the file that names a type's default; the apps of a group, which GIO knows no wildcard for;
    // for the chooser, what the desktop's app grid shows.
    void entries() {
        for (const QString id : {"korvane-test-editor", "kde-korvane-sub.desktop"}) {
            const QString full = id.endsWith(".desktop") ? id : id + ".desktop";
            QCOMPARE(platform.applicationForIdentifier(id).value_or(QString()), entry(full));
            QCOMPARE(platform.applicationId(entry(full)), full);
        }
        QCOMPARE(platform.defaultOrigin({"inode/directory"}), sandbox->mimeappsList());
        for (const auto& [group, app] : {std::pair{WellKnownType::Image, "korvane-test-viewer"},
                                         {WellKnownType::Video, "korvane-system-player"},
                                         {WellKnownType::Archive, "kde-korvane-sub"}}) {
            const QStringList apps = platform.applicationsForType(platform.wellKnownType(group));
            QVERIFY(apps.contains(entry(app + QString(".desktop"))));
            QVERIFY(!apps.contains(entry("korvane-test-editor.desktop")));
        }
        QStringList names;
        for (const ApplicationEntry& e : platform.applicationEntries()) {
            names << e.name;
        }
        QVERIFY(names.contains("Test Editor") && !names.contains("Helper") &&
                !names.contains("KDE Only"));
    }

    // An app by its desktop ID: the ID's first file in the folders' order, read without loading
    // the app database; a first file that is hidden or no entry hides the later ones.
    void identifiers_data() {
        // Files as "user|sys:path:ok|hidden|broken"; the answer as "user|sys:path", or nothing.
        columns<QStringList, QString, QString>("files", "id", "found");
        row("the user's entry first", QStringList{"user:dup.desktop:ok", "sys:dup.desktop:ok"},
            "dup.desktop", "user:dup.desktop");
        row("hidden by the user", QStringList{"user:hid.desktop:hidden", "sys:hid.desktop:ok"},
            "hid.desktop", "");
        row("hidden by a broken entry",
            QStringList{"user:bad.desktop:broken", "sys:bad.desktop:ok"}, "bad.desktop", "");
        row("in a subfolder", QStringList{"sys:vendor/tool-x.desktop:ok"}, "vendor-tool-x.desktop",
            "sys:vendor/tool-x.desktop");
        row("in a subfolder with a dash", QStringList{"sys:my-vendor/tool.desktop:ok"},
            "my-vendor-tool.desktop", "sys:my-vendor/tool.desktop");
        row("without its suffix", QStringList{"user:plain.desktop:ok"}, "plain",
            "user:plain.desktop");
        row("a path is no ID", QStringList{"user:p2.desktop:ok"}, "../applications/p2.desktop", "");
        row("nowhere", QStringList{}, "nowhere.desktop", "");
    }

    void identifiers() {
        const auto where = [](const QString& spec) {
            return (spec.section(u':', 0, 0) == "user" ? sandbox->userApplications()
                                                       : sandbox->root() + "/sys/applications") +
                   u'/' + spec.section(u':', 1, 1);
        };
        QStringList made;
        const auto cleanup = qScopeGuard([&] {
            for (const QString& file : made) {
                QFile::remove(file);
            }
        });
        QStringList files = data<QStringList>("files");
        // Last, a marker in each folder: once GIO's app database has them (its folder watches
        // report changes later), it has the row's files too.
        static int rows = 0;
        const QString marker = QStringLiteral("marker-%1-").arg(++rows);
        files << "user:" + marker + "user.desktop:ok"
              << "sys:" + marker + "sys.desktop:ok";
        for (const QString& spec : files) {
            const QString kind = spec.section(u':', 2);
            made << where(spec);
            QDir().mkpath(QFileInfo(made.last()).path());
            writeFile(made.last(),
                      QByteArray("[Desktop Entry]\nType=Application\nName=T\nExec=true %F\n") +
                          (kind == "broken" ? "TryExec=/nonexistent/t\n" : "") +
                          (kind == "hidden" ? "Hidden=true\n" : ""));
        }
        QTRY_VERIFY(platform.applicationForIdentifier(marker + "user.desktop") &&
                    platform.applicationForIdentifier(marker + "sys.desktop"));
        const QString found = data<QString>("found");
        QCOMPARE(platform.applicationForIdentifier(data<QString>("id")).value_or(QString()),
                 found.isEmpty() ? QString() : where(found));
    }

    // One row for each way a type is grouped.
    void conformance_data() {
        columns<QString, QString>("extension", "groups"); // in declared order; "?" undeclared
        row("archives by our list", "gz", "archives");
        row("code, also text", "c", "text code");
        row("text by its parent", "md", "text");
        row("images by wildcard", "jpg", "images");
        row("video", "mkv", "video");
        row("undeclared", "qqqzz", "?");
    }

    void conformance() {
        QString groups = data<QString>("groups");
        const auto type = platform.typeForExtension(data<QString>("extension"));
        QVERIFY(type);
        QCOMPARE(type->dynamic, groups == "?");
        groups.remove("?");
        QStringList conforming;
        for (TypeGroup group : TypeGroup::allCases()) {
            const auto conformsTo = [&](const ContentType& to) {
                return platform.conforms(*type, to);
            };
            const QList<ContentType> types = group.contentTypes(platform);
            if (std::any_of(types.begin(), types.end(), conformsTo)) {
                conforming << group.rawValue();
            }
        }
        QCOMPARE(conforming.join(u' '), groups);
        QVERIFY(platform.conforms(*type, platform.wellKnownType(WellKnownType::Data)));
    }

    // A host's site by the public suffix list, as a learned rule keeps it.
    void sites_data() {
        columns<QString, QString>("host", "site");
        row("www folded", "www.example.org", "example.org");
        row("a suffix of two labels", "a.b.example.co.uk", "example.co.uk");
        row("a private suffix", "me.github.io", "me.github.io");
        row("capitals", "WWW.Example.ORG", "example.org");
        row("a public suffix alone", "co.uk", "co.uk");
        row("a single name", "localhost", "localhost");
        row("an IPv4 address", "192.168.1.20", "192.168.1.20");
        row("an IPv6 address", "::1", "::1");
    }

    void sites() { QCOMPARE(platform.siteOf(data<QString>("host")), data<QString>("site")); }

    void open_data() {
        columns<QStringList, QString, int>("names", "app", "launches"); // -1: fails
        row("odd names, one launch",
            QStringList{"with space.txt", "cafe\u0301 nfd.txt", "-leading dash.txt",
                        "100% %f %U.txt", "quote\" and 'single'.txt", "back\\slash.txt"},
            "korvane-test-editor.desktop", 1);
        row("one process per file for %f", QStringList{"one.pdf", "two.pdf"},
            "korvane-test-single.desktop", 2);
        row("program gone", QStringList{"x.txt"}, "korvane-gone-app.desktop", -1);
        row("no files: the app starts with nothing to open", QStringList{},
            "korvane-test-editor.desktop", 1);
    }

    void open() {
        const QString& app = data<QString>("app");
        const bool fails = data<int>("launches") < 0;
        QStringList files;
        QStringList expected;
        for (const QString& name : data<QStringList>("names")) {
            files << sandbox->makeFile(name);
            expected << app.section(u'-', 2, 2).section(u'.', 0, 0) + ": " + files.last();
        }
        const Result result =
            completion([&](auto done) { platform.openFiles(files, entry(app), done); });
        QVERIFY2(result.ok() != fails && result.errorString() != "not called",
                 qPrintable(result.errorString()));
        expected.sort();
        QCOMPARE(sandbox->launched(int(expected.size())), fails ? QStringList() : expected);
        QCOMPARE(int(sandbox->launches().size()), std::max(0, data<int>("launches")));
    }

    // More files than one command line can carry: as few launches as fit, no file lost.
    void hugeGroupIsSplitByTheArgumentLimit() {
        QStringList files;
        const QString folder = sandbox->root() + "/files/" + QString(200, u'd') + "/";
        for (int i = 0; i < 12000; ++i) {
            files << folder + QString::number(i) + ".txt";
        }
        QCOMPARE(completion([&](auto done) {
                     platform.openFiles(files, entry("korvane-test-editor.desktop"), done);
                 }),
                 Result::done());
        const QStringList seen = sandbox->launched(int(files.size()));
        QCOMPARE(QSet<QString>(seen.begin(), seen.end()).size(), files.size());
        const int launches = int(sandbox->launches().size());
        QVERIFY2(launches >= 2 && launches <= 3, qPrintable(QString::number(launches)));
    }

    // The desktop's app database is followed as it changes.
    void applicationsAreWatched() {
        int changes = 0;
        platform.watchApplications([&] { ++changes; });
        const auto unwatch = qScopeGuard([this] { platform.watchApplications({}); });
        const QString entry = sandbox->userApplications() + "/korvane-arrived.desktop";
        writeFile(entry, "[Desktop Entry]\nType=Application\nName=Arrived\nExec=true %F\n");
        QTRY_VERIFY_WITH_TIMEOUT(changes > 0, 10000);
        QFile::remove(entry);
    }

    // A file manager the bus can start selects the items; without one, their folders open.
    void reveal_data() {
        columns<bool>("fileManager");
        row("installed, started by the bus", true);
        row("none: the folders open", false);
    }

    void reveal() {
        const QString service =
            sandbox->dataHome() + "/dbus-1/services/org.freedesktop.FileManager1.service";
        QFile::remove(sandbox->root() + "/revealed.log");
        if (data<bool>("fileManager")) {
            sandbox->makeFile("../data/dbus-1/services/org.freedesktop.FileManager1.service",
                              "[D-BUS Service]\nName=org.freedesktop.FileManager1\nExec=" +
                                  QByteArray(KORVANE_FAKE_FM) + " " +
                                  QFile::encodeName(sandbox->root()) + "/revealed.log\n");
            // The bus reads its service folders again only when told.
            QCOMPARE(QDBusConnection::sessionBus().interface()->call("ReloadConfig").type(),
                     QDBusMessage::ReplyMessage);
        }
        const QStringList files{sandbox->makeFile("one/a b.txt"), sandbox->makeFile("one/b.txt"),
                                sandbox->makeFile("two/c.txt")};
        QString shownBy = "not called";
        QCOMPARE(completion([&](auto done) {
                     platform.revealFiles(files, [&, done](const auto& error, const QString& by) {
                         shownBy = by;
                         done(error);
                     });
                 }),
                 Result::done());
        // The program that answered on the bus, not the default folder app ("Test Files").
        QCOMPARE(shownBy, data<bool>("fileManager") ? QFileInfo(KORVANE_FAKE_FM).fileName() : "");
        if (!data<bool>("fileManager")) {
            QCOMPARE(sandbox->launched(2),
                     (QStringList{"files: " + sandbox->root() + "/files/one",
                                  "files: " + sandbox->root() + "/files/two"}));
        } else {
            QCOMPARE(sandbox->revealed(),
                     QStringList{sandbox->rooted(
                         "ShowItems[\"file://@/files/one/a%20b.txt\","
                         "\"file://@/files/one/b.txt\",\"file://@/files/two/c.txt\"]")});
            QCOMPARE(sandbox->launched(0), QStringList());
        }
        QFile::remove(service);
        if (data<bool>("fileManager")) { // stopped by the process ID the bus knows it by
            QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
            const QDBusReply<uint> pid = bus->servicePid("org.freedesktop.FileManager1");
            QVERIFY(pid.isValid() && kill(pid_t(pid.value()), SIGTERM) == 0);
            QTRY_VERIFY(!bus->isServiceRegistered("org.freedesktop.FileManager1").value());
        }
    }

    // The opener on the session bus: an Open call is answered at once and its files reach the
    // core as paths (a location with no path is passed over); while one process serves the
    // name, another can't, and says why; a holder let go gives the name up.
    void openerServesTheBus() {
        QList<QStringList> heard;
        std::optional<Result> ended;
        auto serving = platform.serveOpener(
            [&](const Platform::OpenerRequest& request) { heard << request.items; },
            [&](const Result& why) { ended = why; });
        const QString name = "org.korvane.Korvane.Opener";
        QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
        QTRY_VERIFY(bus->isServiceRegistered(name));
        QProcess call;
        const QString locations = "['file:///notes/a%20b.md', 'https://example.org/', "
                                  "'/notes/c', 'mailto:a@b.c?subject=Hi there', 'not a location']";
        call.start("gdbus", {"call", "--session", "--dest", name, "--object-path",
                             "/org/korvane/Korvane/Opener", "--method",
                             "org.freedesktop.Application.Open", locations, "{}"});
        QTRY_VERIFY(call.state() == QProcess::NotRunning);
        QCOMPARE(call.exitCode(), 0);
        QTRY_COMPARE(heard, (QList<QStringList>{{"/notes/a b.md", "https://example.org/",
                                                 "/notes/c", "mailto:a@b.c?subject=Hi there"}}));
        // Nothing it can read: no request, and never mistaken for a start with nothing.
        call.start("gdbus", {"call", "--session", "--dest", name, "--object-path",
                             "/org/korvane/Korvane/Opener", "--method",
                             "org.freedesktop.Application.Open", "['not a location']", "{}"});
        QTRY_VERIFY(call.state() == QProcess::NotRunning);
        QCOMPARE(call.exitCode(), 0);
        QTest::qWait(200);
        QCOMPARE(heard.size(), 1);
        // Started with nothing to open, as a desktop's "web browser" command does.
        call.start("gdbus", {"call", "--session", "--dest", name, "--object-path",
                             "/org/korvane/Korvane/Opener", "--method",
                             "org.freedesktop.Application.Activate", "{}"});
        QTRY_VERIFY(call.state() == QProcess::NotRunning);
        QCOMPARE(call.exitCode(), 0);
        QTRY_COMPARE(heard.size(), 2);
        QCOMPARE(heard.last(), QStringList());
        const auto second = sandbox->run({"opener", "serve"});
        QCOMPARE(second.status, 1);
        QCOMPARE(second.err, "korvane: another process answers for " + name + "\n");
        QVERIFY(!ended);
        serving.reset();
        QTRY_VERIFY(!bus->isServiceRegistered(name));
    }

    // The whole way: once the opener is on, `gio open` has the bus start `korvane opener
    // serve`, which opens the file by the rules; the next open goes to the same process, which
    // ends when the opener is turned off.
    void openerStartedByTheBus() {
        const QByteArray list = readFile(sandbox->mimeappsList());
        sandbox->writeRules(QStringList{"md>Test Editor"});
        QCOMPARE(sandbox->run({"opener", "on"}).status, 0);
        const QString note = sandbox->makeFile("by the bus.md", "# Note\n");
        QCOMPARE(sandbox->run({"open", note}, {}, "gio").status, 0);
        QCOMPARE(sandbox->launched(1), QStringList{"editor: " + note});
        QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
        const uint server = bus->servicePid("org.korvane.Korvane.Opener");
        QVERIFY(server > 0);
        const auto stop = qScopeGuard([server] { kill(pid_t(server), SIGTERM); });
        QCOMPARE(readFile(QString("/proc/%1/cmdline").arg(server)).split('\0').mid(1, 2),
                 (QList<QByteArray>{"opener", "serve"}));
        sandbox->clearLaunches();
        QCOMPARE(sandbox->run({"open", note}, {}, "gio").status, 0);
        QCOMPARE(sandbox->launched(1), QStringList{"editor: " + note});
        QCOMPARE(bus->servicePid("org.korvane.Korvane.Opener").value(), server);
        // A rule's app that hands its file back to the desktop gets it once; the opener then
        // opens it as if no rule claimed it, instead of starting that app again and again.
        const QString log = sandbox->root() + "/wrapper.log";
        const QString wrapper = sandbox->makeFile(
            "wrapper.sh", "#!/bin/sh\necho x >> '" + log.toUtf8() + "'\n[ $(wc -l < '" +
                              log.toUtf8() + "') -gt 3 ] && exit 9\nexec gio open \"$@\"\n");
        QVERIFY(QFile::setPermissions(wrapper, QFile::ReadOwner | QFile::ExeOwner));
        writeFile(sandbox->userApplications() + "/korvane-wrapper.desktop",
                  "[Desktop Entry]\nType=Application\nName=Wrapper\nExec=" + wrapper.toUtf8() +
                      " %F\n");
        sandbox->writeRules(QStringList{"md>Wrapper"});
        QTest::qWait(300); // the opener reads the changed rules
        sandbox->clearLaunches();
        QCOMPARE(sandbox->run({"open", note}, {}, "gio").status, 0);
        QCOMPARE(sandbox->launched(1), QStringList{"editor: " + note});
        QCOMPARE(readFile(log), "x\n");
        QFile::remove(sandbox->userApplications() + "/korvane-wrapper.desktop");
        QCOMPARE(sandbox->run({"opener", "off"}).status, 0);
        QTRY_VERIFY(!bus->isServiceRegistered("org.korvane.Korvane.Opener")); // it ended
        QCOMPARE(readFile(sandbox->mimeappsList()), list);
        QVERIFY(!QFile::exists(sandbox->dataHome() +
                               "/dbus-1/services/org.korvane.Korvane.Opener.service"));
    }

    // The marker in a requester's environment says whether its items come back from an app
    // Korvane started with them: once (from a rule's app), or again (from the app chosen then).
    void handBack_data() {
        columns<QByteArray, QStringList, int>("marker", "items", "handBack");
        const QStringList items{"/a b.md", "/c.md"};
        row("none", QByteArray(), items, int(LaunchMarker::HandBack::None));
        row("other files", LaunchMarker::of({"/c.md"}), items, int(LaunchMarker::HandBack::None));
        row("once, in any order", LaunchMarker::of({"/c.md", "/a b.md"}), items,
            int(LaunchMarker::HandBack::Once));
        row("again", LaunchMarker::of(items, true), items, int(LaunchMarker::HandBack::Again));
        row("a start with nothing", QByteArray(LaunchMarker::kNothing), QStringList(),
            int(LaunchMarker::HandBack::Once));
        row("nothing, from an app started with files", LaunchMarker::of(items), QStringList(),
            int(LaunchMarker::HandBack::None));
    }
    void handBack() {
        QCOMPARE(
            int(LaunchMarker::handBackOf(data<QByteArray>("marker"), data<QStringList>("items"))),
            data<int>("handBack"));
    }

    void launchAtLogin() {
        // An entry of an earlier version counts, and goes with the new one.
        sandbox->makeFile("../config/autostart/korvane.desktop",
                          "[Desktop Entry]\nType=Application\nName=Korvane\nExec=korvane\n");
        QVERIFY(platform.launchAtLogin());
        platform.setProgramPath("/opt/$HOME's \"dir\"/100%/korvane");
        QCOMPARE(platform.setLaunchAtLogin(true), Result::done());
        QVERIFY(platform.launchAtLogin());
        QVERIFY(!QFile::exists(sandbox->configHome() + "/autostart/korvane.desktop"));
        const QByteArray written = readFile(FreedesktopPlatform::autostartPath());
        QVERIFY2(written.contains("Exec=\"/opt/\\\\$HOME's \\\\\"dir\\\\\"/100%%/korvane\"\n"),
                 written.constData());
        QCOMPARE(platform.setLaunchAtLogin(false), Result::done());
        QVERIFY(!QFile::exists(FreedesktopPlatform::autostartPath()));
        QCOMPARE(platform.setLaunchAtLogin(false), Result::done()); // already off

        const QString dir = sandbox->configHome() + "/autostart";
        QVERIFY(QDir(dir).removeRecursively());
        sandbox->makeFile("../config/autostart"); // a file where the folder should be
        QVERIFY(!platform.setLaunchAtLogin(true).errorString().isEmpty());
        QVERIFY(!platform.launchAtLogin());
        QFile::remove(dir);
    }
};

int main(int argc, char** argv) {
    return runSandboxed<TestFreedesktopPlatform>(argc, argv, true);
}

#include "tst_freedesktop_platform.moc"
