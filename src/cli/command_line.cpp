#include "command_line.h"

#include "cli_session.h"
#include "cli_text.h"
#include "commands/command.h"
#include "terminal_text.h"
#include "wording/wording.h"

#include <QHash>
#include <QTextStream>
#include <memory>

namespace korvane {

namespace {

const char* const kExitStatus[][2] = {
    {"0", QT_TRANSLATE_NOOP("CliText", "everything asked was done")},
    {"1", QT_TRANSLATE_NOOP("CliText", "something failed or was refused (a missing file or app, "
                                       "a launch or a write that failed, a default that didn't "
                                       "change)")},
    {"2", QT_TRANSLATE_NOOP("CliText", "the command was used wrongly")},
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
        for (const QString& word : CliText::tr(status[1]).split(u' ')) {
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
            ".SH %2\nkorvane \\- %3\n"
            ".SH %4\n.B korvane\n.RB [ \\-\\-reveal | \\-\\-with\\-defaults ]\n.IR FILE ...\n"
            ".br\n.B korvane\n.I COMMAND\n.RI [ ARGUMENTS ]\n"
            ".SH %5\n%6\n.SH %7\n")
            .arg(QStringLiteral(KORVANE_VERSION), CliText::tr("NAME", "a man page's section"),
                 roff(CliText::tr("route files to the applications your rules name")),
                 CliText::tr("SYNOPSIS", "a man page's section"),
                 CliText::tr("DESCRIPTION", "a man page's section"),
                 roff(CliText::tr("Without a command, Korvane opens its window; with files, it "
                                  "hands them to\nthe window as one drop, starting it when it is "
                                  "not running. Each file opens in\nthe application your rules "
                                  "name for it; a file that no rule claims is asked\nabout in the "
                                  "window.")),
                 CliText::tr("COMMANDS", "a man page's section"));
    for (const auto& command : allCommands()) {
        page += QStringLiteral(".TP\n.B korvane %1 %2\n%3\n")
                    .arg(command->name(), roff(command->syntax()), roff(command->description()));
        for (const QCommandLineOption& option : command->options()) {
            page += QStringLiteral(".RS\n.TP\n.B \\-\\-%1\n%2\n.RE\n")
                        .arg(roff(option.names().first()), roff(option.description()));
        }
    }
    page += QStringLiteral(".SH %1\n.TP\n.BR \\-h \", \" \\-\\-help\n%2\n.TP\n"
                           ".B \\-\\-version\n%3\n.SH %4\n")
                .arg(CliText::tr("OPTIONS", "a man page's section"),
                     roff(CliText::tr("Show the help (also after a command).")),
                     roff(CliText::tr("Show the version.")),
                     CliText::tr("EXIT STATUS", "a man page's section"));
    for (const auto& status : kExitStatus) {
        page += QStringLiteral(".TP\n.B %1\n%2\n")
                    .arg(QLatin1String(status[0]), roff(CliText::tr(status[1])));
    }
    return page + QStringLiteral(".SH %1\n.TP\n.I $XDG_DATA_HOME/Korvane/rules.json\n%2\n"
                                 ".TP\n.I $XDG_DATA_HOME/Korvane/previous\\-defaults.json\n%3\n"
                                 ".TP\n.I $XDG_CONFIG_HOME/Korvane/Korvane.conf\n%4\n"
                                 ".SH %5\n.BR xdg\\-mime (1),\n.BR gio (1)\n")
                      .arg(CliText::tr("FILES", "a man page's section"),
                           roff(CliText::tr("The rules.")),
                           roff(CliText::tr("The defaults Korvane replaced, for restoring them.")),
                           roff(CliText::tr("The settings.")),
                           CliText::tr("SEE ALSO", "a man page's section"));
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
    QString text = QCoreApplication::translate("QCommandLineParser", "Usage: %1")
                       .arg(QStringLiteral("korvane [--reveal | --with-defaults] [FILE...]")) +
                   QStringLiteral("\n       korvane COMMAND [ARGUMENTS]\n\n") +
                   CliText::tr("Routes files to the applications your rules name. Without a\n"
                               "command, opens the window and hands it the files as one drop.") +
                   u'\n' + u'\n' + CliText::tr("Commands:") + u'\n';
    for (const auto& command : allCommands()) {
        text +=
            QStringLiteral("  %1  %2\n").arg(command->name().leftJustified(8), command->summary());
    }
    return text + u'\n' + QCoreApplication::translate("QCommandLineParser", "Options:") + u'\n' +
           QStringLiteral("  -h, --help  %1\n  --version   %2\n")
               .arg(CliText::tr("show this help (also after a command)"),
                    CliText::tr("show the version")) +
           u'\n' + CliText::tr("Exit status:") + u'\n' + exitStatusText();
}

int CommandLine::run(const QStringList& arguments, Platform& platform, QTextStream& out,
                     QTextStream& err, QTextStream& in, const InstanceChannel* window,
                     LaunchMarker::HandBack handBack) {
    const QString first = arguments.value(0);
    if (arguments.isEmpty() || first == QLatin1String("--help") || first == QLatin1String("-h")) {
        out << helpText();
        return 0;
    }
    if (first == QLatin1String("--version")) {
        out << "korvane " << KORVANE_VERSION << "\n";
        return 0;
    }
    Context context{platform, out, err, in, window, handBack};
    for (const auto& command : allCommands()) {
        if (command->name() == first) {
            return command->run(arguments.mid(1), context);
        }
    }
    err << "korvane: " << CliText::tr("unknown command '%1'").arg(terminalText(first)) << "\n\n"
        << helpText();
    return 2;
}

} // namespace korvane
