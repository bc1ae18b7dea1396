#pragma once

#include "drop_mode.h"
#include "folder_behavior.h"
#include "rule.h"

#include <QHash>
#include <QList>
#include <QStringList>
#include <functional>
#include <optional>

namespace korvane {

class Platform;

// An application and the files it gets in one request.
struct AppGroup {
    QString app;
    QStringList files;
};

// Files grouped by the application that opens them, in first-seen order.
class AppGroups {
public:
    void add(const QString& app, const QString& file);
    const QList<AppGroup>& list() const { return m_groups; }
    bool isEmpty() const { return m_groups.isEmpty(); }

private:
    QList<AppGroup> m_groups;
    QHash<QString, qsizetype> m_index;
};

// Where a link no rule claims goes: to the desktop's app for its scheme, or to the question (a
// link dropped on the window came to be routed; its browser is where it came from).
enum class UnclaimedLinks { SchemeDefault, Asked };

// What a drop does, worked out without doing any of it.
struct DropPlan {
    using Mode = DropMode;

    Mode mode = Mode::Route;
    QStringList existing; // the files that are there, in the order dropped
    QStringList links;    // the links dropped beside them, in the order dropped
    qsizetype missing = 0;
    AppGroups groups;        // by rule, or by default app
    QStringList folders;     // routing only
    QStringList unmatched;   // no rule claims them, or they have no default app
    QList<Rule> missingApps; // rules whose app is not installed, once per file

    // The app that opens a file no rule claims, for the desktop, and a link no rule claims, as
    // if Korvane were not the opener; none: the user is asked.
    using Fallback = std::function<std::optional<QString>(const QString& file)>;
    static DropPlan make(const QStringList& files, DropMode mode, const QList<Rule>& rules,
                         const Platform& platform, const Fallback& fallback = {},
                         UnclaimedLinks unclaimed = UnclaimedLinks::SchemeDefault);

private:
    // Links go by the rules' links, else as `unclaimed` says: to `fallback`'s app where given,
    // else to the desktop's app for their scheme.
    void routeLinks(const QList<Rule>& rules, const Platform& platform, UnclaimedLinks unclaimed,
                    const Fallback& fallback);
};

} // namespace korvane
