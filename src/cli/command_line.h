#pragma once

#include <QStringList>

class QTextStream;

namespace korvane {

class Platform;

// The `korvane` command line: parses the arguments and runs one command.
class CommandLine {
public:
    // `arguments` without the program name. Answers the exit status: 0, 1 when a command
    // failed, 2 for a usage error.
    static int run(const QStringList& arguments, Platform& platform, QTextStream& out,
                   QTextStream& err, QTextStream& in);
    static QString helpText();

private:
    static int route(const QStringList& arguments, const Platform& platform, QTextStream& out,
                     QTextStream& err);
    static int open(const QStringList& arguments, Platform& platform, QTextStream& out,
                    QTextStream& err, QTextStream& in);
    static int rules(const QStringList& arguments, Platform& platform, QTextStream& out,
                     QTextStream& err, QTextStream& in);
    static int defaults(const QStringList& arguments, Platform& platform, QTextStream& out,
                        QTextStream& err, QTextStream& in);
};

} // namespace korvane
