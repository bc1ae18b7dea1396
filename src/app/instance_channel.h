#pragma once

#include <QJsonObject>
#include <QLockFile>
#include <QObject>
#include <QStringList>
#include <memory>

class QLocalServer;

namespace korvane {

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

    // The window's side. False when another window already listens, or is starting.
    bool listen();
    bool isListening() const;

    // The other side: true when a running window took the request. The request carries the
    // activation token the launcher gave this process, if any, so that the window may come
    // forward where the desktop allows that only with one (Wayland).
    bool requestShow() const;
    bool handOver(const QStringList& files, Qt::KeyboardModifiers modifiers) const;
    bool isRunning() const;

Q_SIGNALS:
    // Comes before the request it was sent with.
    void activationTokenReceived(const QString& token);
    void showRequested();
    void openRequested(const QStringList& files, Qt::KeyboardModifiers modifiers);

private:
    bool send(QJsonObject message) const;
    void receive();

    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
    std::unique_ptr<QLocalServer> m_server;
};

} // namespace korvane
