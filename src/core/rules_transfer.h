#pragma once

#include "rule.h"
#include "rules_file.h"

#include <QList>
#include <QString>

namespace korvane {

class Platform;
class RuleStore;

// How an export or import of rules ended.
struct TransferReport {
    enum Outcome {
        Done,           // `rules` written or added; an import left out `leftOut` naming Korvane
        Refused,        // `error`: the list can't be read as rules, so it is never exported
        NotImported,    // `problem`: the file gave no rules to import
        AllNameKorvane, // every rule of the file names Korvane itself: nothing imported
        WriteFailed,    // `error`: the export couldn't be written there
        ImportFailed,   // `error`: the imported rules couldn't be saved
    };
    Outcome outcome = Done;
    QString error;
    QString path; // the file written or read
    RulesFile::ImportProblem problem;
    qsizetype rules = 0;
    qsizetype leftOut = 0;
    QList<Rule> added; // an import's rules, as added at the end of the list

    bool ok() const { return outcome == Done; }
};

// Rules to and from files the user picks: an export writes the list in the rules file's format;
// an import adds a file's rules at the end of the list, each with an id of its own, leaving out
// rules that name Korvane itself. Nothing changes when either fails.
class RulesTransfer {
public:
    static TransferReport exportTo(const RuleStore& store, const QString& path);
    static TransferReport importFrom(RuleStore& store, const Platform& platform,
                                     const QString& path);
};

} // namespace korvane
