#pragma once

#include "platform/platform.h"

#include <QHash>
#include <QRecursiveMutex>
#include <atomic>

namespace korvane {

// A scriptable, in-memory system for core tests, with a small MIME-shaped type tree. Its nouns
// ("Finder", "macOS") differ from every real platform's, so tests see that texts take them from
// the platform. Like a real platform, it may be asked from any thread: all state is read and
// written under one lock.
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
            for (const ErrorCompletion& done : std::exchange(m_held, {})) {
                done(std::nullopt);
            }
        });
    }
    QList<Order> ordersOf(Order::Kind kind) const {
        return locked([&] {
            QList<Order> of(m_orders);
            of.removeIf([&](const Order& o) { return o.kind != kind; });
            return of;
        });
    }
    int orderCount() const {
        return locked([&] { return int(m_orders.size()); });
    }
    void clearOrders() {
        locked([&] { m_orders.clear(); });
    }
    int typeQuestions() const { return m_typeQuestions; }

    // Platform
    std::optional<QString> applicationForIdentifier(const QString& identifier) const override;
    std::optional<QString> defaultApplicationForType(const ContentType& type) const override;
    std::optional<QString> defaultApplicationForFile(const QString& file) const override;
    QStringList applicationsForType(const ContentType& type) const override;
    QStringList applicationsForFile(const QString& file) const override;
    QList<ApplicationEntry> applicationEntries() const override { return m_entries; }
    void setDefaultApplication(const QString& app, const ContentType& type,
                               DefaultCompletion done) override;
    void undoDefaultChange(const ContentType& type, const QJsonObject& change,
                           ErrorCompletion done) override;
    QString defaultOrigin(const ContentType&) const override { return {}; }
    void openFiles(const QStringList& files, const QString& app, ErrorCompletion done) override;
    void openItem(const QString& path) override { order({Order::OpenItem, {}, {path}}); }
    void revealFiles(const QStringList& paths, ErrorCompletion done) override {
        order({Order::Reveal, {}, paths});
        done(std::nullopt);
    }
    QString displayName(const QString& path) const override;
    bool exists(const QString& path) const override {
        return locked([&] { return app(path) || m_files.contains(path); });
    }
    QString applicationId(const QString& path) const override {
        return locked([&] {
            const App* found = app(path);
            return found ? found->id : QString();
        });
    }
    bool isFolder(const QString& path) const override {
        return locked([&] { return m_files.value(path); });
    }
    QString iconName(const QString&) const override { return {}; }
    bool takesOneFileAtATime(const QString&) const override { return false; }
    std::optional<ContentType> typeForExtension(const QString& extension) const override;
    bool conforms(const ContentType& type, const ContentType& to) const override;
    ContentType wellKnownType(WellKnownType type) const override;
    bool launchAtLogin() const override { return m_launchAtLogin; }
    std::optional<QString> setLaunchAtLogin(bool enabled) override {
        m_launchAtLogin = m_loginError.isEmpty() ? enabled : m_launchAtLogin;
        return m_loginError.isEmpty() ? std::nullopt : std::optional(m_loginError);
    }
    QString fileManagerName() const override { return QStringLiteral("Finder"); }
    QString systemName() const override { return QStringLiteral("macOS"); }
    QString optionKeyName() const override { return QStringLiteral("Option"); }
    QString shiftKeyName() const override { return QStringLiteral("Shift"); }
    QString statusAreaName() const override { return QStringLiteral("menu bar"); }
    QString dockName() const override { return QStringLiteral("Dock"); }

private:
    struct App {
        QString path;
        QString id;
        QString name;
        QStringList types;
    };
    template <typename F> auto locked(F f) const -> decltype(f()) {
        const QMutexLocker lock(&m_mutex);
        return f();
    }
    const App* app(const QString& path) const {
        const auto it = std::find_if(m_apps.begin(), m_apps.end(),
                                     [&](const App& a) { return a.path == path; });
        return it == m_apps.end() ? nullptr : &*it;
    }
    void order(const Order& order) {
        locked([&] { m_orders.append(order); });
    }

    QList<App> m_apps; // in the order added
    QHash<QString, QString> m_defaults;
    QHash<QString, bool> m_files; // path: is a folder
    QList<ApplicationEntry> m_entries;
    QHash<QString, QPair<Outcome, QString>> m_openOutcomes;
    DefaultOutcome m_defaultOutcome = DefaultOutcome::Applied;
    QString m_defaultError;
    QList<ErrorCompletion> m_held;
    QList<Order> m_orders;
    bool m_launchAtLogin = false;
    QString m_loginError;
    mutable std::atomic<int> m_typeQuestions = 0;
    mutable QRecursiveMutex m_mutex;
};

} // namespace korvane
