#pragma once

#include "base/result.h"
#include "default_outcome.h"

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
// the first time, and puts that one back on request. Every operation ends in one outcome.
class DefaultAppManager : public QObject {
    Q_OBJECT

public:
    struct Record {
        // The desktop-file IDs of the default before and of the app made the default; the
        // first is empty when there was no default, or it had no identifier.
        QString previousAppId;
        QString changedTo;
        QJsonObject change; // what the platform altered; stored as further members of the entry
        // Set while the change is only intended: the app the record expected before (null for a
        // new record). A change cut short is settled by whether it happened.
        QJsonValue unconfirmed{QJsonValue::Undefined};
        // Where the earlier default was set (a settings file); empty when unknown.
        QString previousOrigin{};
        friend bool operator==(const Record&, const Record&) = default;
    };
    struct Records {
        QHash<QString, Record> entries;
        QJsonObject unknown; // entries Korvane can't read, kept as they are
        friend bool operator==(const Records&, const Records&) = default;
    };
    using Report = std::function<void(const DefaultOutcome& outcome)>;

    // Loads `directory`/previous-defaults.json.
    DefaultAppManager(Platform& platform, const QString& directory, QObject* parent = nullptr);

    // Both answer once: at once where nothing is asked of the platform (no type, already the
    // default, nothing recorded), else later, on this object's thread, after reading it back.
    void setDefault(const QString& ext, const QString& app, Report done);
    void restore(const QString& ext, Report done);
    // Sets `app` (or, without one, restores) for each extension in turn, the next once the
    // previous has answered; restoring passes over extensions with no record. `done` gets every
    // outcome.
    void runAll(const QStringList& extensions, const std::optional<QString>& app,
                std::function<void(const QList<DefaultOutcome>& outcomes)> done);

    // Whole content types, as the opener takes them: `app` made the default of every type in one
    // change of the settings and read back once; recorded by type beside the extensions. `done`
    // gets one outcome per type, the type in place of the extension, later, on this object's
    // thread. A type whose record the user's own choice has outdated is recorded anew.
    using Reports = std::function<void(const QList<DefaultOutcome>& outcomes)>;
    void takeTypes(const QList<ContentType>& types, const QString& app, const Reports& done);
    // Gives back the defaults the types' records replaced, in one change; a type whose default
    // was changed since is left as it is, and its record dropped.
    void giveBackTypes(const QStringList& types, const Reports& done);
    // Records of whole types are keyed by the type, which no extension can be.
    static bool isTypeKey(const QString& key) { return key.contains(u'/'); }

    const QHash<QString, Record>& records() const { return m_records.entries; }
    // Reads the record file again, for changes made by another process.
    void reload() { load(); }
    QString filePath() const { return m_filePath; }
    // How long the system gets before a change is read back (0.7 s).
    void setReadBackDelay(std::chrono::milliseconds delay) { m_readBack = delay; }

    // The same application, after resolving symbolic links; false when either is absent.
    static bool same(const std::optional<QString>& a, const std::optional<QString>& b);

    static QByteArray encode(const Records& records);
    // Nothing when the bytes are not a record file (not a JSON object).
    static std::optional<Records> decode(const QByteArray& bytes);

private:
    void load();
    // Changes the record file under its lock, on what it holds now; a file that can't be read
    // is left as it is. Answers the error.
    Result update(const std::function<void(QHash<QString, Record>&)>& change);
    // Drops the records of `keys`; what each one's change knew of the settings before Korvane
    // changed them passes to the records that stay.
    void drop(QHash<QString, Record>& records, const QStringList& keys) const;
    // Settles an intended change by whether the setting it altered names its app: one that
    // happened is a record like any; one that didn't leaves the record as it was before.
    // False when that leaves no record.
    bool settle(Record& record, const ContentType& type) const;
    // Loads the record file; where it can't be read, answers a failure for each type, later.
    bool loadFor(const QStringList& types, const Reports& done);
    void answerLater(const Reports& done, const QList<DefaultOutcome>& outcomes);
    // Whether Korvane holds the type as the desktop's opener: its default is the opener's to
    // give back, and "Make default" and "Restore" leave it alone until the opener is off.
    bool heldByOpener(const ContentType& type) const;
    // Which app still opens the type, and which file says so.
    DefaultOutcome stillOpens(const QString& ext, DefaultOutcome::Kind kind,
                              const ContentType& type) const;

    Platform& m_platform;
    QString m_filePath;
    Records m_records;
    Result m_loaded; // whether the record file could be read, and why not
    std::chrono::milliseconds m_readBack{700};
};

} // namespace korvane
