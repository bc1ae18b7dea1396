// Stands in for an application in desktop entries: appends one JSON line per invocation,
// {"as": NAME, "raw": [hex of each argument]}, to the log named by its first two
// arguments. Usage: korvane_recorder LOG NAME ARGS...
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

int main(int argc, char** argv) {
    if (argc < 3) {
        return 2;
    }
    QJsonArray raw; // each argument's bytes, in hex: file names need not be UTF-8
    for (int i = 3; i < argc; ++i) {
        raw.append(QString::fromLatin1(QByteArray(argv[i]).toHex()));
    }
    const QJsonObject line{{QStringLiteral("as"), QString::fromUtf8(argv[2])},
                           {QStringLiteral("raw"), raw}};
    QFile log(QFile::decodeName(argv[1]));
    if (!log.open(QIODevice::WriteOnly | QIODevice::Append)) {
        return 1;
    }
    // One write per invocation, so concurrent launches never interleave.
    log.write(QJsonDocument(line).toJson(QJsonDocument::Compact) + '\n');
    return 0;
}
