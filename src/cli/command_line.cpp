#include "command_line.h"

#include <QTextStream>

namespace korvane {

QString CommandLine::helpText() {
    return QStringLiteral("Usage: korvane [--help] [--version]\n"
                          "\n"
                          "Routes files to the applications your rules name.\n");
}

int CommandLine::run(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    const QStringList args = arguments.mid(1);
    if (args.isEmpty() || args.first() == QLatin1String("--help") ||
        args.first() == QLatin1String("-h")) {
        out << helpText();
        return 0;
    }
    if (args.first() == QLatin1String("--version")) {
        out << "korvane " << KORVANE_VERSION << "\n";
        return 0;
    }
    err << "korvane: unknown command '" << args.first() << "'\n" << helpText();
    return 2;
}

} // namespace korvane
