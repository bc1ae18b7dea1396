#include "rules_transfer.h"

#include "app_resolver.h"
#include "base/store_file.h"
#include "rule_store.h"
#include "rules_file.h"

#include <QUuid>

namespace korvane {

TransferReport RulesTransfer::exportTo(const RuleStore& store, const QString& path) {
    TransferReport report;
    report.path = path;
    if (!store.loadProblem().isEmpty()) {
        report.outcome = TransferReport::Refused; // the list is not the user's rules: never export
        report.error = store.loadProblem();
        return report;
    }
    if (const Result written = StoreFile::write(path, RulesFile::encode(store.rules())); !written) {
        report.outcome = TransferReport::WriteFailed;
        report.error = written.errorString();
        return report;
    }
    report.rules = store.rules().size();
    return report;
}

TransferReport RulesTransfer::importFrom(RuleStore& store, const Platform& platform,
                                         const QString& path) {
    TransferReport report;
    report.path = path;
    auto decoded = RulesFile::readImport(path, report.problem);
    if (!decoded) {
        report.outcome = TransferReport::NotImported;
        return report;
    }
    for (Rule& rule : *decoded) {
        rule.id = QUuid::createUuid();
    }
    report.leftOut = decoded->removeIf(
        [&platform](const Rule& rule) { return AppResolver::namesKorvane(rule, platform); });
    if (decoded->isEmpty()) {
        report.outcome = TransferReport::AllNameKorvane;
        return report;
    }
    if (!store.commit([rules = *decoded](QList<Rule>& list) { list.append(rules); })) {
        report.outcome = TransferReport::ImportFailed;
        report.error = store.lastError();
        return report;
    }
    report.rules = decoded->size();
    report.added = *decoded;
    return report;
}

} // namespace korvane
