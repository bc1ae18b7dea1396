#pragma once

#include "result.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QString>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace korvane::DurableFile {

// Replaces the regular file `target` (links already resolved) with `bytes` so that a crash or a
// power cut leaves either the old or the new content: the bytes go to a temporary file beside it
// and reach the disk before the rename, and the folder reaches the disk after it. The old file's
// permissions are kept. Answers the system's reason when the old file was left as it was.
inline Result replace(const QString& target, const QByteArray& bytes) {
    QSaveFile file(target);
    // A short write on a full disk must never replace the old file: every step is checked.
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return Result::failed(error);
    }
    if (::fsync(file.handle()) != 0) {
        const QString error = QString::fromLocal8Bit(strerror(errno));
        file.cancelWriting();
        return Result::failed(error);
    }
    if (!file.commit()) {
        return Result::failed(file.errorString());
    }
    const int folder = ::open(QFile::encodeName(QFileInfo(target).absolutePath()).constData(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return Result::done();
}

} // namespace korvane::DurableFile
