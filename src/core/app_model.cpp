#include "app_model.h"

#include "app_resolver.h"
#include "completion.h"
#include "launch.h"
#include "links.h"
#include "logging.h"
#include "platform/platform.h"
#include "router.h"
#include "rules_transfer.h"
#include "settings.h"

#include <QFileInfo>
#include <QSet>
#include <QTimer>
#include <utility>

namespace korvane {

// Shared by the completions of one drop's launches and reveal.
struct AppModel::Tally {
    int remaining = 0;
    DropReport report;
    DropDone done;
};

AppModel::AppModel(Platform& platform, const QString& storeDirectory, Settings& settings,
                   QObject* parent)
    : QObject(parent)
    , m_platform(platform)
    , m_settings(settings)
    , m_store(std::make_unique<RuleStore>(platform, storeDirectory)) {
    m_defaultManager = std::make_unique<DefaultAppManager>(platform, m_store->directory());
    m_opener = std::make_unique<DesktopOpener>(platform, *m_defaultManager, settings);
    // While Korvane opens files for the desktop, the types it holds follow the rules.
    connect(m_store.get(), &RuleStore::saved, this, [this](bool ok) {
        if (ok && m_opener->isOn()) {
            followRules();
        }
    });
    m_pending = std::make_unique<PendingQueue>(
        *m_store, platform, [this](const QString& app, const QStringList& files) {
            recordRecents(files);
            launch({{app, files}}, {}, {});
        });
    connect(m_pending.get(), &PendingQueue::changed, this, &AppModel::pendingChanged);
}

AppModel::~AppModel() = default;

void AppModel::setOpenForDesktop(DesktopOpener::Scope scope, const OpenerDone& done) {
    auto ended = [this, done](const DesktopOpener::Report& report) {
        Q_EMIT openerChanged(report);
        desktopChanged();
        if (done) {
            done(report);
        }
    };
    ++m_openerRuns;
    auto counted = [this, ended](const DesktopOpener::Report& report) {
        ended(report);
        openerSettled();
    };
    if (scope == DesktopOpener::Scope::Off) {
        m_opener->turnOff(counted);
    } else {
        m_opener->turnOn(m_store->rules(), scope == DesktopOpener::Scope::FilesAndLinks, counted);
    }
}

bool AppModel::startBrowserForDesktop(DropDone done) {
    const auto browser = m_opener->browser();
    if (!browser) {
        return false;
    }
    DropReport report;
    report.mode = DropMode::ForDesktop;
    launch({{*browser, {}}}, report, {}, std::move(done));
    return true;
}

void AppModel::followRules(OpenerDone done) {
    if (m_openerRuns > 0) {
        m_followAgain = true; // once the run in flight has ended, on the rules as they are then
        if (done) {
            m_afterFollow.append(std::move(done));
        }
        return;
    }
    ++m_openerRuns;
    m_opener->follow(m_store->rules(), [this, done](const DesktopOpener::Report& report) {
        if (!report.taken.isEmpty() || !report.givenBack.isEmpty()) {
            Q_EMIT openerChanged(report);
            desktopChanged();
        }
        if (done) {
            done(report);
        }
        openerSettled();
    });
}

void AppModel::openerSettled() {
    if (--m_openerRuns > 0) {
        return;
    }
    if (std::exchange(m_followAgain, false)) {
        const QList<OpenerDone> waiting = std::exchange(m_afterFollow, {});
        followRules([waiting](const DesktopOpener::Report& report) {
            for (const OpenerDone& done : waiting) {
                done(report);
            }
        });
        return;
    }
    Q_EMIT openerIdle();
}

void AppModel::setAlertText(const QString& text, bool problem) {
    if (text == m_alertText && text.isNull() == m_alertText.isNull() &&
        problem == m_alertIsProblem) {
        return;
    }
    m_alertText = text;
    m_alertIsProblem = problem;
    Q_EMIT alertTextChanged();
}

DropPlan AppModel::planDrop(const QStringList& files, DropMode mode,
                            UnclaimedLinks unclaimed) const {
    return DropPlan::make(
        files.mid(0, kMostPlanned), mode, m_store->rules(), m_platform,
        [this](const QString& file) { return m_opener->fallbackFor(file); }, unclaimed);
}

void AppModel::flash(const QString& text) {
    m_message = text;
    Q_EMIT messageChanged();
    Q_EMIT flashed(text);
    // Each flash has its own timer; it clears only its own text.
    QTimer::singleShot(m_messageDuration, this, [this, text] {
        if (m_message == text) {
            m_message = QString();
            Q_EMIT messageChanged();
        }
    });
}

void AppModel::handle(const QStringList& files, DropMode mode, DropDone done,
                      UnclaimedLinks unclaimed) {
    handle(files, mode, false, std::move(done), unclaimed);
}

void AppModel::handleHandedBack(const QStringList& files, DropDone done) {
    handle(files, DropMode::ForDesktop, true, std::move(done), UnclaimedLinks::SchemeDefault);
}

void AppModel::askAbout(const QStringList& items) {
    bool asked = false;
    for (const QString& item : items) {
        if (Links::isLink(item) || m_platform.exists(item)) {
            asked = m_pending->add(item) || asked;
        }
    }
    if (asked) {
        Q_EMIT attentionNeeded();
    }
}

void AppModel::handle(const QStringList& files, DropMode mode, bool handedBack, DropDone done,
                      UnclaimedLinks unclaimed) {
    DropReport report;
    report.mode = mode;
    report.handedBack = handedBack;
    if (files.isEmpty()) {
        return conclude(report, done);
    }
    // Handed back, the files open without the rules, and never in the app a rule names for
    // them: that app handed them back.
    const QList<Rule> rules = handedBack ? QList<Rule>() : m_store->rules();
    const DropPlan plan = DropPlan::make(
        files, mode, rules, m_platform,
        [this, handedBack](const QString& file) {
            QString ruled;
            if (handedBack) {
                const RouteResult result =
                    Links::isLink(file) ? Router::routeLink(file, m_store->rules(), m_platform)
                                        : Router::route(file, m_store->rules(), m_platform);
                ruled = result.kind == RouteResult::App ? result.app : QString();
            }
            return m_opener->fallbackFor(file, ruled);
        },
        unclaimed);
    m_failures += int(plan.missing);
    report.missingFiles = plan.missing;
    report.failed = plan.missing > 0;
    if (mode == DropMode::Reveal) {
        report.linksNotRevealed = plan.links.size();
    }
    if (plan.existing.isEmpty() && (plan.links.isEmpty() || mode == DropMode::Reveal)) {
        report.noneThere = plan.missing > 0;
        return conclude(report, done);
    }
    if (plan.mode == DropPlan::Mode::Route) {
        m_lastRouted = plan.links + plan.existing;
    }
    if (plan.mode == DropPlan::Mode::ForDesktop) {
        // The desktop's own opens: its recent files, not Korvane's.
    } else if (plan.mode != DropPlan::Mode::Route) {
        recordRecents(plan.existing); // every one is revealed or opened
    } else {                          // not the files that wait for a question, nor ignored folders
        QStringList opened;
        for (const AppGroup& group : plan.groups.list()) {
            opened << group.files;
        }
        if (m_settings.folderBehavior().value() != FolderBehavior::Ignore) {
            opened << plan.folders;
        }
        recordRecents(opened);
    }
    switch (plan.mode) {
    case DropPlan::Mode::Reveal:
        ++m_launchesInFlight;
        reveal(plan.existing, false, [this, done, report](const DropReport::Reveal& shown) mutable {
            report.reveal = shown;
            report.failed = report.failed || !shown.error.isEmpty();
            conclude(report, done);
            settled();
        });
        return;
    case DropPlan::Mode::Defaults:
        for (const QString& file : plan.unmatched) {
            m_platform.openItem(file);
        }
        if (plan.groups.isEmpty()) {
            report.handedToDesktop = plan.unmatched.size();
            conclude(report, done);
        } else {
            launch(plan.groups.list(), report, {}, done);
        }
        return;
    case DropPlan::Mode::Route:
    case DropPlan::Mode::ForDesktop:
        break;
    }

    QStringList foldersToReveal;
    if (!plan.folders.isEmpty()) {
        report.folderCount = plan.folders.size();
        switch (m_settings.folderBehavior().value()) {
        case FolderBehavior::OpenInFileManager:
            for (const QString& folder : plan.folders) {
                m_platform.openItem(folder);
            }
            report.folders = DropReport::Folders::Opened;
            break;
        case FolderBehavior::RevealInFileManager:
            foldersToReveal = plan.folders; // what it did comes with the summary
            report.folders = DropReport::Folders::Revealed;
            break;
        case FolderBehavior::Ignore:
            report.folders = DropReport::Folders::Ignored;
            break;
        }
    }
    bool asked = false;
    for (const QString& file : plan.unmatched) {
        asked = m_pending->add(file) || asked;
    }
    if (asked) {
        Q_EMIT attentionNeeded();
    }
    if (!plan.missingApps.isEmpty()) {
        m_failures += int(plan.missingApps.size());
        report.failed = true;
        for (const Rule& rule : plan.missingApps) {
            if (AppResolver::namesKorvane(rule, m_platform)) {
                report.namesKorvane = true;
            } else if (!report.missingApps.contains(rule.appName)) {
                report.missingApps << rule.appName;
            }
        }
    }
    if (!plan.groups.isEmpty() || !foldersToReveal.isEmpty()) {
        launch(plan.groups.list(), report, foldersToReveal, done);
    } else {
        conclude(report, done);
    }
}

QStringList AppModel::recents() const {
    return m_settings.recentFiles();
}

void AppModel::clearRecents() {
    m_settings.setRecentFiles({});
    Q_EMIT recentsChanged();
}

void AppModel::recordRecents(const QStringList& items) {
    QStringList files = items;
    files.removeIf([](const QString& item) { return Links::isLink(item); }); // files only
    if (!files.isEmpty()) {
        m_settings.addRecentFiles(files);
        Q_EMIT recentsChanged();
    }
}

void AppModel::reveal(const QStringList& paths, bool folders,
                      const std::function<void(const DropReport::Reveal&)>& report) {
    const RevealCompletion shown = [=, this](const Result& result, const QString& shownBy) {
        DropReport::Reveal reveal;
        reveal.items = paths.size();
        reveal.folders = folders;
        if (!result) {
            ++m_failures;
            reveal.error = result.errorString();
        } else if (!shownBy.isEmpty()) {
            reveal.shownBy = shownBy;
        } else { // no file manager answered: their folders were opened instead
            QSet<QString> parents;
            for (const QString& path : paths) {
                parents.insert(QFileInfo(path).absolutePath());
            }
            reveal.parents = parents.size();
        }
        report(reveal);
    };
    m_platform.revealFiles(paths, guarded(this, shown));
}

void AppModel::settled() {
    if (--m_launchesInFlight == 0) {
        Q_EMIT launchesSettled();
    }
}

void AppModel::launch(const QList<AppGroup>& groups, const DropReport& report,
                      const QStringList& foldersToReveal, DropDone done) {
    const int steps = int(groups.size()) + (foldersToReveal.isEmpty() ? 0 : 1);
    if (steps == 0) {
        return conclude(report, done);
    }
    auto tally = std::make_shared<Tally>();
    tally->remaining = steps;
    tally->report = report;
    tally->report.launches.resize(groups.size()); // in the order of the groups, whenever they end
    tally->done = std::move(done);
    m_launchesInFlight += steps;
    // Each launch and the reveal report back once; the last one ends the drop.
    auto reported = [this, tally] {
        if (--tally->remaining == 0) {
            conclude(tally->report, tally->done);
        }
        settled();
    };
    if (!foldersToReveal.isEmpty()) {
        reveal(foldersToReveal, true, [tally, reported](const DropReport::Reveal& shown) {
            tally->report.reveal = shown;
            tally->report.failed = tally->report.failed || !shown.error.isEmpty();
            reported();
        });
    }
    for (qsizetype i = 0; i < groups.size(); ++i) {
        const AppGroup& group = groups[i];
        tally->report.launches[i] = {
            AppResolver::displayName(group.app, m_platform), group.files.size(), QString(),
            std::count_if(group.files.begin(), group.files.end(), Links::isLink)};
        Launch::start(
            m_platform, group.files, group.app, this,
            [this, tally, i, reported](const Result& result) {
                if (!result) {
                    qCInfo(lcDrop) << "a launch failed:" << result.errorString();
                    ++m_failures;
                    tally->report.launches[i].error = result.errorString();
                    tally->report.failed = true;
                }
                reported();
            },
            report.handedBack);
    }
}

void AppModel::conclude(const DropReport& report, const DropDone& done) {
    qCDebug(lcDrop) << "drop ended:" << report.launches.size() << "launches," << report.missingFiles
                    << "missing," << report.missingApps << "apps missing,"
                    << (report.failed ? "failed" : "done");
    Q_EMIT dropEnded(report);
    if (done) {
        done(report);
    }
}

TransferReport AppModel::exportRulesTo(const QString& path) {
    return RulesTransfer::exportTo(*m_store, path);
}

TransferReport AppModel::importRulesFrom(const QString& path) {
    TransferReport report = RulesTransfer::importFrom(*m_store, m_platform, path);
    if (report.ok()) {
        Q_EMIT rulesImported(report.added);
    }
    return report;
}

void AppModel::desktopChanged() {
    ++m_defaultsVersion;
    Q_EMIT defaultsVersionChanged();
}

void AppModel::makeDefault(const Rule& rule, DefaultsDone done) {
    runDefaults(rule, true, std::move(done));
}

void AppModel::restoreDefaults(const Rule& rule, DefaultsDone done) {
    runDefaults(rule, false, std::move(done));
}

void AppModel::runDefaults(const Rule& rule, bool make, DefaultsDone done) {
    auto refuse = [this, &done](DefaultsReport::Refusal refusal, const QString& problem = {}) {
        DefaultsReport report;
        report.refusal = refusal;
        report.problem = problem;
        Q_EMIT defaultsReported(report);
        if (done) {
            done(report);
        }
    };
    if (const Result readable = m_platform.checkSettings(); !readable) {
        // Nothing is tried on settings that can't be read safely.
        return refuse(DefaultsReport::UnsafeSettings, readable.errorString());
    }
    std::optional<QString> app;
    if (make) {
        app = AppResolver::resolve(rule, m_platform);
        if (!app) {
            return refuse(DefaultsReport::NoApp);
        }
        if (rule.extensions.isEmpty()) {
            return refuse(DefaultsReport::NoExtension);
        }
    }
    m_defaultManager->runAll(rule.extensions, app,
                             [this, done](const QList<DefaultOutcome>& outcomes) {
                                 DefaultsReport report;
                                 report.outcomes = outcomes;
                                 m_failures += report.failures();
                                 ++m_defaultsVersion;
                                 Q_EMIT defaultsVersionChanged();
                                 Q_EMIT defaultsReported(report);
                                 if (done) {
                                     done(report);
                                 }
                             });
}

} // namespace korvane
