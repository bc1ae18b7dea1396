#include "store_file.h"

#include "platform/durable_file.h"
#include "platform/regular_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korvane::StoreFile {

Contents read(const QString& path, qint64 maxSize) {
    return RegularFile::read(path, maxSize);
}

std::optional<QString> write(const QString& path, const QByteArray& bytes) {
    if (bytes.size() > kMaxSize) {
        // A file Korvane would refuse to read back is never written.
        return QStringLiteral("%1 would be larger than %2 MiB, more than Korvane reads back.")
            .arg(QDir::toNativeSeparators(path))
            .arg(kMaxSize / (1024 * 1024));
    }
    QString target = path;
    const QFileInfo link(path);
    if (link.isSymLink()) {
        target = link.symLinkTarget();
        if (!QFileInfo::exists(target)) {
            return QStringLiteral("%1 is a link to %2, which doesn't exist.")
                .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(target));
        }
    }
    struct stat info {};
    if (::stat(QFile::encodeName(target).constData(), &info) == 0 && !S_ISREG(info.st_mode)) {
        return RegularFile::notRegular(target);
    }
    if (const auto error = DurableFile::replace(target, bytes)) {
        return QStringLiteral("%1 couldn't be written: %2")
            .arg(QDir::toNativeSeparators(path), *error);
    }
    return std::nullopt;
}

Lock::Lock(const QString& path)
    : m_lock(path + QStringLiteral(".lock")) {
    m_lock.setStaleLockTime(30000);
    if (!m_lock.tryLock(10000)) {
        switch (m_lock.error()) {
        case QLockFile::LockFailedError:
            m_error = QStringLiteral("%1 is being changed by another Korvane; try again.")
                          .arg(QDir::toNativeSeparators(path));
            break;
        default:
            m_error = QStringLiteral("%1 couldn't be locked for writing (%2.lock).")
                          .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(path));
        }
    }
}

} // namespace korvane::StoreFile
