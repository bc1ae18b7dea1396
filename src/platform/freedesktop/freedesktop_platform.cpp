#include "freedesktop_platform.h"

#include "autostart.h"
#include "base/file_names.h"
#include "content_types.h"
#include "desktop_entries.h"
#include "desktop_names.h"
#include "launching.h"
#include "mimeapps_defaults.h"
#include "opener_entry.h"
#include "opener_service.h"
#include "platform/later.h"
#include "platform/launch_marker.h"
#include "platform_logging.h"
#include "platform_text.h"
#include "public_suffixes.h"

#include <QMimeDatabase>
#include <sys/stat.h>

Q_LOGGING_CATEGORY(lcPlatform, "korvane.platform", QtWarningMsg)

namespace korvane {

// Each question goes to the part of the desktop that answers it; see the headers beside this.

FreedesktopPlatform::FreedesktopPlatform() = default;
FreedesktopPlatform::~FreedesktopPlatform() = default;

const QStringList& FreedesktopPlatform::archiveTypes() {
    return ContentTypes::archiveTypes();
}

const QStringList& FreedesktopPlatform::sourceCodeTypes() {
    return ContentTypes::sourceCodeTypes();
}

std::optional<QString>
FreedesktopPlatform::applicationForIdentifier(const QString& identifier) const {
    return DesktopEntries::applicationForIdentifier(identifier);
}

std::optional<QString>
FreedesktopPlatform::defaultApplicationForType(const ContentType& type) const {
    return DesktopEntries::defaultApplicationForType(type);
}

std::optional<QString> FreedesktopPlatform::defaultApplicationForFile(const QString& file) const {
    return defaultApplicationForType(ContentType{ContentTypes::typeOfFile(file), false});
}

QStringList FreedesktopPlatform::applicationsForType(const ContentType& type) const {
    return DesktopEntries::applicationsForType(type);
}

QStringList FreedesktopPlatform::applicationsForFile(const QString& file) const {
    return applicationsForType(ContentType{ContentTypes::typeOfFile(file), false});
}

QList<ApplicationEntry> FreedesktopPlatform::applicationEntries() const {
    return DesktopEntries::applicationEntries();
}

DefaultPlan FreedesktopPlatform::planDefault(const QString& app, const ContentType& type) const {
    return MimeappsDefaults::planDefault(app, applicationId(app), type.identifier);
}

void FreedesktopPlatform::setDefaultApplication(const QString& app, const ContentType& type,
                                                const QJsonObject& plan, Completion done) {
    later(std::move(done))(
        MimeappsDefaults::setDefault(app, applicationId(app), type.identifier, plan));
}

void FreedesktopPlatform::undoDefaultChange(const ContentType& type, const QJsonObject& change,
                                            Completion done) {
    later(std::move(done))(MimeappsDefaults::undoChange(type.identifier, change));
}

void FreedesktopPlatform::setDefaultApplications(const QString& app,
                                                 const QList<ContentType>& types,
                                                 const QList<QJsonObject>& plans, Completion done) {
    QStringList names;
    for (const ContentType& type : types) {
        names.append(type.identifier);
    }
    later(std::move(done))(MimeappsDefaults::setDefaults(app, applicationId(app), names, plans));
}

void FreedesktopPlatform::undoDefaultChanges(const QList<TypeChange>& changes, Completion done) {
    QList<std::pair<QString, QJsonObject>> byName;
    for (const auto& [type, change] : changes) {
        byName.append({type.identifier, change});
    }
    later(std::move(done))(MimeappsDefaults::undoChanges(byName));
}

std::optional<QString> FreedesktopPlatform::defaultAfterChange(const ContentType& type,
                                                               const QJsonObject& change) const {
    for (const QString& id : MimeappsDefaults::idsAfterChange(type.identifier, change)) {
        if (auto app = applicationForIdentifier(id)) {
            return app;
        }
    }
    return defaultApplicationForType(type);
}

Result FreedesktopPlatform::checkSettings() const {
    return MimeappsDefaults::checkLists();
}

QString FreedesktopPlatform::defaultOrigin(const ContentType& type) const {
    return MimeappsDefaults::defaultOrigin(type.identifier);
}

std::optional<QString> FreedesktopPlatform::ownDefault(const ContentType& type) const {
    const QString id = MimeappsDefaults::ownDefaultId(type.identifier);
    return id.isEmpty() ? std::nullopt : applicationForIdentifier(id);
}

QJsonObject FreedesktopPlatform::carriedChange(const QJsonObject& gone,
                                               const QJsonObject& kept) const {
    return MimeappsDefaults::carriedChange(gone, kept);
}

std::optional<QString> FreedesktopPlatform::localPath(const QString& location) const {
    return Launching::localPath(FileNames::encode(location));
}

void FreedesktopPlatform::openFiles(const QStringList& files, const QString& app, Completion done,
                                    bool handedBack) {
    constexpr qsizetype kRemembered = 64;
    *m_launched += Launching::openFiles(files, app, later(std::move(done)), handedBack);
    if (m_launched->size() > kRemembered) {
        m_launched->remove(0, m_launched->size() - kRemembered);
    }
}

void FreedesktopPlatform::openItem(const QString& path) {
    Launching::openItem(path);
}

void FreedesktopPlatform::revealFiles(const QStringList& paths, RevealCompletion done) {
    Launching::revealFiles(paths, later(std::move(done)));
}

void FreedesktopPlatform::watchApplications(std::function<void()> changed) {
    m_applicationsWatch = DesktopEntries::watchApplications(std::move(changed));
}

bool FreedesktopPlatform::isKorvane(const QString& identifier) const {
    return DesktopEntries::isKorvaneId(identifier) ||
           DesktopEntries::isKorvaneId(identifier + QStringLiteral(".desktop"));
}

QString FreedesktopPlatform::displayName(const QString& path) const {
    return DesktopEntries::displayName(path);
}

bool FreedesktopPlatform::exists(const QString& path) const {
    // Follows symbolic links, so a broken one does not exist.
    struct stat info {};
    return !path.isEmpty() && FileNames::statPath(path, &info);
}

QString FreedesktopPlatform::applicationId(const QString& path) const {
    return DesktopEntries::applicationId(path);
}

bool FreedesktopPlatform::isFolder(const QString& path) const {
    struct stat info {};
    return FileNames::statPath(path, &info) && S_ISDIR(info.st_mode);
}

bool FreedesktopPlatform::takesOneFileAtATime(const QString& app) const {
    return DesktopEntries::takesOneFileAtATime(app);
}

QString FreedesktopPlatform::iconName(const QString& path) const {
    return DesktopEntries::iconName(path);
}

std::optional<ContentType> FreedesktopPlatform::typeForExtension(const QString& extension) const {
    return ContentTypes::typeForExtension(extension);
}

QString FreedesktopPlatform::commandLine(const QString& app, const QStringList& files) const {
    return DesktopEntries::commandLine(app, files);
}

Platform::TypeRelations FreedesktopPlatform::relations(const ContentType& type) const {
    // shared-mime-info's own tables, as Qt reads them; GIO answers only "is it a".
    const QMimeType mime = QMimeDatabase().mimeTypeForName(type.identifier);
    return {mime.parentMimeTypes(), mime.aliases()};
}

bool FreedesktopPlatform::conforms(const ContentType& type, const ContentType& to) const {
    return ContentTypes::conforms(type, to);
}

ContentType FreedesktopPlatform::wellKnownType(WellKnownType type) const {
    return ContentTypes::wellKnownType(type);
}

QList<ContentType> FreedesktopPlatform::registeredTypes() const {
    return ContentTypes::registeredTypes();
}

QString FreedesktopPlatform::siteOf(const QString& host) const {
    return PublicSuffixes::siteOf(host);
}

std::optional<QString> FreedesktopPlatform::openerApplication() const {
    return MimeappsDefaults::checkLists() ? OpenerEntry::path() : std::nullopt;
}

Result FreedesktopPlatform::provideOpener() {
    if (Result readable = MimeappsDefaults::checkLists(); !readable) {
        return readable;
    }
    return OpenerEntry::provide(m_commandPath);
}

Result FreedesktopPlatform::withdrawOpener() {
    OpenerService::stop();
    return OpenerEntry::withdraw();
}

std::shared_ptr<void> FreedesktopPlatform::serveOpener(OpenRequest open, Completion ended) {
    return OpenerService::serve(
        std::move(open), std::move(ended), [launched = m_launched](const QStringList& items) {
            return items.isEmpty() ? launched->contains(LaunchMarker::kNothing)
                                   : launched->contains(LaunchMarker::of(items)) ||
                                         launched->contains(LaunchMarker::of(items, true));
        });
}

QString FreedesktopPlatform::autostartPath() {
    return Autostart::path();
}

bool FreedesktopPlatform::launchAtLogin() const {
    return Autostart::enabled();
}

Result FreedesktopPlatform::setLaunchAtLogin(bool enabled) {
    return Autostart::setEnabled(enabled, m_programPath);
}

QString FreedesktopPlatform::fileManagerName() const {
    if (const auto app =
            defaultApplicationForType(ContentType{QStringLiteral("inode/directory")})) {
        QString name = displayName(*app);
        if (!name.isEmpty()) {
            return name;
        }
    }
    return PlatformText::tr("the file manager");
}

QString FreedesktopPlatform::systemName() const {
    return DesktopNames::systemName();
}

} // namespace korvane
