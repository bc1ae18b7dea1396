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

// File panels that answer with scripted paths; nothing means cancelled.
class ScriptedPanels : public PanelService {
    Q_OBJECT

public:
    std::optional<QStringList> openAnswer;
    std::optional<QString> runSavePanel(const QString&, const QString&) override { return {}; }
    std::optional<QStringList> runOpenPanel(const OpenPanelOptions&) override { return openAnswer; }
    void beginOpenPanel(const OpenPanelOptions&,
                        std::function<void(const std::optional<QStringList>&)> done) override {
        done(openAnswer);
    }
};

class ScriptedChooser : public AppChooser {
    Q_OBJECT

public:
    std::optional<QString> answer;
    std::optional<QString> chooseApp(const QString&) override { return answer; }
};

} // namespace korvane
