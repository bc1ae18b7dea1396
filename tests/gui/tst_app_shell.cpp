#include "base/file_names.h"
#include "gui/gui_app.h"
#include "gui/pending_files_dialog.h"
#include "gui/settings_window.h"
#include "gui/sheet_alone.h"
#include "gui/tray_controller.h"
#include "instance/instance_channel.h"
#include "support/widgets.h"

#include <QLocalSocket>
#include <QtConcurrent>
#include <sys/resource.h>
#include <unistd.h>

using namespace korvane;

namespace {

struct ShellFixture {
    QTemporaryDir dir;
    MemoryPlatform platform;
    Settings settings{dir.filePath("Korvane.conf")};
    std::unique_ptr<GuiApp> gui;

    // "[]" in rules.json: no first-run rule.
    explicit ShellFixture(bool trayAvailable = true, const QByteArray& rules = "[]") {
        writeFile(dir.filePath("Korvane/rules.json"), rules);
        gui = std::make_unique<GuiApp>(platform, settings, dir.filePath("Korvane"));
        gui->setTrayProbe([trayAvailable] { return trayAvailable; });
        gui->setTrayAvailable(trayAvailable);
    }
    QCheckBox* box(const char* name) const { return find<QCheckBox>(&gui->settingsWindow(), name); }
};

// What the window's channel logged (korvane.instance) from the first call on.
const QStringList& logged() {
    static QStringList messages;
    static QtMessageHandler next = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (context.category && qstrcmp(context.category, "korvane.instance") == 0) {
                messages << message;
            }
            if (next) { // set once this call returns
                next(type, context, message);
            }
        });
    return messages;
}

// Asks the window over the channel from another thread, as a second process would.
bool fromAnotherThread(std::function<bool()> ask) {
    QFuture<bool> answer = QtConcurrent::run(std::move(ask));
    return QTest::qWaitFor([&] { return answer.isFinished(); }, 5000) && answer.result();
}

} // namespace

class TestAppShell : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A tray host that starts after Korvane is used once it is there; when it leaves, the
    // window keeps its taskbar entry, so it stays reachable.
    void trayHostComesAndGoes() {
        ShellFixture f(false);
        f.settings.setShowInTaskbar(false);
        bool host = false;
        f.gui->setTrayProbe([&] { return host; });
        QVERIFY(!f.box("showTrayIcon")->isEnabled() && !f.gui->tray().isVisible());
        host = true;
        f.gui->checkTray();
        QVERIFY(f.box("showTrayIcon")->isEnabled() && f.gui->tray().isVisible());
        QVERIFY(!f.gui->taskbarEntryShown());
        host = false;
        f.gui->checkTray();
        QVERIFY(!f.gui->tray().isVisible() && f.gui->taskbarEntryShown());
    }

    // Apps installed while the window runs are found by their rules at once.
    void followsTheDesktopsApps() {
        ShellFixture f;
        f.gui->model().store().insertRule(0, ruleFrom("md>Arrived"));
        f.gui->showMainWindow();
        QLabel* name = f.gui->mainWindow().findChild<QLabel*>("appName");
        QTRY_COMPARE(name->text(), "App not found");
        f.platform.addApplication("/apps/arrived.desktop", "arrived.desktop", "Arrived");
        f.platform.announceApplicationsChanged();
        QTRY_COMPARE(name->text(), "Arrived");
    }

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
        columns<bool, bool, bool, QString>("tray", "trayIcon", "inTaskbar", "shown");
        row("both on", true, true, true, "tray taskbar switch:on");
        row("icon only", true, true, false, "tray switch:off");
        row("taskbar only", true, false, true, "taskbar switch:on,fixed quits");
        row("no tray on this desktop", false, true, false, "taskbar switch:on,fixed quits");
    }

    void trayAndTaskbar() {
        ShellFixture f(data<bool>("tray"));
        f.settings.setShowTrayIcon(data<bool>("trayIcon"));
        f.settings.setShowInTaskbar(data<bool>("inTaskbar"));
        f.gui->showMainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&f.gui->mainWindow()));
        QStringList shown;
        shown << (f.gui->tray().isVisible() ? "tray" : "");
        shown << (f.gui->taskbarEntryShown() ? "taskbar" : "");
        shown << QString("switch:") + (f.box("showInTaskbar")->isChecked() ? "on" : "off") +
                     (f.box("showInTaskbar")->isEnabled() ? "" : ",fixed");
        shown << (QApplication::quitOnLastWindowClosed() ? "quits" : "");
        QCOMPARE(shown.join(u' ').simplified(), data<QString>("shown"));
        QCOMPARE(f.settings.showInTaskbar(),
                 data<bool>("inTaskbar")); // the stored value is kept as it is
        QCOMPARE(f.box("showTrayIcon")->isEnabled(), data<bool>("tray"));
        QCOMPARE(find<QLabel>(&f.gui->settingsWindow(), "trayReason")->isHidden(),
                 data<bool>("tray"));
        if (!QApplication::quitOnLastWindowClosed()) { // a click on the icon brings it back
            f.gui->mainWindow().close();
            Q_EMIT find<QSystemTrayIcon>(&f.gui->tray(), "trayIcon")
                ->activated(QSystemTrayIcon::Trigger);
            QVERIFY(f.gui->mainWindow().isVisible());
        }
    }

    // A rules file that can't be read is kept aside at the first change, and the window says
    // where.
    void unreadableRulesAreKeptAside() {
        ShellFixture f(true, "not a rules file");
        f.gui->model().store().appendRules(rulesFrom({"md>Xed"}));
        QTRY_VERIFY(!f.gui->model().alertText().isEmpty());
        QCOMPARE(f.gui->model().alertText(),
                 "Your rules file couldn't be read, so it was kept as " +
                     f.dir.filePath("Korvane/rules.json.unreadable") +
                     " and a new one was started.");
    }

    // The switches write the settings; where the window system can't hide a taskbar entry
    // (Wayland) that switch is only stored, never making a tool window that maps elsewhere.
    void settingsWindow() {
        ShellFixture f;
        f.box("showInTaskbar")->click();
        QVERIFY(!f.settings.showInTaskbar() && !f.gui->taskbarEntryShown());
        f.box("showTrayIcon")->click();
        QVERIFY(!f.settings.showTrayIcon() && f.gui->taskbarEntryShown()); // always reachable
        f.gui->setTaskbarHidable(false);
        f.box("showInTaskbar")->click();
        f.box("showInTaskbar")->click();
        QVERIFY(!f.settings.showInTaskbar() && f.gui->taskbarEntryShown());
        QCOMPARE(f.gui->mainWindow().windowType(), Qt::Window);
        QWidget& settings = f.gui->settingsWindow(); // a dialog of the window, one size only
        QVERIFY(settings.windowType() == Qt::Dialog &&
                settings.parentWidget() == &f.gui->mainWindow() &&
                !(settings.windowFlags() & Qt::WindowMaximizeButtonHint));
        QComboBox* picker = find<QComboBox>(&f.gui->settingsWindow(), "folderPicker");
        QCOMPARE(picker->itemText(1), "Reveal in Test Files"); // the platform's noun
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

    // The switch "Open files for the desktop", by keyboard: it waits while the desktop takes the
    // change, then says what became of it; off puts the default back.
    void openerSwitch() {
        ShellFixture f;
        f.platform.addApplication("/apps/xed.desktop", "xed.desktop", "Xed", {"text/plain"});
        f.platform.setDefault("text/markdown", "/apps/xed.desktop");
        f.gui->model().store().appendRules(rulesFrom({"md>Xed"}));
        QCheckBox* opener = f.box("openForDesktop");
        QLabel* note = find<QLabel>(&f.gui->settingsWindow(), "openerNote");
        QVERIFY(!opener->isHidden() && !opener->isChecked() &&
                opener->focusPolicy() & Qt::TabFocus);
        f.gui->settingsWindow().show();
        QVERIFY(QTest::qWaitForWindowActive(&f.gui->settingsWindow()));
        opener->setFocus();
        f.gui->model().followRules(); // a follow of the rules in flight: the turn waits for it
        QTest::keyClick(opener, Qt::Key_Space);
        QVERIFY(!opener->isEnabled()); // until the desktop has read it back
        QTRY_VERIFY(opener->isEnabled());
        QVERIFY(opener->isChecked() && f.settings.openForDesktop());
        QVERIFY(opener->hasFocus()); // kept through the wait, for the keyboard's next step
        QCOMPARE(note->text(), "Korvane opens 1 file type for the test desktop.");
        QCOMPARE(f.platform.defaultApplicationForType({"text/markdown"}),
                 "/apps/korvane-opener.desktop");
        // Links too, by the switch under it, which only the opener's being on enables.
        QCheckBox* links = f.box("openLinksForDesktop");
        QVERIFY(links->isEnabled() && !links->isChecked());
        QTest::keyClick(links, Qt::Key_Space);
        QTRY_VERIFY(links->isEnabled());
        QVERIFY(links->isChecked() && f.settings.openLinksForDesktop());
        QCOMPARE(f.platform.defaultApplicationForType({"x-scheme-handler/https"}),
                 "/apps/korvane-opener.desktop");
        QTest::keyClick(opener, Qt::Key_Space);
        QTRY_VERIFY(opener->isEnabled());
        QVERIFY(!opener->isChecked() && !f.settings.openForDesktop());
        QVERIFY(!links->isChecked() && !links->isEnabled() && !f.settings.openLinksForDesktop());
        QCOMPARE(f.platform.defaultApplicationForType({"text/markdown"}), "/apps/xed.desktop");
        QCOMPARE(f.platform.defaultApplicationForType({"x-scheme-handler/https"}), std::nullopt);
    }

    // A file the desktop handed over that nothing opens is asked about in the sheet alone: no
    // main window; the answer opens it, and the program ends once the launch is reported back,
    // not when the sheet closes (a launch still in flight then would never start).
    void sheetAlone() {
        QTemporaryDir dir;
        MemoryPlatform platform;
        platform.addApplication("/apps/xed.desktop", "xed.desktop", "Xed", {"text/plain"});
        platform.setOpenOutcome("/apps/xed.desktop", MemoryPlatform::Outcome::Hold);
        bool released = false;
        platform.addFile("/home/me/e.qqq");
        Settings settings(dir.filePath("Korvane.conf"));
        writeFile(dir.filePath("Korvane/rules.json"), "[]");
        bool windowShown = false;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                windowShown =
                    windowShown || (qobject_cast<QMainWindow*>(widget) && widget->isVisible());
                if (auto* sheet = qobject_cast<PendingFilesDialog*>(widget);
                    sheet && sheet->isVisible()) {
                    sheet->choose("/apps/xed.desktop");
                    QTimer::singleShot(200, this, [&] {
                        released = true;
                        platform.releaseHeld();
                    });
                }
            }
        });
        poll.start(20);
        QCOMPARE(askAlone(platform, settings, dir.filePath("Korvane"), {"/home/me/e.qqq"}), 0);
        QVERIFY(released);
        QCOMPARE(platform.orders(MemoryPlatform::Order::Open).size(), 1);
        QCOMPARE(platform.orders().first().files, QStringList{"/home/me/e.qqq"});
        QVERIFY(!windowShown);
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
        f.gui->model().handle(files + QStringList{"/a/gone.md"}, DropMode::Reveal);
        QCOMPARE(f.gui->model().recents().mid(0, 2), (QStringList{"/a/0.md", "/a/10.md"}));
        QCOMPARE(AppModel(f.platform, f.dir.filePath("Korvane"), f.settings).recents(),
                 f.gui->model().recents());
        tray.rebuildMenu();
        QMenu* recent = tray.menu()->actions().at(2)->menu();
        QCOMPARE(recent->actions().size(), 12); // and a separator, and "Clear Recent"
        recent->actions().at(1)->trigger();     // routed again, without modifiers: queued
        QCOMPARE(f.gui->model().pending()->path, "/a/10.md");
        f.platform.addFile("/a/Date & Time.md");
        f.gui->model().handle({"/a/Date & Time.md"}, DropMode::Reveal);
        tray.rebuildMenu(); // a name shown as it is, no mnemonic read in it
        QCOMPARE(tray.menu()->actions().at(2)->menu()->actions().first()->iconText(),
                 "Date & Time.md");
        tray.menu()->actions().at(2)->menu()->actions().last()->trigger();
        QVERIFY(f.gui->model().recents().isEmpty());
        f.platform.addFile("/a/x.qqq");
        f.gui->model().handle({"/a/x.qqq"}, {}); // waits for a question: not opened yet
        QVERIFY(f.gui->model().recents().isEmpty());
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
        InstanceChannel::Outcome outcome; // as `korvane open` asks: how did the drop end?
        QVERIFY(fromAnotherThread([name, odd, &outcome] {
            return InstanceChannel(name).handOver({odd, "/x/gone.md"}, DropMode::Reveal, &outcome);
        }));
        QCOMPARE(f.gui->model().message(), "Revealed 1 item in Test Files");
        QVERIFY(outcome.answered && outcome.failed); // one file wasn't there
        QCOMPARE(outcome.summary, "Revealed 1 item in Test Files");
        QCOMPARE(f.gui->model().recents().value(0), odd);
        InstanceChannel nobody(name + "-nobody");
        QVERIFY(!nobody.requestShow() && nobody.errorString().isEmpty()); // no window: start one
        QVERIFY(QFile::remove(server.socketPath())); // a window that runs but can't be reached
        InstanceChannel blocked(name);
        QVERIFY(!blocked.requestShow() && !blocked.isRunning());
        QCOMPARE(blocked.errorString(), "it doesn't answer");
    }

    // Peers that stay quiet, send too much or pile up are let go; out of descriptors, the window
    // goes on listening. A later start still reaches it.
    void windowOutlastsItsPeers_data() {
        columns<int, int, QByteArray, int>("idleMs", "peers", "sends", "closed");
        row("a quiet peer", 50, 1, QByteArray(), 1);
        row("a message past the limit", 60'000, 1, QByteArray(5000, 'x'), 1);
        row("two past the limit together", 60'000, 2, QByteArray(3000, 'x'), 1);
        row("more than the connections", 60'000, 7, QByteArray(), 3);
        row("out of descriptors", 60'000, 0, QByteArray(), 0);
    }

    void windowOutlastsItsPeers() {
        const QString name = QStringLiteral("korvane-load-%1").arg(getpid());
        InstanceChannel server(name);
        server.setLimits({data<int>("idleMs"), 4, 4096});
        QVERIFY(server.listen());
        std::vector<std::unique_ptr<QLocalSocket>> peers(std::max(data<int>("peers"), 1));
        for (auto& peer : peers) {
            peer = std::make_unique<QLocalSocket>();
            peer->connectToServer(server.socketPath());
            QVERIFY(peer->waitForConnected(1000));
            peer->write(data<QByteArray>("sends"));
        }
        (void)logged();
        if (data<int>("peers") == 0) { // the peer waits while accept fails
#ifdef __SANITIZE_ADDRESS__
            // The sanitizers' checks need descriptors of their own, which this row takes all of.
            QSKIP("not under the sanitizers");
#endif
            rlimit limit{};
            getrlimit(RLIMIT_NOFILE, &limit);
            const rlimit low{64, limit.rlim_max};
            setrlimit(RLIMIT_NOFILE, &low);
            std::vector<int> held;
            for (int fd; (fd = dup(0)) >= 0;) {
                held.push_back(fd);
            }
            QTRY_VERIFY(!logged().filter("couldn't be taken yet").isEmpty()); // tried, waits
            std::for_each(held.begin(), held.end(), close);
            setrlimit(RLIMIT_NOFILE, &limit);
        }
        const auto closed = [&] {
            return std::count_if(peers.begin(), peers.end(), [](const auto& peer) {
                return peer->state() == QLocalSocket::UnconnectedState;
            });
        };
        QTRY_COMPARE(closed(), data<int>("closed"));
        QVERIFY(fromAnotherThread([name] { return InstanceChannel(name).requestShow(); }));
        QTRY_COMPARE(closed(), data<int>("closed") + (data<int>("peers") == 7));
    }

    // A socket folder that another user could enter or swap is never used; the window says so,
    // and so does whoever would reach it.
    void unusableSocketFolderIsSaid_data() {
        columns<QString, QString>("squat", "said"); // run in a temporary folder
        row("ours, open to all", "mkdir -m 777 tmp/korvane-$(id -u)", "other users can enter");
        row("another user's (as root only)",
            "mkdir -m 700 tmp/korvane-$(id -u) && chown 65534 tmp/korvane-*",
            "belongs to another user");
        row("a link in the runtime folder", "mkdir -m 700 run && ln -s /tmp run/korvane",
            "is a symbolic link");
        row("open in the runtime folder", "mkdir -m 700 run && mkdir -m 755 run/korvane",
            "other users can enter");
        row("taken by a file", "mkdir -m 700 run && touch run/korvane", "is not a folder");
    }

    void unusableSocketFolderIsSaid() {
        QTemporaryDir tmp;
        const QByteArray oldTmp = qgetenv("TMPDIR");
        const QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR");
        const QString squat = data<QString>("squat");
        if (QProcess::execute("sh", {"-c", "cd \"$0\" && mkdir tmp && " + squat, tmp.path()})) {
            QSKIP("only root can make a folder of another user");
        }
        qputenv("TMPDIR", QFile::encodeName(tmp.filePath("tmp")));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(tmp.filePath("run"))); // there, or not

        InstanceChannel channel(QStringLiteral("scope"));
        QVERIFY(!channel.handOver({"/x/a.md"}, {}));
        const QString said = channel.errorString();
        QVERIFY(!channel.listen());
        qputenv("TMPDIR", oldTmp);
        qputenv("XDG_RUNTIME_DIR", oldRuntime);
        QCOMPARE(channel.socketPath(), QString());
        QVERIFY(said.contains(tmp.path()) && said.contains(data<QString>("said")));
        ShellFixture f;
        f.gui->serve(channel);
        QVERIFY(f.gui->model().alertText().contains(said));
    }

    // A command of another session never reaches this window.
    void socketIsPrivateToTheSession() {
        QTemporaryDir tmp;
        const QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR");
        QCOMPARE(QProcess::execute("sh", {"-c", "cd \"$0\" && mkdir -m 700 a b", tmp.path()}), 0);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(tmp.filePath("a")));
        InstanceChannel window(QStringLiteral("scope"));
        QVERIFY(window.listen());
        QVERIFY(window.socketPath().startsWith(tmp.filePath("a/korvane/")));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(tmp.filePath("b")));
        QVERIFY(!InstanceChannel(QStringLiteral("scope")).isRunning());
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(tmp.filePath("a")));
        QVERIFY(InstanceChannel(QStringLiteral("scope")).isRunning());
        qputenv("XDG_RUNTIME_DIR", oldRuntime);
    }
};

QTEST_MAIN(TestAppShell)
#include "tst_app_shell.moc"
