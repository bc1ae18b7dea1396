#include "pending_queue.h"

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
    return false;
}

void PendingQueue::resolve(const PendingFile& file, const QString& app, bool always) {
    if (!m_current || m_current->id != file.id) {
        return;
    }
    const QString extension = Router::extensionKey(file.path);
    if (always && !extension.isEmpty()) {
        Rule rule;
        rule.extensions = {extension};
        rule.setApp(app, m_platform);
        m_store.insertRule(0, rule);
    }
    setCurrent(std::nullopt);
    m_launch(app, {file.path});
}

void PendingQueue::cancel() {
    setCurrent(std::nullopt);
}

void PendingQueue::dismissed() {
    while (!m_current && !m_waiting.isEmpty()) {
        const PendingFile next = m_waiting.takeFirst();
        if (!m_platform.exists(next.path)) {
            continue;
        }
        const RouteResult result = Router::route(next.path, m_store.rules(), m_platform);
        if (result.kind == RouteResult::App) {
            m_launch(result.app, {next.path});
            continue;
        }
        setCurrent(next);
    }
}

} // namespace korvane
