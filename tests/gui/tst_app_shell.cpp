#include "app/instance_channel.h"
#include "core/app_model.h"
#include "core/settings.h"
#include "gui/gui_app.h"
#include "gui/main_window.h"
#include "gui/settings_window.h"
#include "gui/tray_controller.h"
#include "platform/file_names.h"
#include "support/memory_platform.h"
#include "support/widgets.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QtConcurrent>
#include <sys/stat.h>
#include <unistd.h>

using namespace korvane;

namespace {

struct ShellFixture {
    QTemporaryDir dir;
    MemoryPlatform platform;
    Settings settings{dir.filePath("Korvane.conf")};
    std::unique_ptr<GuiApp> gui;

    explicit ShellFixture(bool trayAvailable = true) {
        QDir().mkpath(dir.filePath("Korvane"));
        QFile rules(dir.filePath("Korvane/rules.json"));
        rules.open(QIODevice::WriteOnly);
        rules.write("[]");
        rules.close();
        gui = std::make_unique<GuiApp>(platform, settings, dir.filePath("Korvane"));
        gui->setTrayAvailable(trayAvailable);
    }
    SettingsWindow& window() const { return gui->settingsWindow(); }
};

QStringList actionTexts(const QMenu* menu) {
    QStringList texts;
    for (QAction* action : menu->actions()) {
        texts << (action->isSeparator() ? QStringLiteral("--") : action->text());
    }
    return texts;
}

} // namespace

class TestAppShell : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void dockRule_data() {
        QTest::addColumn<bool>("menuBar");
        QTest::addColumn<bool>("dock");
        QTest::addColumn<bool>("trayShown");
        QTest::addColumn<bool>("taskbar");
        QTest::addColumn<bool>("dockChecked");
        QTest::addColumn<bool>("dockEnabled");
        QTest::newRow("both on") << true << true << true << true << true << true;
        QTest::newRow("icon only") << true << false << true << false << false << true;
        QTest::newRow("dock only") << false << true << false << true << true << false;
        QTest::newRow("both off keeps the dock")
            << false << false << false << true << true << false;
    }

    void dockRule() {
        QFETCH(bool, menuBar);
        QFETCH(bool, dock);
        QFETCH(bool, trayShown);
        QFETCH(bool, taskbar);
        QFETCH(bool, dockChecked);
        QFETCH(bool, dockEnabled);
        ShellFixture f;
        f.settings.setShowMenuBar(menuBar);
        f.settings.setShowDock(dock);
        QCOMPARE(f.gui->tray().isVisible(), trayShown);
        QCOMPARE(f.gui->taskbarEntryShown(), taskbar);
        QCOMPARE(find<QCheckBox>(&f.window(), "menuBar")->isChecked(), menuBar);
        QCOMPARE(find<QCheckBox>(&f.window(), "dock")->isChecked(), dockChecked);
        QCOMPARE(find<QCheckBox>(&f.window(), "dock")->isEnabled(), dockEnabled);
        QCOMPARE(f.settings.showDock(), dock); // the stored value is kept as it is
    }

    void switchesWriteSettings() {
        ShellFixture f;
        find<QCheckBox>(&f.window(), "dock")->click();
        QVERIFY(!f.settings.showDock() && !f.gui->taskbarEntryShown());
        find<QCheckBox>(&f.window(), "menuBar")->click();
        QVERIFY(!f.settings.showMenuBar());
        QVERIFY(f.gui->taskbarEntryShown()); // always reachable
    }

    void noTrayOnThisDesktop() {
        ShellFixture f(false);
        QVERIFY(!f.gui->tray().isVisible());
        QVERIFY(!find<QCheckBox>(&f.window(), "menuBar")->isEnabled());
        QVERIFY(!find<QLabel>(&f.window(), "trayReason")->isHidden());
        f.settings.setShowDock(false);
        QVERIFY(f.gui->taskbarEntryShown());
    }

    void folderPicker() {
        ShellFixture f;
        QComboBox* picker = find<QComboBox>(&f.window(), "folderPicker");
        QCOMPARE(picker->itemText(1), "Reveal in Finder"); // the platform's noun
        Q_EMIT picker->activated(2);
        QCOMPARE(f.settings.folderBehaviorRaw(), "ignore");
        f.settings.setFolderBehavior("bogus");
        QCOMPARE(picker->currentIndex(), -1);
    }

    void launchAtLogin() {
        ShellFixture f;
        find<QCheckBox>(&f.window(), "login")->click();
        QVERIFY(f.platform.launchAtLogin() && find<QLabel>(&f.window(), "loginError")->isHidden());
        f.platform.setLaunchAtLoginError("Permission denied");
        find<QCheckBox>(&f.window(), "login")->click(); // off fails: springs back on, and says why
        QVERIFY(find<QCheckBox>(&f.window(), "login")->isChecked());
        QVERIFY(find<QLabel>(&f.window(), "loginError")->text().endsWith("Permission denied"));
        QVERIFY(!find<QLabel>(&f.window(), "loginError")->isHidden());
    }

    void trayMenu() {
        ShellFixture f;
        TrayController& tray = f.gui->tray();
        tray.rebuildMenu();
        QMenu* recent = tray.menu()->actions().at(2)->menu();
        QVERIFY(!recent->actions().first()->isEnabled()); // no recent files

        f.platform.addFile("/a/notes.md");
        f.platform.addFile("/b/notes.md");
        f.gui->model().handle({"/a/notes.md", "/b/notes.md"}, Qt::AltModifier);
        tray.rebuildMenu();
        recent = tray.menu()->actions().at(2)->menu();
        QCOMPARE(actionTexts(recent), (QStringList{"notes.md", "notes.md"}));
        f.platform.clearOrders();
        recent->actions().at(1)->trigger(); // routed again, without modifiers: queued
        QCOMPARE(f.gui->model().pending()->path, "/a/notes.md");
        QSignalSpy settings(&tray, &TrayController::settingsRequested);
        tray.menu()->actions().at(3)->trigger();
        QCOMPARE(settings.size(), 1);
    }

    // With the tray icon shown, closing the window keeps Korvane running behind it; without
    // one, nothing could bring the window back, so closing it quits.
    void closingTheWindow_data() {
        QTest::addColumn<bool>("trayAvailable");
        QTest::addColumn<bool>("menuBar");
        QTest::addColumn<bool>("quits");
        QTest::newRow("tray shown") << true << true << false;
        QTest::newRow("tray switched off") << true << false << true;
        QTest::newRow("no tray on this desktop") << false << true << true;
    }

    void closingTheWindow() {
        QFETCH(bool, trayAvailable);
        QFETCH(bool, menuBar);
        QFETCH(bool, quits);
        ShellFixture f(trayAvailable);
        f.settings.setShowMenuBar(menuBar);
        f.gui->showMainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&f.gui->mainWindow()));
        QCOMPARE(QApplication::quitOnLastWindowClosed(), quits);
        if (!quits) {
            f.gui->mainWindow().close();
            f.gui->model().showWindow(); // the same window comes back
            QVERIFY(f.gui->mainWindow().isVisible());
        }
    }

    void secondStartBringsTheWindowForward() {
        ShellFixture f;
        const QString name =
            QStringLiteral("korvane-test-%1").arg(QCoreApplication::applicationPid());
        InstanceChannel server(name);
        QVERIFY(server.listen());
        f.gui->serve(server);
        InstanceChannel secondServer(name);
        QVERIFY(!secondServer.listen()); // only one window per user

        QFuture<bool> shown =
            QtConcurrent::run([name] { return InstanceChannel(name).requestShow(); });
        QTRY_VERIFY(shown.isFinished());
        QVERIFY(shown.result());
        QVERIFY(f.gui->mainWindow().isVisible());
        QTRY_COMPARE(QApplication::activeWindow(), &f.gui->mainWindow());

        f.platform.addFile("/x/handed.md");
        QFuture<bool> handed = QtConcurrent::run(
            [name] { return InstanceChannel(name).handOver({"/x/handed.md"}, Qt::AltModifier); });
        QTRY_VERIFY(handed.isFinished());
        QVERIFY(handed.result());
        QTRY_COMPARE(f.gui->model().message(), "Revealed 1 item in Finder");

        QVERIFY(!InstanceChannel(name + "-nobody").requestShow());

        // A file name that is not UTF-8 arrives as its bytes.
        const QString odd = FileNames::decode("/x/\xff\xfe.md");
        f.platform.addFile(odd);
        handed =
            QtConcurrent::run([name, odd] { return InstanceChannel(name).handOver({odd}, {}); });
        QTRY_VERIFY(handed.isFinished());
        QVERIFY(handed.result());
        QTRY_COMPARE(f.gui->model().recents().value(0), odd);
    }

    // Another local user's folder in the shared temporary folder is never trusted, and a
    // command of another session never reaches this window.
    void socketIsPrivateToTheSession() {
        QTemporaryDir tmp;
        const QByteArray oldTmp = qgetenv("TMPDIR");
        const QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR");
        qputenv("TMPDIR", QFile::encodeName(tmp.path()));
        qunsetenv("XDG_RUNTIME_DIR");
        const QString squatted = tmp.path() + QStringLiteral("/korvane-%1").arg(getuid());
        QVERIFY(QDir().mkpath(squatted));
        QVERIFY(chmod(QFile::encodeName(squatted).constData(), 0777) == 0);
        QCOMPARE(InstanceChannel(QStringLiteral("scope")).socketPath(), QString());
        if (getuid() == 0) {
            QVERIFY(chmod(QFile::encodeName(squatted).constData(), 0700) == 0);
            QVERIFY(chown(QFile::encodeName(squatted).constData(), 65534, 65534) == 0);
            QCOMPARE(InstanceChannel(QStringLiteral("scope")).socketPath(), QString());
        }
        InstanceChannel refused(QStringLiteral("scope"));
        QVERIFY(!refused.listen());
        QVERIFY(!refused.handOver({"/x/a.md"}, {}));

        const QString sessionA = tmp.path() + "/a";
        const QString sessionB = tmp.path() + "/b";
        for (const QString& dir : {sessionA, sessionB}) {
            QVERIFY(QDir().mkpath(dir));
            QVERIFY(chmod(QFile::encodeName(dir).constData(), 0700) == 0);
        }
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(sessionA));
        InstanceChannel window(QStringLiteral("scope"));
        QVERIFY(window.listen());
        QVERIFY(window.socketPath().startsWith(sessionA + "/korvane/"));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(sessionB));
        QVERIFY(!InstanceChannel(QStringLiteral("scope")).isRunning());
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(sessionA));
        QVERIFY(InstanceChannel(QStringLiteral("scope")).isRunning());
        qputenv("TMPDIR", oldTmp);
        qputenv("XDG_RUNTIME_DIR", oldRuntime);
    }
};

QTEST_MAIN(TestAppShell)
#include "tst_app_shell.moc"
