#pragma once

#include <QObject>
#include <QStringList>
#include <memory>

class QLocalServer;

namespace korvane {

// One Korvane window per user: the running window listens on a local socket; a second start
// asks it to come forward, and `korvane open` hands it the files, so that two processes never
// write the rules file against each other.
class InstanceChannel : public QObject {
    Q_OBJECT

public:
    explicit InstanceChannel(QString name = defaultName(), QObject* parent = nullptr);
    ~InstanceChannel() override;

    // "korvane-<user id>".
    static QString defaultName();

    // The window's side. False when another window already listens.
    bool listen();
    bool isListening() const;

    // The other side: true when a running window took the request.
    bool requestShow() const;
    bool handOver(const QStringList& files, quint64 modifiers) const;
    bool isRunning() const;

Q_SIGNALS:
    void showRequested();
    void openRequested(const QStringList& files, quint64 modifiers);

private:
    bool send(const QByteArray& message) const;
    void receive();

    QString m_name;
    std::unique_ptr<QLocalServer> m_server;
};

} // namespace korvane
