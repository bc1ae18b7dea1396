#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace korvane {

struct OpenPanelOptions {
    QString title;
    bool chooseFiles = true;
    bool chooseFolders = false;
    bool multipleSelection = false;
    bool jsonOnly = false;
};

// File panels, as a front end provides them: real dialogs in the window, given paths on the
// command line, scripted answers in tests. Nothing means the user cancelled.
class PanelService : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;
    // A modal save panel for a JSON file.
    virtual std::optional<QString> runSavePanel(const QString& title,
                                                const QString& proposedName) = 0;
    virtual std::optional<QStringList> runOpenPanel(const OpenPanelOptions& options) = 0;
    // Returns at once; `done` runs on the main thread when the panel closes.
    virtual void beginOpenPanel(const OpenPanelOptions& options,
                                std::function<void(const std::optional<QStringList>&)> done) = 0;
};

} // namespace korvane
