#pragma once

#include "platform/launch_marker.h"

#include <QStringList>

class QTextStream;

namespace korvane {

class InstanceChannel;
class Platform;

// The `korvane` command line: picks the command and runs it.
class CommandLine {
public:
    // `arguments` without the program name. Answers the exit status: 0, 1 when a command
    // failed, 2 for a usage error.
    // With `window`, `open` hands the files to a running window, and commands that would write
    // what the window owns refuse while it runs.
    static int run(const QStringList& arguments, Platform& platform, QTextStream& out,
                   QTextStream& err, QTextStream& in, const InstanceChannel* window = nullptr,
                   LaunchMarker::HandBack handBack = LaunchMarker::HandBack::None);
    static QString helpText();
    // Whether `word` names a command ("open", "rules", ...).
    static bool isCommand(const QString& word);
    // The man page, in roff, from the same commands and texts as --help.
    static QString manPage();
};

} // namespace korvane
