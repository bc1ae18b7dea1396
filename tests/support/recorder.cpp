// Stands in for an application in desktop entries: appends one JSON line per invocation,
// {"as": NAME, "args": [...]}, to the log named by its first two arguments.
// Usage: korvane_recorder LOG NAME ARGS...
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

int main(int argc, char** argv) {
    if (argc < 3) {
        return 2;
    }
    QJsonArray args;
    for (int i = 3; i < argc; ++i) {
        args.append(QFile::decodeName(argv[i]));
    }
    const QJsonObject line{{QStringLiteral("as"), QString::fromUtf8(argv[2])},
                           {QStringLiteral("args"), args}};
    QFile log(QFile::decodeName(argv[1]));
    if (!log.open(QIODevice::WriteOnly | QIODevice::Append)) {
        return 1;
    }
    // One write per invocation, so concurrent launches never interleave.
    log.write(QJsonDocument(line).toJson(QJsonDocument::Compact) + '\n');
    return 0;
}
