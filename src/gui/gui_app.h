#pragma once

#include <QObject>
#include <QSystemTrayIcon>
#include <QTimer>
#include <functional>
#include <memory>

namespace korvane {

class AppModel;
class GuiAppChooser;
class GuiFileDialogs;
class InstanceChannel;
class MainWindow;
class Platform;
class Settings;
class SettingsWindow;
class TrayController;

// The window program: the model, the main window, the Settings window and the tray icon, kept
// in line with the settings. It runs until an explicit quit, not until its last window closes.
class GuiApp : public QObject {
    Q_OBJECT

public:
    GuiApp(Platform& platform, Settings& settings, const QString& storeDirectory,
           QObject* parent = nullptr);
    ~GuiApp() override;

    AppModel& model() const { return *m_model; }
    MainWindow& mainWindow() const { return *m_mainWindow; }
    SettingsWindow& settingsWindow() const { return *m_settingsWindow; }
    TrayController& tray() const { return *m_tray; }

    // Takes requests from later starts of the program; says when they can't reach it.
    void serve(InstanceChannel& channel);
    void showMainWindow();
    void showSettings();
    // Status icon and taskbar entry as the settings say; the program stays reachable always.
    void applyAppearance();
    bool taskbarEntryShown() const { return m_taskbarShown; }
    // Whether the desktop shows tray icons, and hides a window's taskbar entry on request;
    // tests may pretend either way.
    void setTrayAvailable(bool available);
    // How to ask whether a tray host runs now: it may start after Korvane (launch at login) or
    // go away. Asked every few seconds; tests may ask at once with checkTray().
    void setTrayProbe(std::function<bool()> probe) { m_trayProbe = std::move(probe); }
    void checkTray();
    void setTaskbarHidable(bool hidable);
    // Writes the rules' waiting changes, and reports a failure before the program ends.
    void flush();
    // Quit Korvane: flushes, then ends the program.
    void quit();

private:
    Platform& m_platform;
    Settings& m_settings;
    bool m_trayAvailable;
    std::function<bool()> m_trayProbe = &QSystemTrayIcon::isSystemTrayAvailable;
    QTimer m_trayCheck;
    bool m_taskbarHidable;
    bool m_taskbarShown = true;
    bool m_unsavedReported = false;
    std::unique_ptr<AppModel> m_model;
    std::unique_ptr<MainWindow> m_mainWindow;
    std::unique_ptr<SettingsWindow> m_settingsWindow;
    std::unique_ptr<TrayController> m_tray;
    std::unique_ptr<GuiFileDialogs> m_dialogs;
    std::unique_ptr<GuiAppChooser> m_chooser;
};

} // namespace korvane
