// Stands in for an application in desktop entries: appends one line per invocation to the log
// named by its first argument: its NAME, then the bytes of each further argument in hex (file
// names need not be UTF-8). Usage: korvane_recorder LOG NAME ARGS...
#include <QFile>

int main(int argc, char** argv) {
    if (argc < 3) {
        return 2;
    }
    QByteArray line(argv[2]);
    for (int i = 3; i < argc; ++i) {
        line += ' ' + QByteArray(argv[i]).toHex();
    }
    // One unbuffered write per invocation, so concurrent launches never interleave.
    QFile log(QFile::decodeName(argv[1]));
    return log.open(QIODevice::Append | QIODevice::Unbuffered) && log.write(line + '\n') > 0 ? 0
                                                                                             : 1;
}
