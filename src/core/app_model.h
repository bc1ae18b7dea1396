#pragma once

#include "default_app_manager.h"
#include "desktop_opener.h"
#include "drop_plan.h"
#include "drop_report.h"
#include "pending_queue.h"
#include "rule_store.h"
#include "rules_transfer.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

namespace korvane {

class Platform;
class Settings;

// The spine of Korvane: opens dropped files by their plan and reports how each drop ended,
// keeps the recent files, holds the queue of files no rule claims, and runs the
// import, export and default-app commands. Everything runs on the main thread.
class AppModel : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString message READ message NOTIFY messageChanged)
    Q_PROPERTY(QString alertText READ alertText WRITE setAlertText NOTIFY alertTextChanged)
    Q_PROPERTY(int defaultsVersion READ defaultsVersion NOTIFY defaultsVersionChanged)
    Q_PROPERTY(QStringList recents READ recents NOTIFY recentsChanged)

public:
    AppModel(Platform& platform, const QString& storeDirectory, Settings& settings,
             QObject* parent = nullptr);
    ~AppModel() override;

    Platform& platform() const { return m_platform; }
    RuleStore& store() const { return *m_store; }
    DefaultAppManager& defaultManager() const { return *m_defaultManager; }
    DesktopOpener& opener() const { return *m_opener; }
    Settings& settings() const { return m_settings; }

    // Null when no message is shown.
    QString message() const { return m_message; }
    std::optional<PendingFile> pending() const { return m_pending->current(); }
    QList<PendingFile> queue() const { return m_pending->waiting(); }
    // "1 of 4": the current question's place among the files asked about in a row.
    std::pair<int, int> pendingPosition() const {
        return {m_pending->position(), m_pending->total()};
    }
    QString alertText() const { return m_alertText; }
    // `problem`: the alert tells of something that failed, not only of what was done.
    void setAlertText(const QString& text, bool problem = true);
    bool alertIsProblem() const { return m_alertIsProblem; }
    int defaultsVersion() const { return m_defaultsVersion; }
    // The files last opened or revealed, newest first; not those cancelled or ignored.
    QStringList recents() const;
    void clearRecents();
    // Launches and reveals that have not reported back yet.
    int launchesInFlight() const { return m_launchesInFlight; }
    // What could not be done so far: missing files and apps, failed launches and reveals, and
    // defaults that did not change.
    int failures() const { return m_failures; }

    // How a drop ended, as dropEnded says it too.
    using DropDone = std::function<void(const DropReport& report)>;
    // `done`, if given, hears the drop's end once its launches have reported back. `unclaimed`
    // says where links no rule claims go (a front end's choice: a link dragged onto the window
    // came to be routed).
    void handle(const QStringList& files, DropMode mode, DropDone done = {},
                UnclaimedLinks unclaimed = UnclaimedLinks::SchemeDefault);
    // Files an app Korvane started hands back to the desktop (a rule's app that runs the
    // desktop's opener): opened for the desktop as if no rule claimed them, in an app other than
    // the rule's, so nothing loops.
    void handleHandedBack(const QStringList& files, DropDone done = {});
    // Asks about each of the files (those there) and links, whatever the rules say: for files
    // nothing else opens.
    void askAbout(const QStringList& items);
    // What handling the files would do, planned by the same code as the drop itself, for the
    // first kMostPlanned of them (a preview stays quick for a drag of thousands); nothing is
    // opened.
    DropPlan planDrop(const QStringList& files, DropMode mode,
                      UnclaimedLinks unclaimed = UnclaimedLinks::SchemeDefault) const;
    // The files of the last drop opened by the rules that were there, for "Why this app?".
    QStringList lastRoutedFiles() const { return m_lastRouted; }
    static constexpr qsizetype kMostPlanned = 500;
    void flash(const QString& text);

    void resolvePending(const PendingFile& file, const QString& app, bool always) {
        m_pending->resolve(file, app, always);
    }
    // The question's Cancel: gives up on the current file.
    void cancelPending() { m_pending->cancel(); }
    // Called each time the question closes; asks about the next file, if any.
    void pendingDismissed() { m_pending->dismissed(); }

    // Nothing is changed when either fails.
    TransferReport exportRulesTo(const QString& path);
    TransferReport importRulesFrom(const QString& path);

    // The desktop's apps or defaults changed: views look them up again.
    void desktopChanged();

    // `done`, if given, hears how the command ended; so does defaultsReported.
    using DefaultsDone = std::function<void(const DefaultsReport& report)>;
    void makeDefault(const Rule& rule, DefaultsDone done = {});
    void restoreDefaults(const Rule& rule, DefaultsDone done = {});

    // Korvane as the desktop's opener: turned on or off, and, while on, following the rules
    // after every save. `done`, if given, hears how it ended; so does openerChanged.
    using OpenerDone = std::function<void(const DesktopOpener::Report& report)>;
    void setOpenForDesktop(DesktopOpener::Scope scope, const OpenerDone& done = {});
    void followRules(OpenerDone done = {});
    // The desktop started its opener with nothing to open, as its "web browser" command does:
    // the browser Korvane replaced starts. False when there is none.
    bool startBrowserForDesktop(DropDone done = {});
    // Whether a turn of the opener, or a follow of the rules, is still running.
    bool openerBusy() const { return m_openerRuns > 0; }

    // How long a message stays (3.5 s).
    void setMessageDuration(std::chrono::milliseconds duration) { m_messageDuration = duration; }

Q_SIGNALS:
    void messageChanged();
    // Every message as it is flashed.
    void flashed(const QString& text);
    void pendingChanged();
    void alertTextChanged();
    void defaultsVersionChanged();
    void recentsChanged();
    // Rules an import added at the end of the list, as written.
    void rulesImported(const QList<Rule>& rules);
    // The last launch or reveal in flight has reported back.
    void launchesSettled();
    // A drop ended, once its launches and reveal reported back; the front end sums it up.
    void dropEnded(const DropReport& report);
    // A file waits for the user's answer: the front end shows its question.
    void attentionNeeded();
    // How a make-default or restore command ended.
    void defaultsReported(const DefaultsReport& report);
    // The opener was turned, or took or gave back types as the rules changed.
    void openerChanged(const DesktopOpener::Report& report);
    // No turn of the opener and no follow of the rules is running any more.
    void openerIdle();

private:
    struct Tally;

    void handle(const QStringList& files, DropMode mode, bool handedBack, DropDone done,
                UnclaimedLinks unclaimed);
    // Opens each group in its app and, where given, reveals the folders; one report at the end.
    void launch(const QList<AppGroup>& groups, const DropReport& report,
                const QStringList& foldersToReveal, DropDone done = {});
    // Tells how the drop ended: dropEnded, then `done`.
    void conclude(const DropReport& report, const DropDone& done);
    // Shows the items in the file manager; `report` hears what was done.
    void reveal(const QStringList& paths, bool folders,
                const std::function<void(const DropReport::Reveal&)>& report);
    void settled();
    void recordRecents(const QStringList& files);
    void runDefaults(const Rule& rule, bool make, DefaultsDone done);
    void openerSettled();

    Platform& m_platform;
    Settings& m_settings;
    std::unique_ptr<RuleStore> m_store;
    std::unique_ptr<DefaultAppManager> m_defaultManager;
    std::unique_ptr<DesktopOpener> m_opener;
    QStringList m_lastRouted;
    int m_openerRuns = 0;
    bool m_followAgain = false;
    QList<OpenerDone> m_afterFollow;
    std::unique_ptr<PendingQueue> m_pending;
    QString m_message;
    QString m_alertText;
    bool m_alertIsProblem = true;
    int m_defaultsVersion = 0;
    int m_launchesInFlight = 0;
    int m_failures = 0;
    std::chrono::milliseconds m_messageDuration{3500};
};

} // namespace korvane
