#pragma once

#include "platform/platform.h"

#include <memory>

namespace korvane::OpenerService {

// The opener on the session bus, as the desktop asks a D-Bus activatable entry to open files
// (org.freedesktop.Application): the bus starts Korvane once, and later opens cost no start.

// Serves while the returned holder lives: each Open call is answered at once, and its files
// (local paths; a location with none is passed over) reach `open` afterwards. `ended` hears
// once, with why, when the name can't be had or is lost, and done when asked to stop. Items
// `mayComeBack` names (those of a launch of this process) are first checked for coming back
// from an app Korvane started: their sender's launch marker is read before the answer.
std::shared_ptr<void> serve(Platform::OpenRequest open, Completion ended,
                            std::function<bool(const QStringList& items)> mayComeBack);

// Asks a running opener to end, as when the opener is turned off; starts none.
void stop();

} // namespace korvane::OpenerService
