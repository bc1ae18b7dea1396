#include "base/file_names.h"
#include "cli/cli_session.h"
#include "cli/terminal_text.h"
#include "command.h"
#include "instance/instance_channel.h"

#include <QTextStream>

namespace korvane {

namespace {

class OpenCommand : public Command {
public:
    OpenCommand()
        : Command("open", "[--reveal | --with-defaults] [--] FILE...",
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
        m_parser.addPositionalArgument(QStringLiteral("FILE"), CliText::tr("a file to open"));
    }

protected:
    int execute(const QStringList& files, Context& c) override {
        const bool reveal = m_parser.isSet(QStringLiteral("reveal"));
        const bool defaults = m_parser.isSet(QStringLiteral("with-defaults"));
        if (reveal && defaults) {
            return usage(c, CliText::tr("--reveal and --with-defaults exclude each other"));
        }
        if (files.isEmpty()) {
            return usage(c, CliText::tr("open needs at least one FILE"));
        }
        const DropMode mode = reveal     ? DropMode::Reveal
                              : defaults ? DropMode::Defaults
                                         : DropMode::Route;
        if (c.window) {
            QStringList paths;
            const QString here = FileNames::currentFolder();
            for (const QString& file : files) {
                paths << FileNames::absolute(file, here);
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
};

} // namespace

std::unique_ptr<Command> makeOpenCommand() {
    return std::make_unique<OpenCommand>();
}

} // namespace korvane
