// Korvane's window, started bare or with files to drop on it. `korvane` runs this program when
// no window of the session answers; only here do Qt's GUI libraries load.
#include "base/file_names.h"
#include "cli/cli_text.h"
#include "cli/terminal_text.h"
#include "core/app_model.h"
#include "core/rule_store.h"
#include "core/settings.h"
#include "gui/gui_app.h"
#include "gui/main_window.h"
#include "gui/sheet_alone.h"
#include "i18n/translations.h"
#include "instance/instance_channel.h"
#include "instance/window_start.h"
#include "platform/freedesktop/freedesktop_platform.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QLoggingCategory>
#include <QTextStream>
#include <QTimer>
#include <csignal>

namespace {

Q_LOGGING_CATEGORY(lcWindow, "korvane.window", QtWarningMsg)

// Says when the main window has painted for the first time, for start-up measurements.
class FirstPaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // After the whole window is painted, not only its frame.
            QTimer::singleShot(0, this, [] { qCInfo(lcWindow) << "first paint"; });
        }
        return false;
    }
};

} // namespace

int main(int argc, char** argv) {
    qunsetenv("QT_NO_GLIB"); // GIO answers on GLib's main context, which Qt then runs
    // A launcher's output pipe may close long before the window does: writing a warning there
    // must not end the window.
    signal(SIGPIPE, SIG_IGN);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvane"));
    QApplication::setApplicationVersion(QStringLiteral(KORVANE_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(KORVANE_APP_ID));
    korvane::Translations::install(app, QLocale());
    const auto drop = korvane::WindowStart::fromArguments(korvane::FileNames::arguments(argc, argv))
                          .value_or(korvane::WindowStart::Drop());
    if (drop.askAlone) {
        korvane::FreedesktopPlatform platform;
        // A rule kept here makes the opener follow the rules, which may rewrite its entry.
        platform.setCommandPath(korvane::WindowStart::commandProgram());
        korvane::Settings settings(korvane::Settings::defaultPath(),
                                   korvane::Settings::RecentWrites::Appended);
        return korvane::askAlone(platform, settings, korvane::RuleStore::defaultDirectory(),
                                 drop.files);
    }
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
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(KORVANE_APP_ID),
                                                 QIcon(QStringLiteral(":/icons/korvane.svg"))));
    korvane::FreedesktopPlatform platform;
    platform.setCommandPath(korvane::WindowStart::commandProgram()); // what the opener runs
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
    FirstPaint firstPaint;
    if (lcWindow().isInfoEnabled()) {
        gui.mainWindow().installEventFilter(&firstPaint);
    }
    gui.showMainWindow();
    if (!drop.files.isEmpty()) {
        QTimer::singleShot(0, &gui.model(),
                           [&gui, drop] { gui.model().handle(drop.files, drop.mode); });
    }
    return app.exec();
}
