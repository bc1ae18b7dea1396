#include "rules_file.h"

#include "base/store_file.h"
#include "core_text.h"

#include <QDir>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>

namespace korvane {

QByteArray RulesFile::encode(const QList<Rule>& rules) {
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

std::optional<QList<Rule>> RulesFile::decode(const QByteArray& bytes) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isArray()) {
        return std::nullopt;
    }
    QList<Rule> rules;
    QHash<QUuid, int> seen; // how often each id came so far
    for (const QJsonValue element : document.array()) {
        if (auto rule = Rule::fromJson(element)) {
            // A repeated id (a file merged by hand) gets an id of its own, the same on every
            // read, so that each rule can be edited and deleted alone.
            if (const int repeats = seen[rule->id]++; repeats > 0) {
                rule->id = QUuid::createUuidV5(rule->id, QString::number(repeats));
            }
            rules.append(*rule);
        }
    }
    return rules;
}

std::optional<QList<Rule>> RulesFile::read(const QString& directory, QString* problem) {
    const QString path = QDir(directory).filePath(QStringLiteral("rules.json"));
    const StoreFile::Contents disk = StoreFile::read(path);
    if (disk.status == StoreFile::Contents::Absent) {
        return QList<Rule>();
    }
    auto rules = disk.status == StoreFile::Contents::Ok ? decode(disk.bytes) : std::nullopt;
    if (!rules && problem) {
        *problem =
            disk.status == StoreFile::Contents::Refused
                ? disk.error
                : CoreText::tr("%1 is not a rules file.").arg(QDir::toNativeSeparators(path));
    }
    return rules;
}

std::optional<QList<Rule>> RulesFile::readImport(const QString& path, ImportProblem& problem) {
    const StoreFile::Contents file = StoreFile::read(path);
    if (file.status == StoreFile::Contents::Refused) {
        problem = {ImportProblem::Unreadable, file.error, 0, {}};
        return std::nullopt;
    }
    if (file.status == StoreFile::Contents::Absent) {
        problem = {ImportProblem::Missing, {}, 0, {}};
        return std::nullopt;
    }
    auto rules = decode(file.bytes);
    if (!rules || rules->isEmpty()) {
        problem = {ImportProblem::NoRules, {}, 0, {}};
        return std::nullopt;
    }
    // Longer than any real desktop entry's: such a field only makes the rules file unreadable.
    constexpr qsizetype kLongestName = 1024;
    constexpr qsizetype kLongestPath = 4096;
    for (qsizetype i = 0; i < rules->size(); ++i) {
        const Rule& rule = rules->at(i);
        const bool longExtension = std::any_of(rule.extensions.begin(), rule.extensions.end(),
                                               [](const QString& ext) { return ext.size() > 255; });
        using Field = ImportProblem::Field;
        const std::optional<Field> field = rule.appName.size() > kLongestName   ? Field::AppName
                                           : rule.appId.size() > kLongestName   ? Field::AppId
                                           : rule.appPath.size() > kLongestPath ? Field::AppPath
                                           : longExtension ? std::optional(Field::Extension)
                                                           : std::nullopt;
        if (field) {
            problem = {ImportProblem::TooLong, {}, i + 1, *field};
            return std::nullopt;
        }
    }
    return rules;
}

} // namespace korvane
