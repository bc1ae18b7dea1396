#include "launch.h"

#include "completion.h"

namespace korvane {

void Launch::start(Platform& platform, const QStringList& files, const QString& app,
                   QObject* context, Completion done, bool handedBack) {
    platform.openFiles(files, app, guarded(context, std::move(done)), handedBack);
}

} // namespace korvane
