#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace korvane {

// The file dialogs the window opens: real ones, or scripted answers in tests. Nothing means the
// user cancelled.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // Where to export the rules to.
    virtual std::optional<QString> saveRules() = 0;
    // A rules file to import.
    virtual std::optional<QString> openRules() = 0;
    // Files and folders to open as a drop; returns at once, `done` runs when the dialog closes
    // with a choice.
    virtual void openItems(std::function<void(const QStringList&)> done) = 0;
};

} // namespace korvane
