#pragma once

#include <QObject>
#include <QPointer>

namespace korvane {

// A platform completion for work done on behalf of `context`: dropped once the context is gone.
// The platform calls it later, on the thread that asked (see platform/later.h), so the check
// and the call both happen on the context's thread.
template <typename Done> auto guarded(QObject* context, Done done) {
    return [guard = QPointer<QObject>(context), done = std::move(done)](const auto&... args) {
        if (guard) {
            done(args...);
        }
    };
}

} // namespace korvane
