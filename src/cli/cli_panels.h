#pragma once

#include "core/panel_service.h"

namespace korvane {

// File panels answered by the command line's arguments.
class CliPanels : public PanelService {
    Q_OBJECT

public:
    explicit CliPanels(QStringList paths, QObject* parent = nullptr)
        : PanelService(parent)
        , m_paths(std::move(paths)) {}

    std::optional<QString> runSavePanel(const QString&, const QString&) override {
        return m_paths.isEmpty() ? std::nullopt : std::optional<QString>(m_paths.first());
    }
    std::optional<QStringList> runOpenPanel(const OpenPanelOptions&) override {
        return m_paths.isEmpty() ? std::nullopt : std::optional<QStringList>(m_paths);
    }
    void beginOpenPanel(const OpenPanelOptions& options,
                        std::function<void(const std::optional<QStringList>&)> done) override {
        done(runOpenPanel(options));
    }

private:
    QStringList m_paths;
};

} // namespace korvane
