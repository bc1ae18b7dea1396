#include "app/instance_channel.h"
#include "core/app_model.h"
#include "core/settings.h"
#include "gui/gui_app.h"
#include "gui/main_window.h"
#include "gui/settings_window.h"
#include "gui/tray_controller.h"
#include "platform/file_names.h"
#include "support/memory_platform.h"
#include "support/test_data.h"
#include "support/widgets.h"

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
        writeFile(dir.filePath("Korvane/rules.json"), "[]"); // no first-run rule
        gui = std::make_unique<GuiApp>(platform, settings, dir.filePath("Korvane"));
        gui->setTrayAvailable(trayAvailable);
    }
    QCheckBox* box(const char* name) const { return find<QCheckBox>(&gui->settingsWindow(), name); }
};

// Asks the window over the channel from another thread, as a second process would.
bool fromAnotherThread(std::function<bool()> ask) {
    QFuture<bool> answer = QtConcurrent::run(std::move(ask));
    return QTest::qWaitFor([&] { return answer.isFinished(); }, 5000) && answer.result();
}

} // namespace

class TestAppShell : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Quitting writes what waits; a change that can't be written is reported before the end,
    // and tearing down does no file work of its own (run under the sanitizers too).
    void quitFlushesTheRules() {
        ShellFixture f;
        f.gui->model().store().insertRule(0, ruleFrom("md>"));
        const QString file = f.dir.filePath("Korvane/rules.json");
        QVERIFY(QFile::remove(file) && QDir().mkpath(file)); // can't be replaced now
        QString reported = "no report";
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                reported = box->informativeText();
                box->accept();
            }
        });
        f.gui->mainWindow().quitAction()->trigger();
        QVERIFY2(reported.startsWith(file), qPrintable(reported));
        f.gui.reset();
        QVERIFY(QFileInfo(file).isDir());
    }

    // The tray icon and the taskbar entry: one of them is always there. With the tray shown,
    // closing the window keeps Korvane running behind it; without it, closing quits.
    void trayAndTaskbar_data() {
        columns<bool, bool, bool, QString>("tray", "menuBar", "dock", "shown");
        row("both on", true, true, true, "tray taskbar dock:on");
        row("icon only", true, true, false, "tray dock:off");
        row("dock only", true, false, true, "taskbar dock:on,fixed quits");
        row("no tray on this desktop", false, true, false, "taskbar dock:on,fixed quits");
    }

    void trayAndTaskbar() {
        ShellFixture f(data<bool>("tray"));
        f.settings.setShowMenuBar(data<bool>("menuBar"));
        f.settings.setShowDock(data<bool>("dock"));
        f.gui->showMainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&f.gui->mainWindow()));
        QStringList shown;
        shown << (f.gui->tray().isVisible() ? "tray" : "");
        shown << (f.gui->taskbarEntryShown() ? "taskbar" : "");
        shown << QString("dock:") + (f.box("dock")->isChecked() ? "on" : "off") +
                     (f.box("dock")->isEnabled() ? "" : ",fixed");
        shown << (QApplication::quitOnLastWindowClosed() ? "quits" : "");
        QCOMPARE(shown.join(u' ').simplified(), data<QString>("shown"));
        QCOMPARE(f.settings.showDock(), data<bool>("dock")); // the stored value is kept as it is
        QCOMPARE(f.box("menuBar")->isEnabled(), data<bool>("tray"));
        QCOMPARE(find<QLabel>(&f.gui->settingsWindow(), "trayReason")->isHidden(),
                 data<bool>("tray"));
        if (!QApplication::quitOnLastWindowClosed()) {
            f.gui->mainWindow().close();
            Q_EMIT find<QSystemTrayIcon>(&f.gui->tray(), "trayIcon")
                ->activated(
                    QSystemTrayIcon::Trigger); // a click on the icon brings the same window back
            QVERIFY(f.gui->mainWindow().isVisible());
        }
    }

    // The switches write the settings; where the window system can't hide a taskbar entry
    // (Wayland) that switch is only stored, never making a tool window that maps elsewhere.
    void settingsWindow() {
        ShellFixture f;
        f.box("dock")->click();
        QVERIFY(!f.settings.showDock() && !f.gui->taskbarEntryShown());
        f.box("menuBar")->click();
        QVERIFY(!f.settings.showMenuBar() && f.gui->taskbarEntryShown()); // always reachable
        f.gui->setTaskbarHidable(false);
        f.box("dock")->click();
        f.box("dock")->click();
        QVERIFY(!f.settings.showDock() && f.gui->taskbarEntryShown());
        QCOMPARE(f.gui->mainWindow().windowType(), Qt::Window);
        QComboBox* picker = find<QComboBox>(&f.gui->settingsWindow(), "folderPicker");
        QCOMPARE(picker->itemText(1), "Reveal in Finder"); // the platform's noun
        Q_EMIT picker->activated(2);
        QCOMPARE(f.settings.folderBehaviorRaw(), "ignore");
        QLabel* error = find<QLabel>(&f.gui->settingsWindow(), "loginError");
        f.box("login")->click();
        QVERIFY(f.platform.launchAtLogin() && error->isHidden());
        f.platform.setLaunchAtLoginError("Permission denied");
        f.box("login")->click(); // off fails: springs back on, and says why
        QVERIFY(f.box("login")->isChecked());
        QVERIFY(error->text().endsWith("Permission denied") && !error->isHidden());
    }

    // The tray's recent files: newest first, each once, ten at most, kept across starts; one
    // opens again as a new drop.
    void trayMenuAndRecents() {
        ShellFixture f;
        TrayController& tray = f.gui->tray();
        tray.rebuildMenu();
        QVERIFY(!tray.menu()->actions().at(2)->menu()->actions().first()->isEnabled()); // none
        QStringList files;
        for (int i = 0; i < 12; ++i) {
            files << QStringLiteral("/a/%1.md").arg(i % 11);
            f.platform.addFile(files.last());
        }
        f.gui->model().handle(files + QStringList{"/a/gone.md"}, Qt::AltModifier);
        QCOMPARE(f.gui->model().recents().mid(0, 2), (QStringList{"/a/0.md", "/a/10.md"}));
        QCOMPARE(AppModel(f.platform, f.dir.filePath("Korvane"), f.settings).recents(),
                 f.gui->model().recents());
        tray.rebuildMenu();
        QMenu* recent = tray.menu()->actions().at(2)->menu();
        QCOMPARE(recent->actions().size(), 10);
        recent->actions().at(1)->trigger(); // routed again, without modifiers: queued
        QCOMPARE(f.gui->model().pending()->path, "/a/10.md");
        f.platform.addFile("/a/Date & Time.md");
        f.gui->model().handle({"/a/Date & Time.md"}, Qt::AltModifier);
        tray.rebuildMenu(); // a name shown as it is, no mnemonic read in it
        QCOMPARE(tray.menu()->actions().at(2)->menu()->actions().first()->iconText(),
                 "Date & Time.md");
    }

    // One window per session: a second start shows it, or hands it files with modifiers, by
    // their bytes.
    void secondStartBringsTheWindowForward() {
        ShellFixture f;
        const QString name =
            QStringLiteral("korvane-test-%1").arg(QCoreApplication::applicationPid());
        InstanceChannel server(name);
        QVERIFY(server.listen());
        f.gui->serve(server);
        QVERIFY(!InstanceChannel(name).listen());
        QSignalSpy tokens(&server, &InstanceChannel::activationTokenReceived);
        qputenv("XDG_ACTIVATION_TOKEN", "launcher-token");
        QVERIFY(fromAnotherThread([name] { return InstanceChannel(name).requestShow(); }));
        qunsetenv("XDG_ACTIVATION_TOKEN");
        QCOMPARE(tokens.value(0).value(0).toString(), "launcher-token");
        QVERIFY(f.gui->mainWindow().isVisible());
        QTRY_COMPARE(QApplication::activeWindow(), &f.gui->mainWindow());
        const QString odd = FileNames::decode("/x/\xff\xfe.md");
        f.platform.addFile(odd);
        QVERIFY(fromAnotherThread(
            [name, odd] { return InstanceChannel(name).handOver({odd}, Qt::AltModifier); }));
        QTRY_COMPARE(f.gui->model().message(), "Revealed 1 item in Finder");
        QCOMPARE(f.gui->model().recents().value(0), odd);
        QVERIFY(!InstanceChannel(name + "-nobody").requestShow()); // no window: start one
    }
    // Another local user's folder in the shared temporary folder is never trusted, and a
    // command of another session never reaches this window.
    void socketIsPrivateToTheSession() {
        QTemporaryDir tmp;
        const QByteArray oldTmp = qgetenv("TMPDIR");
        const QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR");
        qputenv("TMPDIR", QFile::encodeName(tmp.path()));
        qunsetenv("XDG_RUNTIME_DIR");
        const auto sh = [&](const QString& script) {
            return QProcess::execute("sh", {"-c", "cd \"$0\" && " + script, tmp.path()});
        };
        // Where ours would be: a folder open to all, then one of another user (as root only).
        for (const char* squat :
             {"mkdir -m 777 korvane-$(id -u)", "chmod 700 korvane-* && chown 65534 korvane-*"}) {
            QVERIFY(sh(squat) == 0 || getuid() != 0);
            QCOMPARE(InstanceChannel(QStringLiteral("scope")).socketPath(), QString());
            QVERIFY(!InstanceChannel(QStringLiteral("scope")).listen());
            QVERIFY(!InstanceChannel(QStringLiteral("scope")).handOver({"/x/a.md"}, {}));
        }
        QCOMPARE(sh("mkdir -m 700 a b"), 0);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(tmp.filePath("a")));
        InstanceChannel window(QStringLiteral("scope"));
        QVERIFY(window.listen());
        QVERIFY(window.socketPath().startsWith(tmp.filePath("a/korvane/")));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(tmp.filePath("b")));
        QVERIFY(!InstanceChannel(QStringLiteral("scope")).isRunning());
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(tmp.filePath("a")));
        QVERIFY(InstanceChannel(QStringLiteral("scope")).isRunning());
        qputenv("TMPDIR", oldTmp);
        qputenv("XDG_RUNTIME_DIR", oldRuntime);
    }
};

QTEST_MAIN(TestAppShell)
#include "tst_app_shell.moc"
