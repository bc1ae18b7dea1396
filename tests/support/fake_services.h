#pragma once

#include "core/app_chooser.h"
#include "core/panel_service.h"
#include "core/window_service.h"

#include <QList>
#include <QStringList>
#include <optional>

namespace korvane {

// A window that records what the model asked of it.
class FakeWindow : public WindowService {
    Q_OBJECT

public:
    bool minimized = false;
    int activations = 0;
    int restores = 0;
    int raises = 0;

    void activateApplication() override { ++activations; }
    bool isMinimized() const override { return minimized; }
    void restoreMinimized() override {
        ++restores;
        minimized = false;
    }
    void raiseWindow() override { ++raises; }
};

// Panels that answer with scripted paths (nothing = cancelled) and remember what they were asked.
class ScriptedPanels : public PanelService {
    Q_OBJECT

public:
    std::optional<QString> saveAnswer;
    std::optional<QStringList> openAnswer;
    QStringList titles;
    QString proposedName;
    QList<OpenPanelOptions> openOptions;

    std::optional<QString> runSavePanel(const QString& title, const QString& proposed) override {
        titles << title;
        proposedName = proposed;
        return saveAnswer;
    }
    std::optional<QStringList> runOpenPanel(const OpenPanelOptions& options) override {
        titles << options.title;
        openOptions << options;
        return openAnswer;
    }
    void beginOpenPanel(const OpenPanelOptions& options,
                        std::function<void(const std::optional<QStringList>&)> done) override {
        titles << options.title;
        openOptions << options;
        done(openAnswer);
    }
};

class ScriptedChooser : public AppChooser {
    Q_OBJECT

public:
    std::optional<QString> answer;
    QString title;
    std::optional<QString> chooseApp(const QString& t) override {
        title = t;
        return answer;
    }
};

} // namespace korvane
