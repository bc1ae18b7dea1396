#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>
#include <list>

namespace korvane {

class InstanceChannel;

namespace InstanceMessage {
struct Request;
}

// A connection from a later start, on its own descriptor; closed with the object.
class PeerSocket : public QObject {
public:
    PeerSocket(int descriptor, QObject* parent);
    ~PeerSocket() override;

    int descriptor() const { return m_descriptor; }
    QSocketNotifier& notifier() { return m_notifier; }
    // Sends a short line without waiting: the peer's socket buffer always holds it.
    void send(const QByteArray& line) const;
    // Lets the peer go at once; the object goes later.
    void close();

private:
    int m_descriptor;
    QSocketNotifier m_notifier;
};

// The window's listening socket and the peers it took. Unlike QLocalServer, which closes and
// removes its socket when accept fails (out of descriptors), it waits a moment and accepts again;
// and it lets go of peers that stay quiet, pile up or send more than any request.
class InstanceServer : public QObject {
public:
    InstanceServer(InstanceChannel& channel, int descriptor);
    ~InstanceServer() override;

    // Tells the peer waiting for `reply` how its drop ended, and lets it go.
    void answer(quint64 reply, const QByteArray& line);

private:
    struct Peer {
        PeerSocket* socket;
        QByteArray buffer;
        QTimer* idle;
    };

    void accept();
    void admit(int descriptor);
    std::list<Peer>::iterator find(PeerSocket* socket);
    void read(PeerSocket* socket);
    bool take(std::list<Peer>::iterator peer, const QByteArray& chunk);
    void drop(PeerSocket* socket, const QByteArray& answer = {}, bool keep = false);
    void deliver(const InstanceMessage::Request& request, quint64 reply);

    InstanceChannel& m_channel;
    int m_descriptor;
    QSocketNotifier m_notifier;
    QTimer m_retry;
    bool m_failing = false;
    std::list<Peer> m_peers; // oldest first
    qint64 m_buffered = 0;
    QHash<quint64, QPointer<PeerSocket>> m_replies; // peers waiting to hear a drop's end
    quint64 m_lastReply = 0;
};

} // namespace korvane
