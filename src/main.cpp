#include "cli/command_line.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Korvane"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return korvane::CommandLine::run(QCoreApplication::arguments(), out, err);
}
