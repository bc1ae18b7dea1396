#pragma once

#include <QObject>
#include <memory>

class QMenu;
class QSystemTrayIcon;

namespace korvane {

class AppModel;

// The optional status icon with its menu, rebuilt each time it opens. Freedesktop trays carry
// no drops; the window's drop zone takes files.
class TrayController : public QObject {
    Q_OBJECT

public:
    explicit TrayController(AppModel& model, QObject* parent = nullptr);
    ~TrayController() override;

    void setVisible(bool visible);
    bool isVisible() const { return m_icon != nullptr; }
    QMenu* menu() const { return m_menu.get(); }
    // Fills the menu as it is about to open.
    void rebuildMenu();

Q_SIGNALS:
    void showRequested();
    void openFileRequested();
    void settingsRequested();
    void quitRequested();

private:
    AppModel& m_model;
    std::unique_ptr<QMenu> m_menu;
    std::unique_ptr<QSystemTrayIcon> m_icon;
};

} // namespace korvane
