#pragma once

#include <QCoreApplication>
#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <utility>

namespace korvane {

// Moves work that may arrive on any thread to the main thread. Always queued, so a completion
// never runs inside the call that caused it. `guard` is made on the main thread beforehand; the
// work is dropped when its object is gone by the time it would run.
class MainThread {
public:
    template <typename F> static void post(const QPointer<QObject>& guard, F&& work) {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [guard, work = std::forward<F>(work)]() mutable {
                if (guard) {
                    work();
                }
            },
            Qt::QueuedConnection);
    }
};

} // namespace korvane
