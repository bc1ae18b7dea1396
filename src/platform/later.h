#pragma once

#include <QTimer>

namespace korvane {

// The platform's one promise about completions: each comes later, never inside the call that
// asked, on the thread that asked (through its event loop). GIO's own callbacks already do;
// this makes every other path (an early error, a synchronous edit, a test's fake) do the same.
template <typename... Args> std::function<void(Args...)> later(std::function<void(Args...)> done) {
    return [done = std::move(done)](Args... args) {
        QTimer::singleShot(0, [done, args...] { done(args...); });
    };
}

} // namespace korvane
