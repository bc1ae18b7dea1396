#include "base/file_names.h"
#include "cli/cli_session.h"
#include "cli/terminal_text.h"
#include "command.h"
#include "core/links.h"
#include "instance/instance_channel.h"
#include "instance/window_start.h"

#include <QTextStream>
#include <cerrno>
#include <cstring>
#include <unistd.h>
#include <vector>

namespace korvane {

namespace {

class OpenCommand : public Command {
public:
    OpenCommand()
        : Command("open", "[--reveal | --with-defaults | --for-desktop] [--] FILE...",
                  QT_TRANSLATE_NOOP("CliText", "open the files as one drop"),
                  QT_TRANSLATE_NOOP("CliText",
                                    "Opens the files as one drop: each in the application your "
                                    "rules name, the\nfiles of one application in one launch. A "
                                    "file that no rule claims is\nasked about here: type the "
                                    "number of an application, or nothing to skip.")) {
        addOption(
            {QStringLiteral("reveal"), CliText::tr("Show the files in the file manager instead.")});
        addOption({QStringLiteral("with-defaults"),
                   CliText::tr("Open them with their usual default applications.")});
        addOption({QStringLiteral("for-desktop"),
                   CliText::tr("Open them for the desktop, as its opener: without a window; a file "
                               "no rule claims opens in the app Korvane replaced.")});
        m_parser.addPositionalArgument(QStringLiteral("FILE"), CliText::tr("a file to open"));
    }

protected:
    int execute(const QStringList& files, Context& c) override {
        const bool reveal = m_parser.isSet(QStringLiteral("reveal"));
        const bool defaults = m_parser.isSet(QStringLiteral("with-defaults"));
        const bool forDesktop = m_parser.isSet(QStringLiteral("for-desktop"));
        if (int(reveal) + int(defaults) + int(forDesktop) > 1) {
            return usage(c, CliText::tr("--reveal, --with-defaults and --for-desktop exclude each "
                                        "other"));
        }
        if (files.isEmpty() && forDesktop) {
            // Started by the desktop with nothing to open, as its "web browser".
            if (CliSession session(c.platform, c.out, c.err, c.in); session.opensLinks()) {
                return session.openBrowser();
            }
        }
        if (files.isEmpty()) {
            return usage(c, CliText::tr("open needs at least one FILE"));
        }
        const DropMode mode = reveal       ? DropMode::Reveal
                              : defaults   ? DropMode::Defaults
                              : forDesktop ? DropMode::ForDesktop
                                           : DropMode::Route;
        if (forDesktop) {
            return openForDesktop(files, c);
        }
        if (c.window) {
            QStringList paths;
            const QString here = FileNames::currentFolder();
            for (const QString& file : files) {
                paths << (Links::isLink(file) ? file : FileNames::absolute(file, here));
            }
            InstanceChannel::Outcome outcome;
            if (c.window->handOver(paths, mode, &outcome)) {
                c.out << CliText::tr("Handed %n file(s) to the Korvane window.", nullptr,
                                     int(paths.size()))
                      << "\n";
                if (!outcome.answered) { // it quit, or is a version that doesn't say
                    c.err << "korvane: "
                          << CliText::tr("the Korvane window didn't say how the drop ended")
                          << "\n";
                    return 1;
                }
                if (!outcome.summary.isEmpty()) {
                    c.out << terminalText(outcome.summary) << "\n";
                }
                return outcome.failed ? 1 : 0;
            }
            if (!c.window->errorString().isEmpty()) {
                c.err << "korvane: "
                      << CliText::tr("the Korvane window can't be reached: %1; opening here.")
                             .arg(terminalText(c.window->errorString()))
                      << "\n";
            }
        }
        return CliSession(c.platform, c.out, c.err, c.in).open(files, mode);
    }

private:
    // Opened by the desktop: no window, unless a file is left that only the user can place.
    static int openForDesktop(const QStringList& files, Context& c) {
        QStringList unanswered;
        int status = 0;
        {
            CliSession session(c.platform, c.out, c.err, c.in);
            status = session.open(files, DropMode::ForDesktop, c.handBack);
            unanswered = session.unanswered();
        }
        if (unanswered.isEmpty()) {
            return status;
        }
        c.out.flush();
        c.err.flush();
        WindowStart::askAlone(unanswered, WindowStart::AskIn::ThisProcess);
        const int error = errno; // it returns only when the program couldn't be run
        const QString program = WindowStart::windowProgram();
        c.err << "korvane: "
              << CliText::tr("the Korvane window can't be started: %1: %2.")
                     .arg(terminalText(program), QString::fromLocal8Bit(strerror(error)))
              << "\n";
        return 1;
    }
};

} // namespace

std::unique_ptr<Command> makeOpenCommand() {
    return std::make_unique<OpenCommand>();
}

} // namespace korvane
