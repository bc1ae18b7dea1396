#include "command_line.h"

#include "core/app_info.h"
#include "core/router.h"
#include "core/rule_store.h"
#include "platform/platform.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QTextStream>

namespace korvane {

namespace {

const char* const kRouteHelp = "Usage: korvane route [--] FILE...\n"
                               "\n"
                               "Shows which application each file would open in, by your rules,\n"
                               "without opening, recording or changing anything.\n";

bool isHelp(const QString& argument) {
    return argument == QLatin1String("--help") || argument == QLatin1String("-h");
}

// FILE arguments after the options: "--" ends the options; any other dash word is unknown.
std::optional<QStringList> fileArguments(const QStringList& arguments, QTextStream& err) {
    QStringList files;
    bool optionsDone = false;
    for (const QString& argument : arguments) {
        if (!optionsDone && argument == QLatin1String("--")) {
            optionsDone = true;
        } else if (!optionsDone && argument.startsWith(u'-') && argument.size() > 1) {
            err << "korvane: unknown option '" << argument << "'\n";
            return std::nullopt;
        } else {
            files.append(argument);
        }
    }
    return files;
}

} // namespace

QString CommandLine::helpText() {
    return QStringLiteral("Usage: korvane [COMMAND] [ARGUMENTS]\n"
                          "\n"
                          "Routes files to the applications your rules name.\n"
                          "\n"
                          "Commands:\n"
                          "  route [--] FILE...   show where each file would open\n"
                          "\n"
                          "Options:\n"
                          "  --help               show this help (also after a command)\n"
                          "  --version            show the version\n");
}

int CommandLine::run(const QStringList& arguments, Platform& platform, QTextStream& out,
                     QTextStream& err) {
    if (arguments.isEmpty() || isHelp(arguments.first())) {
        out << helpText();
        return 0;
    }
    const QString command = arguments.first();
    const QStringList rest = arguments.mid(1);
    if (command == QLatin1String("--version")) {
        out << "korvane " << KORVANE_VERSION << "\n";
        return 0;
    }
    if (command == QLatin1String("route")) {
        return route(rest, platform, out, err);
    }
    err << "korvane: unknown command '" << command << "'\n\n" << helpText();
    return 2;
}

int CommandLine::route(const QStringList& arguments, const Platform& platform, QTextStream& out,
                       QTextStream& err) {
    if (!arguments.isEmpty() && isHelp(arguments.first())) {
        out << kRouteHelp;
        return 0;
    }
    const auto files = fileArguments(arguments, err);
    if (!files || files->isEmpty()) {
        if (files) {
            err << "korvane: route needs at least one FILE\n";
        }
        err << kRouteHelp;
        return 2;
    }
    const QString directory = RuleStore::defaultDirectory();
    auto rules = RuleStore::read(directory);
    if (!rules) {
        err << "korvane: " << QDir(directory).filePath(QStringLiteral("rules.json"))
            << " is not a rules file; routing without rules\n";
        rules = QList<Rule>();
    }

    // Existence and folders first; the rest is routed in one batch.
    enum class State { Missing, Folder, Routed };
    QList<State> states;
    QStringList routed;
    for (const QString& file : *files) {
        const QString path = QFileInfo(file).absoluteFilePath();
        if (!platform.exists(path)) {
            states.append(State::Missing);
            continue;
        }
        const auto kind = platform.itemKind(path);
        if (kind && kind->isDirectory && !kind->isPackage) {
            states.append(State::Folder);
            continue;
        }
        states.append(State::Routed);
        routed.append(path);
    }
    const QList<RouteResult> results = Router::routeAll(routed, *rules, platform);

    QHash<QString, QString> names; // app path -> display name
    qsizetype next = 0;
    for (qsizetype i = 0; i < files->size(); ++i) {
        out << files->at(i) << ": ";
        switch (states[i]) {
        case State::Missing:
            out << "not there\n";
            continue;
        case State::Folder:
            out << "folder\n";
            continue;
        case State::Routed:
            break;
        }
        const RouteResult& result = results[next++];
        switch (result.kind) {
        case RouteResult::App: {
            auto it = names.find(result.app);
            if (it == names.end()) {
                it = names.insert(result.app, AppInfo::displayName(result.app, platform));
            }
            out << *it << " (" << result.app << ")\n";
            break;
        }
        case RouteResult::MissingApp: {
            const QString name = result.rule->appName;
            out << (name.isEmpty() ? QStringLiteral("the app") : name) << " wasn't found\n";
            break;
        }
        case RouteResult::None:
            out << "no rule matches\n";
            break;
        }
    }
    return 0;
}

} // namespace korvane
