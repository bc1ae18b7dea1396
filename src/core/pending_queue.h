#pragma once

#include "pending_file.h"
#include "route_result.h"

#include <QList>
#include <QObject>
#include <functional>
#include <optional>

namespace korvane {

class Platform;
class RuleStore;

// Files and links no rule claims, asked about one at a time: the current question and those
// waiting.
class PendingQueue : public QObject {
    Q_OBJECT

public:
    using Launch = std::function<void(const QString& app, const QStringList& files)>;

    PendingQueue(RuleStore& store, const Platform& platform, Launch launch,
                 QObject* parent = nullptr);

    std::optional<PendingFile> current() const { return m_current; }
    QList<PendingFile> waiting() const { return m_waiting; }
    // Where the current question stands among the files asked about since the queue was last
    // empty: "1 of 4".
    int position() const { return m_position; }
    int total() const { return m_position + int(m_waiting.size()); }

    // Asks about `path` at once when nothing else is asked or waits, else queues it; answers
    // whether it is asked at once.
    bool add(const QString& path);
    // The answer to the current question: opens the file, and with `always` adds a rule for its
    // extension (a link: its site or scheme) first. An answer to a question no longer asked
    // changes nothing.
    void resolve(const PendingFile& file, const QString& app, bool always);
    void cancel();
    // Called each time the question closes: asks about the next file that is still there and
    // that no rule claims by now, and opens the others.
    void dismissed();

Q_SIGNALS:
    void changed();

private:
    void setCurrent(const std::optional<PendingFile>& file);
    RouteResult route(const QString& item) const;

    RuleStore& m_store;
    const Platform& m_platform;
    Launch m_launch;
    std::optional<PendingFile> m_current;
    QList<PendingFile> m_waiting;
    int m_position = 0;
};

} // namespace korvane
