#include "cli/cli_session.h"
#include "command.h"

#include <QTextStream>

namespace korvane {

namespace {

class DefaultCommand : public Command {
public:
    DefaultCommand()
        : Command("default", "set N | restore N",
                  QT_TRANSLATE_NOOP("CliText",
                                    "make rule N's app the default, or put back what it replaced"),
                  QT_TRANSLATE_NOOP("CliText", "Makes the application of rule N (as 'korvane "
                                               "rules' numbers them) the\ndefault for each of its "
                                               "extensions, or puts back the defaults it "
                                               "replaced.")) {}

protected:
    int execute(const QStringList& arguments, Context& c) override {
        bool numeric = false;
        const int number = arguments.size() == 2 ? arguments[1].toInt(&numeric) : 0;
        const QString verb = arguments.value(0);
        if (!numeric || (verb != QLatin1String("set") && verb != QLatin1String("restore"))) {
            return usage(c, CliText::tr("default takes 'set N' or 'restore N'"));
        }
        if (windowRuns(c)) {
            return 1;
        }
        CliSession session(c.platform, c.out, c.err, c.in);
        return verb == QLatin1String("set") ? session.setDefault(number)
                                            : session.restoreDefault(number);
    }
};

} // namespace

std::unique_ptr<Command> makeDefaultCommand() {
    return std::make_unique<DefaultCommand>();
}

} // namespace korvane
