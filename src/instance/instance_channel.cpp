#include "instance_channel.h"

#include "base/file_names.h"
#include "instance_message.h"
#include "instance_server.h"
#include "instance_text.h"
#include "socket_folder.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QStandardPaths>
#include <QThread>
#include <cerrno>
#include <cstring>
#include <optional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace korvane {

Q_LOGGING_CATEGORY(lcInstance, "korvane.instance", QtWarningMsg)

namespace {

constexpr int kTimeoutMs = 1000;
constexpr int kRetryMs = 100;
constexpr int kReplyWaitMs = 60'000; // for a drop's end: its launches report back well before

// Bounds each blocking send and receive on `descriptor`, and a connect that waits for room in
// the window's queue.
void setTimeout(int descriptor, qint64 ms) {
    const timeval limit{time_t(ms / 1000), suseconds_t(ms % 1000 * 1000)};
    setsockopt(descriptor, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
    setsockopt(descriptor, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
}

bool sendAll(int descriptor, const QByteArray& bytes) {
    for (qsizetype sent = 0; sent < bytes.size();) {
        const ssize_t n =
            ::send(descriptor, bytes.constData() + sent, size_t(bytes.size() - sent), MSG_NOSIGNAL);
        if (n < 0 && errno != EINTR) {
            return false;
        }
        sent += n > 0 ? n : 0;
    }
    return true;
}

// The next line from the window, without its end; empty when none came in time.
QByteArray readLine(int descriptor, QByteArray& buffer) {
    for (;;) {
        const qsizetype end = buffer.indexOf('\n');
        if (end >= 0) {
            QByteArray line = buffer.left(end);
            buffer.remove(0, end + 1);
            return line;
        }
        char chunk[4096];
        const ssize_t n = recv(descriptor, chunk, sizeof chunk, 0);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return {};
        }
        buffer.append(chunk, n);
    }
}

// Closes a connection to the window when it goes out of scope.
struct Connection {
    int descriptor = -1;
    explicit Connection(int open)
        : descriptor(open) {}
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    ~Connection() {
        if (descriptor >= 0) {
            close(descriptor);
        }
    }
};

} // namespace

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
    m_server = std::make_unique<InstanceServer>(*this, descriptor);
    return true;
}

bool InstanceChannel::isListening() const {
    return m_server != nullptr;
}

bool InstanceChannel::lockHeld() const {
    if (m_lock) {
        return false; // ours
    }
    const QString path = m_path + QStringLiteral(".lock");
    struct stat info {};
    if (lstat(FileNames::encode(path).constData(), &info) != 0) {
        return false; // no window ever ran, or one quit: no lock to probe, nothing written
    }
    QLockFile probe(path);
    probe.setStaleLockTime(0);
    if (probe.tryLock(0)) {
        probe.unlock();
        return false;
    }
    return probe.error() == QLockFile::LockFailedError;
}

int InstanceChannel::connectTo() const {
    m_error = m_folderProblem;
    if (m_path.isEmpty()) {
        return -1;
    }
    const QByteArray name = FileNames::encode(m_path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    memcpy(address.sun_path, name.constData(), size_t(name.size())); // the folder keeps it short
    // A window that holds the lock may be a moment from listening.
    const QDeadlineTimer deadline(kTimeoutMs);
    for (;;) {
        const int descriptor = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (descriptor < 0) {
            m_error = QString::fromLocal8Bit(strerror(errno));
            return -1;
        }
        setTimeout(descriptor, std::max<qint64>(deadline.remainingTime(), 1));
        if (::connect(descriptor, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
            if (SocketFolder::peerIsUs(descriptor)) {
                return descriptor;
            }
            close(descriptor);
            m_error = InstanceText::tr("%1 answers as another user").arg(m_path);
            return -1;
        }
        close(descriptor);
        if (!lockHeld()) {
            return -1;
        }
        if (deadline.hasExpired()) {
            m_error = InstanceText::tr("it doesn't answer");
            return -1;
        }
        QThread::msleep(20);
    }
}

bool InstanceChannel::isRunning() const {
    const Connection connection(connectTo());
    return connection.descriptor >= 0;
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
    const Connection connection(connectTo());
    if (connection.descriptor < 0) {
        return false;
    }
    // The window answers "ok" once it has understood and taken the request.
    setTimeout(connection.descriptor, 5 * kTimeoutMs);
    QByteArray buffer;
    const QByteArray answer = sendAll(connection.descriptor, bytes)
                                  ? readLine(connection.descriptor, buffer).trimmed()
                                  : QByteArray();
    m_error = answer == "ok"      ? QString()
              : answer == "error" ? InstanceText::tr("it didn't understand the request")
                                  : InstanceText::tr("it doesn't answer");
    if (answer == "ok" && outcome) {
        // Then, once the drop's launches have reported back, how it ended.
        setTimeout(connection.descriptor, kReplyWaitMs);
        const QJsonObject end =
            QJsonDocument::fromJson(readLine(connection.descriptor, buffer)).object();
        outcome->answered = end.contains(QLatin1String("summary"));
        outcome->summary = end.value(QLatin1String("summary")).toString();
        outcome->failed = end.value(QLatin1String("failed")).toBool();
    }
    return answer == "ok";
}

} // namespace korvane
