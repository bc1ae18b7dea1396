#pragma once

#include <QIcon>
#include <QString>

namespace korvane {

class Platform;

// The window's icons: the desktop theme's where it has a fitting one, our own SVGs otherwise.
// Symbols that must look the same everywhere (the drop tray) always use ours. One-colour
// symbols take the palette's text colour.
class Icons {
public:
    static QIcon tray();
    static QIcon drop(bool active);
    static QIcon trash();
    static QIcon plus();
    static QIcon emptyList();
    static QIcon warning();
    static QIcon grip();
    static QIcon more();
    static QIcon genericApp();
    // The icon of an application or file, as the platform names it.
    static QIcon forPath(const QString& path, const Platform& platform);
};

} // namespace korvane
