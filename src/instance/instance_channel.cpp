#include "instance_channel.h"

#include "base/file_names.h"
#include "instance_message.h"
#include "instance_text.h"
#include "socket_folder.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalSocket>
#include <QLoggingCategory>
#include <QPointer>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <cerrno>
#include <cstring>
#include <list>
#include <optional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace korvane {

Q_LOGGING_CATEGORY(lcInstance, "korvane.instance", QtWarningMsg)

namespace {

constexpr int kTimeoutMs = 1000;
constexpr qint64 kChunk = 64 * 1024;
constexpr int kRetryMs = 100; // after accept failed, as when out of descriptors
constexpr int kAcceptsAtOnce = 64;
constexpr int kReplyWaitMs = 60'000; // for a drop's end: its launches report back well before

} // namespace

// The listening socket and the peers it took. Unlike QLocalServer, which closes and removes its
// socket when accept fails (out of descriptors), it waits a moment and accepts again; and it
// lets go of peers that stay quiet, pile up or send more than any request.
class InstanceChannel::Server : public QObject {
public:
    Server(InstanceChannel& channel, int descriptor)
        : m_channel(channel)
        , m_descriptor(descriptor)
        , m_notifier(descriptor, QSocketNotifier::Read) {
        connect(&m_notifier, &QSocketNotifier::activated, this, &Server::accept);
        m_retry.setSingleShot(true);
        m_retry.setInterval(kRetryMs);
        connect(&m_retry, &QTimer::timeout, this, [this] { m_notifier.setEnabled(true); });
    }
    ~Server() override {
        for (const Peer& peer : m_peers) {
            peer.socket->disconnect(this);
        }
        close(m_descriptor);
        unlink(FileNames::encode(m_channel.m_path).constData());
    }

private:
    struct Peer {
        QLocalSocket* socket;
        QByteArray buffer;
        QTimer* idle;
    };

    void accept() {
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
                    qCWarning(lcInstance)
                        << "a later start couldn't be taken yet:" << strerror(errno);
                }
                m_failing = true;
                m_notifier.setEnabled(false);
                m_retry.start();
                return;
            }
        }
    }

    void admit(int descriptor) {
        auto* socket = new QLocalSocket(this);
        if (!SocketFolder::peerIsUs(descriptor) || !socket->setSocketDescriptor(descriptor)) {
            qCInfo(lcInstance) << "a connection from another user, or a broken one, refused";
            close(descriptor);
            delete socket;
            return;
        }
        if (qsizetype(m_peers.size()) >= qMax(1, m_channel.m_limits.connections)) {
            qCInfo(lcInstance) << "too many connections: the oldest is let go";
            drop(m_peers.front().socket);
        }
        socket->setReadBufferSize(kChunk);
        auto* idle = new QTimer(socket);
        idle->setSingleShot(true);
        idle->setInterval(m_channel.m_limits.idleMs);
        m_peers.push_back({socket, {}, idle});
        connect(idle, &QTimer::timeout, this, [this, socket] { drop(socket); });
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { read(socket); });
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] { drop(socket); });
        idle->start();
        read(socket);
    }

    std::list<Peer>::iterator find(QLocalSocket* socket) {
        return std::find_if(m_peers.begin(), m_peers.end(),
                            [socket](const Peer& peer) { return peer.socket == socket; });
    }

    void read(QLocalSocket* socket) {
        const auto peer = find(socket);
        while (peer != m_peers.end() && socket->bytesAvailable() > 0) {
            const QByteArray chunk = socket->read(kChunk);
            const qsizetype end = chunk.indexOf('\n');
            if (end >= 0) {
                const QByteArray line = peer->buffer + chunk.left(end);
                const std::optional<InstanceMessage::Request> request =
                    InstanceMessage::parse(line);
                const bool reply = request && request->reply && request->command != "show";
                drop(socket, request ? "ok\n" : "error\n", reply);
                if (request) {
                    deliver(*request, reply ? m_replies.insert(++m_lastReply, socket).key() : 0);
                }
                return;
            }
            peer->buffer += chunk;
            m_buffered += chunk.size();
            if (m_buffered > m_channel.m_limits.bytes) {
                const auto most = std::max_element(
                    m_peers.begin(), m_peers.end(),
                    [](const Peer& a, const Peer& b) { return a.buffer.size() < b.buffer.size(); });
                const bool self = most == peer;
                drop(most->socket);
                if (self) {
                    return;
                }
            }
        }
        if (peer != m_peers.end()) {
            peer->idle->start();
        }
    }

    // Lets a peer go, with an answer; one that waits for a reply is kept until it comes, or
    // for a minute at most.
    void drop(QLocalSocket* socket, const QByteArray& answer = {}, bool keep = false) {
        const auto peer = find(socket);
        if (peer == m_peers.end()) {
            return;
        }
        m_buffered -= peer->buffer.size();
        m_peers.erase(peer);
        socket->disconnect(this);
        if (!answer.isEmpty()) {
            socket->write(answer);
            socket->flush();
        }
        if (keep) {
            QTimer::singleShot(kReplyWaitMs, socket, [socket] {
                socket->abort();
                socket->deleteLater();
            });
            return;
        }
        socket->abort();
        socket->deleteLater();
    }

    void deliver(const InstanceMessage::Request& request, quint64 reply) {
        if (!request.token.isEmpty()) {
            Q_EMIT m_channel.activationTokenReceived(request.token);
        }
        if (request.command == QLatin1String("show")) {
            Q_EMIT m_channel.showRequested();
        } else {
            Q_EMIT m_channel.openRequested(request.files, request.mode, reply);
        }
    }

public:
    void answer(quint64 reply, const QByteArray& line) {
        const QPointer<QLocalSocket> socket = m_replies.take(reply);
        if (socket && socket->state() == QLocalSocket::ConnectedState) {
            socket->write(line);
            socket->flush();
            socket->disconnectFromServer();
        }
        if (socket) {
            socket->deleteLater();
        }
    }

private:
    InstanceChannel& m_channel;
    int m_descriptor;
    QSocketNotifier m_notifier;
    QTimer m_retry;
    bool m_failing = false;
    std::list<Peer> m_peers; // oldest first
    qint64 m_buffered = 0;
    QHash<quint64, QPointer<QLocalSocket>> m_replies; // peers waiting to hear a drop's end
    quint64 m_lastReply = 0;
};

void InstanceChannel::answer(quint64 reply, const QString& summary, bool failed) {
    if (m_server) {
        m_server->answer(reply, QJsonDocument(QJsonObject{{QStringLiteral("summary"), summary},
                                                          {QStringLiteral("failed"), failed}})
                                        .toJson(QJsonDocument::Compact) +
                                    '\n');
    }
}

InstanceChannel::InstanceChannel(const QString& scope, QObject* parent)
    : QObject(parent) {
    const QString folder = SocketFolder::path(m_folderProblem);
    if (!folder.isEmpty()) {
        const QByteArray key = QCryptographicHash::hash(scope.toUtf8(), QCryptographicHash::Sha256)
                                   .toHex()
                                   .left(SocketFolder::kKeyLength);
        m_path = folder + u'/' + QString::fromLatin1(key);
    }
}

InstanceChannel::~InstanceChannel() = default;

QString InstanceChannel::defaultScope() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u'\n' +
           QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'\n' +
           qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS");
}

bool InstanceChannel::listen() {
    m_error = m_folderProblem;
    if (m_path.isEmpty()) {
        return false;
    }
    // Held while the window runs: two starts at once cannot both take the socket. A command
    // that looks whether a window runs holds it for a moment.
    m_lock = std::make_unique<QLockFile>(m_path + QStringLiteral(".lock"));
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(kRetryMs) || isRunning()) {
        m_lock.reset();
        m_error.clear();
        return false;
    }
    // Without a socket the lock stays: later starts and commands then know a window runs.
    int descriptor = -1;
    if (const Result made = SocketFolder::listenAt(m_path, descriptor); !made) {
        m_error = made.errorString();
        return false;
    }
    m_server = std::make_unique<Server>(*this, descriptor);
    return true;
}

bool InstanceChannel::isListening() const {
    return m_server != nullptr;
}

bool InstanceChannel::lockHeld() const {
    if (m_lock) {
        return false; // ours
    }
    QLockFile probe(m_path + QStringLiteral(".lock"));
    probe.setStaleLockTime(0);
    if (probe.tryLock(0)) {
        probe.unlock();
        return false;
    }
    return probe.error() == QLockFile::LockFailedError;
}

bool InstanceChannel::connectTo(QLocalSocket& socket) const {
    m_error = m_folderProblem;
    if (m_path.isEmpty()) {
        return false;
    }
    // A window that holds the lock may be a moment from listening.
    const QDeadlineTimer deadline(kTimeoutMs);
    for (;;) {
        socket.connectToServer(m_path);
        if (socket.waitForConnected(int(deadline.remainingTime()))) {
            if (SocketFolder::peerIsUs(socket.socketDescriptor())) {
                return true;
            }
            m_error = InstanceText::tr("%1 answers as another user").arg(m_path);
            return false;
        }
        if (!lockHeld()) {
            return false;
        }
        if (deadline.hasExpired()) {
            m_error = InstanceText::tr("it doesn't answer");
            return false;
        }
        QThread::msleep(20);
    }
}

bool InstanceChannel::isRunning() const {
    QLocalSocket socket;
    return connectTo(socket);
}

bool InstanceChannel::requestShow() const {
    return send({{QStringLiteral("command"), QStringLiteral("show")}});
}

bool InstanceChannel::handOver(const QStringList& files, DropMode mode, Outcome* outcome) const {
    return send(InstanceMessage::open(files, mode, outcome != nullptr), outcome);
}

bool InstanceChannel::send(QJsonObject message, Outcome* outcome) const {
    for (const char* variable : {"XDG_ACTIVATION_TOKEN", "DESKTOP_STARTUP_ID"}) {
        if (qEnvironmentVariableIsSet(variable)) {
            message.insert(QStringLiteral("activation"), qEnvironmentVariable(variable));
            break;
        }
    }
    // Made before connecting: the window lets a quiet peer go.
    const QByteArray bytes = QJsonDocument(message).toJson(QJsonDocument::Compact) + '\n';
    QLocalSocket socket;
    if (!connectTo(socket)) {
        return false;
    }
    socket.write(bytes);
    // The window answers "ok" once it has understood and taken the request.
    while (!socket.canReadLine() && socket.waitForReadyRead(5 * kTimeoutMs)) {
    }
    const QByteArray answer = socket.readLine().trimmed();
    m_error = answer == "ok"      ? QString()
              : answer == "error" ? InstanceText::tr("it didn't understand the request")
                                  : InstanceText::tr("it doesn't answer");
    if (answer == "ok" && outcome) {
        // Then, once the drop's launches have reported back, how it ended.
        while (!socket.canReadLine() && socket.waitForReadyRead(kReplyWaitMs)) {
        }
        const QJsonObject end = QJsonDocument::fromJson(socket.readLine()).object();
        outcome->answered = end.contains(QLatin1String("summary"));
        outcome->summary = end.value(QLatin1String("summary")).toString();
        outcome->failed = end.value(QLatin1String("failed")).toBool();
    }
    return answer == "ok";
}

} // namespace korvane
