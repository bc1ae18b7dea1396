#include "command.h"

#include "cli/terminal_text.h"
#include "instance/instance_channel.h"

#include <QTextStream>

namespace korvane {

QString Command::help() const {
    // Qt's help names the program, not the command: its usage line says both.
    const QString text = m_parser.helpText();
    return QCoreApplication::translate("QCommandLineParser", "Usage: %1")
               .arg(QStringLiteral("korvane %1 %2").arg(m_name, m_syntax)) +
           text.mid(text.indexOf(u'\n'));
}

int Command::run(const QStringList& arguments, Context& c) {
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

int Command::usage(Context& c, const QString& problem) const {
    c.err << "korvane: " << terminalText(problem) << "\n\n" << help();
    return 2;
}

bool Command::windowRuns(Context& c) {
    if (c.window && c.window->isRunning()) {
        c.err << "korvane: "
              << CliText::tr("the Korvane window is running; make this change there, or quit it "
                             "first")
              << "\n";
        return true;
    }
    if (c.window && !c.window->errorString().isEmpty()) {
        c.err << "korvane: "
              << CliText::tr("the Korvane window can't be reached: %1. Nothing was changed, since "
                             "it may be using these files.")
                     .arg(terminalText(c.window->errorString()))
              << "\n";
        return true;
    }
    return false;
}

std::vector<std::unique_ptr<Command>> allCommands() {
    std::vector<std::unique_ptr<Command>> all;
    all.push_back(makeOpenCommand());
    all.push_back(makeRouteCommand());
    all.push_back(makeRulesCommand());
    all.push_back(makeDefaultCommand());
    all.push_back(makeOpenerCommand());
    return all;
}

} // namespace korvane
