#include "gui_app.h"

#include "app_chooser_dialog.h"
#include "core/app_model.h"
#include "core/settings.h"
#include "gui_file_dialogs.h"
#include "instance/instance_channel.h"
#include "main_window.h"
#include "platform/platform.h"
#include "settings_window.h"
#include "style.h"
#include "tray_controller.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPointer>
#include <QSystemTrayIcon>

namespace korvane {

GuiApp::GuiApp(Platform& platform, Settings& settings, const QString& storeDirectory,
               QObject* parent)
    : QObject(parent)
    , m_platform(platform)
    , m_settings(settings)
    , m_trayAvailable(QSystemTrayIcon::isSystemTrayAvailable())
    , m_taskbarHidable(!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
    , m_model(std::make_unique<AppModel>(platform, storeDirectory, settings)) {
    // The window is the process that edits rules: it writes the list in today's form, and takes
    // up changes written to the file by others.
    m_model->store().normalise();
    m_model->store().watchFile();
    RuleStore& store = m_model->store();
    connect(&store, &RuleStore::unreadableKept, this, [this](const QString& copy) {
        m_model->setAlertText(tr("Your rules file couldn't be read, so it was kept as "
                                 "%1 and a new one was started.")
                                  .arg(QDir::toNativeSeparators(copy)));
    });
    connect(&store, &RuleStore::saved, this, [this](bool ok) {
        if (!ok) {
            m_model->setAlertText(
                tr("Your rules couldn't be saved. %1").arg(m_model->store().lastError()));
        }
    });
    // Apps installed or removed meanwhile show in the rows' menus and lines.
    platform.watchApplications(
        [model = QPointer(m_model.get())] { model ? model->desktopChanged() : void(); });
    ContrastStyle::install(); // before the first widget is polished
    // The chooser's dialogs open over the main window, which the chooser is handed once made.
    m_chooser = std::make_unique<GuiAppChooser>(platform);
    m_mainWindow = std::make_unique<MainWindow>(*m_model, m_chooser.get());
    m_chooser->setParentWindow(m_mainWindow.get());
    m_dialogs = std::make_unique<GuiFileDialogs>(m_mainWindow.get());
    m_mainWindow->setFileDialogs(m_dialogs.get());
    m_settingsWindow = std::make_unique<SettingsWindow>(platform, settings, m_mainWindow.get());
    m_settingsWindow->setTrayAvailable(m_trayAvailable);
    m_settingsWindow->setModel(*m_model);
    m_tray = std::make_unique<TrayController>(*m_model);

    connect(m_mainWindow->settingsAction(), &QAction::triggered, this, &GuiApp::showSettings);
    connect(m_mainWindow->quitAction(), &QAction::triggered, this, &GuiApp::quit);
    connect(m_tray.get(), &TrayController::settingsRequested, this, &GuiApp::showSettings);
    connect(m_tray.get(), &TrayController::showRequested, this, &GuiApp::showMainWindow);
    connect(m_tray.get(), &TrayController::openFileRequested, m_mainWindow.get(),
            &MainWindow::openFile);
    connect(m_tray.get(), &TrayController::quitRequested, this, &GuiApp::quit);
    // Closing the last window and the session's end quit without those actions.
    connect(qApp, &QCoreApplication::aboutToQuit, this, &GuiApp::flush);
    // Any settings change re-applies the appearance; unchanged values change nothing.
    connect(&m_settings, &Settings::changed, this, &GuiApp::applyAppearance);
    // A tray host that starts late (the panel after a login start) or leaves is noticed.
    m_trayCheck.setInterval(std::chrono::seconds(3));
    connect(&m_trayCheck, &QTimer::timeout, this, &GuiApp::checkTray);
    m_trayCheck.start();
    applyAppearance();
}

GuiApp::~GuiApp() {
    m_mainWindow->setFileDialogs(nullptr);
}

void GuiApp::serve(InstanceChannel& channel) {
    connect(&channel, &InstanceChannel::activationTokenReceived, m_mainWindow.get(),
            &MainWindow::setActivationToken);
    connect(&channel, &InstanceChannel::showRequested, this, &GuiApp::showMainWindow);
    // A command that handed the files over hears how the drop ended.
    connect(
        &channel, &InstanceChannel::openRequested, m_model.get(),
        [this, &channel](const QStringList& files, DropMode mode, quint64 reply) {
            m_model->handle(
                files, mode, [this, channel = QPointer(&channel), reply](const DropReport& report) {
                    if (channel && reply != 0) {
                        channel->answer(reply, m_mainWindow->dropSummaryOf(report), report.failed);
                    }
                });
        });
    if (!channel.isListening()) {
        m_model->setAlertText(
            tr("Later starts of Korvane can't reach this window: %1. Until that is "
               "fixed, opening files with Korvane may start another window, and the "
               "commands that change your rules or default apps refuse to run.")
                .arg(channel.errorString()));
    }
}

void GuiApp::flush() {
    RuleStore& store = m_model->store();
    if (m_unsavedReported || !store.savePending() || store.saveNow()) {
        return;
    }
    m_unsavedReported = true; // once, though quitting flushes again
    QMessageBox box(QMessageBox::Warning, tr("Korvane"),
                    tr("Your last changes to the rules couldn't be saved."), QMessageBox::Ok,
                    m_mainWindow.get());
    box.setObjectName(QStringLiteral("unsavedRules"));
    box.setInformativeText(store.lastError());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void GuiApp::quit() {
    flush();
    QCoreApplication::quit();
}

void GuiApp::showMainWindow() {
    m_mainWindow->comeForward();
}

void GuiApp::showSettings() {
    if (!m_settingsWindow->isVisible() && m_mainWindow->isVisible()) { // over the main window
        m_settingsWindow->adjustSize();
        QRect frame = m_settingsWindow->frameGeometry();
        frame.moveCenter(m_mainWindow->frameGeometry().center());
        m_settingsWindow->move(frame.topLeft());
    }
    m_settingsWindow->show();
    m_settingsWindow->raise();
    m_settingsWindow->activateWindow();
}

void GuiApp::setTaskbarHidable(bool hidable) {
    m_taskbarHidable = hidable;
    applyAppearance();
}

void GuiApp::checkTray() {
    if (const bool available = m_trayProbe(); available != m_trayAvailable) {
        setTrayAvailable(available);
    }
}

void GuiApp::setTrayAvailable(bool available) {
    m_trayAvailable = available;
    m_settingsWindow->setTrayAvailable(available);
    applyAppearance();
}

void GuiApp::applyAppearance() {
    const bool trayShown = m_settings.showTrayIcon() && m_trayAvailable;
    m_tray->setVisible(trayShown);
    // Without a tray icon nothing could bring a closed window back: closing it quits.
    QApplication::setQuitOnLastWindowClosed(!trayShown);
    // Only X11 window managers hide a window's taskbar entry on request; elsewhere (Wayland) the
    // setting is only stored.
    const bool taskbar = m_settings.showInTaskbar() || !trayShown || !m_taskbarHidable;
    if (taskbar == m_taskbarShown) {
        return; // repeated calls take no focus
    }
    m_taskbarShown = taskbar;
    m_mainWindow->setTaskbarEntryShown(taskbar); // shows the window again, on top
    if (m_settingsWindow->isVisible()) {
        // The switch was turned in Settings: it stays in front, with the keyboard.
        m_settingsWindow->raise();
        m_settingsWindow->activateWindow();
    } else if (taskbar && m_mainWindow->isVisible()) {
        m_mainWindow->activateWindow();
    }
}

} // namespace korvane
