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

namespace {

// The program beside this one in a build, else the one at `installed`, relative to this one.
QString sibling(const QString& name, const QString& installed) {
    const QString here = QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).path();
    const QString beside = here + u'/' + name;
    return QFileInfo::exists(beside) ? beside
                                     : QFileInfo(here + u'/' + installed).absoluteFilePath();
}

} // namespace

QString commandProgram() {
    return sibling(QStringLiteral("korvane"), QStringLiteral(KORVANE_BIN_FROM_WINDOW));
}

QString windowProgram() {
    return sibling(QStringLiteral("korvane-window"), QStringLiteral(KORVANE_WINDOW_FROM_BIN));
}

} // namespace korvane::WindowStart
