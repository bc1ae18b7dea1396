// Without arguments Korvane is its window; with a command, the command line.
#include "app/instance_channel.h"
#include "cli/command_line.h"
#include "core/app_model.h"
#include "core/rule_store.h"
#include "core/settings.h"
#include "gui/gui_app.h"
#include "platform/file_names.h"
#include "platform/freedesktop/freedesktop_platform.h"

#include <QApplication>
#include <QTextStream>
#include <cstdio>

namespace {

int runWindow(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvane"));
    QApplication::setApplicationVersion(QStringLiteral(KORVANE_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("korvane"));
    korvane::InstanceChannel channel;
    if (channel.requestShow()) {
        return 0; // the running window came forward
    }
    channel.listen();
    korvane::FreedesktopPlatform platform;
    korvane::Settings settings(korvane::Settings::defaultPath());
    korvane::GuiApp gui(platform, settings, korvane::RuleStore::defaultDirectory());
    gui.serve(channel);
    gui.showMainWindow();
    return app.exec();
}

} // namespace

int main(int argc, char** argv) {
    if (argc <= 1) {
        return runWindow(argc, argv);
    }
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Korvane"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KORVANE_VERSION));
    korvane::FreedesktopPlatform platform;
    korvane::InstanceChannel window;
    QTextStream out(stdout);
    QTextStream err(stderr);
    QTextStream in(stdin);
    // The arguments as their bytes: file names need not be UTF-8.
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << korvane::FileNames::decode(QByteArray(argv[i]));
    }
    return korvane::CommandLine::run(arguments, platform, out, err, in, &window);
}
