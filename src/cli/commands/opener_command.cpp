#include "cli/cli_session.h"
#include "command.h"

#include <QTextStream>

namespace korvane {

namespace {

class OpenerCommand : public Command {
public:
    OpenerCommand()
        : Command("opener", "on | off | status | serve",
                  QT_TRANSLATE_NOOP("CliText", "open files for the desktop by the rules, or stop"),
                  QT_TRANSLATE_NOOP(
                      "CliText",
                      "'on' makes Korvane the desktop's default for every file type an enabled "
                      "rule\nnames, so that double-clicks follow the rules too; while on, the "
                      "types follow\nthe rules. 'off' puts back every default it replaced, "
                      "keeping those you\nchanged since. 'status' lists each type with the app "
                      "Korvane replaced.\n'serve' answers the desktop's requests over its "
                      "message bus; the bus starts it.")) {}

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
        if (verb != QLatin1String("status") && windowRuns(c)) {
            return 1;
        }
        CliSession session(c.platform, c.out, c.err, c.in);
        return verb == QLatin1String("status") ? session.openerStatus()
                                               : session.setOpener(verb == QLatin1String("on"));
    }
};

} // namespace

std::unique_ptr<Command> makeOpenerCommand() {
    return std::make_unique<OpenerCommand>();
}

} // namespace korvane
