#pragma once

#include <QStringList>

class QTextStream;

namespace korvane {

// The `korvane` command line: parses the arguments and runs one command.
class CommandLine {
public:
    // Answers the process exit status: 0, 1 for a failed command, 2 for a usage error.
    static int run(const QStringList& arguments, QTextStream& out, QTextStream& err);
    static QString helpText();
};

} // namespace korvane
