#include "base/file_names.h"
#include "cli/terminal_text.h"
#include "command.h"
#include "core/app_resolver.h"
#include "core/default_app_manager.h"
#include "core/desktop_opener.h"
#include "core/links.h"
#include "core/router.h"
#include "core/rule_store.h"
#include "core/rules_file.h"
#include "platform/platform.h"
#include "wording/explain_text.h"
#include "wording/wording.h"

#include <QTextStream>
#include <optional>

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
    // The reasons for one file, indented under its line.
    static void explain(const QString& path, const QList<Rule>& rules,
                        const DefaultAppManager& record, Context& c) {
        const RouteExplanation why =
            DesktopOpener::explain(path, rules, c.platform, record.records());
        for (const QString& line : explanationLines(why, rules, c.platform)) {
            c.out << "  " << terminalText(line) << "\n";
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
        enum class State { Missing, Folder, Routed, Link };
        QList<State> states;
        QStringList routed;
        const QString here = FileNames::currentFolder();
        for (const QString& file : files) {
            if (Links::isLink(file)) {
                states.append(State::Link); // by the rules' links, one by one
                continue;
            }
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

        QHash<QString, QString> names;           // app path -> display name
        std::optional<DefaultAppManager> record; // what the opener replaced
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
            case State::Link:
                break;
            }
            const bool link = states[i] == State::Link;
            const RouteResult& result =
                link ? Router::routeLink(files.at(i), *rules, c.platform) : results[next++];
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
                if (!record) { // read once, for every file explained
                    record.emplace(c.platform, RuleStore::defaultDirectory());
                }
                explain(link ? files.at(i) : routed[next - 1], *rules, *record, c);
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
