#include "tray_controller.h"

#include "core/app_model.h"
#include "icons.h"
#include "wording/wording.h"

#include <QFileInfo>
#include <QMenu>
#include <QSystemTrayIcon>

namespace korvane {

TrayController::TrayController(AppModel& model, QObject* parent)
    : QObject(parent)
    , m_model(model)
    , m_menu(std::make_unique<QMenu>()) {
    connect(m_menu.get(), &QMenu::aboutToShow, this, &TrayController::rebuildMenu);
    rebuildMenu();
}

TrayController::~TrayController() = default;

void TrayController::setVisible(bool visible) {
    if (visible == isVisible()) {
        return;
    }
    if (!visible) {
        m_icon.reset();
        return;
    }
    m_icon = std::make_unique<QSystemTrayIcon>(Icons::tray(), this);
    m_icon->setObjectName(QStringLiteral("trayIcon"));
    m_icon->setToolTip(tr("Korvane"));
    m_icon->setContextMenu(m_menu.get());
    connect(m_icon.get(), &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger) {
                    Q_EMIT showRequested();
                }
            });
    m_icon->show();
}

void TrayController::rebuildMenu() {
    QMenu* menu = m_menu.get();
    menu->clear();
    connect(menu->addAction(tr("Show Window")), &QAction::triggered, this,
            &TrayController::showRequested);
    connect(menu->addAction(tr("Open File…")), &QAction::triggered, this,
            &TrayController::openFileRequested);
    QMenu* recent = menu->addMenu(tr("Recent"));
    const QStringList recents = m_model.recents();
    if (recents.isEmpty()) {
        recent->addAction(tr("No recent files"))->setEnabled(false);
    }
    for (const QString& path : recents) {
        QAction* item = recent->addAction(Wording::mnemonicSafe(QFileInfo(path).fileName()));
        item->setData(path);
        item->setToolTip(path);
        // Routed again by the rules, with no modifier keys.
        connect(item, &QAction::triggered, &m_model,
                [this, path] { m_model.handle({path}, DropMode::Route); });
    }
    if (!recents.isEmpty()) {
        recent->addSeparator();
        connect(recent->addAction(tr("Clear Recent")), &QAction::triggered, &m_model,
                &AppModel::clearRecents);
    }
    connect(menu->addAction(tr("Settings…")), &QAction::triggered, this,
            &TrayController::settingsRequested);
    menu->addSeparator();
    connect(menu->addAction(tr("Quit Korvane")), &QAction::triggered, this,
            &TrayController::quitRequested);
}

} // namespace korvane
