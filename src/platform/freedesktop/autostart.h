#pragma once

#include "base/result.h"

#include <QString>
#include <optional>

namespace korvane::Autostart {

// Launch at login as an XDG autostart entry.

// The entry's path.
QString path();

// Whether an entry starts Korvane at login: this one, or the one earlier versions wrote.
bool enabled();

// Writes the entry, starting `program` (the running program's path when empty), or removes it;
// the earlier versions' entry goes either way. Answers why it could not.
Result setEnabled(bool enabled, const QString& program);

} // namespace korvane::Autostart
