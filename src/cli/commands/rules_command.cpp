#include "cli/cli_session.h"
#include "command.h"

#include <QTextStream>

namespace korvane {

namespace {

class RulesCommand : public Command {
public:
    RulesCommand()
        : Command("rules", "[check | import FILE | export FILE]",
                  QT_TRANSLATE_NOOP("CliText", "list or check the rules, import them from FILE or "
                                               "export them to FILE"),
                  QT_TRANSLATE_NOOP("CliText",
                                    "Lists the rules, numbered in routing order; or checks them "
                                    "against this\ndesktop, one line per finding, and exits 1 "
                                    "when there is any; or adds the\nrules of FILE at the end of "
                                    "the list; or writes every rule to FILE.")) {}

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
            return usage(c, CliText::tr("unknown use of rules: %1").arg(arguments.join(u' ')));
        }
        if (verb == QLatin1String("import") && windowRuns(c)) {
            return 1;
        }
        CliSession session(c.platform, c.out, c.err, c.in);
        return verb == QLatin1String("import") ? session.importRules(arguments[1])
                                               : session.exportRules(arguments[1]);
    }
};

} // namespace

std::unique_ptr<Command> makeRulesCommand() {
    return std::make_unique<RulesCommand>();
}

} // namespace korvane
