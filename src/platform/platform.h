#pragma once

#include "base/result.h"
#include "content_type.h"
#include "launch_marker.h"

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

namespace korvane {

// One entry of the applications directory: the name it is listed under and its path.
struct ApplicationEntry {
    QString name;
    QString path;
};

// Called exactly once with how an order ended: later, never inside the call that asked, on the
// thread that asked (platform/later.h).
using Completion = std::function<void(const Result& result)>;

// Called once when items were shown: with the name of the file manager that selected them, or
// empty when none answered and their folders were opened instead.
using RevealCompletion = std::function<void(const Result& result, const QString& shownBy)>;

// What making an app a type's default would alter, in the platform's own terms, so that it can
// be noted before it is made and put back exactly (empty where the platform needs nothing); or
// why it can't be made.
struct DefaultPlan {
    Result result;
    QJsonObject change;
};

// Every operating-system service the core uses. Applications are named by their path (a desktop
// entry on freedesktop) and known by an identifier (its desktop-file ID); files by absolute
// paths. The questions are const and safe to ask from a background thread.
class Platform {
public:
    virtual ~Platform() = default;

    // Applications
    virtual std::optional<QString> applicationForIdentifier(const QString& identifier) const = 0;
    virtual std::optional<QString> defaultApplicationForType(const ContentType& type) const = 0;
    virtual std::optional<QString> defaultApplicationForFile(const QString& file) const = 0;
    virtual QStringList applicationsForType(const ContentType& type) const = 0;
    virtual QStringList applicationsForFile(const QString& file) const = 0;
    // The applications directory as the first-run editor look-up lists it.
    virtual QList<ApplicationEntry> applicationEntries() const = 0;

    // Orders
    virtual DefaultPlan planDefault(const QString& app, const ContentType& type) const = 0;
    // Makes the change planDefault planned; changes nothing, and says so, when the settings no
    // longer are as they were planned on.
    virtual void setDefaultApplication(const QString& app, const ContentType& type,
                                       const QJsonObject& plan, Completion done) = 0;
    // Puts back what a change made by setDefaultApplication altered, and nothing else.
    virtual void undoDefaultChange(const ContentType& type, const QJsonObject& change,
                                   Completion done) = 0;
    // The same for many types at once: each type planned by planDefault (`plans` in the order of
    // `types`), made in one change of the settings; taken back the same way.
    virtual void setDefaultApplications(const QString& app, const QList<ContentType>& types,
                                        const QList<QJsonObject>& plans, Completion done) = 0;
    using TypeChange = std::pair<ContentType, QJsonObject>;
    virtual void undoDefaultChanges(const QList<TypeChange>& changes, Completion done) = 0;
    // The default as the setting a change altered names it now, whatever else decides (another
    // desktop's settings); the type's default where the change names no setting.
    virtual std::optional<QString> defaultAfterChange(const ContentType& type,
                                                      const QJsonObject& change) const = 0;
    // The default the settings name for exactly this type, not one it inherits from a parent
    // type or takes from an app that merely handles it; none when no setting names one. A
    // platform whose types inherit nothing answers the type's default.
    virtual std::optional<QString> ownDefault(const ContentType& type) const {
        return defaultApplicationForType(type);
    }
    // A change given back passes to `kept`, a change that stays, what it knew of the settings
    // before Korvane first changed them, where both altered the same settings.
    virtual QJsonObject carriedChange(const QJsonObject& /*gone*/, const QJsonObject& kept) const {
        return kept;
    }
    // Whether the system's default settings can be read safely, and why not.
    virtual Result checkSettings() const { return Result::done(); }
    // Where the current default for the type is set (a settings file), for messages; empty when
    // unknown.
    virtual QString defaultOrigin(const ContentType& type) const = 0;
    // Hands all files to the one application in one request; with none, starts it.
    // `handedBack`: the files came back from an app Korvane started with them.
    virtual void openFiles(const QStringList& files, const QString& app, Completion done,
                           bool handedBack = false) = 0;
    // The local path of a location handed over as a URI: a "file:" URI, and a remote file the
    // desktop mounts (sftp:, smb:…); none for a web or mail link.
    virtual std::optional<QString> localPath(const QString& location) const = 0;
    // Opens one item (a path, or a link) with its default application (a folder in the file
    // manager).
    virtual void openItem(const QString& path) = 0;
    // Shows the items in the file manager (or, failing that, opens their folders).
    virtual void revealFiles(const QStringList& paths, RevealCompletion done) = 0;

    // Files and applications
    virtual QString displayName(const QString& path) const = 0;
    virtual bool exists(const QString& path) const = 0;
    // The identifier of the application at a path; empty when it is none or has none.
    virtual QString applicationId(const QString& path) const = 0;
    // Whether the identifier is Korvane's own, which never opens files for a rule: it would
    // only hand them back to itself.
    virtual bool isKorvane(const QString& identifier) const = 0;
    virtual bool isFolder(const QString& path) const = 0;
    // Whether the application takes one file per start (a drop of n files starts it n times).
    virtual bool takesOneFileAtATime(const QString& app) const = 0;
    // An icon-theme name or an image path for the item; empty when there is none.
    virtual QString iconName(const QString& path) const = 0;
    // The command line the application runs for the files, each word quoted for a shell;
    // empty where the platform can't tell.
    virtual QString commandLine(const QString& app, const QStringList& files) const {
        (void)app;
        (void)files;
        return {};
    }

    // Content types
    virtual std::optional<ContentType> typeForExtension(const QString& extension) const = 0;
    // True when `type` is `to` or descends from it.
    virtual bool conforms(const ContentType& type, const ContentType& to) const = 0;
    virtual ContentType wellKnownType(WellKnownType type) const = 0;
    // The types a type descends from directly, and its other names.
    struct TypeRelations {
        QStringList parents;
        QStringList aliases;
    };
    virtual TypeRelations relations(const ContentType& type) const {
        (void)type;
        return {};
    }

    // Every content type the desktop knows.
    virtual QList<ContentType> registeredTypes() const = 0;

    // Links
    // The site a web host belongs to, as browsers draw it by the public suffix list:
    // "www.example.co.uk" gives "example.co.uk". An address, a single name or a public suffix
    // gives the host itself, in lower case.
    virtual QString siteOf(const QString& host) const = 0;

    // The opener: the application through which the desktop hands files to Korvane to open
    // without a window. Its path; none while the desktop doesn't have it.
    virtual std::optional<QString> openerApplication() const = 0;
    // Gives the desktop the opener where none is installed (an entry of this user's own, which
    // withdrawOpener removes again). Both answer why they could not.
    virtual Result provideOpener() = 0;
    // Also ends a process that serves the opener.
    virtual Result withdrawOpener() = 0;
    // A request to the opener: its files and links (none: the desktop only started it), and
    // whether it comes back from an app Korvane started with these very items, such as a rule's
    // app that hands its files back to the desktop: routing them again would loop.
    struct OpenerRequest {
        QStringList items;
        LaunchMarker::HandBack handBack = LaunchMarker::HandBack::None;
    };
    // Answers the desktop's requests to open files through the opener while the returned holder
    // lives: `open` hears each request, later, on this thread; `ended` hears once, with why, when
    // the opener can't be served or no longer is.
    using OpenRequest = std::function<void(const OpenerRequest& request)>;
    virtual std::shared_ptr<void> serveOpener(OpenRequest open, Completion ended) = 0;

    // Calls `changed` on the main thread whenever the installed applications change (entries
    // added, removed or edited), until the next call replaces it.
    virtual void watchApplications(std::function<void()> changed) = 0;

    // Launch at login.
    virtual bool launchAtLogin() const = 0;
    virtual Result setLaunchAtLogin(bool enabled) = 0;

    // Nouns for user texts
    virtual QString fileManagerName() const = 0;
    virtual QString systemName() const = 0;
    virtual QString altKeyName() const = 0;
    virtual QString shiftKeyName() const = 0;
    // Where the status icon lives ("system tray") and where open windows are listed ("taskbar").
    virtual QString trayName() const = 0;
    virtual QString taskbarName() const = 0;
};

} // namespace korvane
