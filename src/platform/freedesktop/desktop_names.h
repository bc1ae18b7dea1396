#pragma once

#include <QString>
#include <QStringList>

namespace korvane::DesktopNames {

// The desktops of XDG_CURRENT_DESKTOP, lower-cased, as desktop-specific lists are named.
QStringList currentDesktops();

// The name of the running desktop to show the user.
QString systemName();

} // namespace korvane::DesktopNames
