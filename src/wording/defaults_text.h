#pragma once

#include "core/default_outcome.h"

#include <QString>

namespace korvane {

// One line per extension: ".png: done. Image Viewer is now the default."; `systemName` is the
// desktop's ("your desktop").
QString defaultOutcomeText(const DefaultOutcome& outcome, const QString& systemName);
// A make-default or restore command's report: why nothing was tried, or a line per extension.
// Empty when a restore found nothing on record.
QString defaultsReportText(const DefaultsReport& report, const QString& systemName);

} // namespace korvane
