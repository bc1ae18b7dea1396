#include "app_info.h"

#include "platform/platform.h"
#include "rule.h"
#include "unicode.h"

namespace korvane {

QString AppInfo::displayName(const QString& path, const Platform& platform) {
    QString name = platform.displayName(path);
    if (name.endsWith(QLatin1String(".app"), Qt::CaseSensitive)) {
        name.chop(4);
    }
    return name;
}

std::optional<QString> AppInfo::resolve(const Rule& rule, const Platform& platform) {
    if (!rule.bundleID.isEmpty()) {
        if (auto app = platform.applicationForIdentifier(rule.bundleID)) {
            return app;
        }
    }
    if (!rule.appPath.isEmpty() && platform.exists(rule.appPath)) {
        if (!rule.bundleID.isEmpty() &&
            !Unicode::equivalent(platform.bundleIdentifier(rule.appPath), rule.bundleID)) {
            return std::nullopt;
        }
        return rule.appPath;
    }
    return std::nullopt;
}

} // namespace korvane
