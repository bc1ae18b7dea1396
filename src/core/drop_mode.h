#pragma once

namespace korvane {

// How a drop is opened: by the rules, in each file's default app, or only shown in the file
// manager. The front ends decide which (the window by Shift and Alt or its targets, the command
// line by its options). ForDesktop: by the rules, for the desktop, whose opener Korvane is; a
// file no rule claims opens as if Korvane were not the opener.
enum class DropMode { Route, Reveal, Defaults, ForDesktop };

} // namespace korvane
