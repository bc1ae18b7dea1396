#pragma once

#include "rule.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace korvane {

// The rules file, rules.json: its bytes as this version writes them, and what it reads from
// files of every version, hand-edited ones and files to import.
class RulesFile {
public:
    // Pretty-printed, sorted keys, escaped slashes.
    static QByteArray encode(const QList<Rule>& rules);
    // Nothing when the bytes are not a JSON array; elements that are no object are skipped.
    static std::optional<QList<Rule>> decode(const QByteArray& bytes);
    // The rules in `directory` without a store: nothing is made or written. Empty when there is
    // no file; nothing, with the reason in `problem`, when it cannot be read as a rule list.
    static std::optional<QList<Rule>> read(const QString& directory, QString* problem = nullptr);
    // Why a file to import gives no rules.
    struct ImportProblem {
        enum Kind {
            Unreadable, // `error`: the system's words
            Missing,
            NoRules,
            TooLong, // rule number `rule` (from 1) has a `field` longer than any real one
        };
        enum Field { AppName, AppId, AppPath, Extension };
        Kind kind = Unreadable;
        QString error;
        qsizetype rule = 0;
        Field field = AppName;
    };
    // The rules of a file to import: nothing, with why in `problem`, when it holds none.
    static std::optional<QList<Rule>> readImport(const QString& path, ImportProblem& problem);
};

} // namespace korvane
