#include "launch.h"

#include "completion.h"

namespace korvane {

void Launch::start(Platform& platform, const QStringList& files, const QString& app,
                   QObject* context, Completion done) {
    platform.openFiles(files, app, guarded(context, std::move(done)));
}

} // namespace korvane
