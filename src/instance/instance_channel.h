#pragma once

#include "core/drop_mode.h"

#include <QJsonObject>
#include <QLockFile>
#include <QObject>
#include <QStringList>
#include <memory>

namespace korvane {

class InstanceServer;

// One Korvane window per user session and set of folders: the running window listens on a local
// socket in a folder only its user can enter; a second start asks it to come forward, and
// `korvane open` hands it the files, so that two processes never write the rules file against
// each other. Only peers of the same user are heard.
class InstanceChannel : public QObject {
    Q_OBJECT

public:
    // Korvanes of the same `scope` share one window.
    explicit InstanceChannel(const QString& scope = defaultScope(), QObject* parent = nullptr);
    ~InstanceChannel() override;

    // The data and settings folders and the session bus: a command of another session, or with
    // other folders, never reaches this window.
    static QString defaultScope();
    // The socket's path; empty when no private folder could be made for it.
    QString socketPath() const { return m_path; }
    // After a call that failed: why the window can't be reached, or why this one can't listen.
    // Empty when no window runs. With an unusable folder nobody can tell whether one runs.
    QString errorString() const { return m_error; }

    // What the window bears from its peers: a peer quiet this long is let go; past the
    // connections, a newcomer closes the oldest; past the bytes, the peer holding most goes.
    struct Limits {
        int idleMs = 10'000;
        int connections = 32;
        // The largest hand-over, 100,000 paths of 4,096 bytes, each in base64 between quotes
        // and after a comma, is about 547 MB; half as much again, for all peers together.
        qint64 bytes = 100'000LL * ((4096 + 2) / 3 * 4 + 3) * 3 / 2;
    };
    void setLimits(const Limits& limits) { m_limits = limits; }
    const Limits& limits() const { return m_limits; }

    // The window's side. False when another window already listens, or is starting (then
    // errorString() is empty), or no socket could be made here.
    bool listen();
    bool isListening() const;
    // Tells the peer of an open request how its drop ended.
    void answer(quint64 reply, const QString& summary, bool failed);

    // The other side: true when a running window took the request. The request carries the
    // activation token the launcher gave this process, if any, so that the window may come
    // forward where the desktop allows that only with one (Wayland).
    bool requestShow() const;
    // With `outcome`, waits for the window's summary of the drop, too.
    struct Outcome {
        bool answered = false; // an older window may only take the files
        QString summary;
        bool failed = false;
    };
    bool handOver(const QStringList& files, DropMode mode, Outcome* outcome = nullptr) const;
    bool isRunning() const;

Q_SIGNALS:
    // Comes before the request it was sent with.
    void activationTokenReceived(const QString& token);
    void showRequested();
    // `reply`, when not 0, waits for answer(): the sender wants to hear how the drop ended.
    void openRequested(const QStringList& files, DropMode mode, quint64 reply);

private:
    bool send(QJsonObject message, Outcome* outcome = nullptr) const;
    // A connected socket to the running window, or -1.
    int connectTo() const;
    bool lockHeld() const;

    QString m_path;
    QString m_folderProblem;
    mutable QString m_error;
    Limits m_limits;
    std::unique_ptr<QLockFile> m_lock;
    std::unique_ptr<InstanceServer> m_server;
};

} // namespace korvane
