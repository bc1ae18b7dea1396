#pragma once

#include "default_app_manager.h"
#include "default_outcome.h"
#include "platform/content_type.h"
#include "route_explanation.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace korvane {

class Platform;
class Settings;
struct Rule;

// Korvane as the desktop's opener: while on, it is the default of every content type that an
// enabled rule covers, so that double-clicks follow the rules too. The types are taken and given
// back through the default-app record, so that turning it off leaves each settings file as it
// was, save for the choices the user made since.
class DesktopOpener : public QObject {
    Q_OBJECT

public:
    struct Report {
        // Why nothing was tried: the desktop's settings can't be read safely, or it has no
        // opener (`problem` says why).
        enum Refusal { None, UnsafeSettings, NoOpener };
        Refusal refusal = None;
        QString problem{};
        QList<DefaultOutcome> taken{};     // one per type, the type in place of the extension
        QList<DefaultOutcome> givenBack{}; // likewise
        bool on = false;                   // whether it is on now
        bool links = false;                // whether it opens links too now
        int types = 0;                     // how many types are the opener's now
        int linkTypes = 0;                 // how many of them are links' (by scheme)

        int failures() const;
    };
    using Done = std::function<void(const Report& report)>;

    // One type the opener holds, and what it replaced.
    struct Held {
        QString type;
        QString replacedApp; // its path; empty when none, or no longer installed
        QString replacedId;  // its desktop-file ID; empty when there was no default
        QString origin;      // where that default was set; empty when unknown
    };

    DesktopOpener(Platform& platform, DefaultAppManager& defaults, Settings& settings,
                  QObject* parent = nullptr);

    // What it opens for the desktop: nothing, files, or files and web and mail links.
    enum class Scope { Off, Files, FilesAndLinks };

    bool isOn() const;
    // Whether it opens web and mail links too.
    bool linksOn() const;
    Scope scope() const;
    // Each answers once, later, on this object's thread. `links`: web and mail links too.
    void turnOn(const QList<Rule>& rules, bool links, const Done& done);
    void turnOff(const Done& done);
    // While on, takes the types the rules cover that it doesn't hold, and gives back those they
    // no longer cover. Nothing while off.
    void follow(const QList<Rule>& rules, Done done);
    // The types it holds, sorted.
    QList<Held> held() const;

    // The types the enabled rules with an app cover by their extensions and groups, each once,
    // sorted. A rule with folders only covers no type: it claims files by where they are. With
    // `links`, the web's schemes too (a browser's), and every other scheme a rule's links name.
    static QList<ContentType> coveredTypes(const QList<Rule>& rules, const Platform& platform,
                                           bool links = false);

    // Why the file goes where it goes (Router::explain), with what the desktop says of it: its
    // type's relations, the command the app would run, and the desktop's own choice, or, where
    // Korvane is its opener, the app it replaced.
    static RouteExplanation explain(const QString& file, const QList<Rule>& rules,
                                    const Platform& platform,
                                    const QHash<QString, DefaultAppManager::Record>& records);

    // The app that opens a file or link no rule claims, as if Korvane were not the opener: the
    // app it replaced for the type (a link's: its scheme's), else the desktop's next choice that
    // isn't Korvane, nor `passedOver`.
    std::optional<QString> fallbackFor(const QString& file, const QString& passedOver = {}) const;
    // The browser the desktop starts without a link (its "web browser"), as if Korvane were not
    // the opener.
    std::optional<QString> browser() const;
    // The same for a file of the type (none: unknown), as the records say.
    static std::optional<QString>
    replacedApp(const Platform& platform, const QHash<QString, DefaultAppManager::Record>& records,
                const std::optional<ContentType>& type, const QString& file,
                const QString& passedOver = {});

private:
    void sync(const QList<Rule>& rules, bool on, bool links, const Done& done);
    QString openerId() const;

    Platform& m_platform;
    DefaultAppManager& m_defaults;
    Settings& m_settings;
};

} // namespace korvane
