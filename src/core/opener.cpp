#include "opener.h"

#include "main_thread.h"

namespace korvane {

void Opener::open(Platform& platform, const QStringList& files, const QString& app,
                  QObject* context, ErrorCompletion done) {
    const QPointer<QObject> guard(context);
    platform.openFiles(files, app, [guard, done](const std::optional<QString>& error) {
        MainThread::post(guard, [done, error] { done(error); });
    });
}

} // namespace korvane
