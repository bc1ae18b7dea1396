#pragma once

#include "core/rule.h"

#include <QStringList>

namespace korvane {

// What a rule matches, as both front ends list it: its extensions, its group, its folders; each
// only when it has one.
QStringList ruleWords(const Rule& rule);

} // namespace korvane
