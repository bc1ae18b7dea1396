// `korvane route` as a whole process, 1,000 files of 20 kinds against 100 rules (half of them
// group rules), beside the common shell alternative: xdg-mime per file.
#include "bench_util.h"
#include "core/rule_store.h"
#include "core/rules_file.h"
#include "support/freedesktop_sandbox.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

using namespace korvane;

namespace {

const QStringList kKinds{"txt", "md",  "png", "jpg", "mp3",  "mp4", "zip", "gz",   "rs", "c",
                         "py",  "pdf", "sh",  "odt", "json", "svg", "mkv", "flac", "7z", "qqq"};

double runMs(const QString& program, const QStringList& arguments, const QString& dir,
             QByteArray* output = nullptr) {
    QProcess process;
    process.setWorkingDirectory(dir);
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    process.waitForFinished(120000);
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    if (output) {
        *output = process.readAllStandardOutput();
    }
    return ms;
}

} // namespace

int main(int argc, char** argv) {
    FreedesktopSandbox sandbox;
    QCoreApplication app(argc, argv);
    if (!sandbox.isValid()) {
        std::fprintf(stderr, "sandbox: %s\n", qPrintable(sandbox.error()));
        return 1;
    }
    // 100 applications, each with its own desktop entry.
    QList<Rule> rules;
    for (int i = 0; i < 100; ++i) {
        const QString id = QStringLiteral("bench-app-%1.desktop").arg(i);
        QFile entry(sandbox.userApplications() + u'/' + id);
        entry.open(QIODevice::WriteOnly);
        entry.write(QStringLiteral("[Desktop Entry]\nType=Application\nName=Bench App %1\n"
                                   "Exec=true %F\nMimeType=text/plain;\n")
                        .arg(i)
                        .toUtf8());
        Rule rule;
        if (i % 2 == 0) {
            rule.extensions = {QStringLiteral("x%1").arg(i), kKinds[(i / 2) % 8]};
        } else {
            rule.group = TypeGroup::allCases()[i % 6];
        }
        rule.appId = id;
        rule.appPath = entry.fileName();
        rule.appName = QStringLiteral("Bench App %1").arg(i);
        rules.append(rule);
    }
    QProcess::execute(QStringLiteral("update-desktop-database"), {sandbox.userApplications()});
    QDir().mkpath(sandbox.rulesDirectory());
    QFile rulesFile(sandbox.rulesDirectory() + QStringLiteral("/rules.json"));
    rulesFile.open(QIODevice::WriteOnly);
    rulesFile.write(RulesFile::encode(rules));
    rulesFile.close();

    QStringList files;
    for (int i = 0; i < 1000; ++i) {
        files.append(
            sandbox.makeFile(QStringLiteral("file %1.%2").arg(i).arg(kKinds[i % 20]), "x"));
    }
    const QString dir = sandbox.root() + QStringLiteral("/files");

    bench::Bench bench;
    QStringList arguments{QStringLiteral("route"), QStringLiteral("--")};
    arguments += files;
    QByteArray output;
    bench.measure(
        "korvane route, 1,000 files, 100 rules, whole process", 300,
        [&] { runMs(QStringLiteral(KORVANE_BINARY), arguments, dir, &output); }, 7);
    std::printf("(%lld lines; first: %s)\n", static_cast<long long>(output.count('\n')),
                output.left(output.indexOf('\n')).constData());

    // The shell alternative, on the first 100 files, scaled to 1,000.
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < 100; ++i) {
        QByteArray type;
        runMs(QStringLiteral("xdg-mime"),
              {QStringLiteral("query"), QStringLiteral("filetype"), files[i]}, dir, &type);
        runMs(
            QStringLiteral("xdg-mime"),
            {QStringLiteral("query"), QStringLiteral("default"), QString::fromUtf8(type.trimmed())},
            dir);
    }
    const double xdg = double(timer.nsecsElapsed()) / 1e6;
    std::printf("%-58s %9.1f ms  (100 files: %.1f ms; for comparison)\n",
                "xdg-mime filetype + default per file, scaled to 1,000", xdg * 10, xdg);

    // korvane open: 1,000 files of 5 kinds, one launch request per application.
    const QList<QPair<QString, QString>> kinds{{"txt", "korvane-test-editor.desktop"},
                                               {"png", "korvane-test-viewer.desktop"},
                                               {"md", "korvane-sublime-text.desktop"},
                                               {"mp3", "korvane-system-player.desktop"},
                                               {"zip", "kde-korvane-sub.desktop"}};
    QList<Rule> openRules;
    for (const auto& [ext, id] : kinds) {
        Rule rule;
        rule.extensions = {ext};
        rule.appId = id;
        rule.appPath = sandbox.entry(id);
        rule.appName = id;
        openRules.append(rule);
    }
    rulesFile.open(QIODevice::WriteOnly | QIODevice::Truncate);
    rulesFile.write(RulesFile::encode(openRules));
    rulesFile.close();
    QStringList openArguments{QStringLiteral("open"), QStringLiteral("--")};
    for (int i = 0; i < 1000; ++i) {
        openArguments << sandbox.makeFile(
            QStringLiteral("open %1.%2").arg(i).arg(kinds[i % kinds.size()].first), "x");
    }
    qsizetype launches = 0;
    bench.measure(
        "korvane open, 1,000 files of 5 kinds, whole process", 1000,
        [&] {
            sandbox.clearLaunches();
            runMs(QStringLiteral(KORVANE_BINARY), openArguments, dir, &output);
            QElapsedTimer wait;
            wait.start();
            while (sandbox.launches().size() < 5 && wait.elapsed() < 5000) {
                QThread::msleep(5);
            }
            launches = sandbox.launches().size();
        },
        5);
    std::printf("(%lld launch requests; said: %s)\n", static_cast<long long>(launches),
                output.trimmed().constData());
    bench.report("korvane open: launch requests for 5 applications", double(launches), "requests",
                 5);
    return bench.exitCode();
}
