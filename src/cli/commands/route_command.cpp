#include "base/file_names.h"
#include "cli/rule_words.h"
#include "cli/terminal_text.h"
#include "command.h"
#include "core/app_resolver.h"
#include "core/default_app_manager.h"
#include "core/desktop_opener.h"
#include "core/router.h"
#include "core/rule_store.h"
#include "core/rules_file.h"
#include "platform/platform.h"
#include "wording/wording.h"

#include <QTextStream>

namespace korvane {

namespace {

class RouteCommand : public Command {
public:
    RouteCommand()
        : Command("route", "[--explain] [--] FILE...",
                  QT_TRANSLATE_NOOP("CliText", "show where each file would open"),
                  QT_TRANSLATE_NOOP("CliText", "Shows which application each file would open "
                                               "in, by your rules,\nwithout opening, recording "
                                               "or changing anything.")) {
        addOption({QStringLiteral("explain"),
                   CliText::tr("Say why: the endings and type considered, each rule's part, the "
                               "command that would run and the desktop's own choice.")});
        m_parser.addPositionalArgument(QStringLiteral("FILE"), CliText::tr("a file to route"));
    }

private:
    // What a rule is about, in the words `korvane rules` uses.
    static QString about(const Rule& rule) {
        const QStringList parts = ruleWords(rule);
        return parts.isEmpty() ? CliText::tr("(no extensions)")
                               : parts.join(CliText::tr("; ", "between a rule's parts"));
    }

    static QString verdictText(const RouteExplanation::Verdict& verdict) {
        using Verdict = RouteExplanation::Verdict;
        if (verdict.beatenBy >= 0) {
            return CliText::tr("also applies, but rule %1 takes the file first")
                .arg(verdict.beatenBy + 1);
        }
        switch (verdict.kind) {
        case Verdict::ByExtension:
            return CliText::tr("applies: it names %1").arg(Wording::extension(verdict.extension));
        case Verdict::ByGroup:
            return CliText::tr("applies: the type is in its group");
        case Verdict::ByFolders:
            return CliText::tr("applies: the file is in its folders");
        case Verdict::Off:
            return CliText::tr("switched off");
        case Verdict::NoApp:
            return CliText::tr("no app");
        case Verdict::Outside:
            return CliText::tr("the file is outside its folders");
        case Verdict::NoMatch:
            break;
        }
        return CliText::tr("doesn't apply");
    }

    // The reasons for one file, indented under its line.
    static void explain(const QString& path, const QList<Rule>& rules, Context& c) {
        const RouteExplanation why = Router::explain(path, rules, c.platform);
        const auto line = [&](const QString& text) { c.out << "  " << terminalText(text) << "\n"; };
        line(why.endings.isEmpty() ? CliText::tr("endings: none")
                                   : CliText::tr("endings: %1").arg(why.endings));
        if (why.type) {
            const Platform::TypeRelations relations = c.platform.relations(*why.type);
            QStringList parts{CliText::tr("type: %1").arg(why.type->identifier)};
            if (!relations.parents.isEmpty()) {
                parts << CliText::tr("parents: %1").arg(Wording::listed(relations.parents));
            }
            if (!relations.aliases.isEmpty()) {
                parts << CliText::tr("also called: %1").arg(Wording::listed(relations.aliases));
            }
            line(parts.join(CliText::tr("; ", "between a rule's parts")));
        } else {
            line(CliText::tr("type: unknown"));
        }
        for (qsizetype i = 0; i < rules.size(); ++i) {
            line(CliText::tr("rule %1 (%2): %3")
                     .arg(i + 1)
                     .arg(about(rules[i]), verdictText(why.verdicts[i])));
        }
        if (why.result.kind == RouteResult::App) {
            if (const QString command = c.platform.commandLine(why.result.app, {path});
                !command.isEmpty()) {
                line(CliText::tr("runs: %1").arg(command));
            }
        }
        // For the type shown, and the file that decides it.
        auto app = why.type ? c.platform.defaultApplicationForType(*why.type)
                            : c.platform.defaultApplicationForFile(path);
        QString origin = why.type ? c.platform.defaultOrigin(*why.type) : QString();
        if (app && c.platform.isKorvane(c.platform.applicationId(*app))) {
            // Korvane is the desktop's opener: what opened these files before it.
            line(
                origin.isEmpty()
                    ? CliText::tr("the desktop: opens it through Korvane")
                    : CliText::tr("the desktop: opens it through Korvane, as %1 says").arg(origin));
            const DefaultAppManager record(c.platform, RuleStore::defaultDirectory());
            app = DesktopOpener::replacedApp(c.platform, record.records(), why.type, path);
            origin.clear();
        }
        if (!app) {
            line(CliText::tr("without Korvane: no app"));
        } else if (origin.isEmpty()) {
            line(
                CliText::tr("without Korvane: %1").arg(AppResolver::displayName(*app, c.platform)));
        } else {
            line(CliText::tr("without Korvane: %1, as %2 says")
                     .arg(AppResolver::displayName(*app, c.platform), origin));
        }
    }

protected:
    int execute(const QStringList& files, Context& c) override {
        if (files.isEmpty()) {
            return usage(c, CliText::tr("route needs at least one FILE"));
        }
        const QString directory = RuleStore::defaultDirectory();
        QString problem;
        auto rules = RulesFile::read(directory, &problem);
        const bool withoutRules = !rules;
        if (!rules) {
            c.err << "korvane: "
                  << CliText::tr("%1 Routing without rules.").arg(terminalText(problem)) << "\n";
            rules = QList<Rule>();
        }

        // Existence and folders first; the rest is routed in one batch.
        enum class State { Missing, Folder, Routed };
        QList<State> states;
        QStringList routed;
        const QString here = FileNames::currentFolder();
        for (const QString& file : files) {
            const QString path = FileNames::absolute(file, here);
            if (!c.platform.exists(path)) {
                states.append(State::Missing);
                continue;
            }
            if (c.platform.isFolder(path)) {
                states.append(State::Folder);
                continue;
            }
            states.append(State::Routed);
            routed.append(path);
        }
        const QList<RouteResult> results = Router::routeAll(routed, *rules, c.platform);

        QHash<QString, QString> names; // app path -> display name
        qsizetype next = 0;
        bool failed = false;
        for (qsizetype i = 0; i < files.size(); ++i) {
            c.out << terminalText(files.at(i)) << ": ";
            switch (states[i]) {
            case State::Missing:
                c.out << CliText::tr("not there") << "\n";
                failed = true;
                continue;
            case State::Folder:
                c.out << CliText::tr("folder") << "\n";
                continue;
            case State::Routed:
                break;
            }
            const RouteResult& result = results[next++];
            switch (result.kind) {
            case RouteResult::App: {
                auto it = names.find(result.app);
                if (it == names.end()) {
                    it = names.insert(result.app, AppResolver::displayName(result.app, c.platform));
                }
                c.out << terminalText(*it) << " (" << terminalText(result.app) << ")\n";
                break;
            }
            case RouteResult::MissingApp:
                failed = true;
                if (AppResolver::namesKorvane(*result.rule, c.platform)) {
                    c.out << Wording::korvaneOpensNothing() << "\n";
                } else {
                    c.out << CliText::tr("%1 wasn't found")
                                 .arg(terminalText(Wording::appName(result.rule->appName)))
                          << "\n";
                }
                break;
            case RouteResult::None:
                c.out << CliText::tr("no rule matches") << "\n";
                break;
            }
            if (m_parser.isSet(QStringLiteral("explain"))) {
                explain(routed[next - 1], *rules, c);
            }
        }
        return failed || withoutRules ? 1 : 0;
    }
};

} // namespace

std::unique_ptr<Command> makeRouteCommand() {
    return std::make_unique<RouteCommand>();
}

} // namespace korvane
