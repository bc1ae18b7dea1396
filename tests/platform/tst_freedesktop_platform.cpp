#include "core/app_info.h"
#include "core/router.h"
#include "core/rule_store.h"
#include "platform/freedesktop/freedesktop_platform.h"
#include "support/freedesktop_sandbox.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

using namespace korvane;

namespace {
FreedesktopSandbox* sandbox = nullptr;

// GIO hands %U programs local paths or file URIs; compare them as paths.
QString asPath(const QString& argument) {
    return argument.startsWith("file:") ? QUrl(argument).toLocalFile() : argument;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class TestFreedesktopPlatform : public QObject {
    Q_OBJECT

private:
    FreedesktopPlatform platform;
    QString entry(const QString& id) const { return sandbox->entry(id); }

    // Launches arrive from child processes; wait for `count` of them.
    QList<FreedesktopSandbox::Launch> waitForLaunches(int count) {
        (void)QTest::qWaitFor([&] { return sandbox->launches().size() >= count; }, 10000);
        QTest::qWait(100); // nothing more arrives
        const auto launches = sandbox->launches();
        if (launches.size() != count) {
            qWarning("expected %d launches, saw %d", count, int(launches.size()));
            return {};
        }
        return launches;
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY2(sandbox->isValid(), qPrintable(sandbox->error())); }
    void init() { sandbox->clearLaunches(); }

    void identifiers_data() {
        QTest::addColumn<QString>("identifier");
        QTest::addColumn<QString>("entryId"); // empty for none
        QTest::newRow("with suffix") << "korvane-test-editor.desktop"
                                     << "korvane-test-editor.desktop";
        QTest::newRow("without suffix") << "korvane-test-editor"
                                        << "korvane-test-editor.desktop";
        QTest::newRow("system directory") << "korvane-sys-player"
                                          << "korvane-sys-player.desktop";
        QTest::newRow("subdirectory") << "kde-korvane-sub.desktop"
                                      << "kde-korvane-sub.desktop";
        QTest::newRow("program not installed") << "korvane-test-gone.desktop"
                                               << "";
        QTest::newRow("unknown") << "org.example.nothing"
                                 << "";
        QTest::newRow("empty") << ""
                               << "";
    }

    void identifiers() {
        QFETCH(QString, identifier);
        QFETCH(QString, entryId);
        const auto app = platform.applicationForIdentifier(identifier);
        QCOMPARE(app.value_or(QString()), entryId.isEmpty() ? QString() : entry(entryId));
        if (app) {
            QCOMPARE(platform.bundleIdentifier(*app), entryId);
        }
    }

    // A rules file names any path it likes: only entries GIO finds by ID are applications.
    void untrustedRulesResolveToNothing_data() {
        QTest::addColumn<QString>("bundleID");
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
        QTest::newRow("a plain file") << "" << sandbox->root() + "/files/plain.txt";
        QTest::newRow("program not installed") << "" << entry("korvane-test-gone.desktop");
    }

    void untrustedRulesResolveToNothing() {
        QFETCH(QString, bundleID);
        QFETCH(QString, appPath);
        sandbox->makeFile("elsewhere/my-tool.desktop",
                          "[Desktop Entry]\nType=Application\nName=My Tool\nExec=true %F\n");
        sandbox->makeFile("plain.txt");
        Rule rule;
        rule.bundleID = bundleID;
        rule.appPath = appPath;
        QCOMPARE(AppInfo::resolve(rule, platform), std::nullopt);
        QCOMPARE(platform.bundleIdentifier(appPath), "");
    }

    void displayNames() {
        QCOMPARE(platform.displayName(entry("korvane-test-viewer.desktop")), "Test Viewer");
        QCOMPARE(platform.displayName(sandbox->makeFile("notes.md")), "notes.md");
        const auto entries = platform.applicationEntries();
        QVERIFY(std::any_of(entries.begin(), entries.end(), [&](const ApplicationEntry& e) {
            return e.name == "Sublime Text" && e.path == entry("sublime_text.desktop");
        }));
        QCOMPARE(RuleStore::findSublime(platform).value_or(QString()),
                 entry("sublime_text.desktop"));
    }

    void existsAndKinds() {
        const QString file = sandbox->makeFile("exists.txt");
        const QString folder = sandbox->makeFolder("folder");
        const QString link = sandbox->root() + "/files/broken-link";
        QVERIFY(QFile::link(sandbox->root() + "/files/nothing-here", link));
        QVERIFY(platform.exists(file));
        QVERIFY(platform.exists(folder));
        QVERIFY(!platform.exists(link));
        QVERIFY(!platform.exists(sandbox->root() + "/files/never"));
        QCOMPARE(platform.itemKind(folder)->isDirectory, true);
        QCOMPARE(platform.itemKind(folder)->isPackage, false);
        QCOMPARE(platform.itemKind(file)->isDirectory, false);
    }

    void conformance_data() {
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QString>("groups"); // the groups it conforms to, in declared order
        QTest::addColumn<bool>("dynamic");
        QTest::newRow("gz") << "gz"
                            << "archives" << false;
        QTest::newRow("zip") << "zip"
                             << "archives" << false;
        QTest::newRow("tar.xz's xz") << "xz"
                                     << "archives" << false;
        QTest::newRow("7z") << "7z"
                            << "archives" << false;
        QTest::newRow("rs") << "rs"
                            << "text code" << false;
        QTest::newRow("c") << "c"
                           << "text code" << false;
        QTest::newRow("py") << "py"
                            << "text code" << false;
        QTest::newRow("sh") << "sh"
                            << "text code" << false;
        QTest::newRow("txt") << "txt"
                             << "text" << false;
        QTest::newRow("md") << "md"
                            << "text" << false;
        QTest::newRow("png") << "png"
                             << "images" << false;
        QTest::newRow("JPG upper") << "JPG"
                                   << "images" << false;
        QTest::newRow("mp3") << "mp3"
                             << "audio" << false;
        QTest::newRow("mp4") << "mp4"
                             << "video" << false;
        QTest::newRow("mkv") << "mkv"
                             << "video" << false;
        QTest::newRow("pdf") << "pdf"
                             << "" << false;
        QTest::newRow("undeclared") << "qqqzz"
                                    << "" << true;
    }

    void conformance() {
        QFETCH(QString, extension);
        QFETCH(QString, groups);
        QFETCH(bool, dynamic);
        const auto type = platform.typeForExtension(extension);
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

    void oneInvocationPerGroup() {
        const QStringList files{sandbox->makeFile("a.txt"), sandbox->makeFile("b.md"),
                                sandbox->makeFile("c.txt")};
        std::optional<QString> error = QStringLiteral("not called");
        int calls = 0;
        platform.openFiles(files, entry("korvane-test-editor.desktop"),
                           [&](const std::optional<QString>& e) {
                               error = e;
                               ++calls;
                           });
        QTRY_COMPARE(calls, 1);
        QCOMPARE(error, std::nullopt);
        const auto launches = waitForLaunches(1);
        QCOMPARE(launches.size(), 1);
        QCOMPARE(launches.first().as, "editor");
        QCOMPARE(launches.first().args, files);
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
        QStringList received;
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                received.clear();
                for (const auto& launch : sandbox->launches()) {
                    received << launch.args;
                }
                return received.size() == files.size();
            }(),
            20000);
        const int launches = int(sandbox->launches().size());
        QVERIFY2(launches >= 2 && launches <= 3, qPrintable(QString::number(launches)));
        QCOMPARE(QSet<QString>(received.begin(), received.end()).size(), files.size());
    }

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

    void oddNamesArriveUnchanged() {
        const QStringList names{"with space.txt",
                                QString::fromUtf8("caf\u00e9 nfc.txt"),
                                QString::fromUtf8("cafe\u0301 nfd.txt"),
                                "-leading dash.txt",
                                "100% %f %U.txt",
                                "quote\" and 'single'.txt",
                                "back\\slash.txt",
                                QString::fromUtf8("\u65e5\u672c\u8a9e.txt")};
        QStringList files;
        for (const QString& name : names) {
            files << sandbox->makeFile(name);
        }
        platform.openFiles(files, entry("korvane-test-editor.desktop"), [](auto&&) {});
        const auto launches = waitForLaunches(1);
        QCOMPARE(launches.size(), 1);
        QCOMPARE(launches.first().args, files);
        for (qsizetype i = 0; i < files.size(); ++i) {
            QCOMPARE(launches.first().args[i].toUtf8(), files[i].toUtf8()); // same normal form
        }
    }

    void perFileProgramsGetOneProcessEach() {
        const QStringList files{sandbox->makeFile("one.pdf"), sandbox->makeFile("two.pdf")};
        platform.openFiles(files, entry("korvane-test-single.desktop"), [](auto&&) {});
        const auto launches = waitForLaunches(2);
        QCOMPARE(launches.size(), 2);
        QStringList seen{launches[0].args.value(0), launches[1].args.value(0)};
        seen.sort();
        QCOMPARE(seen, files);
    }

    void openErrorsAreReported() {
        std::optional<QString> error;
        platform.openFiles({sandbox->makeFile("x.txt")}, entry("korvane-test-gone.desktop"),
                           [&](const std::optional<QString>& e) { error = e; });
        QVERIFY(error && !error->isEmpty());
        QCOMPARE(sandbox->launches().size(), 0);
    }

    void missingProgramIsAMissingApp() {
        Rule rule;
        rule.extensions = {"txt"};
        rule.setApp(entry("korvane-test-gone.desktop"), platform);
        rule.bundleID = "korvane-test-gone.desktop"; // as stored while it was installed
        QCOMPARE(rule.appName, "Gone App");
        const RouteResult result = Router::route(sandbox->makeFile("y.txt"), {rule}, platform);
        QCOMPARE(result.kind, RouteResult::MissingApp);
    }

    void defaultsSetAndReadBack() {
        const ContentType png = *platform.typeForExtension("png");
        QCOMPARE(png.identifier, "image/png");
        std::optional<QString> error = QStringLiteral("not called");
        platform.setDefaultApplication(entry("korvane-test-viewer.desktop"), png,
                                       [&](const std::optional<QString>& e, auto&&) { error = e; });
        QCOMPARE(error, std::nullopt);
        QTRY_COMPARE(platform.defaultApplicationForType(png).value_or(QString()),
                     entry("korvane-test-viewer.desktop"));
        QVERIFY(readAll(sandbox->mimeappsList()).contains("image/png=korvane-test-viewer.desktop"));
        const QString picture = sandbox->makeFile(
            "picture.png",
            QByteArray::fromBase64("iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR42mNk+"
                                   "M9QDwADhgGAWjR9awAAAABJRU5ErkJggg=="));
        QCOMPARE(platform.defaultApplicationForFile(picture).value_or(QString()),
                 entry("korvane-test-viewer.desktop"));
        QVERIFY(
            platform.applicationsForFile(picture).contains(entry("korvane-test-viewer.desktop")));

        platform.setDefaultApplication(entry("korvane-test-gone.desktop"), png,
                                       [&](const std::optional<QString>& e, auto&&) { error = e; });
        QVERIFY(error && !error->isEmpty());
    }

    void applicationsForType() {
        const auto apps = platform.applicationsForType(*platform.typeForExtension("md"));
        QVERIFY(apps.contains(entry("korvane-test-editor.desktop")));
        QVERIFY(!apps.contains(entry("korvane-test-viewer.desktop")));
        QVERIFY(!apps.contains(entry("korvane-test-gone.desktop")));
    }

    void revealReachesTheFileManager() {
        QVERIFY2(sandbox->startFileManager(), "the fake file manager did not start");
        const QString a = sandbox->makeFile("reveal/a b.txt");
        const QString b = sandbox->makeFile("reveal/c.txt");
        platform.revealFiles({a, b}, [](auto&&) {});
        QTRY_COMPARE(sandbox->revealed().size(), 1);
        const QString expected = QStringLiteral("ShowItems[\"%1\",\"%2\"]")
                                     .arg(QString::fromUtf8(QUrl::fromLocalFile(a).toEncoded()),
                                          QString::fromUtf8(QUrl::fromLocalFile(b).toEncoded()));
        QCOMPARE(sandbox->revealed().first(), expected);
        QCOMPARE(sandbox->launches().size(), 0);
        sandbox->stopFileManager();
    }

    void revealFallsBackToParentFolders() {
        const QString a = sandbox->makeFile("one/a.txt");
        const QString b = sandbox->makeFile("one/b.txt");
        const QString c = sandbox->makeFile("two/c.txt");
        platform.revealFiles({a, b, c}, [](auto&&) {});
        const auto launches = waitForLaunches(2);
        QCOMPARE(launches.size(), 2);
        QStringList opened;
        for (const auto& launch : launches) {
            QCOMPARE(launch.as, "files");
            for (const QString& arg : launch.args) {
                opened << asPath(arg);
            }
        }
        opened.sort();
        QCOMPARE(opened,
                 (QStringList{sandbox->root() + "/files/one", sandbox->root() + "/files/two"}));
    }

    // A file manager that is installed but not running is started by the bus and selects.
    void revealStartsAnInstalledFileManager() {
        const QString services = sandbox->dataHome() + "/dbus-1/services";
        QDir().mkpath(services);
        QFile service(services + "/org.freedesktop.FileManager1.service");
        QVERIFY(service.open(QIODevice::WriteOnly));
        service.write("[D-BUS Service]\nName=org.freedesktop.FileManager1\nExec=" KORVANE_FAKE_FM
                      " " +
                      QFile::encodeName(sandbox->root()) + "/revealed.log\n");
        service.close();
        QFile::remove(sandbox->root() + "/revealed.log");
        const QString a = sandbox->makeFile("cold/a.txt");
        std::optional<QString> error = QStringLiteral("not called");
        platform.revealFiles({a}, [&](const std::optional<QString>& e) { error = e; });
        QTRY_COMPARE_WITH_TIMEOUT(error, std::nullopt, 15000);
        QCOMPARE(sandbox->revealed().size(), 1);
        QCOMPARE(sandbox->launches().size(), 0); // no folder opened instead
        QFile::remove(service.fileName());
        QProcess::execute("pkill", {"-f", KORVANE_FAKE_FM});
    }

    void openItemUsesTheDefault() {
        const QString folder = sandbox->makeFolder("opened folder");
        platform.openItem(folder);
        const auto launches = waitForLaunches(1);
        QCOMPARE(launches.size(), 1);
        QCOMPARE(launches.first().as, "files");
        QCOMPARE(asPath(launches.first().args.value(0)), folder);
    }

    void launchAtLogin() {
        platform.setProgramPath("/opt/korvane dir/korvane");
        QVERIFY(!platform.launchAtLogin());
        QCOMPARE(platform.setLaunchAtLogin(true), std::nullopt);
        QVERIFY(platform.launchAtLogin());
        const QByteArray entryText = readAll(FreedesktopPlatform::autostartPath());
        QVERIFY(entryText.contains("Exec='/opt/korvane dir/korvane'"));

        QFile file(FreedesktopPlatform::autostartPath());
        QVERIFY(file.open(QIODevice::Append));
        file.write("Hidden=true\n");
        file.close();
        QVERIFY(!platform.launchAtLogin());

        QCOMPARE(platform.setLaunchAtLogin(false), std::nullopt);
        QVERIFY(!QFile::exists(FreedesktopPlatform::autostartPath()));
        QCOMPARE(platform.setLaunchAtLogin(false), std::nullopt); // already off
    }

    void launchAtLoginError() {
        const QString dir = sandbox->configHome() + "/autostart";
        QVERIFY(QDir(dir).removeRecursively());
        QFile blocker(dir);
        QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
        blocker.close();
        const auto error = platform.setLaunchAtLogin(true);
        QVERIFY(error && !error->isEmpty());
        QVERIFY(!platform.launchAtLogin());
        QFile::remove(dir);
    }

    void nouns() {
        QCOMPARE(platform.systemName(), "GNOME");
        qputenv("XDG_CURRENT_DESKTOP", "");
        QCOMPARE(platform.systemName(), "Linux");
        qputenv("XDG_CURRENT_DESKTOP", "Sandbox:GNOME");
        QCOMPARE(platform.fileManagerName(), "Test Files");
        QCOMPARE(platform.optionKeyName(), "Alt");
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
