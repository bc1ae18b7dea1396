#include "app_model.h"

#include "app_info.h"
#include "main_thread.h"
#include "opener.h"
#include "panel_service.h"
#include "platform/platform.h"
#include "router.h"
#include "settings.h"
#include "store_file.h"
#include "window_service.h"
#include "wording.h"

#include <QHash>
#include <QTimer>

namespace korvane {

namespace {
AppModel* sharedModel = nullptr;
} // namespace

// Shared by the completions of one launch.
struct AppModel::Tally {
    int remaining = 0;
    qsizetype openedFiles = 0;
    QStringList appNames;
    QStringList failures;
};

AppModel::AppModel(Platform& platform, const QString& storeDirectory, Settings& settings,
                   QObject* parent)
    : QObject(parent)
    , m_platform(platform)
    , m_settings(settings)
    , m_store(std::make_unique<RuleStore>(platform, storeDirectory))
    , m_recents(settings.recentFiles()) {
    m_defaultManager = std::make_unique<DefaultAppManager>(platform, m_store->directory());
    connect(m_store.get(), &RuleStore::saved, this, [this](bool ok) {
        if (!ok) {
            setAlertText(
                QStringLiteral("Your rules couldn't be saved. %1").arg(m_store->lastError()));
        }
    });
}

AppModel::~AppModel() {
    if (sharedModel == this) {
        sharedModel = nullptr;
    }
}

AppModel* AppModel::shared() {
    return sharedModel;
}
void AppModel::setShared(AppModel* model) {
    sharedModel = model;
}

void AppModel::setMainWindow(WindowService* window) {
    m_mainWindow = window;
}
void AppModel::setPanels(PanelService* panels) {
    m_panels = panels;
}

void AppModel::setAlertText(const QString& text) {
    if (text == m_alertText && text.isNull() == m_alertText.isNull()) {
        return;
    }
    m_alertText = text;
    Q_EMIT alertTextChanged();
}

void AppModel::setPending(const std::optional<PendingFile>& file) {
    m_pending = file;
    Q_EMIT pendingChanged();
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

void AppModel::handle(const QStringList& files, quint64 modifiers) {
    if (files.isEmpty()) {
        return;
    }
    QStringList existing;
    qsizetype missing = 0;
    for (const QString& file : files) {
        if (m_platform.exists(file)) {
            existing.append(file);
        } else {
            ++missing;
        }
    }
    m_failures += int(missing);
    if (existing.isEmpty()) {
        flash(missing == 1 ? QStringLiteral("That file isn't there any more.")
                           : QStringLiteral("Those files aren't there any more."));
        return;
    }
    recordRecents(existing);

    const QString fileManager = m_platform.fileManagerName();
    if (modifiers & Option) {
        reveal(existing, QStringLiteral("Revealed %1 in %2")
                             .arg(Wording::counted(existing.size(), "item", "items"), fileManager));
        return;
    }
    if (modifiers & Shift) {
        openWithDefaults(existing);
        return;
    }
    const FolderBehavior folderBehavior = m_settings.folderBehavior();

    QStringList folders;
    QStringList packages;
    QStringList routed;
    QList<bool> routedIsPackage;
    for (const QString& file : existing) {
        const auto kind = m_platform.itemKind(file);
        const bool isDirectory = kind && kind->isDirectory;
        const bool isPackage = kind && kind->isPackage;
        if (isDirectory && !isPackage) {
            folders.append(file);
            continue;
        }
        routed.append(file);
        routedIsPackage.append(isPackage);
    }

    QList<Group> groups;
    QHash<QString, qsizetype> groupOf;
    QList<Rule> missingApps;
    const QList<RouteResult> results = Router::routeAll(routed, m_store->rules(), m_platform);
    for (qsizetype i = 0; i < routed.size(); ++i) {
        const RouteResult& result = results[i];
        switch (result.kind) {
        case RouteResult::App: {
            auto it = groupOf.constFind(result.app);
            if (it == groupOf.cend()) {
                it = groupOf.insert(result.app, groups.size());
                groups.append(Group{result.app, {}});
            }
            groups[*it].files.append(routed[i]);
            break;
        }
        case RouteResult::MissingApp:
            missingApps.append(*result.rule);
            break;
        case RouteResult::None:
            if (routedIsPackage[i]) {
                packages.append(routed[i]);
            } else {
                enqueue(PendingFile{QUuid::createUuid(), routed[i]});
            }
            break;
        }
    }

    QStringList notes;
    if (!folders.isEmpty()) {
        const QString counted = Wording::counted(folders.size(), "folder", "folders");
        switch (folderBehavior.value()) {
        case FolderBehavior::OpenInFinder:
            for (const QString& folder : folders) {
                m_platform.openItem(folder);
            }
            notes << QStringLiteral("Opened %1 in %2").arg(counted, fileManager);
            break;
        case FolderBehavior::RevealInFinder:
            reveal(folders, {});
            notes << QStringLiteral("Revealed %1 in %2").arg(counted, fileManager);
            break;
        case FolderBehavior::Ignore:
            notes << QStringLiteral("Ignored %1").arg(counted);
            break;
        }
    }
    for (const QString& package : packages) {
        m_platform.openItem(package);
    }
    if (!missingApps.isEmpty()) {
        const QString name = Wording::elided(missingApps.first().appName);
        m_failures += int(missingApps.size());
        notes << QStringLiteral("%1 wasn't found. %2")
                     .arg(name.isEmpty() ? QStringLiteral("the app") : name, m_missingAppHint);
    }
    if (missing > 0) {
        notes << QStringLiteral("%1 missing").arg(missing);
    }
    if (groups.isEmpty()) {
        if (!notes.isEmpty()) {
            flash(Wording::joined(notes));
        }
        return;
    }
    launch(groups, notes);
}

void AppModel::recordRecents(const QStringList& files) {
    // The same list as recording each file in turn, published once.
    QStringList recents = m_recents;
    for (const QString& file : files) {
        recents.removeAll(file);
        recents.prepend(file);
        if (recents.size() > 10) {
            recents.resize(10);
        }
    }
    m_recents = recents;
    m_settings.setRecentFiles(m_recents);
    Q_EMIT recentsChanged();
}

void AppModel::reveal(const QStringList& paths, const QString& message) {
    ++m_launchesInFlight;
    const QPointer<QObject> guard(this);
    m_platform.revealFiles(paths, [this, guard, message](const std::optional<QString>& error) {
        MainThread::post(guard, [this, message, error] {
            if (error) {
                ++m_failures;
                flash(QStringLiteral("Couldn't show the files: %1").arg(*error));
            } else if (!message.isEmpty()) {
                flash(message);
            }
            if (--m_launchesInFlight == 0) {
                Q_EMIT launchesSettled();
            }
        });
    });
}

void AppModel::openWithDefaults(const QStringList& files) {
    QList<Group> groups;
    QHash<QString, qsizetype> groupOf;
    qsizetype direct = 0;
    for (const QString& file : files) {
        const auto app = m_platform.defaultApplicationForFile(file);
        if (!app) {
            m_platform.openItem(file);
            ++direct;
            continue;
        }
        auto it = groupOf.constFind(*app);
        if (it == groupOf.cend()) {
            it = groupOf.insert(*app, groups.size());
            groups.append(Group{*app, {}});
        }
        groups[*it].files.append(file);
    }
    if (groups.isEmpty()) {
        flash(QStringLiteral("Asked %1 to open %2")
                  .arg(m_platform.systemName(), Wording::counted(direct, "item", "items")));
        return;
    }
    launch(groups, {});
}

void AppModel::launch(const QList<Group>& groups, const QStringList& extraNotes) {
    if (groups.isEmpty()) {
        return;
    }
    auto tally = std::make_shared<Tally>();
    tally->remaining = int(groups.size());
    m_launchesInFlight += int(groups.size());
    for (const Group& group : groups) {
        const QString name = AppInfo::displayName(group.app, m_platform);
        const qsizetype count = group.files.size();
        Opener::open(
            m_platform, group.files, group.app, this,
            [this, tally, name, count, extraNotes](const std::optional<QString>& error) {
                --tally->remaining;
                if (error) {
                    ++m_failures;
                    tally->failures
                        << QStringLiteral("%1 couldn't open the file (%2)").arg(name, *error);
                } else {
                    tally->openedFiles += count;
                    tally->appNames << name;
                }
                if (tally->remaining == 0) {
                    finish(*tally, extraNotes);
                }
                if (--m_launchesInFlight == 0) {
                    Q_EMIT launchesSettled();
                }
            });
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
    parts << tally.failures << extraNotes;
    if (!parts.isEmpty()) {
        flash(Wording::joined(parts));
    }
}

void AppModel::enqueue(const PendingFile& file) {
    if (!m_pending && m_queue.isEmpty()) {
        setPending(file);
        bringWindowForward();
        return;
    }
    m_queue.append(file);
}

void AppModel::bringWindowForward() {
    if (!m_mainWindow) {
        return;
    }
    m_mainWindow->activateApplication();
    if (m_mainWindow->isMinimized()) {
        m_mainWindow->restoreMinimized();
    }
    m_mainWindow->raiseWindow();
}

void AppModel::resolvePending(const PendingFile& file, const QString& app, bool always) {
    const QString extension = Router::extensionKey(file.path);
    if (always && !extension.isEmpty()) {
        Rule rule;
        rule.extensions = {extension};
        rule.setApp(app, m_platform);
        m_store->insertRule(0, rule);
    }
    setPending(std::nullopt);
    launch({Group{app, {file.path}}}, {});
}

void AppModel::cancelPending() {
    setPending(std::nullopt);
}

void AppModel::pendingDismissed() {
    if (m_pending) {
        return;
    }
    while (!m_queue.isEmpty()) {
        const PendingFile next = m_queue.takeFirst();
        if (!m_platform.exists(next.path)) {
            continue;
        }
        const RouteResult result = Router::route(next.path, m_store->rules(), m_platform);
        if (result.kind == RouteResult::App) {
            launch({Group{result.app, {next.path}}}, {});
            continue;
        }
        setPending(next);
        return;
    }
}

void AppModel::exportRules() {
    if (!m_panels) {
        return;
    }
    const auto path =
        m_panels->runSavePanel(QStringLiteral("Export Rules"), QStringLiteral("KorvaneRules.json"));
    if (path && !path->isEmpty()) {
        if (const auto error = exportRulesTo(*path)) {
            setAlertText(*error);
        }
    }
}

std::optional<QString> AppModel::exportRulesTo(const QString& path) {
    if (const auto error = StoreFile::write(path, RuleStore::encode(m_store->rules()))) {
        return QStringLiteral("The rules couldn't be saved there: %1").arg(*error);
    }
    flash(QStringLiteral("Exported %1")
              .arg(Wording::counted(m_store->rules().size(), "rule", "rules")));
    return std::nullopt;
}

void AppModel::importRules() {
    if (!m_panels) {
        return;
    }
    OpenPanelOptions options;
    options.title = QStringLiteral("Import Rules");
    options.jsonOnly = true;
    const auto paths = m_panels->runOpenPanel(options);
    if (paths && !paths->isEmpty()) {
        if (const auto error = importRulesFrom(paths->first())) {
            setAlertText(*error);
        }
    }
}

std::optional<QString> AppModel::importRulesFrom(const QString& path) {
    QString problem;
    auto decoded = RuleStore::readImport(path, &problem);
    if (!decoded) {
        return problem;
    }
    for (Rule& rule : *decoded) {
        rule.id = QUuid::createUuid();
    }
    m_store->appendRules(*decoded);
    if (m_store->writeFailed()) {
        return QStringLiteral("The rules couldn't be imported. %1").arg(m_store->lastError());
    }
    flash(QStringLiteral("Imported %1").arg(Wording::counted(decoded->size(), "rule", "rules")));
    return std::nullopt;
}

void AppModel::openPanel() {
    if (m_mainWindow) {
        m_mainWindow->activateApplication();
    }
    if (!m_panels) {
        return;
    }
    OpenPanelOptions options;
    options.title = QStringLiteral("Open File");
    options.chooseFolders = true;
    options.multipleSelection = true;
    const QPointer<AppModel> self(this);
    m_panels->beginOpenPanel(options, [self](const std::optional<QStringList>& paths) {
        if (self && paths) {
            self->handle(*paths, 0);
        }
    });
}

void AppModel::showWindow() {
    bringWindowForward();
}

void AppModel::makeDefault(const Rule& rule, std::function<void()> done) {
    runDefaults(rule, true, std::move(done));
}

void AppModel::restoreDefaults(const Rule& rule, std::function<void()> done) {
    runDefaults(rule, false, std::move(done));
}

void AppModel::runDefaults(const Rule& rule, bool make, std::function<void()> done) {
    QString app;
    if (make) {
        const auto resolved = AppInfo::resolve(rule, m_platform);
        if (!resolved) {
            setAlertText(
                QStringLiteral("The app for this rule wasn't found. Choose an app first."));
            return done ? done() : void();
        }
        if (rule.extensions.isEmpty()) {
            setAlertText(QStringLiteral(
                "Add at least one extension first. Type groups can't be set as defaults."));
            return done ? done() : void();
        }
        app = *resolved;
    }
    // One extension after another: the next starts when the previous sentence is back.
    struct Run {
        QStringList extensions;
        qsizetype next = 0;
        QStringList lines;
        std::function<void()> step;
    };
    auto run = std::make_shared<Run>();
    run->extensions = rule.extensions;
    const QPointer<AppModel> self(this);
    run->step = [self, run, make, app, done] {
        if (!self) {
            run->step = nullptr;
            return;
        }
        while (run->next < run->extensions.size()) {
            const QString ext = run->extensions[run->next++];
            auto report = [self, run](const QString& sentence, bool ok) {
                run->lines << sentence;
                if (self && !ok) {
                    ++self->m_failures;
                }
                run->step();
            };
            if (make) {
                self->m_defaultManager->setDefault(ext, app, report);
                return;
            }
            if (self->m_defaultManager->records().contains(ext)) {
                self->m_defaultManager->restore(ext, report);
                return;
            }
        }
        ++self->m_defaultsVersion;
        Q_EMIT self->defaultsVersionChanged();
        if (!run->lines.isEmpty()) {
            self->setAlertText(run->lines.join(u'\n'));
        }
        // Clearing the step breaks the cycle between the run and its step, but also destroys this
        // closure: keep what is still needed on the stack first.
        const std::function<void()> finished = done;
        run->step = nullptr;
        if (finished) {
            finished();
        }
    };
    run->step();
}

} // namespace korvane
