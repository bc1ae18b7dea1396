#include "window_start.h"

#include "base/file_names.h"
#include "core/links.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

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
        file = Links::isLink(file) ? file : FileNames::absolute(file, here);
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

bool askAlone(const QStringList& files, AskIn where) {
    std::vector<QByteArray> words{FileNames::encode(windowProgram()), "--ask", "--"};
    for (const QString& file : files) {
        words.push_back(FileNames::encode(file));
    }
    std::vector<char*> argv;
    argv.reserve(words.size() + 1);
    for (QByteArray& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    if (where == AskIn::ThisProcess) {
        execv(argv.front(), argv.data());
        return false;
    }
    // Twice forked, so that the sheet outlives this process and leaves no child to reap. The
    // pipe closes when the program runs; a failed exec writes its errno there instead.
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) {
        return false;
    }
    const pid_t child = fork();
    if (child == 0) {
        close(ends[0]);
        const pid_t sheet = fork();
        if (sheet == 0) {
            setsid();
            execv(argv.front(), argv.data());
            const int error = errno;
            (void)!write(ends[1], &error, sizeof error);
            _exit(127);
        }
        _exit(sheet > 0 ? 0 : 1);
    }
    close(ends[1]);
    int status = 0;
    const bool started = child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) &&
                         WEXITSTATUS(status) == 0;
    int error = 0;
    ssize_t got = 0;
    do {
        got = read(ends[0], &error, sizeof error);
    } while (got < 0 && errno == EINTR);
    close(ends[0]);
    if (got == sizeof error) {
        errno = error;
        return false;
    }
    return started;
}

QString commandProgram() {
    return sibling(QStringLiteral("korvane"), QStringLiteral(KORVANE_BIN_FROM_WINDOW));
}

QString windowProgram() {
    return sibling(QStringLiteral("korvane-window"), QStringLiteral(KORVANE_WINDOW_FROM_BIN));
}

} // namespace korvane::WindowStart
