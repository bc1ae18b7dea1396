#pragma once

#include "core/drop_mode.h"

#include <QStringList>
#include <optional>

// How a start of Korvane reaches its window: the arguments that make a drop on it, and the
// program that shows it.
namespace korvane::WindowStart {

struct Drop {
    QStringList files; // absolute paths
    DropMode mode = DropMode::Route;
    // Only ask which apps open the files, in a sheet of its own, with no main window: for files
    // the desktop handed over that nothing else opens.
    bool askAlone = false;
};

// The window's arguments: nothing, or the files a launcher hands over as one drop, optionally
// led by --reveal, --with-defaults or --ask. Nothing when the arguments are a command's.
std::optional<Drop> fromArguments(const QStringList& arguments);

// The window's own program: beside this one in a build, else where it is installed.
QString windowProgram();
// Runs the window's program to ask about `files` in the sheet alone, their names as bytes:
// in place of this process (execv; answers only when that failed), or as a process of its own
// that outlives this one (answers whether it started).
enum class AskIn { ThisProcess, NewProcess };
bool askAlone(const QStringList& files, AskIn where);

// The command line's program, seen from the window's: beside it in a build, else where it is
// installed.
QString commandProgram();

} // namespace korvane::WindowStart
