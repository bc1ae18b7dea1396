#include "rule_store.h"

#include "lossy.h"
#include "platform/platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>
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
    QDir().mkpath(m_directory);
    load(platform);
}

RuleStore::~RuleStore() {
    if (m_saveTimer.isActive()) {
        m_saveTimer.stop();
        saveNow();
    }
}

QString RuleStore::defaultDirectory() {
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty()) {
        base = QDir::tempPath();
    }
    return QDir(base).filePath(QStringLiteral("Korvane"));
}

void RuleStore::load(const Platform& platform) {
    QFileInfo info(m_filePath);
    if (info.exists() || info.isSymLink()) {
        QFile file(m_filePath);
        if (!file.open(QIODevice::ReadOnly)) {
            m_fileUnreadable = true;
            return;
        }
        const auto rules = decode(file.readAll());
        if (!rules) {
            m_fileUnreadable = true;
            return;
        }
        setRules(*rules);
        return;
    }
    if (const auto sublime = findSublime(platform)) {
        Rule rule;
        rule.extensions = {QStringLiteral("md"), QStringLiteral("markdown"),
                           QStringLiteral("mdown"), QStringLiteral("txt")};
        rule.setApp(*sublime, platform);
        setRules({rule});
    }
    saveNow();
}

void RuleStore::setRules(const QList<Rule>& rules) {
    m_rules = rules;
    Q_EMIT rulesChanged();
    scheduleSave();
}

void RuleStore::setRule(qsizetype index, const Rule& rule) {
    if (index < 0 || index >= m_rules.size()) {
        return;
    }
    QList<Rule> rules = m_rules;
    rules[index] = rule;
    setRules(rules);
}

void RuleStore::insertRule(qsizetype index, const Rule& rule) {
    QList<Rule> rules = m_rules;
    rules.insert(std::clamp<qsizetype>(index, 0, rules.size()), rule);
    setRules(rules);
}

void RuleStore::removeRule(qsizetype index) {
    if (index < 0 || index >= m_rules.size()) {
        return;
    }
    QList<Rule> rules = m_rules;
    rules.removeAt(index);
    setRules(rules);
}

void RuleStore::moveRule(qsizetype from, qsizetype to) {
    if (from < 0 || from >= m_rules.size() || to < 0 || to >= m_rules.size() || from == to) {
        return;
    }
    QList<Rule> rules = m_rules;
    rules.move(from, to);
    setRules(rules);
}

void RuleStore::scheduleSave() {
    m_saveTimer.start();
}

void RuleStore::keepUnreadableCopy() {
    // The file we could not read may be the user's hand-edited rules: keep it beside the new one
    // instead of replacing it.
    QString copy = m_filePath + QStringLiteral(".unreadable");
    for (int n = 2; QFileInfo::exists(copy); ++n) {
        copy = m_filePath + QStringLiteral(".unreadable-%1").arg(n);
    }
    if (QFile::copy(m_filePath, copy) || !QFileInfo::exists(m_filePath)) {
        m_fileUnreadable = false;
    }
}

void RuleStore::saveNow() {
    m_saveTimer.stop();
    const auto bytes = encode(m_rules);
    if (!bytes) {
        Q_EMIT saved(false);
        return;
    }
    QDir().mkpath(m_directory);
    if (m_fileUnreadable) {
        keepUnreadableCopy();
        if (m_fileUnreadable) {
            Q_EMIT saved(false); // never replace a file we could neither read nor keep
            return;
        }
    }
    QSaveFile file(m_filePath);
    const bool ok =
        file.open(QIODevice::WriteOnly) && file.write(*bytes) == bytes->size() && file.commit();
    Q_EMIT saved(ok);
}

std::optional<QByteArray> RuleStore::encode(const QList<Rule>& rules) {
    QByteArray out;
    if (rules.isEmpty()) {
        return QByteArray("[\n\n]");
    }
    out += "[\n";
    for (qsizetype i = 0; i < rules.size(); ++i) {
        rules[i].appendJson(out, 2);
        out += i + 1 < rules.size() ? ",\n" : "\n";
    }
    out += "]";
    return out;
}

std::optional<QList<Rule>> RuleStore::decode(const QByteArray& bytes) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isArray()) {
        return std::nullopt;
    }
    QList<Rule> rules;
    for (const QJsonValue& element : document.array()) {
        const Lossy<Rule> item{Rule::fromJson(element)};
        if (item.value) {
            rules.append(*item.value);
        }
    }
    return rules;
}

std::optional<QList<Rule>> RuleStore::read(const QString& directory) {
    const QString path = QDir(directory).filePath(QStringLiteral("rules.json"));
    if (!QFileInfo(path).exists()) {
        return QList<Rule>();
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return decode(file.readAll());
}

std::optional<QString> RuleStore::findSublime(const Platform& platform) {
    for (const char* identifier : {"com.sublimetext.4", "com.sublimetext.3"}) {
        if (auto app = platform.applicationForIdentifier(QString::fromLatin1(identifier))) {
            return app;
        }
    }
    QList<ApplicationEntry> entries = platform.applicationEntries();
    std::stable_sort(entries.begin(), entries.end(),
                     [](const ApplicationEntry& a, const ApplicationEntry& b) {
                         return a.name < b.name; // by UTF-16 code units: upper case first
                     });
    const QString suffix = platform.applicationEntrySuffix();
    for (const ApplicationEntry& entry : entries) {
        if (entry.name.startsWith(QLatin1String("Sublime Text")) && entry.name.endsWith(suffix)) {
            return entry.path;
        }
    }
    return std::nullopt;
}

} // namespace korvane
