#pragma once

#include <QObject>
#include <QString>
#include <optional>

namespace korvane {

// Lets the user pick any installed application; nothing when cancelled.
class AppChooser : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;
    virtual std::optional<QString> chooseApp(const QString& title) = 0;
};

} // namespace korvane
