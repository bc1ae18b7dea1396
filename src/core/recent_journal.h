#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace korvane {

// The files commands recorded as recent, one drop per line beside the settings file, so that a
// command appends a line instead of rewriting the settings. Whoever writes the list folds the
// lines in and empties the journal, holding its lock, so no line appended meanwhile is lost.
class RecentJournal {
public:
    explicit RecentJournal(const QString& path)
        : m_path(path) {}

    // Appends one drop's files; false when the line couldn't be written.
    bool append(const QStringList& files) const;
    // The journal's size in bytes: 0 when it is empty or missing.
    qint64 size() const;
    // The drops recorded, oldest first; lines that aren't one are skipped.
    QList<QStringList> drops() const;
    // Runs `write` with the drops recorded, holding the lock that appending takes; empties the
    // journal when `write` succeeded.
    bool take(const std::function<bool(const QList<QStringList>&)>& write) const;

    // What is read of it at most: commands fold it into the settings long before.
    static constexpr qint64 kMaxBytes = 1024 * 1024;

private:
    QString m_path;
};

} // namespace korvane
