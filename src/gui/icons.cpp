#include "icons.h"

#include "platform/platform.h"
#include "style.h"

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
    static const QIcon icon = QIcon(QStringLiteral(":/icons/branch.svg"));
    return icon;
}
QIcon Icons::drop(bool active) {
    return QIcon(active ? QStringLiteral(":/icons/drop-active.svg")
                        : QStringLiteral(":/icons/drop.svg"));
}
QIcon Icons::trash() {
    static const QIcon icon = Style::symbolic(themed("user-trash-symbolic", "trash.svg"));
    return icon;
}
QIcon Icons::plus() {
    static const QIcon icon = Style::symbolic(themed("list-add-symbolic", "plus.svg"));
    return icon;
}
QIcon Icons::emptyList() {
    static const QIcon icon = QIcon(QStringLiteral(":/icons/list.svg"));
    return icon;
}
QIcon Icons::warning() {
    static const QIcon icon = QIcon(QStringLiteral(":/icons/warning.svg"));
    return icon;
}
QIcon Icons::grip() {
    static const QIcon icon = Style::symbolic(QIcon(QStringLiteral(":/icons/grip.svg")));
    return icon;
}
QIcon Icons::more() {
    static const QIcon icon = Style::symbolic(themed("view-more-symbolic", "more.svg"));
    return icon;
}
QIcon Icons::genericApp() {
    static const QIcon icon = themed("application-x-executable", "app.svg");
    return icon;
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
