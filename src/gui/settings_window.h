#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;

namespace korvane {

class Platform;
class Settings;

// The Settings window: dropped folders, launch at login, the status icon and the taskbar entry.
// A dialog, as screen readers and window managers are told; it closes with Esc.
class SettingsWindow : public QDialog {
    Q_OBJECT

public:
    SettingsWindow(Platform& platform, Settings& settings, QWidget* parent = nullptr);

    // Whether the desktop shows tray icons; tests may pretend either way.
    void setTrayAvailable(bool available);
    void setLaunchAtLogin(bool on);

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

private:
    void load();

    Platform& m_platform;
    Settings& m_settings;
    bool m_trayAvailable;
    QComboBox* m_folders;
    QCheckBox* m_login;
    QLabel* m_loginError;
    QCheckBox* m_trayIcon;
    QLabel* m_trayReason;
    QCheckBox* m_inTaskbar;
};

} // namespace korvane
