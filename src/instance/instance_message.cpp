#include "instance_message.h"

#include "base/file_names.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <utility>

namespace korvane::InstanceMessage {

namespace {

// How a drop's mode travels: "mode" by name, and for windows of earlier versions also the keys
// that meant it then (Alt's and Shift's values in Qt's modifier flags).
constexpr int kAltKey = 0x08000000;
constexpr int kShiftKey = 0x02000000;
const std::pair<DropMode, const char*> kModeNames[] = {
    {DropMode::Route, "route"}, {DropMode::Reveal, "reveal"}, {DropMode::Defaults, "defaults"}};

const char* nameOf(DropMode mode) {
    for (const auto& [known, name] : kModeNames) {
        if (known == mode) {
            return name;
        }
    }
    return "route";
}

DropMode modeOf(const QJsonObject& message) {
    const QString name = message.value(QLatin1String("mode")).toString();
    for (const auto& [mode, known] : kModeNames) {
        if (name == QLatin1String(known)) {
            return mode;
        }
    }
    const int keys = message.value(QLatin1String("modifiers")).toInt();
    return keys & kAltKey     ? DropMode::Reveal
           : keys & kShiftKey ? DropMode::Defaults
                              : DropMode::Route;
}

} // namespace

std::optional<Request> parse(const QByteArray& line) {
    const QJsonObject message = QJsonDocument::fromJson(line).object();
    Request request{message.value(QLatin1String("command")).toString(),
                    message.value(QLatin1String("activation")).toString().left(1024),
                    {},
                    modeOf(message),
                    message.value(QLatin1String("reply")).toBool()};
    if (request.command == QLatin1String("show")) {
        return request;
    }
    for (const QJsonValue path : message.value(QLatin1String("paths")).toArray()) {
        const auto bytes = QByteArray::fromBase64Encoding(path.toString().toLatin1(),
                                                          QByteArray::AbortOnBase64DecodingErrors);
        // A NUL ends a name for the system: what follows it would be dropped, naming another file.
        if (!path.isString() || !bytes || !bytes.decoded.startsWith('/') ||
            bytes.decoded.contains('\0')) {
            return std::nullopt;
        }
        request.files << FileNames::decode(bytes.decoded);
    }
    if (request.command != QLatin1String("open") || request.files.isEmpty()) {
        return std::nullopt;
    }
    return request;
}

QJsonObject open(const QStringList& files, DropMode mode, bool reply) {
    QJsonArray paths;
    for (const QString& file : files) {
        paths.append(QString::fromLatin1(FileNames::encode(file).toBase64()));
    }
    return {{QStringLiteral("command"), QStringLiteral("open")},
            {QStringLiteral("paths"), paths},
            {QStringLiteral("mode"), QLatin1String(nameOf(mode))},
            {QStringLiteral("modifiers"), mode == DropMode::Reveal     ? kAltKey
                                          : mode == DropMode::Defaults ? kShiftKey
                                                                       : 0},
            {QStringLiteral("reply"), reply}};
}

} // namespace korvane::InstanceMessage
