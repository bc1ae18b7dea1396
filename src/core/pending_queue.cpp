#include "pending_queue.h"

#include "drop_plan.h"
#include "links.h"
#include "platform/platform.h"
#include "router.h"
#include "rule_store.h"

namespace korvane {

PendingQueue::PendingQueue(RuleStore& store, const Platform& platform, Launch launch,
                           QObject* parent)
    : QObject(parent)
    , m_store(store)
    , m_platform(platform)
    , m_launch(std::move(launch)) {}

void PendingQueue::setCurrent(const std::optional<PendingFile>& file) {
    if (file) {
        ++m_position;
    } else if (m_waiting.isEmpty()) {
        m_position = 0; // the next question starts a new count
    }
    m_current = file;
    Q_EMIT changed();
}

bool PendingQueue::add(const QString& path) {
    const PendingFile file{QUuid::createUuid(), path};
    if (!m_current && m_waiting.isEmpty()) {
        setCurrent(file);
        return true;
    }
    m_waiting.append(file);
    Q_EMIT changed(); // the count grew
    return false;
}

void PendingQueue::resolve(const PendingFile& file, const QString& app, bool always) {
    if (!m_current || m_current->id != file.id) {
        return;
    }
    const bool link = Links::isLink(file.path);
    const QString key = link ? Links::learnedCondition(file.path, m_platform)
                             : Router::ruleKey(file.path, m_platform);
    QStringList files{file.path};
    if (always && !key.isEmpty()) {
        Rule rule;
        (link ? rule.links : rule.extensions) = QStringList{key};
        rule.setApp(app, m_platform);
        m_store.insertRule(0, rule);
        // The waiting files the new rule claims go with this one, in one launch.
        m_waiting.removeIf([&](const PendingFile& next) {
            const RouteResult result = route(next.path);
            const bool claimed = result.kind == RouteResult::App && result.app == app &&
                                 (Links::isLink(next.path) || m_platform.exists(next.path));
            if (claimed) {
                files << next.path;
            }
            return claimed;
        });
    }
    setCurrent(std::nullopt);
    m_launch(app, files);
}

RouteResult PendingQueue::route(const QString& item) const {
    return Links::isLink(item) ? Router::routeLink(item, m_store.rules(), m_platform)
                               : Router::route(item, m_store.rules(), m_platform);
}

void PendingQueue::cancel() {
    setCurrent(std::nullopt);
}

void PendingQueue::dismissed() {
    AppGroups claimed; // by the rules as they are now, one launch per app
    while (!m_current && !m_waiting.isEmpty()) {
        const PendingFile next = m_waiting.takeFirst();
        const bool link = Links::isLink(next.path);
        if (!link && !m_platform.exists(next.path)) {
            continue;
        }
        const RouteResult result = route(next.path);
        if (result.kind == RouteResult::App) {
            claimed.add(result.app, next.path);
            continue;
        }
        setCurrent(next);
    }
    for (const AppGroup& group : claimed.list()) {
        m_launch(group.app, group.files);
    }
}

} // namespace korvane
