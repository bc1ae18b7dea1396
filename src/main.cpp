// Korvane is its window, started bare or with files to drop on it, or its command line.
#include "base/file_names.h"
#include "cli/cli_text.h"
#include "cli/command_line.h"
#include "cli/terminal_text.h"
#include "core/app_model.h"
#include "core/rule_store.h"
#include "core/settings.h"
#include "gui/gui_app.h"
#include "i18n/translations.h"
#include "instance/instance_channel.h"
#include "platform/freedesktop/freedesktop_platform.h"
#include "platform/launch_marker.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QTextStream>
#include <QTimer>
#include <csignal>
#include <optional>
#include <unistd.h>

namespace {

using korvane::DropMode;

// The window's arguments: nothing, or the files a launcher hands over as one drop, optionally
// led by --reveal or --with-defaults. Nothing when the arguments are a command's.
struct Drop {
    QStringList files;
    DropMode mode = DropMode::Route;
};

std::optional<Drop> windowArguments(const QStringList& arguments) {
    Drop drop;
    bool optionsDone = false;
    for (const QString& argument : arguments) {
        if (optionsDone || !argument.startsWith(u'-')) {
            drop.files << argument;
        } else if (argument == QLatin1String("--")) {
            optionsDone = true;
        } else if (argument == QLatin1String("--reveal") && drop.files.isEmpty()) {
            drop.mode = DropMode::Reveal;
        } else if (argument == QLatin1String("--with-defaults") && drop.files.isEmpty()) {
            drop.mode = DropMode::Defaults;
        } else {
            return std::nullopt;
        }
    }
    if (!arguments.isEmpty() && drop.files.isEmpty() && !optionsDone) {
        return std::nullopt; // options alone are a command line's business
    }
    const QString here = korvane::FileNames::currentFolder();
    for (QString& file : drop.files) {
        file = korvane::FileNames::absolute(file, here);
    }
    return drop;
}

int runWindow(int argc, char** argv, const Drop& drop) {
    // A launcher's output pipe may close long before the window does: writing a warning there
    // must not end the window.
    signal(SIGPIPE, SIG_IGN);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvane"));
    QApplication::setApplicationVersion(QStringLiteral(KORVANE_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(KORVANE_APP_ID));
    korvane::Translations::install(app, QLocale());
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(KORVANE_APP_ID),
                                                 QIcon(QStringLiteral(":/icons/korvane.svg"))));
    korvane::InstanceChannel channel;
    const auto handed = [&] {
        return drop.files.isEmpty() ? channel.requestShow()
                                    : channel.handOver(drop.files, drop.mode);
    };
    if (handed()) {
        return 0; // the running window came forward, or took the files
    }
    // A window that runs but doesn't answer keeps the rules: a second one would write them
    // against it. Where nobody can tell whether one runs, this one starts, and says so.
    bool unreachable = !channel.socketPath().isEmpty() && !channel.errorString().isEmpty();
    if (!unreachable && !channel.listen() && channel.errorString().isEmpty()) {
        if (handed()) {
            return 0; // another start was a moment ahead
        }
        unreachable = true;
    }
    if (unreachable) {
        const QString why = channel.errorString();
        QTextStream(stderr) << "korvane: "
                            << korvane::CliText::tr("the Korvane window can't be reached: %1.")
                                   .arg(korvane::terminalText(
                                       why.isEmpty() ? korvane::CliText::tr("it doesn't answer")
                                                     : why))
                            << "\n";
        return 1;
    }
    korvane::FreedesktopPlatform platform;
    korvane::Settings settings(korvane::Settings::defaultPath());
    korvane::GuiApp gui(platform, settings, korvane::RuleStore::defaultDirectory());
    gui.serve(channel);
    if (!channel.isListening()) {
        QTextStream(stderr) << "korvane: "
                            << korvane::CliText::tr("the Korvane window can't be reached: %1. "
                                                    "This one runs on its own; later starts "
                                                    "can't reach it.")
                                   .arg(korvane::terminalText(channel.errorString()))
                            << "\n";
    }
    gui.showMainWindow();
    if (!drop.files.isEmpty()) {
        QTimer::singleShot(0, &gui.model(),
                           [&gui, drop] { gui.model().handle(drop.files, drop.mode); });
    }
    return app.exec();
}

// The files a start was asked to open, as a drop or by `open`, as absolute paths.
QStringList filesToOpen(const QStringList& arguments, bool drop) {
    const bool open = arguments.value(0) == QLatin1String("open");
    QStringList files;
    bool optionsDone = false;
    for (const QString& argument : arguments.mid(open ? 1 : 0)) {
        if (!optionsDone && argument.startsWith(u'-')) {
            optionsDone = argument == QLatin1String("--");
        } else {
            files << argument;
        }
    }
    if (!open && !drop) {
        return {};
    }
    const QString here = korvane::FileNames::currentFolder();
    for (QString& file : files) {
        file = korvane::FileNames::absolute(korvane::LaunchMarker::pathOfArgument(file), here);
    }
    return files;
}

} // namespace

int main(int argc, char** argv) {
    // GIO answers launches and look-ups on GLib's main context, which only Qt's GLib event
    // dispatcher runs: without it every open would wait for ever.
    qunsetenv("QT_NO_GLIB");
    // The arguments as their bytes: file names need not be UTF-8.
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << korvane::FileNames::decode(QByteArray(argv[i]));
    }
    // A word that is neither a command nor a file there is a mistyped command, not a drop.
    const auto drop = windowArguments(arguments);
    // Started by Korvane with the very files it hands on: opening them would start it again.
    const QByteArray marker = qgetenv(korvane::LaunchMarker::kVariable);
    qunsetenv(korvane::LaunchMarker::kVariable); // the apps this start launches get their own
    if (!marker.isEmpty() &&
        marker == korvane::LaunchMarker::of(filesToOpen(arguments, drop.has_value()))) {
        const QCoreApplication app(argc, argv);
        korvane::Translations::install(*QCoreApplication::instance(), QLocale());
        QTextStream(stderr) << "korvane: "
                            << korvane::CliText::tr(
                                   "Korvane was started by Korvane to open these files, so it "
                                   "doesn't hand them on again. Check the rule whose app runs "
                                   "Korvane.")
                            << "\n";
        return 1;
    }
    const QString first = arguments.value(0);
    if (drop && !korvane::CommandLine::isCommand(first) &&
        (drop->files.isEmpty() || first.contains(u'/') || first.startsWith(u'-') ||
         access(korvane::FileNames::encode(drop->files.first()).constData(), F_OK) == 0)) {
        return runWindow(argc, argv, *drop);
    }
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Korvane"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KORVANE_VERSION));
    korvane::Translations::install(app, QLocale());
    QTextStream out(stdout);
    if (arguments.value(0) == QLatin1String("--man-page")) {
        out << korvane::CommandLine::manPage(); // for the build, which installs it
        return 0;
    }
    korvane::FreedesktopPlatform platform;
    korvane::InstanceChannel window;
    QTextStream err(stderr);
    QTextStream in(stdin);
    return korvane::CommandLine::run(arguments, platform, out, err, in, &window);
}
