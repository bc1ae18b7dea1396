#pragma once

#include <QHash>
#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QStringList>
#include <chrono>
#include <functional>
#include <optional>

namespace korvane {

class Platform;
struct ContentType;

// Makes an application the system default for one extension, records the default it replaced
// the first time, and puts that one back on request. Every operation ends in one sentence, and
// says whether it did what was asked.
class DefaultAppManager : public QObject {
    Q_OBJECT

public:
    struct Record {
        QString previousAppId; // empty when there was no default, or it had no identifier
        QString changedTo;
        QJsonObject change; // what the platform altered; stored as further members of the entry
        friend bool operator==(const Record&, const Record&) = default;
    };
    using Report = std::function<void(const QString& sentence, bool ok)>;

    // Loads `directory`/previous-defaults.json; any bad entry loads as no records at all.
    DefaultAppManager(Platform& platform, const QString& directory, QObject* parent = nullptr);

    // Both answer later, on the main thread, after reading the default back.
    void setDefault(const QString& ext, const QString& app, Report done);
    void restore(const QString& ext, Report done);
    // Sets `app` (or, without one, restores) for each extension in turn, the next once the
    // previous has answered; restoring passes over extensions with no record. `done` gets every
    // sentence and how many did not do what was asked.
    void runAll(const QStringList& extensions, const std::optional<QString>& app,
                std::function<void(const QStringList& lines, int failures)> done);

    const QHash<QString, Record>& records() const { return m_records; }
    QString filePath() const { return m_filePath; }
    // How long the system gets before a change is read back (0.7 s).
    void setReadBackDelay(std::chrono::milliseconds delay) { m_readBack = delay; }

    // The same application, after resolving symbolic links; false when either is absent.
    static bool same(const std::optional<QString>& a, const std::optional<QString>& b);

    static QByteArray encode(const QHash<QString, Record>& records);
    // Nothing when the bytes are not a record file.
    static std::optional<QHash<QString, Record>> decode(const QByteArray& bytes);

private:
    void load();
    // Changes the record file under its lock, on what it holds now. Answers the error.
    std::optional<QString> update(const std::function<void(QHash<QString, Record>&)>& change);
    QString stillOpens(const ContentType& type) const;

    Platform& m_platform;
    QString m_filePath;
    QHash<QString, Record> m_records;
    std::chrono::milliseconds m_readBack{700};
};

} // namespace korvane
