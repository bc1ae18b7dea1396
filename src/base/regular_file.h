#pragma once

#include "base_text.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korvane::RegularFile {

struct Contents {
    enum Status { Ok, Absent, Refused };
    Status status = Absent;
    QByteArray bytes;
    QString error; // a sentence, when refused
};

inline QString notRegular(const QString& path) {
    return BaseText::tr("%1 is not a regular file.").arg(QDir::toNativeSeparators(path));
}

inline QString tooLarge(const QString& path, qint64 maxSize) {
    return BaseText::tr("%1 is larger than %2 MiB.")
        .arg(QDir::toNativeSeparators(path))
        .arg(maxSize / (1024 * 1024));
}

inline QString systemError(const QString& path, int error) {
    return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path),
                                        QString::fromLocal8Bit(std::strerror(error)));
}

// Reads a regular file (through links), never blocking on a FIFO or device: they are refused,
// as is a file above `maxSize`.
inline Contents read(const QString& path, qint64 maxSize) {
    // Non-blocking, so that opening a FIFO returns at once; fstat then tells what it is.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) {
            return {Contents::Absent, {}, {}};
        }
        return {Contents::Refused, {}, systemError(path, errno)};
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return {Contents::Refused, {}, notRegular(path)};
    }
    if (info.st_size > maxSize) {
        ::close(fd);
        return {Contents::Refused, {}, tooLarge(path, maxSize)};
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {Contents::Refused, {}, systemError(path, EIO)};
    }
    QByteArray bytes = file.read(maxSize + 1); // the file may have grown since fstat
    if (file.error() != QFileDevice::NoError) {
        return {Contents::Refused, {}, QStringLiteral("%1: %2").arg(path, file.errorString())};
    }
    if (bytes.size() > maxSize) {
        return {Contents::Refused, {}, tooLarge(path, maxSize)};
    }
    return {Contents::Ok, bytes, {}};
}

} // namespace korvane::RegularFile
