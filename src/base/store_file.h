#pragma once

#include "regular_file.h"
#include "result.h"

#include <QByteArray>
#include <QLockFile>
#include <QString>

namespace korvane {

// Reading and replacing the user's files (rules, records, exports): only regular files are read
// or replaced, reads are capped, writes are atomic and every step is checked.
namespace StoreFile {

inline constexpr qint64 kMaxSize = 16 * 1024 * 1024;

using Contents = RegularFile::Contents;

// Never blocks on a FIFO or device: they are refused, as is a file above `maxSize`.
Contents read(const QString& path, qint64 maxSize = kMaxSize);

// Replaces the file at `path` with `bytes` durably, or leaves it whole and answers why not, also
// when the bytes are more than `read` takes. A symbolic link is written through to its target;
// anything but a regular file is refused.
Result write(const QString& path, const QByteArray& bytes);

// The lock every read-modify-write of `path` holds, so that two processes never lose each
// other's changes.
class Lock {
public:
    explicit Lock(const QString& path);
    // Empty when the lock is held.
    QString error() const { return m_error; }
    explicit operator bool() const { return m_error.isEmpty(); }

private:
    QLockFile m_lock;
    QString m_error;
};

} // namespace StoreFile

} // namespace korvane
