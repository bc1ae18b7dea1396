#include "command_line.h"

#include "cli_session.h"
#include "core/app_info.h"
#include "core/app_model.h"
#include "core/router.h"
#include "core/rule_store.h"
#include "core/wording.h"
#include "platform/file_names.h"
#include "platform/instance_channel.h"
#include "platform/platform.h"
#include "terminal_text.h"

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

const char* const kOpenHelp =
    "Usage: korvane open [--reveal | --with-defaults] [--] FILE...\n"
    "\n"
    "Opens the files as one drop: each in the application your rules name, the\n"
    "files of one application in one launch. A file that no rule claims is asked\n"
    "about here: type the number of an application, or nothing to skip it.\n"
    "\n"
    "  --reveal          show the files in the file manager instead\n"
    "  --with-defaults   open them with their usual default applications\n";

const char* const kRulesHelp = "Usage: korvane rules\n"
                               "       korvane rules import FILE\n"
                               "       korvane rules export FILE\n"
                               "\n"
                               "Lists the rules, numbered in routing order, or adds the rules of\n"
                               "FILE at the end of the list, or writes every rule to FILE.\n";

const char* const kDefaultHelp =
    "Usage: korvane default set N\n"
    "       korvane default restore N\n"
    "\n"
    "Makes the application of rule N (as 'korvane rules' numbers them) the\n"
    "default for each of its extensions, or puts back the defaults it replaced.\n";

// The window owns the rules and the default-app record while it runs.
bool windowRuns(const InstanceChannel* window, QTextStream& err) {
    if (window && window->isRunning()) {
        err << "korvane: the Korvane window is running; make this change there, or quit it "
               "first\n";
        return true;
    }
    return false;
}

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
            err << "korvane: unknown option '" << terminalText(argument) << "'\n";
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
                          "  open [--reveal | --with-defaults] [--] FILE...\n"
                          "                       open the files as one drop\n"
                          "  route [--] FILE...   show where each file would open\n"
                          "  rules                list the rules\n"
                          "  rules import FILE    add the rules of FILE\n"
                          "  rules export FILE    write the rules to FILE\n"
                          "  default set N        make rule N's app the default\n"
                          "  default restore N    put back the defaults rule N replaced\n"
                          "\n"
                          "Options:\n"
                          "  --help               show this help (also after a command)\n"
                          "  --version            show the version\n"
                          "\n"
                          "Exit status:\n"
                          "  0  everything asked was done\n"
                          "  1  something failed or was refused (a missing file or app, a\n"
                          "     launch or a write that failed, a default that didn't change)\n"
                          "  2  the command was used wrongly\n");
}

int CommandLine::run(const QStringList& arguments, Platform& platform, QTextStream& out,
                     QTextStream& err, QTextStream& in, const InstanceChannel* window) {
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
    if (command == QLatin1String("open")) {
        return open(rest, platform, out, err, in, window);
    }
    if (command == QLatin1String("rules")) {
        return rules(rest, platform, out, err, in, window);
    }
    if (command == QLatin1String("default")) {
        return defaults(rest, platform, out, err, in, window);
    }
    err << "korvane: unknown command '" << terminalText(command) << "'\n\n" << helpText();
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
    QString problem;
    auto rules = RuleStore::read(directory, &problem);
    if (!rules) {
        err << "korvane: " << terminalText(problem) << " Routing without rules.\n";
        rules = QList<Rule>();
    }

    // Existence and folders first; the rest is routed in one batch.
    enum class State { Missing, Folder, Routed };
    QList<State> states;
    QStringList routed;
    const QString here = FileNames::currentFolder();
    for (const QString& file : *files) {
        const QString path = FileNames::absolute(file, here);
        if (!platform.exists(path)) {
            states.append(State::Missing);
            continue;
        }
        if (platform.isFolder(path)) {
            states.append(State::Folder);
            continue;
        }
        states.append(State::Routed);
        routed.append(path);
    }
    const QList<RouteResult> results = Router::routeAll(routed, *rules, platform);

    QHash<QString, QString> names; // app path -> display name
    qsizetype next = 0;
    bool failed = false;
    for (qsizetype i = 0; i < files->size(); ++i) {
        out << terminalText(files->at(i)) << ": ";
        switch (states[i]) {
        case State::Missing:
            out << "not there\n";
            failed = true;
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
            out << terminalText(*it) << " (" << terminalText(result.app) << ")\n";
            break;
        }
        case RouteResult::MissingApp: {
            const QString name = result.rule->appName;
            out << terminalText(Wording::appName(name)) << " wasn't found\n";
            break;
        }
        case RouteResult::None:
            out << "no rule matches\n";
            break;
        }
    }
    return failed ? 1 : 0;
}

int CommandLine::open(const QStringList& arguments, Platform& platform, QTextStream& out,
                      QTextStream& err, QTextStream& in, const InstanceChannel* window) {
    Qt::KeyboardModifiers modifiers;
    QStringList rest = arguments;
    while (!rest.isEmpty()) {
        const QString first = rest.first();
        if (isHelp(first)) {
            out << kOpenHelp;
            return 0;
        }
        if (first == QLatin1String("--reveal") || first == QLatin1String("--with-defaults")) {
            const Qt::KeyboardModifiers flag =
                first == QLatin1String("--reveal") ? Qt::AltModifier : Qt::ShiftModifier;
            if (modifiers && modifiers != flag) {
                err << "korvane: --reveal and --with-defaults exclude each other\n" << kOpenHelp;
                return 2;
            }
            modifiers = flag;
            rest.removeFirst();
            continue;
        }
        break;
    }
    const auto files = fileArguments(rest, err);
    if (!files || files->isEmpty()) {
        if (files) {
            err << "korvane: open needs at least one FILE\n";
        }
        err << kOpenHelp;
        return 2;
    }
    if (window) {
        QStringList paths;
        const QString here = FileNames::currentFolder();
        for (const QString& file : *files) {
            paths << FileNames::absolute(file, here);
        }
        if (window->handOver(paths, modifiers)) {
            out << "Handed "
                << (paths.size() == 1 ? QStringLiteral("1 file")
                                      : QStringLiteral("%1 files").arg(paths.size()))
                << " to the Korvane window.\n";
            return 0;
        }
    }
    return CliSession(platform, out, err, in).open(*files, modifiers);
}

int CommandLine::rules(const QStringList& arguments, Platform& platform, QTextStream& out,
                       QTextStream& err, QTextStream& in, const InstanceChannel* window) {
    if (!arguments.isEmpty() && isHelp(arguments.first())) {
        out << kRulesHelp;
        return 0;
    }
    if (arguments.isEmpty()) {
        return CliSession(platform, out, err, in).listRules();
    }
    const QString verb = arguments.first();
    if ((verb == QLatin1String("import") || verb == QLatin1String("export")) &&
        arguments.size() == 2) {
        if (verb == QLatin1String("import") && windowRuns(window, err)) {
            return 1;
        }
        CliSession session(platform, out, err, in);
        return verb == QLatin1String("import") ? session.importRules(arguments[1])
                                               : session.exportRules(arguments[1]);
    }
    err << "korvane: unknown use of rules: " << terminalText(arguments.join(u' ')) << "\n"
        << kRulesHelp;
    return 2;
}

int CommandLine::defaults(const QStringList& arguments, Platform& platform, QTextStream& out,
                          QTextStream& err, QTextStream& in, const InstanceChannel* window) {
    if (!arguments.isEmpty() && isHelp(arguments.first())) {
        out << kDefaultHelp;
        return 0;
    }
    bool numeric = false;
    const int number = arguments.size() == 2 ? arguments[1].toInt(&numeric) : 0;
    const QString verb = arguments.value(0);
    if (!numeric || (verb != QLatin1String("set") && verb != QLatin1String("restore"))) {
        err << "korvane: default takes 'set N' or 'restore N'\n" << kDefaultHelp;
        return 2;
    }
    if (windowRuns(window, err)) {
        return 1;
    }
    CliSession session(platform, out, err, in);
    return verb == QLatin1String("set") ? session.setDefault(number)
                                        : session.restoreDefault(number);
}

} // namespace korvane
