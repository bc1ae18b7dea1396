#include "instance_channel.h"

#include "platform/file_names.h"

#include <QCryptographicHash>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korvane {

namespace {

constexpr int kTimeoutMs = 1000;

// A folder that exists, is no link, belongs to us and lets nobody else in.
bool isPrivateFolder(const QString& path) {
    struct stat info {};
    return lstat(FileNames::encode(path).constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == getuid() && (info.st_mode & 077) == 0;
}

// The folder for the socket: in the session's runtime folder, or else a folder of our own in the
// temporary folder, which every local user can write to.
QString socketFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QString folder =
        !runtime.isEmpty() && QDir::isAbsolutePath(runtime) && isPrivateFolder(runtime)
            ? runtime + QStringLiteral("/korvane")
            : QDir::tempPath() + QStringLiteral("/korvane-%1").arg(getuid());
    mkdir(FileNames::encode(folder).constData(), 0700);
    return isPrivateFolder(folder) ? folder : QString();
}

// The user id on the other end of a connected local socket.
bool peerIsUs(qintptr descriptor) {
    ucred credentials{};
    socklen_t length = sizeof credentials;
    return getsockopt(int(descriptor), SOL_SOCKET, SO_PEERCRED, &credentials, &length) == 0 &&
           credentials.uid == getuid();
}

} // namespace

InstanceChannel::InstanceChannel(const QString& scope, QObject* parent)
    : QObject(parent) {
    const QString folder = socketFolder();
    if (!folder.isEmpty()) {
        const QByteArray key =
            QCryptographicHash::hash(scope.toUtf8(), QCryptographicHash::Sha256).toHex().left(24);
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
    if (m_path.isEmpty()) {
        return false;
    }
    // Held while the window runs: two starts at once cannot both take the socket.
    m_lock = std::make_unique<QLockFile>(m_path + QStringLiteral(".lock"));
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(0) || isRunning()) {
        m_lock.reset();
        return false;
    }
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(m_path); // left behind by a window that crashed
    if (!m_server->listen(m_path)) {
        m_server.reset();
        m_lock.reset();
        return false;
    }
    connect(m_server.get(), &QLocalServer::newConnection, this, &InstanceChannel::receive);
    return true;
}

bool InstanceChannel::isListening() const {
    return m_server && m_server->isListening();
}

bool InstanceChannel::isRunning() const {
    if (m_path.isEmpty()) {
        return false;
    }
    QLocalSocket socket;
    socket.connectToServer(m_path);
    return socket.waitForConnected(kTimeoutMs) && peerIsUs(socket.socketDescriptor());
}

bool InstanceChannel::requestShow() const {
    return send({{QStringLiteral("command"), QStringLiteral("show")}});
}

bool InstanceChannel::handOver(const QStringList& files, Qt::KeyboardModifiers modifiers) const {
    // File names travel as their bytes: they need not be UTF-8.
    QJsonArray paths;
    for (const QString& file : files) {
        paths.append(QString::fromLatin1(FileNames::encode(file).toBase64()));
    }
    const QJsonObject message{{QStringLiteral("command"), QStringLiteral("open")},
                              {QStringLiteral("paths"), paths},
                              {QStringLiteral("modifiers"), int(modifiers)}};
    return send(message);
}

bool InstanceChannel::send(QJsonObject message) const {
    if (m_path.isEmpty()) {
        return false;
    }
    for (const char* variable : {"XDG_ACTIVATION_TOKEN", "DESKTOP_STARTUP_ID"}) {
        if (qEnvironmentVariableIsSet(variable)) {
            message.insert(QStringLiteral("activation"), qEnvironmentVariable(variable));
            break;
        }
    }
    QLocalSocket socket;
    socket.connectToServer(m_path);
    if (!socket.waitForConnected(kTimeoutMs) || !peerIsUs(socket.socketDescriptor())) {
        return false;
    }
    socket.write(QJsonDocument(message).toJson(QJsonDocument::Compact) + '\n');
    if (!socket.waitForBytesWritten(kTimeoutMs)) {
        return false;
    }
    // The window answers "ok" once it has understood and taken the request.
    while (!socket.canReadLine() && socket.waitForReadyRead(5 * kTimeoutMs)) {
    }
    return socket.readLine().trimmed() == "ok";
}

void InstanceChannel::receive() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (!peerIsUs(socket->socketDescriptor())) {
            socket->abort();
            continue;
        }
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                return;
            }
            const QJsonObject message = QJsonDocument::fromJson(socket->readLine()).object();
            const QString command = message.value(QLatin1String("command")).toString();
            const QString token = message.value(QLatin1String("activation")).toString();
            if (!token.isEmpty() &&
                (command == QLatin1String("show") || command == QLatin1String("open"))) {
                Q_EMIT activationTokenReceived(token.left(1024));
            }
            if (command == QLatin1String("show")) {
                socket->write("ok\n");
                socket->flush();
                Q_EMIT showRequested();
                return;
            }
            const QJsonValue paths = message.value(QLatin1String("paths"));
            QStringList files;
            for (const QJsonValue& path : paths.toArray()) {
                const auto bytes = QByteArray::fromBase64Encoding(
                    path.toString().toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
                if (!path.isString() || !bytes || !bytes.decoded.startsWith('/')) {
                    files.clear();
                    break;
                }
                files << FileNames::decode(bytes.decoded);
            }
            if (command != QLatin1String("open") || files.isEmpty()) {
                socket->write("error\n");
                socket->flush();
                return;
            }
            socket->write("ok\n");
            socket->flush();
            Q_EMIT openRequested(
                files, Qt::KeyboardModifiers(message.value(QLatin1String("modifiers")).toInt()));
        });
    }
}

} // namespace korvane
