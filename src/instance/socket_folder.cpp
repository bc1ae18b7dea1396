#include "socket_folder.h"

#include "base/file_names.h"
#include "instance_text.h"

#include <QDir>
#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace korvane::SocketFolder {

namespace {

QString errnoText() {
    return QString::fromLocal8Bit(strerror(errno));
}

// Why `path` is not a folder that exists, is no link, belongs to us and lets nobody else in;
// empty when it is one.
QString folderProblem(const QString& path) {
    struct stat info {};
    if (lstat(FileNames::encode(path).constData(), &info) != 0) {
        return InstanceText::tr("%1 can't be read: %2").arg(path, errnoText());
    }
    if (S_ISLNK(info.st_mode)) {
        return InstanceText::tr("%1 is a symbolic link").arg(path);
    }
    if (!S_ISDIR(info.st_mode)) {
        return InstanceText::tr("%1 is not a folder").arg(path);
    }
    if (info.st_uid != getuid()) {
        return InstanceText::tr("%1 belongs to another user").arg(path);
    }
    if ((info.st_mode & 077) != 0) {
        return InstanceText::tr("other users can enter %1").arg(path);
    }
    return {};
}

} // namespace

QString path(QString& problem) {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QString folder =
        !runtime.isEmpty() && QDir::isAbsolutePath(runtime) && folderProblem(runtime).isEmpty()
            ? runtime + QStringLiteral("/korvane")
            : QDir::tempPath() + QStringLiteral("/korvane-%1").arg(getuid());
    problem = mkdir(FileNames::encode(folder).constData(), 0700) != 0 && errno != EEXIST
                  ? InstanceText::tr("%1 couldn't be made: %2").arg(folder, errnoText())
                  : folderProblem(folder);
    if (problem.isEmpty() && FileNames::encode(folder).size() + 1 + kKeyLength >=
                                 qsizetype(sizeof(sockaddr_un{}.sun_path))) {
        problem = InstanceText::tr("%1 is too long a path for a socket").arg(folder);
    }
    return problem.isEmpty() ? folder : QString();
}

bool peerIsUs(qintptr descriptor) {
    ucred credentials{};
    socklen_t length = sizeof credentials;
    return getsockopt(int(descriptor), SOL_SOCKET, SO_PEERCRED, &credentials, &length) == 0 &&
           credentials.uid == getuid();
}

Result listenAt(const QString& path, int& listening) {
    const QByteArray name = FileNames::encode(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    memcpy(address.sun_path, name.constData(), size_t(name.size()));
    unlink(name.constData()); // left behind by a window that crashed
    const int descriptor = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (descriptor < 0 ||
        bind(descriptor, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        chmod(name.constData(), 0600) != 0 || listen(descriptor, SOMAXCONN) != 0) {
        Result failed =
            Result::failed(InstanceText::tr("its socket couldn't be made: %1").arg(errnoText()));
        if (descriptor >= 0) {
            close(descriptor);
        }
        return failed;
    }
    listening = descriptor;
    return Result::done();
}

} // namespace korvane::SocketFolder
