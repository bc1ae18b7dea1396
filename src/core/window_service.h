#pragma once

#include <QObject>

namespace korvane {

// The main window and the application's activation, as the window front end provides them.
class WindowService : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;
    // Takes the focus from other applications.
    virtual void activateApplication() = 0;
    virtual bool isMinimized() const = 0;
    virtual void restoreMinimized() = 0;
    // Makes the window the key window and brings it to the front.
    virtual void raiseWindow() = 0;
};

} // namespace korvane
