#pragma once

#include "core/app_chooser.h"
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

class ScriptedChooser : public AppChooser {
    Q_OBJECT

public:
    std::optional<QString> answer;
    std::optional<QString> chooseApp(const QString&) override { return answer; }
};

} // namespace korvane
