#pragma once

#include "core/route_explanation.h"
#include "core/rule.h"

#include <QList>
#include <QStringList>

namespace korvane {

class Platform;

// Why a file goes where it goes, one line each: the endings and the type considered, each rule's
// part in order, the command the app would run, and the desktop's own choice.
QStringList explanationLines(const RouteExplanation& why, const QList<Rule>& rules,
                             const Platform& platform);

} // namespace korvane
