#include "app_model.h"

#include "app_info.h"
#include "core/rules_file.h"
#include "opener.h"
#include "platform/platform.h"
#include "router.h"
#include "rules_transfer.h"
#include "settings.h"
#include "store_file.h"
#include "wording.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QPointer>
#include <QSet>
#include <QTimer>

namespace korvane {

// Shared by the completions of one launch.
struct AppModel::Tally {
    int remaining = 0;
    qsizetype openedFiles = 0;
    QStringList appNames;
    QStringList failures;
    QString revealNote;  // of the folders a drop reveals
    bool failed = false; // before the launches: missing files or apps
    DropDone done;
};

AppModel::AppModel(Platform& platform, const QString& storeDirectory, Settings& settings,
                   QObject* parent)
    : QObject(parent)
    , m_platform(platform)
    , m_settings(settings)
    , m_store(std::make_unique<RuleStore>(platform, storeDirectory)) {
    m_defaultManager = std::make_unique<DefaultAppManager>(platform, m_store->directory());
    m_pending = std::make_unique<PendingQueue>(
        *m_store, platform, [this](const QString& app, const QStringList& files) {
            recordRecents(files);
            launch({{app, files}}, {}, {});
        });
    connect(m_pending.get(), &PendingQueue::changed, this, &AppModel::pendingChanged);
    connect(m_store.get(), &RuleStore::unreadableKept, this, [this](const QString& copy) {
        setAlertText(QStringLiteral("Your rules file couldn't be read, so it was kept as %1 and "
                                    "a new one was started.")
                         .arg(QDir::toNativeSeparators(copy)));
    });
    connect(m_store.get(), &RuleStore::saved, this, [this](bool ok) {
        if (!ok) {
            setAlertText(
                QStringLiteral("Your rules couldn't be saved. %1").arg(m_store->lastError()));
        }
    });
}

AppModel::~AppModel() = default;

void AppModel::setAlertText(const QString& text, bool problem) {
    if (text == m_alertText && text.isNull() == m_alertText.isNull() &&
        problem == m_alertIsProblem) {
        return;
    }
    m_alertText = text;
    m_alertIsProblem = problem;
    Q_EMIT alertTextChanged();
}

QString AppModel::previewDrop(const QStringList& files, DropMode mode) const {
    constexpr qsizetype kMost = 500; // the preview stays quick for a drag of thousands
    return DropPlan::make(files.mid(0, kMost), mode, m_store->rules(), m_platform)
        .preview(m_platform, files.size() > kMost, m_settings.folderBehavior());
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

void AppModel::handle(const QStringList& files, DropMode mode, DropDone done, QStringList leftOut) {
    leftOut.removeAll(QString());
    if (files.isEmpty()) {
        return conclude(leftOut, false, done);
    }
    const DropPlan plan = DropPlan::make(files, mode, m_store->rules(), m_platform);
    m_failures += int(plan.missing);
    if (plan.existing.isEmpty()) {
        return conclude(QStringList{plan.missing == 1
                                        ? QStringLiteral("That file isn't there any more.")
                                        : QStringLiteral("Those files aren't there any more.")} +
                            leftOut,
                        true, done);
    }
    const QString fileManager = m_platform.fileManagerName();
    if (plan.mode != DropPlan::Mode::Route) {
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
        reveal(plan.existing, false,
               [this, done, leftOut, missing = plan.missing > 0](const QString& note) {
                   conclude(QStringList{note} + leftOut,
                            missing || note.startsWith(QLatin1String("Couldn't")), done);
                   settled();
               });
        return;
    case DropPlan::Mode::Defaults:
        for (const QString& file : plan.unmatched) {
            m_platform.openItem(file);
        }
        if (plan.groups.isEmpty()) {
            conclude(
                QStringList{QStringLiteral("Asked %1 to open %2")
                                .arg(m_platform.systemName(),
                                     Wording::counted(plan.unmatched.size(), "item", "items"))} +
                    leftOut,
                plan.missing > 0, done);
        } else {
            launch(plan.groups.list(), leftOut, {}, done, plan.missing > 0);
        }
        return;
    case DropPlan::Mode::Route:
        break;
    }

    QStringList notes;
    QStringList foldersToReveal;
    if (!plan.folders.isEmpty()) {
        const QString counted = Wording::counted(plan.folders.size(), "folder", "folders");
        switch (m_settings.folderBehavior().value()) {
        case FolderBehavior::Open:
            for (const QString& folder : plan.folders) {
                m_platform.openItem(folder);
            }
            notes << QStringLiteral("Opened %1 in %2").arg(counted, fileManager);
            break;
        case FolderBehavior::Reveal:
            foldersToReveal = plan.folders; // its note comes with the summary
            break;
        case FolderBehavior::Ignore:
            notes << QStringLiteral("Ignored %1").arg(counted);
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
        notes << missingAppsNote(plan.missingApps);
    }
    if (plan.missing > 0) {
        notes << QStringLiteral("%1 missing").arg(plan.missing);
    }
    notes << leftOut;
    const bool failed = plan.missing > 0 || !plan.missingApps.isEmpty();
    if (!plan.groups.isEmpty() || !foldersToReveal.isEmpty()) {
        launch(plan.groups.list(), notes, foldersToReveal, done, failed);
    } else {
        conclude(notes, failed, done);
    }
}

QString AppModel::missingAppsNote(const QList<Rule>& rules) const {
    QStringList names; // every app once, in the order the files met them
    bool korvane = false;
    for (const Rule& rule : rules) {
        if (AppInfo::namesKorvane(rule, m_platform)) {
            korvane = true;
        } else if (const QString name = Wording::appName(rule.appName); !names.contains(name)) {
            names << name;
        }
    }
    QStringList parts;
    if (names.size() == 1) {
        parts << QStringLiteral("%1 wasn't found.").arg(names.first());
    } else if (names.size() > 1) {
        parts << QStringLiteral("%1 apps weren't found: %2.")
                     .arg(names.size())
                     .arg(names.join(QStringLiteral(", ")));
    }
    if (korvane) {
        parts << Wording::korvaneOpensNothing() + u'.';
    }
    return parts.join(u' ') + u' ' + m_missingAppHint;
}

QStringList AppModel::recents() const {
    return m_settings.recentFiles();
}

void AppModel::clearRecents() {
    m_settings.setRecentFiles({});
    Q_EMIT recentsChanged();
}

void AppModel::recordRecents(const QStringList& files) {
    if (!files.isEmpty()) {
        m_settings.addRecentFiles(files);
        Q_EMIT recentsChanged();
    }
}

void AppModel::reveal(const QStringList& paths, bool folders,
                      const std::function<void(const QString& note)>& report) {
    const QPointer<QObject> guard(this);
    m_platform.revealFiles(paths, [=, this](const std::optional<QString>& error,
                                            const QString& shownBy) {
        if (!guard) {
            return;
        }
        QMetaObject::invokeMethod(
            guard,
            [=, this] {
                if (error) {
                    ++m_failures;
                    report(QStringLiteral("Couldn't show the files: %1").arg(*error));
                } else if (!shownBy.isEmpty()) {
                    report(QStringLiteral("Revealed %1 in %2")
                               .arg(folders ? Wording::counted(paths.size(), "folder", "folders")
                                            : Wording::counted(paths.size(), "item", "items"),
                                    shownBy));
                } else { // no file manager answered: their folders were opened instead
                    QSet<QString> parents;
                    for (const QString& path : paths) {
                        parents.insert(QFileInfo(path).absolutePath());
                    }
                    report(QStringLiteral("Opened %1 in %2")
                               .arg(Wording::counted(parents.size(), "folder", "folders"),
                                    m_platform.fileManagerName()));
                }
            },
            Qt::QueuedConnection);
    });
}

void AppModel::settled() {
    if (--m_launchesInFlight == 0) {
        Q_EMIT launchesSettled();
    }
}

void AppModel::launch(const QList<AppGroup>& groups, const QStringList& extraNotes,
                      const QStringList& foldersToReveal, DropDone done, bool failed) {
    const int steps = int(groups.size()) + (foldersToReveal.isEmpty() ? 0 : 1);
    if (steps == 0) {
        return conclude(extraNotes, failed, done);
    }
    auto tally = std::make_shared<Tally>();
    tally->remaining = steps;
    tally->done = std::move(done);
    tally->failed = failed;
    m_launchesInFlight += steps;
    // Each launch and the reveal report back once; the last one sums the drop up.
    auto reported = [this, tally, extraNotes] {
        if (--tally->remaining == 0) {
            finish(*tally, extraNotes);
        }
        settled();
    };
    if (!foldersToReveal.isEmpty()) {
        reveal(foldersToReveal, true, [tally, reported](const QString& note) {
            tally->revealNote = note;
            reported();
        });
    }
    for (const AppGroup& group : groups) {
        const QString name = AppInfo::displayName(group.app, m_platform);
        const qsizetype count = group.files.size();
        Opener::open(
            m_platform, group.files, group.app, this,
            [this, tally, name, count, reported](const std::optional<QString>& error) {
                if (error) {
                    ++m_failures;
                    tally->failures
                        << QStringLiteral("%1 couldn't open the file (%2)").arg(name, *error);
                } else {
                    tally->openedFiles += count;
                    tally->appNames << name;
                }
                reported();
            });
    }
}

void AppModel::conclude(QStringList parts, bool failed, const DropDone& done) {
    parts.removeAll(QString());
    const QString summary = Wording::joined(parts);
    if (!summary.isEmpty()) {
        flash(summary);
    }
    if (done) {
        done(summary, failed);
    }
}

void AppModel::finish(const Tally& tally, const QStringList& extraNotes) {
    QStringList parts;
    if (tally.openedFiles >= 1) {
        const QString where = tally.appNames.size() == 1
                                  ? tally.appNames.first()
                                  : QStringLiteral("%1 apps").arg(tally.appNames.size());
        parts << QStringLiteral("Opened %1 in %2")
                     .arg(Wording::counted(tally.openedFiles, "file", "files"), where);
    }
    parts << tally.failures;
    if (!tally.revealNote.isEmpty()) {
        parts << tally.revealNote;
    }
    parts << extraNotes;
    conclude(parts, tally.failed || !tally.failures.isEmpty(), tally.done);
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
    if (const auto problem = m_platform.settingsProblem()) {
        // Nothing is tried on settings that can't be read safely.
        return refuse(DefaultsReport::UnsafeSettings, *problem);
    }
    std::optional<QString> app;
    if (make) {
        app = AppInfo::resolve(rule, m_platform);
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
