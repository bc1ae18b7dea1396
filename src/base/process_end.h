#pragma once

namespace korvane::ProcessEnd {

// Ends a command once everything it said is written: what is left to free, the kernel frees.
// GIO's watches on the application folders, which no command waits for, are let go by a child
// that outlives this process, since their teardown in the kernel takes milliseconds.
[[noreturn]] void now(int status);

} // namespace korvane::ProcessEnd
