#include "opener.h"

#include <QPointer>

namespace korvane {

void Opener::open(Platform& platform, const QStringList& files, const QString& app,
                  QObject* context, ErrorCompletion done) {
    // Queued on the context's thread, never inside the call; dropped once the context is gone.
    const QPointer<QObject> guard(context);
    platform.openFiles(files, app, [guard, done](const std::optional<QString>& error) {
        if (guard) {
            QMetaObject::invokeMethod(
                guard, [done, error] { done(error); }, Qt::QueuedConnection);
        }
    });
}

} // namespace korvane
