#include "store_file.h"

#include "base/durable_file.h"
#include "base/regular_file.h"
#include "base_text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korvane::StoreFile {

Contents read(const QString& path, qint64 maxSize) {
    return RegularFile::read(path, maxSize);
}

Result write(const QString& path, const QByteArray& bytes) {
    if (bytes.size() > kMaxSize) {
        // A file Korvane would refuse to read back is never written.
        return Result::failed(
            BaseText::tr("%1 would be larger than %2 MiB, more than Korvane reads back.")
                .arg(QDir::toNativeSeparators(path))
                .arg(kMaxSize / (1024 * 1024)));
    }
    QString target = path;
    const QFileInfo link(path);
    if (link.isSymLink()) {
        target = link.symLinkTarget();
        if (!QFileInfo::exists(target)) {
            return Result::failed(
                BaseText::tr("%1 is a link to %2, which doesn't exist.")
                    .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(target)));
        }
    }
    struct stat info {};
    if (::stat(QFile::encodeName(target).constData(), &info) == 0 && !S_ISREG(info.st_mode)) {
        return Result::failed(RegularFile::notRegular(target));
    }
    if (const Result replaced = DurableFile::replace(target, bytes); !replaced) {
        return Result::failed(BaseText::tr("%1 couldn't be written: %2")
                                  .arg(QDir::toNativeSeparators(path), replaced.errorString()));
    }
    return Result::done();
}

namespace {

// Removes a lock file left by a process that is gone: nobody holds its native lock (QLockFile
// takes one while it holds the file), and it names no running process of this machine, or
// nothing readable at all. A lock just created may be empty for an instant, so an empty one
// counts only once it is a second old. True when it was removed.
bool removeAbandoned(const QString& lockPath) {
    const QByteArray name = QFile::encodeName(lockPath);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat info {};
    char buffer[256] = {};
    ssize_t length = -1;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        length = ::read(fd, buffer, sizeof buffer - 1);
    }
    bool abandoned = false;
    if (length == 0) {
        abandoned = ::time(nullptr) - info.st_mtime >= 1;
    } else if (length > 0) {
        // QLockFile writes the PID, the program's name and the host name, one a line.
        const QList<QByteArray> lines = QByteArray(buffer, length).split('\n');
        bool numeric = false;
        const qint64 pid = lines.first().toLongLong(&numeric);
        char host[256] = {};
        ::gethostname(host, sizeof host - 1);
        const bool here = lines.size() < 3 || lines[2].isEmpty() || lines[2] == host;
        abandoned = !numeric || pid <= 0 || (here && ::kill(pid_t(pid), 0) != 0 && errno == ESRCH);
    }
    // Only the very file that was checked goes, not one another process has made since.
    struct stat now {};
    const bool removed = abandoned && ::stat(name.constData(), &now) == 0 &&
                         now.st_ino == info.st_ino && now.st_dev == info.st_dev &&
                         ::unlink(name.constData()) == 0;
    ::close(fd);
    return removed;
}

} // namespace

Lock::Lock(const QString& path)
    : m_lock(path + QStringLiteral(".lock")) {
    m_lock.setStaleLockTime(30000);
    // A live holder has its lock for a few milliseconds; give it a few seconds, no more.
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (m_lock.tryLock(0)) {
            return;
        }
        if (m_lock.error() != QLockFile::LockFailedError) {
            break;
        }
        if (removeAbandoned(path + QStringLiteral(".lock"))) {
            continue;
        }
        ::usleep(50 * 1000);
    }
    switch (m_lock.error()) {
    case QLockFile::LockFailedError:
        m_error = BaseText::tr("%1 is being changed by another Korvane; try again.")
                      .arg(QDir::toNativeSeparators(path));
        break;
    default:
        m_error = BaseText::tr("%1 couldn't be locked for writing (%2.lock).")
                      .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(path));
    }
}

} // namespace korvane::StoreFile
