#include "instance_channel.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalServer>
#include <QLocalSocket>
#include <unistd.h>

namespace korvane {

namespace {
constexpr int kTimeoutMs = 1000;
}

InstanceChannel::InstanceChannel(QString name, QObject* parent)
    : QObject(parent)
    , m_name(std::move(name)) {}

InstanceChannel::~InstanceChannel() = default;

QString InstanceChannel::defaultName() {
    return QStringLiteral("korvane-%1").arg(getuid());
}

bool InstanceChannel::listen() {
    if (isRunning()) {
        return false;
    }
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_name)) {
        // A socket left behind by a window that crashed: nobody answers it.
        QLocalServer::removeServer(m_name);
        if (!m_server->listen(m_name)) {
            m_server.reset();
            return false;
        }
    }
    connect(m_server.get(), &QLocalServer::newConnection, this, &InstanceChannel::receive);
    return true;
}

bool InstanceChannel::isListening() const {
    return m_server && m_server->isListening();
}

bool InstanceChannel::isRunning() const {
    QLocalSocket socket;
    socket.connectToServer(m_name);
    return socket.waitForConnected(kTimeoutMs);
}

bool InstanceChannel::requestShow() const {
    return send(QJsonDocument(QJsonObject{{QStringLiteral("command"), QStringLiteral("show")}})
                    .toJson(QJsonDocument::Compact));
}

bool InstanceChannel::handOver(const QStringList& files, quint64 modifiers) const {
    const QJsonObject message{{QStringLiteral("command"), QStringLiteral("open")},
                              {QStringLiteral("files"), QJsonArray::fromStringList(files)},
                              {QStringLiteral("modifiers"), double(modifiers)}};
    return send(QJsonDocument(message).toJson(QJsonDocument::Compact));
}

bool InstanceChannel::send(const QByteArray& message) const {
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(kTimeoutMs)) {
        return false;
    }
    socket.write(message + '\n');
    if (!socket.waitForBytesWritten(kTimeoutMs)) {
        return false;
    }
    // The window answers once it has taken the request.
    return socket.waitForReadyRead(kTimeoutMs) && socket.readLine().trimmed() == "ok";
}

void InstanceChannel::receive() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                return;
            }
            const QJsonObject message = QJsonDocument::fromJson(socket->readLine()).object();
            const QString command = message.value(QLatin1String("command")).toString();
            socket->write("ok\n");
            socket->flush();
            if (command == QLatin1String("show")) {
                Q_EMIT showRequested();
            } else if (command == QLatin1String("open")) {
                QStringList files;
                for (const QJsonValue& file : message.value(QLatin1String("files")).toArray()) {
                    files << file.toString();
                }
                Q_EMIT openRequested(files,
                                     quint64(message.value(QLatin1String("modifiers")).toDouble()));
            }
        });
    }
}

} // namespace korvane
