#pragma once

#include "core/app_model.h"
#include "core/desktop_opener.h"
#include "core/drop_mode.h"
#include "core/rules_transfer.h"
#include "platform/launch_marker.h"

#include <QStringList>
#include <chrono>
#include <memory>
#include <optional>

class QTextStream;

namespace korvane {

class AppModel;
class Platform;
class Settings;

// The model of one command, on the same rules, settings and record files as the window. Every
// message the model flashes is printed as it comes.
class CliSession {
public:
    CliSession(Platform& platform, QTextStream& out, QTextStream& err, QTextStream& in);
    ~CliSession();

    // `handBack`: the files come back from an app Korvane started with them; once, they open
    // without the rules; again, they are only asked about.
    int open(const QStringList& files, DropMode mode,
             LaunchMarker::HandBack handBack = LaunchMarker::HandBack::None);
    // The files of a drop for the desktop that no rule claims and no app would open otherwise.
    QStringList unanswered() const { return m_unanswered; }
    int listRules();
    int checkRules();
    int importRules(const QString& file);
    int exportRules(const QString& file);
    // `number` counts from 1, as `listRules` shows.
    int setDefault(int number);
    int restoreDefault(int number);
    // Whether Korvane opens links for the desktop, as its web browser too.
    bool opensLinks() const;
    // The desktop started its opener with nothing to open: the browser Korvane replaced starts.
    int openBrowser();
    // Korvane as the desktop's opener: off, for files, or for files and links.
    int setOpener(DesktopOpener::Scope scope);
    int openerStatus();
    // Opens what the desktop asks the opener to open, until it has been idle for
    // kServeIdle or another process serves it.
    int serveOpener();
    static constexpr std::chrono::minutes kServeIdle{30};

private:
    // Opens the items as `open` and the opener do, by how they come back.
    void handleForDesktop(const QStringList& items, DropMode mode, LaunchMarker::HandBack handBack,
                          const AppModel::DropDone& done = {});
    // Says so on standard error when rules.json can't be read.
    bool rulesUnreadable();
    void settle();
    void ask();
    // Takes the files waiting for an answer out of the queue.
    QStringList takeUnanswered();
    // Starts the browser the opener replaced, or says there is none.
    bool startBrowser();
    int runDefaults(int number, bool make);
    // Prints how an import or export ended; answers the exit status.
    int report(QString (*text)(const TransferReport&), const TransferReport& report);

    Platform& m_platform;
    QTextStream& m_out;
    QTextStream& m_err;
    QTextStream& m_in;
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<AppModel> m_model;
    int m_writeFailures = 0;
    QStringList m_unanswered;
};

} // namespace korvane
