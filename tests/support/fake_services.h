#pragma once

#include "core/app_chooser.h"
#include "core/panel_service.h"
#include "core/window_service.h"

namespace korvane {

// A window that counts what the model asked of it.
class FakeWindow : public WindowService {
    Q_OBJECT

public:
    bool minimized = false;
    int activations = 0;
    int restores = 0;

    void activateApplication() override { ++activations; }
    bool isMinimized() const override { return minimized; }
    void restoreMinimized() override {
        ++restores;
        minimized = false;
    }
    void raiseWindow() override {}
};

// An open panel that answers with the paths given; nothing means cancelled.
class ScriptedPanels : public PanelService {
public:
    explicit ScriptedPanels(std::optional<QStringList> answer)
        : m_answer(std::move(answer)) {}
    std::optional<QString> runSavePanel(const QString&, const QString&) override { return {}; }
    std::optional<QStringList> runOpenPanel(const OpenPanelOptions&) override { return m_answer; }
    void beginOpenPanel(const OpenPanelOptions&,
                        std::function<void(const std::optional<QStringList>&)> done) override {
        done(m_answer);
    }

private:
    std::optional<QStringList> m_answer;
};

class ScriptedChooser : public AppChooser {
    Q_OBJECT

public:
    std::optional<QString> answer;
    std::optional<QString> chooseApp(const QString&) override { return answer; }
};

} // namespace korvane
