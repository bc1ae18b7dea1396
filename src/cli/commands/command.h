#pragma once

#include "cli/cli_text.h"
#include "platform/launch_marker.h"

#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class QTextStream;

namespace korvane {

class InstanceChannel;
class Platform;

struct Context {
    Platform& platform;
    QTextStream& out;
    QTextStream& err;
    QTextStream& in;
    const InstanceChannel* window;
    // Started by Korvane with the very files to open: an app that hands them back.
    LaunchMarker::HandBack handBack = LaunchMarker::HandBack::None;
};

// One command: its options and arguments, parsed by QCommandLineParser, and what it does.
class Command {
public:
    // `summary` and `description` are marked with QT_TRANSLATE_NOOP("CliText", …).
    Command(const char* name, const char* syntax, const char* summary, const char* description)
        : m_name(QLatin1String(name))
        , m_syntax(QLatin1String(syntax))
        , m_summary(CliText::tr(summary)) {
        m_parser.setApplicationDescription(CliText::tr(description));
        // Not addHelpOption(): its --help-all lists Qt's own options, which a command has none of.
        // The text is Qt's own, and so is its translation.
        m_parser.addOption({{QStringLiteral("h"), QStringLiteral("help")},
                            QCoreApplication::translate("QCommandLineParser",
                                                        "Displays help on commandline options.")});
        m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    }
    virtual ~Command() = default;

    QString name() const { return m_name; }
    QString summary() const { return m_summary; }
    QString syntax() const { return m_syntax; }
    QString description() const { return m_parser.applicationDescription(); }
    const QList<QCommandLineOption>& options() const { return m_options; }
    QString help() const;

    int run(const QStringList& arguments, Context& c);

protected:
    virtual int execute(const QStringList& arguments, Context& c) = 0;

    void addOption(const QCommandLineOption& option) {
        m_parser.addOption(option);
        m_options.append(option);
    }

    int usage(Context& c, const QString& problem) const;
    // The window owns the rules and the default-app record while it runs. When it can't be
    // reached, it may run: nothing is changed then either.
    static bool windowRuns(Context& c);

    QCommandLineParser m_parser;

private:
    QString m_name;
    QString m_syntax;
    QString m_summary;
    QList<QCommandLineOption> m_options;
};

// Every command, in the order --help lists them.
std::vector<std::unique_ptr<Command>> allCommands();
std::unique_ptr<Command> makeOpenCommand();
std::unique_ptr<Command> makeRouteCommand();
std::unique_ptr<Command> makeRulesCommand();
std::unique_ptr<Command> makeDefaultCommand();
std::unique_ptr<Command> makeOpenerCommand();

} // namespace korvane
