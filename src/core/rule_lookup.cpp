#include "rule_lookup.h"

#include "app_resolver.h"
#include "platform/platform.h"

namespace korvane {

RuleLookup RuleLookup::of(const Platform& platform, const QStringList& extensions,
                          const std::optional<TypeGroup>& group) {
    RuleLookup result;
    result.candidates = AppResolver::candidates(extensions, group, platform);
    result.settable = std::any_of(extensions.begin(), extensions.end(), [&](const QString& ext) {
        const auto type = platform.typeForExtension(ext);
        return type && !type->dynamic;
    });
    for (const QString& ext : extensions.mid(0, 6)) {
        const auto type = platform.typeForExtension(ext);
        if (!type) {
            continue;
        }
        const auto app = platform.defaultApplicationForType(*type);
        result.defaults.append({ext, app ? AppResolver::displayName(*app, platform) : QString()});
    }
    return result;
}

} // namespace korvane
