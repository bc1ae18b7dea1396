#include "command_line.h"

#include "cli_session.h"
#include "commands/command.h"
#include "terminal_text.h"
#include "wording/wording.h"

#include <QHash>
#include <QTextStream>
#include <memory>

namespace korvane {

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
    for (const auto& command : allCommands()) {
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
    for (const auto& command : allCommands()) {
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
    for (const auto& command : allCommands()) {
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
    for (const auto& command : allCommands()) {
        if (command->name() == first) {
            return command->run(arguments.mid(1), context);
        }
    }
    err << "korvane: unknown command '" << terminalText(first) << "'\n\n" << helpText();
    return 2;
}

} // namespace korvane
