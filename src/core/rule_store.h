#pragma once

#include "rule.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>
#include <chrono>
#include <functional>
#include <optional>

class QFileSystemWatcher;

namespace korvane {

class Platform;

// Owns the rule list and keeps the rules file in step with it. Each change is kept as an edit
// and written under the file's lock after the file is read again, so that a change another
// process made meanwhile is kept and the edits are applied on top of it. Changes are debounced,
// so that a burst of edits costs one write; with a delay of 0 each change is written before the
// call returns, and one that could not be written is dropped. Loading never writes, and neither
// does the destructor: the owner flushes with saveNow().
class RuleStore : public QObject {
    Q_OBJECT

public:
    // Loads `directory`/rules.json; on the very first run makes the default rule (not written
    // until the list is changed or normalised).
    RuleStore(const Platform& platform, const QString& directory, QObject* parent = nullptr);
    ~RuleStore() override;

    // "Korvane" under the user's data directory, or under the temporary directory without one.
    static QString defaultDirectory();

    const QList<Rule>& rules() const { return m_rules; }
    // Replaces the whole list.
    void setRules(const QList<Rule>& rules);
    // Edits that name rules by id, so that they still mean the same on a list changed on disk.
    using Edit = std::function<void(QList<Rule>&)>;
    void edit(Edit change);
    void setRule(const Rule& rule);
    void insertRule(qsizetype index, const Rule& rule);
    void appendRules(const QList<Rule>& rules);
    void removeRule(const QUuid& id);
    void moveRule(qsizetype from, qsizetype to);
    // Makes the change and writes it at once; a change that can't be written is taken back
    // (every other waiting change stays), with the reason in `lastError`.
    [[nodiscard]] bool commit(Edit change);

    QString directory() const { return m_directory; }
    QString filePath() const { return m_filePath; }
    // Why the file could not be read as a rule list; empty when it could, or there is none.
    QString loadProblem() const { return m_loadProblem; }
    // Why the last write failed; empty after a good one.
    QString lastError() const { return m_lastError; }

    // Writes waiting changes now. False, with `lastError`, when the file was left as it was.
    bool saveNow();
    bool savePending() const { return !m_edits.isEmpty() || m_normalise; }
    // True while changes wait after a write that failed.
    bool writeFailed() const { return savePending() && !m_lastError.isEmpty(); }
    void setSaveDelay(std::chrono::milliseconds delay) { m_saveTimer.setInterval(delay); }
    // For the process that edits rules: writes the list as this version writes it (and the
    // first-run rule) when that differs from the file. A rules file that can't be read is kept
    // aside at the first change (see unreadableKept); without this it is never replaced.
    void normalise();
    // Adopts changes other processes write to the file while no change of ours is waiting.
    void watchFile();

    // An installed Sublime Text, for the first-run rule.
    static std::optional<QString> findSublime(const Platform& platform);

Q_SIGNALS:
    void rulesChanged();
    // After every write attempt, with whether the file now holds the list.
    void saved(bool ok);
    // A rules file that couldn't be read was kept at `copy` before a new one was written.
    void unreadableKept(const QString& copy);

private:
    void load(const Platform& platform);
    void reloadFromDisk();
    bool fail(const QString& error);
    std::optional<QString> keepUnreadableCopy();
    void adopt(const QList<Rule>& rules);
    void replay();

    QList<Rule> m_base;  // the list as last read or written
    QList<Rule> m_rules; // m_base with m_edits applied
    QList<Edit> m_edits; // made since the last write, in order
    QString m_directory;
    QString m_filePath;
    QTimer m_saveTimer;
    std::optional<QByteArray> m_diskBytes; // what the file held when last read or written
    bool m_fileUnreadable = false;
    bool m_normalise = false;
    bool m_mayKeepAside = false;
    QString m_loadProblem;
    QString m_lastError;
    QFileSystemWatcher* m_watcher = nullptr;
};

} // namespace korvane
