#include "rule_store.h"

#include "base/store_file.h"
#include "core_text.h"
#include "logging.h"
#include "platform/platform.h"
#include "rules_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QStandardPaths>
#include <algorithm>

namespace korvane {

using namespace std::chrono_literals;

RuleStore::RuleStore(const Platform& platform, const QString& directory, QObject* parent)
    : QObject(parent)
    , m_directory(directory)
    , m_filePath(QDir(directory).filePath(QStringLiteral("rules.json"))) {
    m_saveTimer.setSingleShot(true);
    m_saveTimer.setInterval(300ms);
    connect(&m_saveTimer, &QTimer::timeout, this, &RuleStore::saveNow);
    load(platform);
}

RuleStore::~RuleStore() = default;

QString RuleStore::defaultDirectory() {
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty()) {
        base = QDir::tempPath();
    }
    return QDir(base).filePath(QStringLiteral("Korvane"));
}

void RuleStore::load(const Platform& platform) {
    const StoreFile::Contents disk = StoreFile::read(m_filePath);
    switch (disk.status) {
    case StoreFile::Contents::Refused:
        m_fileUnreadable = true;
        m_loadProblem = disk.error;
        return;
    case StoreFile::Contents::Ok:
        m_diskBytes = disk.bytes;
        if (const auto rules = RulesFile::decode(disk.bytes)) {
            m_rules = m_base = *rules;
        } else {
            m_fileUnreadable = true;
            m_loadProblem =
                CoreText::tr("%1 is not a rules file.").arg(QDir::toNativeSeparators(m_filePath));
        }
        return;
    case StoreFile::Contents::Absent:
        break;
    }
    if (const auto sublime = findSublime(platform)) {
        Rule rule;
        rule.extensions = {QStringLiteral("md"), QStringLiteral("markdown"),
                           QStringLiteral("mdown"), QStringLiteral("txt")};
        rule.setApp(*sublime, platform);
        m_rules = m_base = {rule};
    }
}

void RuleStore::normalise() {
    m_mayKeepAside = true;
    if (m_fileUnreadable || (m_diskBytes && *m_diskBytes == RulesFile::encode(m_rules))) {
        return;
    }
    m_normalise = true;
    m_saveTimer.start();
}

void RuleStore::watchFile() {
    if (m_watcher) {
        return;
    }
    if (!QDir().mkpath(m_directory)) {
        qCWarning(lcStore) << "no folder to watch:" << m_directory;
    }
    m_watcher = new QFileSystemWatcher({m_directory}, this);
    // The folder tells of a file replaced by rename; the file itself of one written in place.
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &RuleStore::reloadFromDisk);
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, &RuleStore::reloadFromDisk);
    reloadFromDisk();
}

void RuleStore::reloadFromDisk() {
    if (m_watcher) { // again each time: a rename may have replaced the file watched
        m_watcher->removePath(m_filePath);
        m_watcher->addPath(m_filePath);
    }
    if (!m_edits.isEmpty()) {
        return; // the next write reads the file again and keeps both
    }
    const StoreFile::Contents disk = StoreFile::read(m_filePath);
    if (disk.status != StoreFile::Contents::Ok || (m_diskBytes && *m_diskBytes == disk.bytes)) {
        return;
    }
    if (const auto rules = RulesFile::decode(disk.bytes)) {
        m_diskBytes = disk.bytes;
        m_fileUnreadable = false;
        m_loadProblem.clear();
        adopt(*rules);
    }
}

void RuleStore::adopt(const QList<Rule>& rules) {
    m_base = rules;
    if (rules == m_rules) {
        return;
    }
    m_rules = rules;
    Q_EMIT rulesChanged();
}

void RuleStore::replay() {
    QList<Rule> rules = m_base;
    for (const Edit& change : std::as_const(m_edits)) {
        change(rules);
    }
    if (rules != m_rules) {
        m_rules = rules;
        Q_EMIT rulesChanged();
    }
}

void RuleStore::edit(Edit change) {
    change(m_rules);
    m_edits.append(std::move(change));
    Q_EMIT rulesChanged();
    if (m_saveTimer.interval() != 0) {
        m_saveTimer.start();
    } else if (!saveNow()) {
        // A change that was reported as not written must never be written later.
        m_edits.clear();
        m_normalise = false;
        replay();
    }
}

bool RuleStore::commit(Edit change) {
    const qsizetype waiting = m_edits.size();
    if (m_saveTimer.interval() == 0) {
        edit(std::move(change));
        return m_edits.isEmpty() && m_lastError.isEmpty();
    }
    change(m_rules);
    m_edits.append(std::move(change));
    Q_EMIT rulesChanged();
    if (saveNow()) {
        return true;
    }
    m_edits.resize(waiting); // the others wait for the next write, as before
    replay();
    if (savePending()) {
        m_saveTimer.start();
    }
    return false;
}

void RuleStore::setRules(const QList<Rule>& rules) {
    edit([rules](QList<Rule>& list) { list = rules; });
}

void RuleStore::setRule(const Rule& rule) {
    edit([rule](QList<Rule>& list) {
        for (Rule& existing : list) {
            if (existing.id == rule.id) {
                existing = rule;
            }
        }
    });
}

void RuleStore::insertRule(qsizetype index, const Rule& rule) {
    edit([index, rule](QList<Rule>& list) {
        list.insert(std::clamp<qsizetype>(index, 0, list.size()), rule);
    });
}

void RuleStore::appendRules(const QList<Rule>& rules) {
    edit([rules](QList<Rule>& list) { list.append(rules); });
}

void RuleStore::removeRule(const QUuid& id) {
    edit([id](QList<Rule>& list) { list.removeIf([&](const Rule& r) { return r.id == id; }); });
}

void RuleStore::moveRule(qsizetype from, qsizetype to) {
    if (from < 0 || from >= m_rules.size() || to < 0 || to >= m_rules.size() || from == to) {
        return;
    }
    const QUuid id = m_rules[from].id;
    edit([id, to](QList<Rule>& list) {
        for (qsizetype i = 0; i < list.size(); ++i) {
            if (list[i].id == id) {
                list.move(i, std::clamp<qsizetype>(to, 0, list.size() - 1));
                return;
            }
        }
    });
}

std::optional<QString> RuleStore::keepUnreadableCopy() {
    // The file we could not read may be the user's hand-edited rules: keep it beside the new one
    // instead of replacing it.
    QString copy = m_filePath + QStringLiteral(".unreadable");
    for (int n = 2; QFileInfo::exists(copy) || QFileInfo(copy).isSymLink(); ++n) {
        copy = m_filePath + QStringLiteral(".unreadable-%1").arg(n);
    }
    return QFile::copy(m_filePath, copy) ? std::optional(copy) : std::nullopt;
}

bool RuleStore::fail(const QString& error) {
    qCInfo(lcStore) << "rules not saved:" << error; // the front ends tell the user
    m_lastError = error;
    Q_EMIT saved(false);
    return false;
}

bool RuleStore::saveNow() {
    m_saveTimer.stop();
    if (!savePending()) {
        return true;
    }
    if (!QDir().mkpath(m_directory)) {
        return fail(
            CoreText::tr("%1 couldn't be made.").arg(QDir::toNativeSeparators(m_directory)));
    }
    const StoreFile::Lock lock(m_filePath);
    if (!lock) {
        return fail(lock.error());
    }
    const StoreFile::Contents disk = StoreFile::read(m_filePath);
    if (disk.status == StoreFile::Contents::Refused) {
        return fail(disk.error); // never replace what is not a regular file of ours
    }
    const bool onDisk = disk.status == StoreFile::Contents::Ok;
    QList<Rule> rules = m_rules;
    if (onDisk && (!m_diskBytes || *m_diskBytes != disk.bytes)) {
        // Another process wrote the file since we read it: our edits go on top of its list.
        if (const auto theirs = RulesFile::decode(disk.bytes)) {
            rules = *theirs;
            for (const Edit& change : std::as_const(m_edits)) {
                change(rules);
            }
            m_fileUnreadable = false;
        } else {
            m_fileUnreadable = true;
        }
    }
    std::optional<QString> keptAt;
    if (onDisk && m_fileUnreadable) {
        if (!m_mayKeepAside) {
            return fail(m_loadProblem.isEmpty() ? CoreText::tr("%1 is not a rules file.")
                                                      .arg(QDir::toNativeSeparators(m_filePath))
                                                : m_loadProblem);
        }
        keptAt = keepUnreadableCopy();
        if (!keptAt) {
            return fail(CoreText::tr("%1 can't be read as rules and couldn't be kept aside, so "
                                     "it was left as it is.")
                            .arg(QDir::toNativeSeparators(m_filePath)));
        }
    }
    const QByteArray bytes = RulesFile::encode(rules);
    if (!onDisk || disk.bytes != bytes) {
        if (const Result written = StoreFile::write(m_filePath, bytes); !written) {
            return fail(written.errorString());
        }
    }
    m_diskBytes = bytes;
    m_edits.clear();
    m_normalise = false;
    m_fileUnreadable = false;
    m_loadProblem.clear();
    m_lastError.clear();
    adopt(rules);
    if (keptAt) {
        Q_EMIT unreadableKept(*keptAt);
    }
    Q_EMIT saved(true);
    return true;
}

std::optional<QString> RuleStore::findSublime(const Platform& platform) {
    if (auto app = platform.applicationForIdentifier(QStringLiteral("sublime_text.desktop"))) {
        return app;
    }
    QList<ApplicationEntry> entries = platform.applicationEntries();
    std::stable_sort(entries.begin(), entries.end(),
                     [](const ApplicationEntry& a, const ApplicationEntry& b) {
                         return a.name < b.name; // by UTF-16 code units: upper case first
                     });
    for (const ApplicationEntry& entry : entries) {
        if (entry.name.startsWith(QLatin1String("Sublime Text"))) {
            return entry.path;
        }
    }
    return std::nullopt;
}

} // namespace korvane
