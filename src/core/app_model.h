#pragma once

#include "default_app_manager.h"
#include "pending_file.h"
#include "rule_store.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

namespace korvane {

class PanelService;
class Platform;
class Settings;
class WindowService;

// The spine of Korvane: takes dropped files, routes, groups and opens them, sums each drop up in
// one message, keeps the recent files, asks about unmatched files one at a time, and runs the
// import, export and default-app commands. Everything runs on the main thread.
class AppModel : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString message READ message NOTIFY messageChanged)
    Q_PROPERTY(QString alertText READ alertText WRITE setAlertText NOTIFY alertTextChanged)
    Q_PROPERTY(int defaultsVersion READ defaultsVersion NOTIFY defaultsVersionChanged)
    Q_PROPERTY(QStringList recents READ recents NOTIFY recentsChanged)
    Q_PROPERTY(bool hasPending READ hasPending NOTIFY pendingChanged)

public:
    // The modifier flags as drops report them; front ends map their own keys onto these.
    enum Modifier : quint64 { Option = 0x80000, Shift = 0x20000 };

    // An application and the files it gets in one request.
    struct Group {
        QString app;
        QStringList files;
    };

    AppModel(Platform& platform, const QString& storeDirectory, Settings& settings,
             QObject* parent = nullptr);
    ~AppModel() override;

    // The one model of the running program, set by the program that created it.
    static AppModel* shared();
    static void setShared(AppModel* model);

    Platform& platform() const { return m_platform; }
    RuleStore& store() const { return *m_store; }
    DefaultAppManager& defaultManager() const { return *m_defaultManager; }
    Settings& settings() const { return m_settings; }

    // Null when no message is shown.
    QString message() const { return m_message; }
    std::optional<PendingFile> pending() const { return m_pending; }
    bool hasPending() const { return m_pending.has_value(); }
    QList<PendingFile> queue() const { return m_queue; }
    QString alertText() const { return m_alertText; }
    void setAlertText(const QString& text);
    int defaultsVersion() const { return m_defaultsVersion; }
    QStringList recents() const { return m_recents; }
    // Launches and reveals that have not reported back yet.
    int launchesInFlight() const { return m_launchesInFlight; }
    // What could not be done so far: missing files and apps, failed launches and reveals.
    int failures() const { return m_failures; }
    // What the summary tells the user to do about a missing app ("Fix the rule below.").
    void setMissingAppHint(const QString& hint) { m_missingAppHint = hint; }

    // Held weakly; either may be unset.
    void setMainWindow(WindowService* window);
    void setPanels(PanelService* panels);

    void handle(const QStringList& files, quint64 modifiers);
    void flash(const QString& text);

    void resolvePending(const PendingFile& file, const QString& app, bool always);
    // The sheet's Cancel: gives up on the current file.
    void cancelPending();
    // Called each time the pending question closes; asks about the next file, if any.
    void pendingDismissed();

    // Through the file panels; a failure becomes the alert.
    void exportRules();
    void importRules();
    // The same for a path; a failure is answered, and nothing is changed.
    std::optional<QString> exportRulesTo(const QString& path);
    std::optional<QString> importRulesFrom(const QString& path);
    void openPanel();
    void showWindow();

    // `done`, if given, runs when the command has finished.
    void makeDefault(const Rule& rule, std::function<void()> done = {});
    void restoreDefaults(const Rule& rule, std::function<void()> done = {});

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
    // The last launch in flight has reported back.
    void launchesSettled();

private:
    struct Tally;

    void launch(const QList<Group>& groups, const QStringList& extraNotes);
    void finish(const Tally& tally, const QStringList& extraNotes);
    void openWithDefaults(const QStringList& files);
    void reveal(const QStringList& paths, const QString& message);
    void recordRecents(const QStringList& files);
    void enqueue(const PendingFile& file);
    void setPending(const std::optional<PendingFile>& file);
    void bringWindowForward();
    void runDefaults(const Rule& rule, bool make, std::function<void()> done);

    Platform& m_platform;
    Settings& m_settings;
    std::unique_ptr<RuleStore> m_store;
    std::unique_ptr<DefaultAppManager> m_defaultManager;
    QString m_message;
    std::optional<PendingFile> m_pending;
    QList<PendingFile> m_queue;
    QString m_alertText;
    int m_defaultsVersion = 0;
    QStringList m_recents;
    QPointer<WindowService> m_mainWindow;
    QPointer<PanelService> m_panels;
    int m_launchesInFlight = 0;
    int m_failures = 0;
    QString m_missingAppHint = QStringLiteral("Fix the rule below.");
    std::chrono::milliseconds m_messageDuration{3500};
};

} // namespace korvane
