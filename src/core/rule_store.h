#pragma once

#include "rule.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>
#include <chrono>
#include <optional>

namespace korvane {

class Platform;

// Owns the rule list and keeps the rules file in step with it: every change schedules one
// atomic write, debounced so that a burst of edits costs one write.
class RuleStore : public QObject {
    Q_OBJECT

public:
    // Loads `directory`/rules.json; on the very first run makes the default rule.
    RuleStore(const Platform& platform, const QString& directory, QObject* parent = nullptr);
    // Writes a change that is still waiting for its delay, so a quit never loses it.
    ~RuleStore() override;

    // "Korvane" under the user's data directory, or under the temporary directory without one.
    static QString defaultDirectory();

    const QList<Rule>& rules() const { return m_rules; }
    void setRules(const QList<Rule>& rules);
    // Conveniences over setRules; each is one change.
    void setRule(qsizetype index, const Rule& rule);
    void insertRule(qsizetype index, const Rule& rule);
    void removeRule(qsizetype index);
    void moveRule(qsizetype from, qsizetype to);

    QString directory() const { return m_directory; }
    QString filePath() const { return m_filePath; }

    // Writes the list now. Failures leave the file as it was.
    void saveNow();
    bool savePending() const { return m_saveTimer.isActive(); }
    void setSaveDelay(std::chrono::milliseconds delay) { m_saveTimer.setInterval(delay); }

    // The rules-file format: pretty-printed, sorted keys, escaped slashes.
    static std::optional<QByteArray> encode(const QList<Rule>& rules);
    // Nothing when the bytes are not a JSON array; elements that are no object are skipped.
    static std::optional<QList<Rule>> decode(const QByteArray& bytes);
    // The rules in `directory` without a store: nothing is made or written. Empty when there is
    // no file; nothing when the file cannot be read as a rule list.
    static std::optional<QList<Rule>> read(const QString& directory);
    // An installed Sublime Text, for the first-run rule.
    static std::optional<QString> findSublime(const Platform& platform);

Q_SIGNALS:
    void rulesChanged();
    // After every write attempt, with whether the file now holds the list.
    void saved(bool ok);

private:
    void load(const Platform& platform);
    void scheduleSave();
    void keepUnreadableCopy();

    QList<Rule> m_rules;
    QString m_directory;
    QString m_filePath;
    QTimer m_saveTimer;
    bool m_fileUnreadable = false;
};

} // namespace korvane
