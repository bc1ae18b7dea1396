#pragma once

#include "base/file_names.h"
#include "core/router.h"
#include "platform/later.h"
#include "platform/platform.h"

#include <QFileInfo>
#include <QHash>
#include <QRecursiveMutex>
#include <QSet>
#include <atomic>

namespace korvane {

// A scriptable, in-memory system for core tests, with a small MIME-shaped type tree. Its nouns
// ("Test Files", "the test desktop") differ from the real platform's, so tests see that texts take
// them from the platform, and begin a sentence with a capital. Like a real platform, it may be
// asked from any thread: all state is read and written under one lock.
class MemoryPlatform : public Platform {
public:
    enum class Outcome { Success, Error, Hold };
    // Ignored: the change is accepted but another setting keeps deciding the default.
    enum class DefaultOutcome { Applied, Error, Ignored };
    struct Order {
        enum Kind { Open, OpenItem, Reveal } kind;
        QString app;
        QStringList files;
    };

    // Scripting
    void addApplication(const QString& path, const QString& id, const QString& name,
                        const QStringList& opensTypes = {}) {
        locked([&] { m_apps.append({path, id, name, opensTypes}); });
    }
    void setDefault(const QString& type, const QString& app) {
        locked([&] { m_defaults.insert(type, app); });
    }
    void addFile(const QString& path, bool folder = false) {
        locked([&] { m_files.insert(path, folder); });
    }
    void removeFile(const QString& path) {
        locked([&] { m_files.remove(path); });
    }
    void setApplicationEntries(const QList<ApplicationEntry>& entries) { m_entries = entries; }
    // Who shows revealed items; empty: no file manager answers, their folders open.
    void setRevealer(const QString& name) {
        locked([&] { m_revealer = name; });
    }
    // Korvane's own identifier on this platform.
    static constexpr const char* kKorvaneId = "korvane.desktop";
    void setOpenOutcome(const QString& app, Outcome outcome, const QString& error = {}) {
        locked([&] { m_openOutcomes.insert(app, {outcome, error}); });
    }
    void setDefaultOutcome(DefaultOutcome outcome, const QString& error = {}) {
        locked([&] { m_defaultOutcome = outcome, m_defaultError = error; });
    }
    void setLaunchAtLoginError(const QString& error) { m_loginError = error; }
    // Completes every open request held so far.
    void releaseHeld() {
        locked([&] {
            for (const Completion& done : std::exchange(m_held, {})) {
                done(Result::done());
            }
        });
    }
    QList<Order> orders(std::optional<Order::Kind> kind = {}) const {
        return locked([&] {
            QList<Order> of(m_orders);
            of.removeIf([&](const Order& o) { return kind && o.kind != *kind; });
            return of;
        });
    }
    int typeQuestions() const { return m_typeQuestions; }

    // Platform
    std::optional<QString> applicationForIdentifier(const QString& identifier) const override {
        return locked(
            [&] { return pathOf(identifier.isEmpty() ? nullptr : app(&App::id, identifier)); });
    }
    std::optional<QString> defaultApplicationForType(const ContentType& type) const override {
        return locked([&] { return pathOf(app(&App::path, m_defaults.value(type.identifier))); });
    }
    std::optional<QString> defaultApplicationForFile(const QString& file) const override {
        const auto type = typeForExtension(Router::extensionKey(file));
        return type ? defaultApplicationForType(*type) : std::nullopt;
    }
    QStringList applicationsForType(const ContentType& type) const override {
        return locked([&] {
            QStringList result;
            for (const App& app : m_apps) {
                if (std::any_of(app.types.begin(), app.types.end(),
                                [&](const QString& t) { return conforms(type, ContentType{t}); })) {
                    result.append(app.path);
                }
            }
            return result;
        });
    }
    QStringList applicationsForFile(const QString& file) const override {
        const auto type = typeForExtension(Router::extensionKey(file));
        return type ? applicationsForType(*type) : QStringList();
    }
    QList<ApplicationEntry> applicationEntries() const override { return m_entries; }
    DefaultPlan planDefault(const QString&, const ContentType& type) const override {
        return locked([&] {
            return DefaultPlan{Result::done(),
                               {{"previous", m_defaults.contains(type.identifier)
                                                 ? QJsonValue(m_defaults.value(type.identifier))
                                                 : QJsonValue()}}};
        });
    }
    void setDefaultApplication(const QString& app, const ContentType& type, const QJsonObject&,
                               Completion asked) override {
        const Completion done = later(std::move(asked)); // as every platform answers
        const QMutexLocker lock(&m_mutex);
        if (m_defaultOutcome == DefaultOutcome::Applied) {
            m_defaults.insert(type.identifier, app);
        }
        done(m_defaultOutcome == DefaultOutcome::Error ? Result::failed(m_defaultError)
                                                       : Result::done());
    }
    std::optional<QString> defaultAfterChange(const ContentType& type,
                                              const QJsonObject&) const override {
        return defaultApplicationForType(type);
    }
    void undoDefaultChange(const ContentType& type, const QJsonObject& change,
                           Completion asked) override {
        const Completion done = later(std::move(asked));
        const QMutexLocker lock(&m_mutex);
        if (m_defaultOutcome == DefaultOutcome::Error) {
            return done(Result::failed(m_defaultError));
        }
        const QJsonValue previous = change.value("previous");
        previous.isString() ? void(m_defaults.insert(type.identifier, previous.toString()))
                            : void(m_defaults.remove(type.identifier));
        done(Result::done());
    }
    void setDefaultApplications(const QString& app, const QList<ContentType>& types,
                                const QList<QJsonObject>&, Completion asked) override {
        const Completion done = later(std::move(asked));
        const QMutexLocker lock(&m_mutex);
        ++m_defaultEdits;
        for (const ContentType& type : types) {
            if (m_defaultOutcome == DefaultOutcome::Applied &&
                !m_ignoredTypes.contains(type.identifier)) {
                m_defaults.insert(type.identifier, app);
            }
        }
        done(m_defaultOutcome == DefaultOutcome::Error ? Result::failed(m_defaultError)
                                                       : Result::done());
    }
    void undoDefaultChanges(const QList<TypeChange>& changes, Completion asked) override {
        const Completion done = later(std::move(asked));
        const QMutexLocker lock(&m_mutex);
        ++m_defaultEdits;
        if (m_defaultOutcome == DefaultOutcome::Error) {
            return done(Result::failed(m_defaultError));
        }
        for (const auto& [type, change] : changes) {
            const QJsonValue previous = change.value("previous");
            previous.isString() ? void(m_defaults.insert(type.identifier, previous.toString()))
                                : void(m_defaults.remove(type.identifier));
        }
        done(Result::done());
    }
    // Types whose default no change reaches (another setting decides them).
    void setIgnoredTypes(const QStringList& types) {
        locked([&] { m_ignoredTypes = types; });
    }
    // How many times the settings were edited for many types at once.
    int defaultEdits() const { return m_defaultEdits; }
    QString defaultOrigin(const ContentType&) const override { return {}; }
    QList<ContentType> registeredTypes() const override {
        QList<ContentType> types;
        for (const QString& type : QSet<QString>(kTypes.cbegin(), kTypes.cend())) {
            types.append(ContentType{type});
        }
        std::sort(types.begin(), types.end(),
                  [](const auto& a, const auto& b) { return a.identifier < b.identifier; });
        return types;
    }
    static constexpr const char* kOpenerId = "korvane-opener.desktop";
    std::optional<QString> openerApplication() const override {
        return applicationForIdentifier(kOpenerId);
    }
    Result provideOpener() override {
        if (!openerApplication()) {
            addApplication("/apps/korvane-opener.desktop", kOpenerId, "Korvane");
        }
        return Result::done();
    }
    std::shared_ptr<void> serveOpener(OpenRequest, Completion) override {
        return std::make_shared<int>(0);
    }
    Result withdrawOpener() override {
        locked([&] { m_apps.removeIf([](const App& a) { return a.id == kOpenerId; }); });
        return Result::done();
    }
    void openFiles(const QStringList& files, const QString& app, Completion asked,
                   bool = false) override {
        Completion done = later(std::move(asked)); // kept, when held, until released
        const QMutexLocker lock(&m_mutex);
        m_orders.append({Order::Open, app, files});
        const auto [outcome, error] = m_openOutcomes.value(app, {Outcome::Success, QString()});
        if (outcome == Outcome::Hold) {
            return m_held.append(std::move(done));
        }
        done(outcome == Outcome::Error ? Result::failed(error) : Result::done());
    }
    std::optional<QString> localPath(const QString& location) const override {
        const QString path = FileNames::fromFileUri(location);
        return path.isEmpty() ? std::nullopt : std::optional(path);
    }
    void openItem(const QString& path) override { order({Order::OpenItem, {}, {path}}); }
    void revealFiles(const QStringList& paths, RevealCompletion done) override {
        order({Order::Reveal, {}, paths});
        later(std::move(done))(Result::done(), locked([&] { return m_revealer; }));
    }
    QString displayName(const QString& path) const override {
        return locked([&] {
            const App* found = app(&App::path, path);
            return found ? found->name : QFileInfo(path).fileName();
        });
    }
    bool exists(const QString& path) const override {
        return locked([&] { return app(&App::path, path) || m_files.contains(path); });
    }
    QString applicationId(const QString& path) const override {
        return locked([&] {
            const App* found = app(&App::path, path);
            return found ? found->id : QString();
        });
    }
    bool isKorvane(const QString& identifier) const override {
        return identifier == kKorvaneId || identifier == kOpenerId;
    }
    void watchApplications(std::function<void()> changed) override {
        m_applicationsChanged = std::move(changed);
    }
    // As the desktop tells of apps installed or removed.
    void announceApplicationsChanged() const {
        if (m_applicationsChanged) {
            m_applicationsChanged();
        }
    }
    bool isFolder(const QString& path) const override {
        return locked([&] { return m_files.value(path); });
    }
    QString iconName(const QString&) const override { return {}; }
    bool takesOneFileAtATime(const QString& app) const override {
        return locked([&] { return m_oneAtATime.contains(app); });
    }
    void setOneFileAtATime(const QString& app) {
        locked([&] { m_oneAtATime.insert(app); });
    }
    // A small MIME tree: a type's parent is in kParents, then octet-stream; unknown extensions
    // get a dynamic type, as shared-mime-info gives them.
    std::optional<ContentType> typeForExtension(const QString& extension) const override {
        ++m_typeQuestions;
        const QString type = kTypes.value(extension);
        return extension.isEmpty() ? std::nullopt
               : type.isEmpty()    ? std::optional(ContentType{kData, true})
                                   : std::optional(ContentType{type});
    }
    bool conforms(const ContentType& type, const ContentType& to) const override {
        if (to.identifier == kData || type == to) {
            return true;
        }
        if (type.dynamic) {
            return false;
        }
        if (to.identifier.endsWith(QLatin1String("/*"))) {
            return type.identifier.startsWith(to.identifier.chopped(1));
        }
        const QString parent = kParents.value(type.identifier);
        return !parent.isEmpty() && conforms(ContentType{parent}, to);
    }
    ContentType wellKnownType(WellKnownType type) const override {
        // By WellKnownType, in its order.
        const char* const types[] = {"text/plain", "image/*",          "audio/*",
                                     "video/*",    "x-archive",        "text/x-csrc",
                                     kData,        "application/json", "application/x-desktop"};
        return {QString::fromLatin1(types[int(type)])};
    }
    // The last two labels, or three under one of the few suffixes the tests use.
    QString siteOf(const QString& host) const override {
        const QStringList labels = host.toLower().split(u'.');
        const bool address = host.contains(u':') || (labels.size() == 4 && labels.last().toInt());
        if (address || labels.size() <= 2) {
            return host.toLower();
        }
        const bool suffix = kSuffixes.contains(labels.mid(labels.size() - 2).join(u'.'));
        return labels.mid(labels.size() - (suffix ? 3 : 2)).join(u'.');
    }
    bool launchAtLogin() const override { return m_launchAtLogin; }
    Result setLaunchAtLogin(bool enabled) override {
        m_launchAtLogin = m_loginError.isEmpty() ? enabled : m_launchAtLogin;
        return m_loginError.isEmpty() ? Result::done() : Result::failed(m_loginError);
    }
    QString fileManagerName() const override { return QStringLiteral("Test Files"); }
    QString systemName() const override { return QStringLiteral("the test desktop"); }
    QString altKeyName() const override { return QStringLiteral("Test Alt"); }
    QString shiftKeyName() const override { return QStringLiteral("Shift"); }
    QString trayName() const override { return QStringLiteral("test tray"); }
    QString taskbarName() const override { return QStringLiteral("test panel"); }

private:
    struct App {
        QString path;
        QString id;
        QString name;
        QStringList types;
    };
    static constexpr const char* kData = "application/octet-stream";
    static inline const QHash<QString, QString> kTypes{
        {"txt", "text/plain"},
        {"md", "text/markdown"},
        {"markdown", "text/markdown"},
        {"c", "text/x-csrc"},
        {"json", "application/json"},
        {"png", "image/png"},
        {"jpg", "image/jpeg"},
        {"mp3", "audio/mpeg"},
        {"mp4", "video/mp4"},
        {"zip", "application/zip"},
        {"gz", "application/gzip"},
        {"pdf", "application/pdf"},
        {"tar.gz", "application/x-compressed-tar"},
    };
    static inline const QStringList kSuffixes{"co.uk", "github.io"};
    static inline const QHash<QString, QString> kParents{
        {"text/markdown", "text/plain"},    {"text/x-csrc", "text/plain"},
        {"application/json", "text/plain"}, {"application/zip", "x-archive"},
        {"application/gzip", "x-archive"},
    };

    template <typename F> auto locked(F f) const -> decltype(f()) {
        const QMutexLocker lock(&m_mutex);
        return f();
    }
    // The first app whose member equals the value.
    const App* app(QString App::*member, const QString& value) const {
        const auto it = std::find_if(m_apps.begin(), m_apps.end(),
                                     [&](const App& a) { return a.*member == value; });
        return it == m_apps.end() ? nullptr : &*it;
    }
    static std::optional<QString> pathOf(const App* app) {
        return app ? std::optional(app->path) : std::nullopt;
    }
    void order(const Order& order) {
        locked([&] { m_orders.append(order); });
    }

    QList<App> m_apps; // in the order added
    QHash<QString, QString> m_defaults;
    QHash<QString, bool> m_files; // path: is a folder
    QSet<QString> m_oneAtATime;
    QList<ApplicationEntry> m_entries;
    QHash<QString, QPair<Outcome, QString>> m_openOutcomes;
    DefaultOutcome m_defaultOutcome = DefaultOutcome::Applied;
    QString m_defaultError;
    QStringList m_ignoredTypes;
    std::atomic<int> m_defaultEdits = 0;
    QList<Completion> m_held;
    QList<Order> m_orders;
    bool m_launchAtLogin = false;
    QString m_loginError;
    QString m_revealer = QStringLiteral("Test Files");
    std::function<void()> m_applicationsChanged;
    mutable std::atomic<int> m_typeQuestions = 0;
    mutable QRecursiveMutex m_mutex;
};

} // namespace korvane
