#include "recent_journal.h"

#include "base/file_names.h"
#include "base/regular_file.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korvane {

namespace {

// An open descriptor holding the journal's lock, both let go with the object.
class Locked {
public:
    // Only a regular file: opening never blocks on a FIFO, which is refused like a device.
    Locked(const QString& path, int flags)
        : m_descriptor(
              open(FileNames::encode(path).constData(), flags | O_CLOEXEC | O_NONBLOCK, 0600)) {
        struct stat info {};
        if (m_descriptor >= 0 && (fstat(m_descriptor, &info) != 0 || !S_ISREG(info.st_mode) ||
                                  flock(m_descriptor, LOCK_EX) != 0)) {
            close(m_descriptor);
            m_descriptor = -1;
        }
    }
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;
    ~Locked() {
        if (m_descriptor >= 0) {
            close(m_descriptor); // lets go of the lock too
        }
    }
    int descriptor() const { return m_descriptor; }

private:
    int m_descriptor;
};

QList<QStringList> parse(const QByteArray& text) {
    QList<QStringList> drops;
    for (const QByteArray& line : text.split('\n')) {
        const QJsonDocument document = QJsonDocument::fromJson(line);
        QStringList files;
        for (const QJsonValue file : document.array()) {
            files << file.toString();
        }
        if (document.isArray() && !files.contains(QString())) {
            drops << files;
        }
    }
    return drops;
}

} // namespace

bool RecentJournal::append(const QStringList& files) const {
    const QByteArray line =
        QJsonDocument(QJsonArray::fromStringList(files)).toJson(QJsonDocument::Compact) + '\n';
    const Locked journal(m_path, O_WRONLY | O_APPEND | O_CREAT);
    if (journal.descriptor() < 0) {
        return false;
    }
    // One write: a reader without the lock sees the whole line or none of it.
    ssize_t written = -1;
    do {
        written = write(journal.descriptor(), line.constData(), size_t(line.size()));
    } while (written < 0 && errno == EINTR);
    return written == line.size();
}

qint64 RecentJournal::size() const {
    struct stat info {};
    return stat(FileNames::encode(m_path).constData(), &info) == 0 ? qint64(info.st_size) : 0;
}

QList<QStringList> RecentJournal::drops() const {
    return parse(RegularFile::read(m_path, kMaxBytes).bytes);
}

bool RecentJournal::take(const std::function<bool(const QList<QStringList>&)>& write) const {
    const Locked journal(m_path, O_RDWR | O_CREAT);
    QFile file;
    if (journal.descriptor() < 0 ||
        !file.open(journal.descriptor(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle)) {
        return write({}); // no journal to fold in: the list alone
    }
    if (!write(parse(file.read(kMaxBytes)))) {
        return false;
    }
    return ftruncate(journal.descriptor(), 0) == 0;
}

} // namespace korvane
