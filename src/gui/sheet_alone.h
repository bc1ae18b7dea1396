#pragma once

#include <QStringList>

namespace korvane {

class Platform;
class Settings;

// Asks which apps open files that the desktop handed to Korvane and nothing else opens: the
// question's sheet on its own, with no main window. Answers the exit status once every file is
// answered or given up, its launches reported back and any rule it made saved.
int askAlone(Platform& platform, Settings& settings, const QString& rulesDirectory,
             const QStringList& files);

} // namespace korvane
