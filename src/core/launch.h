#pragma once

#include "platform/platform.h"

#include <QObject>
#include <QStringList>

namespace korvane {

// Hands files to one application in one request.
class Launch {
public:
    // `done` runs exactly once, later, on the thread of `context`, unless `context` is gone.
    // `handedBack`: the files came back from an app Korvane started with them.
    static void start(Platform& platform, const QStringList& files, const QString& app,
                      QObject* context, Completion done, bool handedBack = false);
};

} // namespace korvane
