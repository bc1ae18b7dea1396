#pragma once

#include "core/desktop_opener.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;

namespace korvane {

class AppModel;
class Platform;
class Settings;

// The Settings window: dropped folders, launch at login, the status icon and the taskbar entry,
// and, once given the model, whether Korvane opens files for the desktop.
// A dialog, as screen readers and window managers are told; it closes with Esc.
class SettingsWindow : public QDialog {
    Q_OBJECT

public:
    SettingsWindow(Platform& platform, Settings& settings, QWidget* parent = nullptr);

    // Whether the desktop shows tray icons; tests may pretend either way.
    void setTrayAvailable(bool available);
    void setLaunchAtLogin(bool on);
    // Shows the switches "Open files for the desktop" and "Open web and mail links too", which
    // turn the model's opener.
    void setModel(AppModel& model);
    void turnOpener(DesktopOpener::Scope scope);
    // `turned`: the switch the user turned, which gets the focus back where it had it.
    void turnOpenerNow(DesktopOpener::Scope scope, QWidget* turned, bool focused);

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

private:
    void load();
    QString openerIntro() const;
    QString linksIntro() const;
    // The switches as the opener stands.
    void showOpener();

    Platform& m_platform;
    Settings& m_settings;
    bool m_trayAvailable;
    QComboBox* m_folders;
    QCheckBox* m_login;
    QLabel* m_loginError;
    QCheckBox* m_trayIcon;
    QLabel* m_trayReason;
    QCheckBox* m_inTaskbar;
    AppModel* m_model = nullptr;
    QMetaObject::Connection m_waitingTurn; // a turn of the opener waiting for the rules' follow
    QCheckBox* m_opener;
    QCheckBox* m_openerLinks;
    QLabel* m_openerNote; // what the switch does, then how its last turn ended
};

} // namespace korvane
