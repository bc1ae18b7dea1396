#include "core/app_info.h"
#include "core/router.h"
#include "core/rule_store.h"
#include "platform/freedesktop/freedesktop_platform.h"
#include "support/freedesktop_sandbox.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTest>
#include <QUrl>

using namespace korvane;

namespace {
FreedesktopSandbox* sandbox = nullptr;

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

// The freedesktop platform on real GIO, shared-mime-info, mimeapps.list and D-Bus, in a private
// desktop whose apps record how they were started.
class TestFreedesktopPlatform : public QObject {
    Q_OBJECT

private:
    FreedesktopPlatform platform;
    QString entry(const QString& id) const { return sandbox->entry(id); }

    // Launches arrive from child processes: every file each app was given, in order.
    QStringList launched(int files) {
        QStringList seen;
        (void)QTest::qWaitFor(
            [&] {
                seen.clear();
                for (const auto& launch : sandbox->launches()) {
                    for (const QString& arg : launch.args) {
                        seen << launch.as + ": " +
                                    (arg.startsWith("file:") ? QUrl(arg).toLocalFile() : arg);
                    }
                }
                return seen.size() >= files;
            },
            20000);
        return seen;
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY2(sandbox->isValid(), qPrintable(sandbox->error())); }
    void init() { sandbox->clearLaunches(); }

    void identifiers_data() {
        QTest::addColumn<QString>("identifier");
        QTest::addColumn<QString>("entryId"); // empty for none
        QTest::newRow("without suffix") << "korvane-test-editor"
                                        << "korvane-test-editor.desktop";
        QTest::newRow("system folder, subfolder") << "kde-korvane-sub.desktop"
                                                  << "kde-korvane-sub.desktop";
        QTest::newRow("program not installed") << "korvane-test-gone.desktop"
                                               << "";
        QTest::newRow("unknown") << "org.example.nothing"
                                 << "";
    }

    void identifiers() {
        QFETCH(QString, identifier);
        QFETCH(QString, entryId);
        const auto app = platform.applicationForIdentifier(identifier);
        QCOMPARE(app.value_or(QString()), entryId.isEmpty() ? QString() : entry(entryId));
        if (app) {
            QCOMPARE(platform.applicationId(*app), entryId);
            QCOMPARE(platform.displayName(*app).isEmpty(), false);
        }
    }

    // A rules file names any path it likes: only entries GIO finds by ID are applications.
    void untrustedRulesResolveToNothing_data() {
        QTest::addColumn<QString>("appId");
        QTest::addColumn<QString>("appPath");
        const QString outside = sandbox->root() + "/files/elsewhere/my-tool.desktop";
        QTest::newRow("outside the application folders") << "" << outside;
        QTest::newRow("made-up ID") << "made.up.desktop" << outside;
        QTest::newRow("../ out of the folders")
            << "" << sandbox->userApplications() + "/../../files/elsewhere/my-tool.desktop";
        QTest::newRow("file:// URL") << ""
                                     << "file://" + outside;
        QTest::newRow("relative path") << ""
                                       << "elsewhere/my-tool.desktop";
        QTest::newRow("program not installed") << "" << entry("korvane-test-gone.desktop");
    }

    void untrustedRulesResolveToNothing() {
        QFETCH(QString, appId);
        QFETCH(QString, appPath);
        sandbox->makeFile("elsewhere/my-tool.desktop",
                          "[Desktop Entry]\nType=Application\nName=My Tool\nExec=true %F\n");
        Rule rule;
        rule.extensions = {"txt"};
        rule.appId = appId;
        rule.appPath = appPath;
        QCOMPARE(AppInfo::resolve(rule, platform), std::nullopt);
        QCOMPARE(Router::route(sandbox->makeFile("y.txt"), {rule}, platform).kind,
                 RouteResult::MissingApp);
    }

    void files() {
        const QString file = sandbox->makeFile("exists.txt");
        const QString folder = sandbox->makeFolder("folder");
        QVERIFY(QFile::link(sandbox->root() + "/files/nothing-here", folder + "/broken"));
        QVERIFY(platform.exists(file) && platform.exists(folder));
        QVERIFY(!platform.exists(folder + "/broken"));
        QVERIFY(platform.isFolder(folder) && !platform.isFolder(file));
    }

    // One row for each way a type is grouped.
    void conformance_data() {
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QString>("groups"); // the groups it conforms to, in declared order
        QTest::addColumn<bool>("dynamic");
        QTest::newRow("archives by our list") << "gz"
                                              << "archives" << false;
        QTest::newRow("code, also text") << "c"
                                         << "text code" << false;
        QTest::newRow("text by its parent") << "md"
                                            << "text" << false;
        QTest::newRow("images by wildcard, any case") << "JPG"
                                                      << "images" << false;
        QTest::newRow("audio") << "mp3"
                               << "audio" << false;
        QTest::newRow("video") << "mkv"
                               << "video" << false;
        QTest::newRow("none") << "pdf"
                              << "" << false;
        QTest::newRow("undeclared") << "qqqzz"
                                    << "" << true;
    }

    void conformance() {
        QFETCH(QString, extension);
        QFETCH(QString, groups);
        QFETCH(bool, dynamic);
        const auto type = platform.typeForExtension(extension.toLower());
        QVERIFY(type);
        QCOMPARE(type->dynamic, dynamic);
        QStringList conforming;
        for (TypeGroup group : TypeGroup::allCases()) {
            for (const ContentType& groupType : group.contentTypes(platform)) {
                if (platform.conforms(*type, groupType)) {
                    conforming << group.rawValue();
                    break;
                }
            }
        }
        QCOMPARE(conforming.join(u' '), groups);
        QVERIFY(platform.conforms(*type, platform.wellKnownType(WellKnownType::Data)));
    }

    void open_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("app");
        QTest::addColumn<int>("launches");
        QTest::addColumn<bool>("fails");
        QTest::newRow("odd names, one launch")
            << QStringList{"with space.txt",           QString::fromUtf8("cafe\u0301 nfd.txt"),
                           "-leading dash.txt",        "100% %f %U.txt",
                           "quote\" and 'single'.txt", "back\\slash.txt"}
            << "korvane-test-editor.desktop" << 1 << false;
        QTest::newRow("one process per file for %f")
            << QStringList{"one.pdf", "two.pdf"} << "korvane-test-single.desktop" << 2 << false;
        QTest::newRow("program gone")
            << QStringList{"x.txt"} << "korvane-test-gone.desktop" << 0 << true;
    }

    void open() {
        QFETCH(QStringList, names);
        QFETCH(QString, app);
        QFETCH(int, launches);
        QFETCH(bool, fails);
        QStringList files;
        QStringList expected;
        for (const QString& name : names) {
            files << sandbox->makeFile(name);
            expected << app.section(u'-', 2, 2).section(u'.', 0, 0) + ": " + files.last();
        }
        std::optional<QString> error = QStringLiteral("not called");
        platform.openFiles(files, entry(app), [&](const std::optional<QString>& e) { error = e; });
        QTRY_VERIFY(!error || *error != "not called");
        QCOMPARE(error.has_value(), fails);
        QStringList seen = launched(fails ? 0 : int(files.size()));
        seen.sort(); // processes of a %f app start in any order
        expected.sort();
        QCOMPARE(seen, fails ? QStringList() : expected);
        QTest::qWait(100);
        QCOMPARE(int(sandbox->launches().size()), launches);
    }

    // More files than one command line can carry: as few launches as fit, no file lost.
    void hugeGroupIsSplitByTheArgumentLimit() {
        QStringList files;
        const QString folder = sandbox->root() + "/files/" + QString(200, u'd') + "/";
        for (int i = 0; i < 12000; ++i) {
            files << folder + QString::number(i) + ".txt";
        }
        std::optional<QString> error = QStringLiteral("not called");
        platform.openFiles(files, entry("korvane-test-editor.desktop"),
                           [&](const std::optional<QString>& e) { error = e; });
        QTRY_COMPARE_WITH_TIMEOUT(error, std::nullopt, 20000);
        const QStringList seen = launched(int(files.size()));
        QCOMPARE(QSet<QString>(seen.begin(), seen.end()).size(), files.size());
        const int launches = int(sandbox->launches().size());
        QVERIFY2(launches >= 2 && launches <= 3, qPrintable(QString::number(launches)));
    }

    void defaultsSetAndReadBack() {
        const ContentType png = *platform.typeForExtension("png");
        std::optional<QString> error = QStringLiteral("not called");
        platform.setDefaultApplication(entry("korvane-test-viewer.desktop"), png,
                                       [&](const std::optional<QString>& e, auto&&) { error = e; });
        QCOMPARE(error, std::nullopt);
        QTRY_COMPARE(platform.defaultApplicationForType(png).value_or(QString()),
                     entry("korvane-test-viewer.desktop"));
        QCOMPARE(platform.defaultOrigin(png), sandbox->mimeappsList());
        const QString picture = sandbox->makeFile(
            "picture.png",
            QByteArray::fromBase64("iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAA"
                                   "DUlEQVR42mNk+M9QDwADhgGAWjR9awAAAABJRU5ErkJggg=="));
        QCOMPARE(platform.defaultApplicationForFile(picture), entry("korvane-test-viewer.desktop"));
        platform.setDefaultApplication(entry("korvane-test-gone.desktop"), png,
                                       [&](const std::optional<QString>& e, auto&&) { error = e; });
        QVERIFY(error && !error->isEmpty());
    }

    // GIO knows no wildcards or groups of ours: the apps with a type of the group.
    void groupsListTheirApps_data() {
        QTest::addColumn<int>("group");
        QTest::addColumn<QString>("app");
        QTest::newRow("images") << int(WellKnownType::Image) << "korvane-test-viewer.desktop";
        QTest::newRow("video") << int(WellKnownType::Video) << "korvane-sys-player.desktop";
        QTest::newRow("archives") << int(WellKnownType::Archive) << "kde-korvane-sub.desktop";
    }

    void groupsListTheirApps() {
        QFETCH(int, group);
        QFETCH(QString, app);
        const QStringList apps =
            platform.applicationsForType(platform.wellKnownType(WellKnownType(group)));
        QVERIFY2(apps.contains(entry(app)), qPrintable(apps.join(u' ')));
        QVERIFY(!apps.contains(entry("korvane-test-editor.desktop")));
    }

    // The running file manager selects; one the bus can start is started; without one, the
    // folders open.
    void reveal_data() {
        QTest::addColumn<QString>("fileManager"); // running, installed or none
        QTest::newRow("running") << "running";
        QTest::newRow("installed, started by the bus") << "installed";
        QTest::newRow("none: the folders open") << "none";
    }

    void reveal() {
        QFETCH(QString, fileManager);
        const QString service =
            sandbox->dataHome() + "/dbus-1/services/org.freedesktop.FileManager1.service";
        QFile::remove(sandbox->root() + "/revealed.log");
        if (fileManager == "running") {
            QVERIFY(sandbox->startFileManager());
        } else if (fileManager == "installed") {
            sandbox->makeFile("../data/dbus-1/services/org.freedesktop.FileManager1.service",
                              "[D-BUS Service]\nName=org.freedesktop.FileManager1\nExec=" +
                                  QByteArray(KORVANE_FAKE_FM) + " " +
                                  QFile::encodeName(sandbox->root()) + "/revealed.log\n");
            // The bus reads its service folders again only when told.
            QCOMPARE(QProcess::execute("dbus-send", {"--session", "--dest=org.freedesktop.DBus",
                                                     "--type=method_call", "--print-reply",
                                                     "/org/freedesktop/DBus",
                                                     "org.freedesktop.DBus.ReloadConfig"}),
                     0);
        }
        const QStringList files{sandbox->makeFile("one/a b.txt"), sandbox->makeFile("one/b.txt"),
                                sandbox->makeFile("two/c.txt")};
        std::optional<QString> error = QStringLiteral("not called");
        platform.revealFiles(files, [&](const std::optional<QString>& e) { error = e; });
        QTRY_COMPARE_WITH_TIMEOUT(error, std::nullopt, 15000);
        if (fileManager == "none") {
            QStringList opened = launched(2);
            opened.sort();
            QCOMPARE(opened, (QStringList{"files: " + sandbox->root() + "/files/one",
                                          "files: " + sandbox->root() + "/files/two"}));
        } else {
            QStringList uris;
            for (const QString& file : files) {
                uris << "\"" + QString::fromUtf8(QUrl::fromLocalFile(file).toEncoded()) + "\"";
            }
            QCOMPARE(sandbox->revealed(), QStringList{"ShowItems[" + uris.join(u',') + "]"});
            QTest::qWait(100);
            QCOMPARE(sandbox->launches().size(), 0);
        }
        sandbox->stopFileManager();
        QFile::remove(service);
        QProcess::execute("pkill", {"-f", KORVANE_FAKE_FM});
    }

    void launchAtLogin() {
        // An entry of an earlier version counts, and goes with the new one.
        sandbox->makeFile("../config/autostart/korvane.desktop",
                          "[Desktop Entry]\nType=Application\nName=Korvane\nExec=korvane\n");
        QVERIFY(platform.launchAtLogin());
        platform.setProgramPath("/opt/$HOME's \"dir\"/100%/korvane");
        QCOMPARE(platform.setLaunchAtLogin(true), std::nullopt);
        QVERIFY(platform.launchAtLogin());
        QVERIFY(!QFile::exists(sandbox->configHome() + "/autostart/korvane.desktop"));
        const QByteArray written = readAll(FreedesktopPlatform::autostartPath());
        QVERIFY2(written.contains("Exec=\"/opt/\\\\$HOME's \\\\\"dir\\\\\"/100%%/korvane\"\n"),
                 written.constData());
        QCOMPARE(platform.setLaunchAtLogin(false), std::nullopt);
        QVERIFY(!QFile::exists(FreedesktopPlatform::autostartPath()));
        QCOMPARE(platform.setLaunchAtLogin(false), std::nullopt); // already off

        const QString dir = sandbox->configHome() + "/autostart";
        QVERIFY(QDir(dir).removeRecursively());
        sandbox->makeFile("../config/autostart"); // a file where the folder should be
        QVERIFY(platform.setLaunchAtLogin(true).value_or(QString()).size() > 0);
        QVERIFY(!platform.launchAtLogin());
        QFile::remove(dir);
    }

    void nouns() {
        QCOMPARE(platform.systemName(), "GNOME");
        QCOMPARE(platform.fileManagerName(), "Test Files");
    }
};

int main(int argc, char** argv) {
    // GLib reads the XDG variables on first use: build the sandbox before anything else.
    FreedesktopSandbox box;
    sandbox = &box;
    if (box.isValid() && !box.startSessionBus()) {
        qWarning("%s", qPrintable(box.error()));
        return 1;
    }
    QCoreApplication app(argc, argv);
    TestFreedesktopPlatform test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_freedesktop_platform.moc"
