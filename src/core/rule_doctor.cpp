#include "rule_doctor.h"

#include "app_resolver.h"
#include "links.h"
#include "platform/platform.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

namespace korvane {

namespace {

// Whether `inner` is `outer` or inside it; a relative folder holds nothing.
bool within(const QString& inner, const QString& outer) {
    const QString a = QDir::cleanPath(Rule::folderPath(inner));
    const QString b = QDir::cleanPath(Rule::folderPath(outer));
    return !a.isEmpty() && !b.isEmpty() &&
           (a == b || a.startsWith(b.endsWith(u'/') ? b : b + u'/'));
}

// A folder where both rules apply, as the rules name it: the narrower of two that nest; none
// when their folders are apart. A rule without folders applies everywhere.
std::optional<QString> sharedFolder(const Rule& later, const Rule& earlier) {
    if (later.folders.isEmpty()) {
        return earlier.folders.first();
    }
    for (const QString& mine : later.folders) {
        for (const QString& theirs : earlier.folders) {
            if (within(mine, theirs)) {
                return mine;
            }
            if (within(theirs, mine)) {
                return theirs;
            }
        }
    }
    return std::nullopt;
}

} // namespace

QList<RuleDoctor::Finding> RuleDoctor::check(const QList<Rule>& rules, const Platform& platform) {
    auto canonical = [](const QString& extension) {
        return extension.normalized(QString::NormalizationForm_C);
    };
    QList<Finding> findings;
    AppLookups apps(platform);
    // The first active rule naming each extension (by canonical form), and each group,
    // everywhere.
    QHash<QString, int> extensionOwner;
    QHash<int, int> groupOwner;
    // The earlier active rules limited to folders that name each extension.
    QHash<QString, QList<int>> folderOwners;
    // The earlier active rules' link conditions, with their rules.
    QList<QPair<QString, int>> linkOwners;
    for (int i = 0; i < rules.size(); ++i) {
        const Rule& rule = rules[i];
        auto add = [&](Finding::Kind kind) -> Finding& {
            Finding finding;
            finding.rule = i;
            finding.kind = kind;
            findings.append(finding);
            return findings.last();
        };
        const bool active = rule.enabled && rule.hasApp();
        if (rule.enabled && rule.extensions.isEmpty() && !rule.group && rule.folders.isEmpty() &&
            rule.links.isEmpty()) {
            add(Finding::MatchesNothing);
        } else if (rule.enabled && !rule.hasApp()) {
            add(Finding::ChooseApp);
        }
        // Which of its extensions and its group earlier rules take first, and which rule does.
        QList<Taken> taken;
        for (const QString& extension : rule.extensions) {
            if (const int owner = extensionOwner.value(canonical(extension), -1); owner >= 0) {
                taken.append({extension, std::nullopt, owner});
            }
        }
        const int groupTaker = rule.group ? groupOwner.value(rule.group->value(), -1) : -1;
        // With links, a rule whose files are all taken still takes its links.
        const bool wholly = (!rule.extensions.isEmpty() || rule.group) && rule.links.isEmpty();
        if (active && wholly && taken.size() == rule.extensions.size() &&
            (!rule.group || groupTaker >= 0)) {
            if (rule.group) {
                taken.append({QString(), rule.group, groupTaker});
            }
            add(Finding::NeverApplies).taken = taken;
        } else if (active) {
            for (const Taken& one : std::as_const(taken)) {
                Finding& overlap = add(Finding::Overlap);
                overlap.extension = one.extension;
                overlap.otherRule = one.rule;
            }
        }
        if (active) {
            // Taken first only inside an earlier rule's folders: said once per rule and
            // extension, naming the first of its folders.
            for (const QString& extension : rule.extensions) {
                if (extensionOwner.contains(canonical(extension))) {
                    continue; // taken everywhere: said above
                }
                for (const int owner : folderOwners.value(canonical(extension))) {
                    if (const auto shared = sharedFolder(rule, rules[owner])) {
                        Finding& shadowed = add(Finding::ShadowedInFolder);
                        shadowed.extension = extension;
                        shadowed.otherRule = owner;
                        shadowed.folder = *shared;
                        break; // once per extension: the first rule to take it is enough
                    }
                }
            }
        }
        if (rule.hasApp()) {
            const auto app = apps.resolve(rule);
            if (AppResolver::namesKorvane(rule, platform)) {
                add(Finding::NamesKorvane);
            } else if (!app) {
                add(Finding::MissingApp).appName = rule.appName;
            } else if (apps.takesOneFileAtATime(*app)) {
                add(Finding::OneFileAtATime).appName = apps.displayName(*app);
            }
        }
        for (const QString& extension : rule.extensions) {
            if (extension.contains(u'/') || extension.contains(QChar(0)) ||
                extension.toUtf8().size() > 253) { // "a." and it fill 255 bytes
                add(Finding::NoFileName).extension = extension;
                continue;
            }
            const auto type = platform.typeForExtension(extension);
            if (!type || type->dynamic) {
                add(Finding::UnknownExtension).extension = extension;
            }
        }
        for (const QString& folder : rule.folders) {
            if (!QFileInfo(Rule::folderPath(folder)).isDir()) {
                add(Finding::MissingFolder).folder = folder;
            }
        }
        for (const QString& link : rule.links) {
            if (const QString site = Links::hostWrittenAsLink(link); !site.isEmpty()) {
                Finding& written = add(Finding::LinkWrittenAsLink);
                written.link = link;
                written.site = site;
            } else if (!Links::canMatch(link)) {
                add(Finding::LinkCantMatch).link = link;
            } else if (active) {
                const auto owner =
                    std::find_if(linkOwners.begin(), linkOwners.end(), [&](const auto& earlier) {
                        return Links::covers(earlier.first, link);
                    });
                if (owner != linkOwners.end()) {
                    Finding& shadowed = add(Finding::LinkShadowed);
                    shadowed.link = link;
                    shadowed.otherRule = owner->second;
                }
            }
        }
        if (active) {
            for (const QString& link : rule.links) {
                linkOwners.append({link, i});
            }
        }
        // A rule limited to folders takes its extensions and group there only.
        if (active && !rule.folders.isEmpty()) {
            for (const QString& extension : rule.extensions) {
                folderOwners[canonical(extension)].append(i);
            }
        }
        if (active && rule.folders.isEmpty()) {
            for (const QString& extension : rule.extensions) {
                if (!extensionOwner.contains(canonical(extension))) {
                    extensionOwner.insert(canonical(extension), i);
                }
            }
            if (rule.group && groupTaker < 0) {
                groupOwner.insert(rule.group->value(), i);
            }
        }
    }
    return findings;
}

} // namespace korvane
