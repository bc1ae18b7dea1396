#pragma once

#include "base/result.h"

#include <QString>
#include <optional>

namespace korvane::OpenerEntry {

// The desktop entry through which the desktop hands files to Korvane to open without a window.
// It lists no menu item of its own, so that starting Korvane from the menu still shows the
// window.

// Its desktop-file ID.
QString id();

// Its path, installed or provided; none while the desktop has neither.
std::optional<QString> path();

// Writes an entry of this user's own that runs `program` (the running program when empty),
// where no other is installed, or where the one provided runs another program. Answers why it
// could not.
Result provide(const QString& program);

// Removes the entry `provide` wrote, if any.
Result withdraw();

} // namespace korvane::OpenerEntry
