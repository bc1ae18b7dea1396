#include "icons.h"

#include "platform/platform.h"

#include <QFileInfo>
#include <QHash>

namespace korvane {

namespace {
QIcon themed(const char* name, const char* fallback) {
    return QIcon::fromTheme(QString::fromLatin1(name),
                            QIcon(QStringLiteral(":/icons/") + QLatin1String(fallback)));
}
} // namespace

QIcon Icons::tray() {
    return QIcon(QStringLiteral(":/icons/branch.svg"));
}
QIcon Icons::drop(bool active) {
    return QIcon(active ? QStringLiteral(":/icons/drop-active.svg")
                        : QStringLiteral(":/icons/drop.svg"));
}
QIcon Icons::trash() {
    return themed("user-trash-symbolic", "trash.svg");
}
QIcon Icons::plus() {
    return themed("list-add-symbolic", "plus.svg");
}
QIcon Icons::emptyList() {
    return QIcon(QStringLiteral(":/icons/list.svg"));
}
QIcon Icons::warning() {
    return QIcon(QStringLiteral(":/icons/warning.svg"));
}
QIcon Icons::grip() {
    return QIcon(QStringLiteral(":/icons/grip.svg"));
}
QIcon Icons::genericApp() {
    return themed("application-x-executable", "app.svg");
}

QIcon Icons::forPath(const QString& path, const Platform& platform) {
    // One look-up and one shared icon per app, however many rows show it (main thread only).
    static QHash<QString, QIcon> cache;
    if (const auto cached = cache.constFind(path); cached != cache.cend()) {
        return *cached;
    }
    const QString name = platform.iconName(path);
    QIcon icon = name.startsWith(u'/') && QFileInfo::exists(name) ? QIcon(name)
                 : name.isEmpty()                                 ? QIcon()
                                                                  : QIcon::fromTheme(name);
    return cache.insert(path, icon.isNull() ? genericApp() : icon).value();
}

} // namespace korvane
