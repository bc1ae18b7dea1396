#include "instance_server.h"

#include "base/file_names.h"
#include "instance_channel.h"
#include "instance_message.h"
#include "socket_folder.h"

#include <QLoggingCategory>
#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <unistd.h>

namespace korvane {

Q_DECLARE_LOGGING_CATEGORY(lcInstance)

namespace {

constexpr qint64 kChunk = 64 * 1024;
constexpr int kChunksAtOnce = 16; // then other peers get their turn
constexpr int kRetryMs = 100;     // after accept failed, as when out of descriptors
constexpr int kAcceptsAtOnce = 64;
constexpr int kReplyWaitMs = 60'000; // for a drop's end: its launches report back well before

} // namespace

PeerSocket::PeerSocket(int descriptor, QObject* parent)
    : QObject(parent)
    , m_descriptor(descriptor)
    , m_notifier(descriptor, QSocketNotifier::Read) {}

PeerSocket::~PeerSocket() {
    close();
}

void PeerSocket::close() {
    m_notifier.setEnabled(false);
    if (m_descriptor >= 0) {
        ::close(m_descriptor);
        m_descriptor = -1;
    }
}

void PeerSocket::send(const QByteArray& line) const {
    // A peer that went away meanwhile misses nothing it could still read.
    (void)::send(m_descriptor, line.constData(), size_t(line.size()), MSG_NOSIGNAL | MSG_DONTWAIT);
}

InstanceServer::InstanceServer(InstanceChannel& channel, int descriptor)
    : m_channel(channel)
    , m_descriptor(descriptor)
    , m_notifier(descriptor, QSocketNotifier::Read) {
    connect(&m_notifier, &QSocketNotifier::activated, this, &InstanceServer::accept);
    m_retry.setSingleShot(true);
    m_retry.setInterval(kRetryMs);
    connect(&m_retry, &QTimer::timeout, this, [this] { m_notifier.setEnabled(true); });
}

InstanceServer::~InstanceServer() {
    m_notifier.setEnabled(false);
    close(m_descriptor);
    unlink(FileNames::encode(m_channel.socketPath()).constData());
}

void InstanceServer::accept() {
    for (int i = 0; i < kAcceptsAtOnce; ++i) {
        const int descriptor =
            accept4(m_descriptor, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (descriptor >= 0) {
            m_failing = false;
            admit(descriptor);
        } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
            return;
        } else if ((errno == EMFILE || errno == ENFILE) && !m_peers.empty()) {
            drop(m_peers.front().socket); // out of descriptors: the oldest peer gives one
        } else if (errno != EINTR && errno != ECONNABORTED) {
            // The peer waits in the queue meanwhile; the socket stays.
            if (!m_failing) {
                qCWarning(lcInstance) << "a later start couldn't be taken yet:" << strerror(errno);
            }
            m_failing = true;
            m_notifier.setEnabled(false);
            m_retry.start();
            return;
        }
    }
}

void InstanceServer::admit(int descriptor) {
    if (!SocketFolder::peerIsUs(descriptor)) {
        qCInfo(lcInstance) << "a connection from another user, or a broken one, refused";
        close(descriptor);
        return;
    }
    const InstanceChannel::Limits& limits = m_channel.limits();
    if (qsizetype(m_peers.size()) >= qMax(1, limits.connections)) {
        qCInfo(lcInstance) << "too many connections: the oldest is let go";
        drop(m_peers.front().socket);
    }
    auto* socket = new PeerSocket(descriptor, this);
    auto* idle = new QTimer(socket);
    idle->setSingleShot(true);
    idle->setInterval(limits.idleMs);
    m_peers.push_back({socket, {}, idle});
    connect(idle, &QTimer::timeout, this, [this, socket] { drop(socket); });
    connect(&socket->notifier(), &QSocketNotifier::activated, this,
            [this, socket] { read(socket); });
    idle->start();
    read(socket);
}

std::list<InstanceServer::Peer>::iterator InstanceServer::find(PeerSocket* socket) {
    return std::find_if(m_peers.begin(), m_peers.end(),
                        [socket](const Peer& peer) { return peer.socket == socket; });
}

void InstanceServer::read(PeerSocket* socket) {
    auto peer = find(socket);
    QByteArray chunk(kChunk, Qt::Uninitialized);
    for (int i = 0; peer != m_peers.end() && i < kChunksAtOnce; ++i) {
        const ssize_t got = recv(socket->descriptor(), chunk.data(), size_t(kChunk), 0);
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) {
            break;
        }
        if (got <= 0) { // the peer went away, or its connection broke
            drop(socket);
            return;
        }
        if (!take(peer, chunk.left(got))) {
            return;
        }
        peer = find(socket);
    }
    if (peer != m_peers.end()) {
        peer->idle->start();
    }
}

// Adds what a peer sent; false once the peer is answered or let go.
bool InstanceServer::take(std::list<Peer>::iterator peer, const QByteArray& chunk) {
    PeerSocket* socket = peer->socket;
    const qsizetype end = chunk.indexOf('\n');
    if (end >= 0) {
        const QByteArray line = peer->buffer + chunk.left(end);
        const std::optional<InstanceMessage::Request> request = InstanceMessage::parse(line);
        const bool reply = request && request->reply && request->command != "show";
        drop(socket, request ? "ok\n" : "error\n", reply);
        if (request) {
            deliver(*request, reply ? m_replies.insert(++m_lastReply, socket).key() : 0);
        }
        return false;
    }
    peer->buffer += chunk;
    m_buffered += chunk.size();
    if (m_buffered > m_channel.limits().bytes) {
        const auto most =
            std::max_element(m_peers.begin(), m_peers.end(), [](const Peer& a, const Peer& b) {
                return a.buffer.size() < b.buffer.size();
            });
        const bool self = most == peer;
        drop(most->socket);
        return !self;
    }
    return true;
}

// Lets a peer go, with an answer; one that waits for a reply is kept until it comes, or for a
// minute at most.
void InstanceServer::drop(PeerSocket* socket, const QByteArray& answer, bool keep) {
    const auto peer = find(socket);
    if (peer == m_peers.end()) {
        return;
    }
    m_buffered -= peer->buffer.size();
    delete peer->idle;
    m_peers.erase(peer);
    socket->notifier().setEnabled(false);
    if (!answer.isEmpty()) {
        socket->send(answer);
    }
    if (keep) {
        QTimer::singleShot(kReplyWaitMs, socket, [socket] {
            socket->close();
            socket->deleteLater();
        });
        return;
    }
    socket->close();
    socket->deleteLater();
}

void InstanceServer::deliver(const InstanceMessage::Request& request, quint64 reply) {
    if (!request.token.isEmpty()) {
        Q_EMIT m_channel.activationTokenReceived(request.token);
    }
    if (request.command == QLatin1String("show")) {
        Q_EMIT m_channel.showRequested();
    } else {
        Q_EMIT m_channel.openRequested(request.files, request.mode, reply);
    }
}

void InstanceServer::answer(quint64 reply, const QByteArray& line) {
    const QPointer<PeerSocket> socket = m_replies.take(reply);
    if (socket) {
        socket->send(line);
        socket->close();
        socket->deleteLater();
    }
}

} // namespace korvane
