#include "desktop_names.h"

#include "platform_text.h"

#include <QHash>

namespace korvane::DesktopNames {

QStringList currentDesktops() {
    return qEnvironmentVariable("XDG_CURRENT_DESKTOP").toLower().split(u':', Qt::SkipEmptyParts);
}

QString systemName() {
    // The first desktop of XDG_CURRENT_DESKTOP known by its name ("ubuntu:GNOME" is GNOME,
    // "Budgie:GNOME" Budgie); the raw values are not names to show.
    static const QHash<QString, QString> kNames{
        {"gnome", "GNOME"},
        {"kde", "KDE Plasma"},
        {"xfce", "Xfce"},
        {"x-cinnamon", "Cinnamon"},
        {"cinnamon", "Cinnamon"},
        {"mate", "MATE"},
        {"lxqt", "LXQt"},
        {"lxde", "LXDE"},
        {"budgie", "Budgie"},
        {"unity", "Unity"},
        {"pantheon", "Pantheon"},
        {"deepin", "Deepin"},
        {"enlightenment", "Enlightenment"},
        {"cosmic", "COSMIC"},
        {"sway", "Sway"},
        {"hyprland", "Hyprland"},
        {"niri", "niri"},
        {"wayfire", "Wayfire"},
    };
    for (const QString& desktop : currentDesktops()) {
        if (const auto name = kNames.constFind(desktop); name != kNames.cend()) {
            return *name;
        }
    }
    return PlatformText::tr("your desktop");
}

} // namespace korvane::DesktopNames
