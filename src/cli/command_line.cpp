#include "command_line.h"

#include "app/instance_channel.h"
#include "cli_session.h"
#include "core/app_info.h"
#include "core/router.h"
#include "core/rule_store.h"
#include "core/wording.h"
#include "platform/file_names.h"
#include "platform/platform.h"
#include "terminal_text.h"

#include <QCommandLineParser>
#include <QHash>
#include <QRegularExpression>
#include <QTextStream>
#include <memory>

namespace korvane {

namespace {

struct Context {
    Platform& platform;
    QTextStream& out;
    QTextStream& err;
    QTextStream& in;
    const InstanceChannel* window;
};

// One command: its options and arguments, parsed by QCommandLineParser, and what it does.
class Command {
public:
    Command(const char* name, const char* syntax, const char* summary, const char* description)
        : m_name(QLatin1String(name))
        , m_syntax(QLatin1String(syntax))
        , m_summary(QLatin1String(summary)) {
        m_parser.setApplicationDescription(QLatin1String(description));
        m_parser.addHelpOption();
        m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    }
    virtual ~Command() = default;

    QString name() const { return m_name; }
    QString summary() const { return m_summary; }
    QString syntax() const { return m_syntax; }
    QString description() const { return m_parser.applicationDescription(); }
    const QList<QCommandLineOption>& options() const { return m_options; }
    QString help() const {
        QString text = m_parser.helpText();
        text.replace(0, text.indexOf(u'\n'),
                     QStringLiteral("Usage: korvane %1 %2").arg(m_name, m_syntax));
        return text.remove(QRegularExpression(QStringLiteral("  --help-all [^\n]*\n")));
    }

    int run(const QStringList& arguments, Context& c) {
        if (!m_parser.parse(QStringList{m_name} + arguments)) {
            QString error = m_parser.errorText();
            return usage(c, error.replace(0, 1, error.at(0).toLower()));
        }
        if (m_parser.isSet(QStringLiteral("help"))) {
            c.out << help();
            return 0;
        }
        return execute(m_parser.positionalArguments(), c);
    }

protected:
    virtual int execute(const QStringList& arguments, Context& c) = 0;

    void addOption(const QCommandLineOption& option) {
        m_parser.addOption(option);
        m_options.append(option);
    }

    int usage(Context& c, const QString& problem) const {
        c.err << "korvane: " << terminalText(problem) << "\n\n" << help();
        return 2;
    }
    // The window owns the rules and the default-app record while it runs. When it can't be
    // reached, it may run: nothing is changed then either.
    static bool windowRuns(Context& c) {
        if (c.window && c.window->isRunning()) {
            c.err << "korvane: the Korvane window is running; make this change there, or quit "
                     "it first\n";
            return true;
        }
        if (c.window && !c.window->errorString().isEmpty()) {
            c.err << "korvane: the Korvane window can't be reached: "
                  << terminalText(c.window->errorString())
                  << ". Nothing was changed, since it may be using these files.\n";
            return true;
        }
        return false;
    }

    QCommandLineParser m_parser;

private:
    QString m_name;
    QString m_syntax;
    QString m_summary;
    QList<QCommandLineOption> m_options;
};

class RouteCommand : public Command {
public:
    RouteCommand()
        : Command("route", "[--] FILE...", "show where each file would open",
                  "Shows which application each file would open in, by your rules,\n"
                  "without opening, recording or changing anything.") {
        m_parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("a file to route"));
    }

protected:
    int execute(const QStringList& files, Context& c) override {
        if (files.isEmpty()) {
            return usage(c, QStringLiteral("route needs at least one FILE"));
        }
        const QString directory = RuleStore::defaultDirectory();
        QString problem;
        auto rules = RuleStore::read(directory, &problem);
        const bool withoutRules = !rules;
        if (!rules) {
            c.err << "korvane: " << terminalText(problem) << " Routing without rules.\n";
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
                c.out << "not there\n";
                failed = true;
                continue;
            case State::Folder:
                c.out << "folder\n";
                continue;
            case State::Routed:
                break;
            }
            const RouteResult& result = results[next++];
            switch (result.kind) {
            case RouteResult::App: {
                auto it = names.find(result.app);
                if (it == names.end()) {
                    it = names.insert(result.app, AppInfo::displayName(result.app, c.platform));
                }
                c.out << terminalText(*it) << " (" << terminalText(result.app) << ")\n";
                break;
            }
            case RouteResult::MissingApp:
                failed = true;
                if (AppInfo::namesKorvane(*result.rule, c.platform)) {
                    c.out << Wording::korvaneOpensNothing() << "\n";
                } else {
                    c.out << terminalText(Wording::appName(result.rule->appName))
                          << " wasn't found\n";
                }
                break;
            case RouteResult::None:
                c.out << "no rule matches\n";
                break;
            }
        }
        return failed || withoutRules ? 1 : 0;
    }
};

class OpenCommand : public Command {
public:
    OpenCommand()
        : Command("open", "[--reveal | --with-defaults] [--] FILE...", "open the files as one drop",
                  "Opens the files as one drop: each in the application your rules name, the\n"
                  "files of one application in one launch. A file that no rule claims is\n"
                  "asked about here: type the number of an application, or nothing to skip.") {
        addOption({QStringLiteral("reveal"),
                   QStringLiteral("Show the files in the file manager instead.")});
        addOption({QStringLiteral("with-defaults"),
                   QStringLiteral("Open them with their usual default applications.")});
        m_parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("a file to open"));
    }

protected:
    int execute(const QStringList& files, Context& c) override {
        const bool reveal = m_parser.isSet(QStringLiteral("reveal"));
        const bool defaults = m_parser.isSet(QStringLiteral("with-defaults"));
        if (reveal && defaults) {
            return usage(c, QStringLiteral("--reveal and --with-defaults exclude each other"));
        }
        if (files.isEmpty()) {
            return usage(c, QStringLiteral("open needs at least one FILE"));
        }
        const Qt::KeyboardModifiers modifiers = reveal     ? Qt::AltModifier
                                                : defaults ? Qt::ShiftModifier
                                                           : Qt::NoModifier;
        if (c.window) {
            QStringList paths;
            const QString here = FileNames::currentFolder();
            for (const QString& file : files) {
                paths << FileNames::absolute(file, here);
            }
            InstanceChannel::Outcome outcome;
            if (c.window->handOver(paths, modifiers, &outcome)) {
                c.out << "Handed " << Wording::counted(paths.size(), "file", "files")
                      << " to the Korvane window.\n";
                if (!outcome.answered) { // it quit, or is a version that doesn't say
                    c.err << "korvane: the Korvane window didn't say how the drop ended\n";
                    return 1;
                }
                if (!outcome.summary.isEmpty()) {
                    c.out << terminalText(outcome.summary) << "\n";
                }
                return outcome.failed ? 1 : 0;
            }
            if (!c.window->errorString().isEmpty()) {
                c.err << "korvane: the Korvane window can't be reached: "
                      << terminalText(c.window->errorString()) << "; opening here.\n";
            }
        }
        return CliSession(c.platform, c.out, c.err, c.in).open(files, modifiers);
    }
};

class RulesCommand : public Command {
public:
    RulesCommand()
        : Command("rules", "[check | import FILE | export FILE]",
                  "list or check the rules, import them from FILE or export them to FILE",
                  "Lists the rules, numbered in routing order; or checks them against this\n"
                  "desktop, one line per finding, and exits 1 when there is any; or adds the\n"
                  "rules of FILE at the end of the list; or writes every rule to FILE.") {}

protected:
    int execute(const QStringList& arguments, Context& c) override {
        if (arguments.isEmpty()) {
            return CliSession(c.platform, c.out, c.err, c.in).listRules();
        }
        if (arguments == QStringList{QStringLiteral("check")}) {
            return CliSession(c.platform, c.out, c.err, c.in).checkRules();
        }
        const QString& verb = arguments.first();
        if (arguments.size() != 2 ||
            (verb != QLatin1String("import") && verb != QLatin1String("export"))) {
            return usage(c, QStringLiteral("unknown use of rules: ") + arguments.join(u' '));
        }
        if (verb == QLatin1String("import") && windowRuns(c)) {
            return 1;
        }
        CliSession session(c.platform, c.out, c.err, c.in);
        return verb == QLatin1String("import") ? session.importRules(arguments[1])
                                               : session.exportRules(arguments[1]);
    }
};

class DefaultCommand : public Command {
public:
    DefaultCommand()
        : Command("default", "set N | restore N",
                  "make rule N's app the default, or put back what it replaced",
                  "Makes the application of rule N (as 'korvane rules' numbers them) the\n"
                  "default for each of its extensions, or puts back the defaults it replaced.") {}

protected:
    int execute(const QStringList& arguments, Context& c) override {
        bool numeric = false;
        const int number = arguments.size() == 2 ? arguments[1].toInt(&numeric) : 0;
        const QString verb = arguments.value(0);
        if (!numeric || (verb != QLatin1String("set") && verb != QLatin1String("restore"))) {
            return usage(c, QStringLiteral("default takes 'set N' or 'restore N'"));
        }
        if (windowRuns(c)) {
            return 1;
        }
        CliSession session(c.platform, c.out, c.err, c.in);
        return verb == QLatin1String("set") ? session.setDefault(number)
                                            : session.restoreDefault(number);
    }
};

std::vector<std::unique_ptr<Command>> commands() {
    std::vector<std::unique_ptr<Command>> all;
    all.push_back(std::make_unique<OpenCommand>());
    all.push_back(std::make_unique<RouteCommand>());
    all.push_back(std::make_unique<RulesCommand>());
    all.push_back(std::make_unique<DefaultCommand>());
    return all;
}

} // namespace

namespace {

const char* const kExitStatus[][2] = {
    {"0", "everything asked was done"},
    {"1", "something failed or was refused (a missing file or app, a launch or a write that "
          "failed, a default that didn't change)"},
    {"2", "the command was used wrongly"},
};

// Text for a man page: roff's special characters escaped.
QString roff(QString text) {
    text.replace(u'\\', QLatin1String("\\e")).replace(u'-', QLatin1String("\\-"));
    text.replace(QLatin1String("\n."), QLatin1String("\n\\&."));
    return text.startsWith(u'.') || text.startsWith(u'\'') ? QLatin1String("\\&") + text : text;
}

// The exit codes for --help, wrapped to the terminal's usual width.
QString exitStatusText() {
    QString text;
    for (const auto& status : kExitStatus) {
        QString line = QStringLiteral("  %1 ").arg(QLatin1String(status[0]));
        for (const QString& word : QString::fromLatin1(status[1]).split(u' ')) {
            if (line.size() + word.size() > 76) {
                text += line + u'\n';
                line = QStringLiteral("    ");
            }
            line += u' ' + word;
        }
        text += line + u'\n';
    }
    return text;
}

} // namespace

QString CommandLine::manPage() {
    QString page =
        QStringLiteral(
            ".TH KORVANE 1 \"\" \"korvane %1\" \"User Commands\"\n"
            ".SH NAME\nkorvane \\- route files to the applications your rules name\n"
            ".SH SYNOPSIS\n.B korvane\n.RB [ \\-\\-reveal | \\-\\-with\\-defaults ]\n.IR FILE ...\n"
            ".br\n.B korvane\n.I COMMAND\n.RI [ ARGUMENTS ]\n"
            ".SH DESCRIPTION\nWithout a command, Korvane opens its window; with files, it hands "
            "them to\n"
            "the window as one drop, starting it when it is not running. Each file opens in\n"
            "the application your rules name for it; a file that no rule claims is asked\n"
            "about in the window.\n.SH COMMANDS\n")
            .arg(QStringLiteral(KORVANE_VERSION));
    for (const auto& command : commands()) {
        page += QStringLiteral(".TP\n.B korvane %1 %2\n%3\n")
                    .arg(command->name(), roff(command->syntax()), roff(command->description()));
        for (const QCommandLineOption& option : command->options()) {
            page += QStringLiteral(".RS\n.TP\n.B \\-\\-%1\n%2\n.RE\n")
                        .arg(roff(option.names().first()), roff(option.description()));
        }
    }
    page += QStringLiteral(".SH OPTIONS\n.TP\n.BR \\-h \", \" \\-\\-help\nShow the help (also "
                           "after a command).\n.TP\n.B \\-\\-version\nShow the version.\n"
                           ".SH EXIT STATUS\n");
    for (const auto& status : kExitStatus) {
        page += QStringLiteral(".TP\n.B %1\n%2\n")
                    .arg(QLatin1String(status[0]), roff(QLatin1String(status[1])));
    }
    return page +
           QStringLiteral(".SH FILES\n.TP\n.I $XDG_DATA_HOME/Korvane/rules.json\nThe rules.\n"
                          ".TP\n.I $XDG_DATA_HOME/Korvane/previous\\-defaults.json\n"
                          "The defaults Korvane replaced, for restoring them.\n"
                          ".TP\n.I $XDG_CONFIG_HOME/Korvane/Korvane.conf\nThe settings.\n"
                          ".SH SEE ALSO\n.BR xdg\\-mime (1),\n.BR gio (1)\n");
}

bool CommandLine::isCommand(const QString& word) {
    for (const auto& command : commands()) {
        if (command->name() == word) {
            return true;
        }
    }
    return false;
}

QString CommandLine::helpText() {
    QString text = QStringLiteral("Usage: korvane [--reveal | --with-defaults] [FILE...]\n"
                                  "       korvane COMMAND [ARGUMENTS]\n\n"
                                  "Routes files to the applications your rules name. Without a\n"
                                  "command, opens the window and hands it the files as one drop.\n"
                                  "\nCommands:\n");
    for (const auto& command : commands()) {
        text +=
            QStringLiteral("  %1  %2\n").arg(command->name().leftJustified(8), command->summary());
    }
    return text +
           QStringLiteral("\nOptions:\n"
                          "  -h, --help  show this help (also after a command)\n"
                          "  --version   show the version\n"
                          "\nExit status:\n") +
           exitStatusText();
}

int CommandLine::run(const QStringList& arguments, Platform& platform, QTextStream& out,
                     QTextStream& err, QTextStream& in, const InstanceChannel* window) {
    const QString first = arguments.value(0);
    if (arguments.isEmpty() || first == QLatin1String("--help") || first == QLatin1String("-h")) {
        out << helpText();
        return 0;
    }
    if (first == QLatin1String("--version")) {
        out << "korvane " << KORVANE_VERSION << "\n";
        return 0;
    }
    Context context{platform, out, err, in, window};
    for (const auto& command : commands()) {
        if (command->name() == first) {
            return command->run(arguments.mid(1), context);
        }
    }
    err << "korvane: unknown command '" << terminalText(first) << "'\n\n" << helpText();
    return 2;
}

} // namespace korvane
