// Korvane's command line, and the way to its window: a start with files, or none, hands them to
// the running window or becomes the window. Only Qt Core and GIO load here, so that a command or
// a hand-over starts as fast as the desktop's own tools.
#include "base/file_names.h"
#include "base/process_end.h"
#include "cli/cli_text.h"
#include "cli/command_line.h"
#include "cli/terminal_text.h"
#include "core/links.h"
#include "i18n/translations.h"
#include "instance/instance_channel.h"
#include "instance/window_start.h"
#include "platform/freedesktop/freedesktop_platform.h"
#include "platform/launch_marker.h"

#include <QLocale>
#include <QTextStream>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <unistd.h>

using namespace korvane;

namespace {

// The application object and the user's language, made once there is something to say or a
// command to run: a start that only hands files to the window, or becomes it, needs neither.
class Application {
public:
    Application(int& argc, char** argv)
        : m_argc(argc)
        , m_argv(argv) {}

    void make() {
        if (!m_app) {
            m_app = std::make_unique<QCoreApplication>(m_argc, m_argv);
            QCoreApplication::setApplicationName(QStringLiteral("Korvane"));
            QCoreApplication::setApplicationVersion(QStringLiteral(KORVANE_VERSION));
            Translations::install(*m_app, QLocale());
        }
    }

private:
    int& m_argc;
    char** m_argv;
    std::unique_ptr<QCoreApplication> m_app;
};

// No window of the session answered the start: it becomes the window by running the window's
// program with the same arguments. A window that runs but doesn't answer keeps the rules, so
// none starts beside it.
int startWindow(char** argv, const WindowStart::Drop& drop, Application& application) {
    InstanceChannel channel;
    if (drop.files.isEmpty() ? channel.requestShow() : channel.handOver(drop.files, drop.mode)) {
        return 0; // the running window came forward, or took the files
    }
    if (!channel.socketPath().isEmpty() && !channel.errorString().isEmpty()) {
        application.make();
        QTextStream(stderr) << "korvane: "
                            << CliText::tr("the Korvane window can't be reached: %1.")
                                   .arg(terminalText(channel.errorString()))
                            << "\n";
        return 1;
    }
    const QString program = WindowStart::windowProgram();
    execv(FileNames::encode(program).constData(), argv);
    const int error = errno;
    application.make();
    QTextStream(stderr) << "korvane: "
                        << CliText::tr("the Korvane window can't be started: %1: %2.")
                               .arg(terminalText(program), QString::fromLocal8Bit(strerror(error)))
                        << "\n";
    return 1;
}

// Ends the command once everything it said is written.
[[noreturn]] void finish(int status, QTextStream& out, QTextStream& err) {
    out.flush();
    err.flush();
    ProcessEnd::now(status);
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
    const QString here = FileNames::currentFolder();
    for (QString& file : files) {
        file = Links::isLink(file) ? file : FileNames::absolute(file, here); // file: URIs too
    }
    return files;
}

} // namespace

int main(int argc, char** argv) {
    // GIO answers launches and look-ups on GLib's main context, which only Qt's GLib event
    // dispatcher runs: without it every open would wait for ever.
    qunsetenv("QT_NO_GLIB");
    const QStringList arguments = FileNames::arguments(argc, argv);
    // A word that is neither a command nor a file there is a mistyped command, not a drop.
    const auto drop = WindowStart::fromArguments(arguments);
    Application application(argc, argv);
    // Started by Korvane with the very files it hands on: opening them would start it again.
    const QByteArray marker = qgetenv(LaunchMarker::kVariable);
    qunsetenv(LaunchMarker::kVariable); // the apps this start launches get their own
    const QStringList toOpen = filesToOpen(arguments, drop.has_value());
    const bool forDesktop = arguments.value(0) == QLatin1String("open") &&
                            arguments.contains(QLatin1String("--for-desktop"));
    const LaunchMarker::HandBack handBack = LaunchMarker::handBackOf(marker, toOpen);
    // Handed back to the desktop's opener, they open as if no rule claimed them; anywhere else
    // they are refused. The opener started with nothing by the browser Korvane started refuses.
    if (handBack != LaunchMarker::HandBack::None && (toOpen.isEmpty() ? forDesktop : !forDesktop)) {
        application.make();
        QTextStream(stderr) << "korvane: "
                            << CliText::tr("Korvane was started by Korvane to open these files, "
                                           "so it doesn't hand them on again. Check the rule "
                                           "whose app runs Korvane.")
                            << "\n";
        return 1;
    }
    const QString first = arguments.value(0);
    if (drop && !CommandLine::isCommand(first) &&
        (drop->files.isEmpty() || first.contains(u'/') || first.startsWith(u'-') ||
         access(FileNames::encode(drop->files.first()).constData(), F_OK) == 0)) {
        return startWindow(argv, *drop, application);
    }
    application.make();
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (arguments.value(0) == QLatin1String("--man-page")) {
        out << CommandLine::manPage(); // for the build, which installs it
        finish(0, out, err);
    }
    FreedesktopPlatform platform;
    InstanceChannel window;
    QTextStream in(stdin);
    finish(CommandLine::run(arguments, platform, out, err, in, &window, handBack), out, err);
}
