#pragma once

#include <QObject>
#include <QString>
#include <optional>

namespace korvane {

// Lets the user pick any installed application; nothing when cancelled. The window's dialog, or
// scripted answers in tests.
class AppChooser : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;
    virtual std::optional<QString> chooseApp(const QString& title) = 0;
    // With the title every "Other…" and "Choose another app…" uses.
    std::optional<QString> choose() { return chooseApp(tr("Choose an App")); }
};

} // namespace korvane
