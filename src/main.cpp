#include "cli/command_line.h"
#include "platform/freedesktop/freedesktop_platform.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Korvane"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KORVANE_VERSION));
    korvane::FreedesktopPlatform platform;
    QTextStream out(stdout);
    QTextStream err(stderr);
    QTextStream in(stdin);
    return korvane::CommandLine::run(QCoreApplication::arguments().mid(1), platform, out, err, in);
}
