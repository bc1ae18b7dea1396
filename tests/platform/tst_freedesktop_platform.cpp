#include "core/app_info.h"
#include "core/router.h"
#include "core/rule_store.h"
#include "platform/freedesktop/freedesktop_platform.h"
#include "support/freedesktop_sandbox.h"
#include "support/test_data.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTest>
#include <QUrl>

using namespace korvane;

namespace {
FreedesktopSandbox* sandbox = nullptr;

} // namespace

// The freedesktop platform on real GIO, shared-mime-info, mimeapps.list and D-Bus, in a private
// desktop whose apps record how they were started.
class TestFreedesktopPlatform : public QObject {
    Q_OBJECT

private:
    FreedesktopPlatform platform;
    QString entry(const QString& id) const { return sandbox->entry(id); }

private Q_SLOTS:
    void initTestCase() { QVERIFY2(sandbox->isValid(), qPrintable(sandbox->error())); }
    void init() { sandbox->clearLaunches(); }

    // Entries by desktop ID, with or without its suffix, also in a subfolder of a system folder;
    // the file that names a type's default.
    void entries() {
        for (const QString id : {"korvane-test-editor", "kde-korvane-sub.desktop"}) {
            const QString full = id.endsWith(".desktop") ? id : id + ".desktop";
            QCOMPARE(platform.applicationForIdentifier(id).value_or(QString()), entry(full));
            QCOMPARE(platform.applicationId(entry(full)), full);
        }
        QCOMPARE(platform.defaultOrigin({"inode/directory"}), sandbox->mimeappsList());
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
        columns<QStringList, QString, int>("names", "app", "launches"); // -1: fails
        row("odd names, one launch",
            QStringList{"with space.txt", "cafe\u0301 nfd.txt", "-leading dash.txt",
                        "100% %f %U.txt", "quote\" and 'single'.txt", "back\\slash.txt"},
            "korvane-test-editor.desktop", 1);
        row("one process per file for %f", QStringList{"one.pdf", "two.pdf"},
            "korvane-test-single.desktop", 2);
        row("program gone", QStringList{"x.txt"}, "korvane-gone-app.desktop", -1);
    }

    void open() {
        const QStringList& names = data<QStringList>("names");
        const QString& app = data<QString>("app");
        const int launches = std::max(0, data<int>("launches"));
        const bool fails = data<int>("launches") < 0;
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
        expected.sort();
        QCOMPARE(sandbox->launched(int(expected.size())), fails ? QStringList() : expected);
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
        const QStringList seen = sandbox->launched(int(files.size()));
        QCOMPARE(QSet<QString>(seen.begin(), seen.end()).size(), files.size());
        const int launches = int(sandbox->launches().size());
        QVERIFY2(launches >= 2 && launches <= 3, qPrintable(QString::number(launches)));
    }

    // GIO knows no wildcards or groups of ours: the apps with a type of the group.
    void groupsListTheirApps_data() {
        columns<int, QString>("group", "app");
        row("images", int(WellKnownType::Image), "korvane-test-viewer.desktop");
        row("video", int(WellKnownType::Video), "korvane-system-player.desktop");
        row("archives", int(WellKnownType::Archive), "kde-korvane-sub.desktop");
    }

    void groupsListTheirApps() {
        const QStringList apps =
            platform.applicationsForType(platform.wellKnownType(WellKnownType(data<int>("group"))));
        QVERIFY2(apps.contains(entry(data<QString>("app"))), qPrintable(apps.join(u' ')));
        QVERIFY(!apps.contains(entry("korvane-test-editor.desktop")));
    }

    // The running file manager selects; one the bus can start is started; without one, the
    // folders open.
    void reveal_data() {
        columns<QString>("fileManager");
        row("running", "running");
        row("installed, started by the bus", "installed");
        row("none: the folders open", "none");
    }

    void reveal() {
        const QString& fileManager = data<QString>("fileManager");
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
            QCOMPARE(sandbox->launched(2),
                     (QStringList{"files: " + sandbox->root() + "/files/one",
                                  "files: " + sandbox->root() + "/files/two"}));
        } else {
            QStringList uris;
            for (const QString& file : files) {
                uris << "\"" + QString::fromUtf8(QUrl::fromLocalFile(file).toEncoded()) + "\"";
            }
            QCOMPARE(sandbox->revealed(), QStringList{"ShowItems[" + uris.join(u',') + "]"});
            QCOMPARE(sandbox->launched(0), QStringList());
        }
        sandbox->stopFileManager();
        QFile::remove(service);
        QProcess::execute("pkill", {"-f", KORVANE_FAKE_FM});
    }

    // The desktop's name in sentences, never the raw value of XDG_CURRENT_DESKTOP.
    void systemName_data() {
        columns<QString, QString>("desktops", "name");
        row("GNOME", "ubuntu:GNOME", "GNOME");
        row("Budgie before GNOME", "Budgie:GNOME", "Budgie");
        row("unknown", "X-Nothing", "your desktop");
    }

    void systemName() {
        const QByteArray saved = qgetenv("XDG_CURRENT_DESKTOP");
        qputenv("XDG_CURRENT_DESKTOP", data<QString>("desktops").toUtf8());
        QCOMPARE(platform.systemName(), data<QString>("name"));
        qputenv("XDG_CURRENT_DESKTOP", saved);
    }

    // The chooser lists what the desktop's app grid shows.
    void entriesAsTheAppGridShowsThem() {
        const QByteArray entry = "[Desktop Entry]\nType=Application\nExec=true %F\nName=";
        sandbox->makeFile("../data/applications/korvane-hidden.desktop",
                          entry + "Hidden\nNoDisplay=true\n");
        sandbox->makeFile("../data/applications/korvane-kde.desktop",
                          entry + "KDE Only\nOnlyShowIn=KDE;\n");
        sandbox->makeFile("../data/applications/korvane-shown.desktop", entry + "Shown\n");
        const auto names = [&] {
            QStringList names;
            for (const ApplicationEntry& e : platform.applicationEntries()) {
                names << e.name;
            }
            return names;
        };
        QTRY_VERIFY_WITH_TIMEOUT(names().contains("Shown"), 10000); // once GIO has seen it
        QVERIFY(names().contains("Test Editor") && !names().contains("Hidden") &&
                !names().contains("KDE Only"));
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
        const QByteArray written = readFile(FreedesktopPlatform::autostartPath());
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
