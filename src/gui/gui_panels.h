#pragma once

#include "core/panel_service.h"

class QWidget;

namespace korvane {

// Real file dialogs for import, export and Open File.
class GuiPanels : public PanelService {
    Q_OBJECT

public:
    explicit GuiPanels(QWidget* parentWindow, QObject* parent = nullptr);

    std::optional<QString> runSavePanel(const QString& title, const QString& proposedName) override;
    std::optional<QStringList> runOpenPanel(const OpenPanelOptions& options) override;
    void beginOpenPanel(const OpenPanelOptions& options,
                        std::function<void(const std::optional<QStringList>&)> done) override;

private:
    QWidget* m_parentWindow;
};

} // namespace korvane
