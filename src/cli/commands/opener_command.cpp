#include "cli/cli_session.h"
#include "command.h"

#include <QTextStream>

namespace korvane {

namespace {

class OpenerCommand : public Command {
public:
    OpenerCommand()
        : Command("opener", "on [--links] | off | status | serve",
                  QT_TRANSLATE_NOOP("CliText", "open files for the desktop by the rules, or stop"),
                  QT_TRANSLATE_NOOP(
                      "CliText",
                      "'on' makes Korvane the desktop's default for every file type an enabled "
                      "rule\nnames, so that double-clicks follow the rules too; while on, the "
                      "types follow\nthe rules. 'off' puts back every default it replaced, "
                      "keeping those you\nchanged since. 'status' lists each type with the app "
                      "Korvane replaced.\n'serve' answers the desktop's requests over its "
                      "message bus; the bus starts it.")) {
        addOption({QStringLiteral("links"),
                   CliText::tr("With 'on': web and mail links too (http, https and every scheme "
                               "a rule's links name); a link no rule claims opens in the browser "
                               "Korvane replaced.")});
    }

protected:
    int execute(const QStringList& arguments, Context& c) override {
        const QString verb = arguments.value(0);
        if (arguments.size() != 1 || !QStringList{QStringLiteral("on"), QStringLiteral("off"),
                                                  QStringLiteral("status"), QStringLiteral("serve")}
                                          .contains(verb)) {
            return usage(c, CliText::tr("opener takes 'on', 'off', 'status' or 'serve'"));
        }
        if (verb == QLatin1String("serve")) {
            return CliSession(c.platform, c.out, c.err, c.in).serveOpener();
        }
        const bool links = m_parser.isSet(QStringLiteral("links"));
        if (links && verb != QLatin1String("on")) {
            return usage(c, CliText::tr("--links goes with 'opener on' only"));
        }
        if (verb != QLatin1String("status") && windowRuns(c)) {
            return 1;
        }
        CliSession session(c.platform, c.out, c.err, c.in);
        if (verb == QLatin1String("status")) {
            return session.openerStatus();
        }
        return session.setOpener(verb == QLatin1String("off") ? DesktopOpener::Scope::Off
                                 : links                      ? DesktopOpener::Scope::FilesAndLinks
                                                              : DesktopOpener::Scope::Files);
    }
};

} // namespace

std::unique_ptr<Command> makeOpenerCommand() {
    return std::make_unique<OpenerCommand>();
}

} // namespace korvane
