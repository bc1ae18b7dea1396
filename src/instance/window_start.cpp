#include "window_start.h"

#include "base/file_names.h"

#include <QFile>
#include <QFileInfo>

namespace korvane::WindowStart {

std::optional<Drop> fromArguments(const QStringList& arguments) {
    Drop drop;
    bool optionsDone = false;
    for (const QString& argument : arguments) {
        if (optionsDone || !argument.startsWith(u'-')) {
            drop.files << argument;
        } else if (argument == QLatin1String("--")) {
            optionsDone = true;
        } else if (argument == QLatin1String("--reveal") && drop.files.isEmpty()) {
            drop.mode = DropMode::Reveal;
        } else if (argument == QLatin1String("--with-defaults") && drop.files.isEmpty()) {
            drop.mode = DropMode::Defaults;
        } else if (argument == QLatin1String("--ask") && drop.files.isEmpty()) {
            drop.mode = DropMode::ForDesktop;
            drop.askAlone = true;
        } else {
            return std::nullopt;
        }
    }
    if (!arguments.isEmpty() && drop.files.isEmpty() && !optionsDone) {
        return std::nullopt; // options alone are a command line's business
    }
    const QString here = FileNames::currentFolder();
    for (QString& file : drop.files) {
        file = FileNames::absolute(file, here);
    }
    return drop;
}

QString windowProgram() {
    const QString here = QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).path();
    const QString beside = here + QStringLiteral("/korvane-window");
    return QFileInfo::exists(beside)
               ? beside
               : QFileInfo(here + QStringLiteral("/" KORVANE_WINDOW_FROM_BIN)).absoluteFilePath();
}

} // namespace korvane::WindowStart
