#include "rule_doctor.h"

#include "app_info.h"
#include "platform/platform.h"
#include "wording.h"

#include <QHash>

namespace korvane {

QList<RuleDoctor::Finding> RuleDoctor::check(const QList<Rule>& rules, const Platform& platform) {
    auto canonical = [](const QString& extension) {
        return extension.normalized(QString::NormalizationForm_C);
    };
    QList<Finding> findings;
    AppLookups apps(platform);
    // The first active rule naming each extension (by canonical form), and each group.
    QHash<QString, int> extensionOwner;
    QHash<int, int> groupOwner;
    for (int i = 0; i < rules.size(); ++i) {
        const Rule& rule = rules[i];
        auto add = [&](Finding::Kind kind, const QString& text) {
            findings.append({i, kind, QStringLiteral("Rule %1: %2").arg(i + 1).arg(text)});
        };
        const bool active = rule.enabled && rule.hasApp();
        if (rule.enabled && rule.extensions.isEmpty() && !rule.group) {
            add(Finding::MatchesNothing, QStringLiteral("matches nothing: it has no extensions "
                                                        "and no type group."));
        } else if (rule.enabled && !rule.hasApp()) {
            add(Finding::MatchesNothing, QStringLiteral("choose an app for this rule."));
        }
        // Which of its extensions and its group earlier rules take first: what, and by which.
        QList<std::pair<QString, int>> taken;
        for (const QString& extension : rule.extensions) {
            if (const int owner = extensionOwner.value(canonical(extension), -1); owner >= 0) {
                taken.append({u'.' + extension, owner});
            }
        }
        const int groupTaker = rule.group ? groupOwner.value(rule.group->value(), -1) : -1;
        const bool wholly = !rule.extensions.isEmpty() || rule.group;
        if (active && wholly && taken.size() == rule.extensions.size() &&
            (!rule.group || groupTaker >= 0)) {
            if (rule.group) {
                taken.append({rule.group->label(), groupTaker});
            }
            QStringList takers;
            for (const auto& [what, owner] : taken) {
                takers << QStringLiteral("%1 by rule %2").arg(what).arg(owner + 1);
            }
            add(Finding::NeverApplies,
                QStringLiteral("never applies: earlier rules take all its files (%1).")
                    .arg(takers.join(QStringLiteral(", "))));
        } else if (active) {
            for (const auto& [what, owner] : taken) {
                add(Finding::Overlap, QStringLiteral("%1 is also in rule %2, which wins for it.")
                                          .arg(what)
                                          .arg(owner + 1));
            }
        }
        if (rule.hasApp()) {
            const auto app = apps.resolve(rule);
            if (AppInfo::namesKorvane(rule, platform)) {
                add(Finding::NamesKorvane, Wording::korvaneOpensNothing() + u'.');
            } else if (!app) {
                add(Finding::MissingApp,
                    QStringLiteral("%1 wasn't found.").arg(Wording::appName(rule.appName)));
            } else if (apps.takesOneFileAtATime(*app)) {
                add(Finding::OneFileAtATime,
                    QStringLiteral("%1 takes one file at a time: a drop of several files starts "
                                   "it once for each, never once for all.")
                        .arg(apps.displayName(*app)));
            }
        }
        for (const QString& extension : rule.extensions) {
            if (extension.contains(u'/') || extension.contains(QChar(0)) ||
                extension.toUtf8().size() > 253) { // "a." and it fill 255 bytes
                add(Finding::NoFileName,
                    QStringLiteral(".%1 can't end any file name.").arg(extension));
                continue;
            }
            const auto type = platform.typeForExtension(extension);
            if (!type || type->dynamic) {
                add(Finding::UnknownExtension,
                    QStringLiteral("%1 has no registered type for .%2, so \"Make default\" can't "
                                   "work for it; routing still does.")
                        .arg(Wording::capitalised(platform.systemName()), extension));
            }
        }
        if (active) {
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
