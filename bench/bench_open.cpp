// One file opened through Korvane against the desktop's own way, as whole processes in a private
// desktop with a session bus and recorder apps: each pair runs back to back, in turns, and the
// medians are compared. Also the hand-over to a running window, the window's first paint, and
// 1,000 files at once.
#include "bench_util.h"
#include "support/freedesktop_sandbox.h"
#include "support/test_data.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <functional>

using namespace korvane;

namespace {

FreedesktopSandbox* desktop = nullptr;

// A process in the private desktop's files folder, its output dropped.
void prepare(QProcess& process) {
    process.setWorkingDirectory(desktop->root() + QStringLiteral("/files"));
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
}

// A whole process's wall time, in milliseconds; failed runs count as failures of the bench.
double timed(const QString& program, const QStringList& arguments, bool* failed) {
    QProcess process;
    prepare(process);
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    process.waitForFinished(120'000);
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        std::fprintf(stderr, "%s %s failed\n", qPrintable(program),
                     qPrintable(arguments.join(u' ').left(200)));
        *failed = true;
    }
    return ms;
}

// Waits, untimed, until the recorders logged `count` launches since they were cleared, so that
// no run's apps start during the next one.
bool launched(qsizetype count) {
    QElapsedTimer waited;
    waited.start();
    while (desktop->launches().size() < count) {
        if (waited.elapsed() > 60'000) {
            std::fprintf(stderr, "expected %lld launches, saw %lld\n",
                         static_cast<long long>(count),
                         static_cast<long long>(desktop->launches().size()));
            return false;
        }
        QThread::msleep(2);
    }
    QThread::msleep(20); // the apps end too
    return true;
}

struct Way {
    QString program;
    QStringList arguments;
    qsizetype launches = 0; // launch requests each run makes
    // Timed until the apps are started, not until the program ends: `gio open` ends before the
    // opener it starts has launched anything.
    bool untilLaunched = false;
    QByteArray mimeapps = {}; // the user's list for this way, written before each run, untimed
};

// Milliseconds from a process's start until the recorders logged `count` launches.
double timedToLaunch(const Way& way, bool* failed) {
    QProcess process;
    prepare(process);
    QElapsedTimer timer;
    timer.start();
    process.start(way.program, way.arguments);
    while (desktop->launches().size() < way.launches && timer.elapsed() < 20'000) {
        QThread::usleep(200);
    }
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    process.waitForFinished(20'000);
    if (desktop->launches().size() < way.launches || process.exitCode() != 0) {
        std::fprintf(stderr, "%s %s launched nothing\n", qPrintable(way.program),
                     qPrintable(way.arguments.join(u' ')));
        *failed = true;
    }
    return ms;
}

// Runs both ways in turns, `pairs` times each (the first of each pair alternating), and
// compares the medians of their wall times.
void compare(bench::Bench& bench, const char* ours, const Way& a, const char* theirs, const Way& b,
             double most, int pairs) {
    std::vector<double> aMs;
    std::vector<double> bMs;
    bool failed = false;
    const auto once = [&](const Way& way, std::vector<double>& times) {
        desktop->clearLaunches();
        if (!way.mimeapps.isNull()) {
            QFile list(desktop->mimeappsList());
            failed = !list.open(QIODevice::WriteOnly) || list.write(way.mimeapps) < 0 || failed;
        }
        times.push_back(way.untilLaunched ? timedToLaunch(way, &failed)
                                          : timed(way.program, way.arguments, &failed));
        failed = !launched(way.launches) || failed;
    };
    for (int i = 0; i < pairs && !failed; ++i) {
        if (i % 2 == 0) {
            once(a, aMs);
            once(b, bMs);
        } else {
            once(b, bMs);
            once(a, aMs);
        }
    }
    bench.compare(ours, failed ? std::vector<double>{1e9} : aMs, theirs, bMs, most);
}

// Starts the window in the private desktop, offscreen, saying when it first painted.
std::unique_ptr<QProcess> startWindow() {
    auto window = std::make_unique<QProcess>();
    window->setWorkingDirectory(desktop->root() + QStringLiteral("/files"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("korvane.window=true"));
    window->setProcessEnvironment(environment);
    window->setReadChannel(QProcess::StandardError);
    window->start(QStringLiteral(KORVANE_BINARY), {});
    return window;
}

// Milliseconds from the start of `korvane` with no window running to the window's first
// paint; negative when it never came.
double firstPaint() {
    QElapsedTimer timer;
    timer.start();
    const std::unique_ptr<QProcess> window = startWindow();
    QByteArray said;
    while (!said.contains("first paint") && window->waitForReadyRead(10'000)) {
        said += window->readAllStandardError();
    }
    const double ms = said.contains("first paint") ? double(timer.nsecsElapsed()) / 1e6 : -1;
    window->terminate();
    window->waitForFinished(10'000);
    return ms;
}

} // namespace

int main(int argc, char** argv) {
    FreedesktopSandbox sandbox;
    desktop = &sandbox;
    if (!sandbox.isValid() || !sandbox.startSessionBus()) {
        std::fprintf(stderr, "sandbox: %s\n", qPrintable(sandbox.error()));
        return 1;
    }
    QCoreApplication app(argc, argv);
    sandbox.writeRules(QStringList{"md>Test Editor", "png,jpg>Test Viewer", "pdf>Test Single",
                                   "mp3>System Player", "zip>Sub"});
    // The desktop's own default for the files, so that gio launches a recorder too.
    QFile mimeapps(sandbox.mimeappsList());
    mimeapps.open(QIODevice::Append);
    mimeapps.write("text/markdown=korvane-sublime-text.desktop\n");
    mimeapps.close();
    const QString file = sandbox.makeFile(QStringLiteral("a.md"), "# a\n");
    const QString korvane = QStringLiteral(KORVANE_BINARY);
    const QString gio = QStringLiteral("gio");
    constexpr int kPairs = 21;

    bench::Bench bench;
    compare(bench, "korvane open FILE", {korvane, {"open", file}, 1}, "gio open FILE",
            {gio, {"open", file}, 1}, 1.0, kPairs);
    compare(bench, "korvane route FILE", {korvane, {"route", file}}, "GIO's answer (C)",
            {QStringLiteral(KORVANE_GIO_ROUTE), {file}}, 1.2, kPairs);

    std::vector<double> paints;
    paints.reserve(11);
    for (int i = 0; i < 11; ++i) {
        paints.push_back(firstPaint());
    }
    const bool painted =
        std::all_of(paints.begin(), paints.end(), [](double ms) { return ms > 0; });
    bench.report("korvane, no window running: window's first paint, 5 rules (median of 11)",
                 painted ? bench::Bench::median(paints) : 1e9, "ms", 60);

    const std::unique_ptr<QProcess> window = startWindow();
    QByteArray said;
    while (!said.contains("first paint") && window->waitForReadyRead(10'000)) {
        said += window->readAllStandardError();
    }
    compare(bench, "korvane FILE (to the window)", {korvane, {file}, 1}, "gio open FILE",
            {gio, {"open", file}, 1}, 1.0, kPairs);
    window->terminate();
    window->waitForFinished(10'000);

    // Opened by the desktop with Korvane as its opener, against the desktop opening it in the
    // rule's app itself, timed until the app is started.
    const QByteArray direct =
        readFile(sandbox.mimeappsList()).replace("korvane-sublime-text", "korvane-test-editor");
    writeFile(sandbox.mimeappsList(), direct);
    bool failed = false;
    timed(korvane, {"opener", "on"}, &failed);
    const QByteArray throughKorvane = readFile(sandbox.mimeappsList());
    if (failed || throughKorvane == direct) {
        std::fprintf(stderr, "korvane opener on failed\n");
        return 1;
    }
    compare(bench, "gio open FILE, Korvane the opener",
            {gio, {"open", file}, 1, true, throughKorvane},
            "gio open FILE, the rule's app the default", {gio, {"open", file}, 1, true, direct},
            1.2, kPairs);
    writeFile(sandbox.mimeappsList(), throughKorvane);
    timed(korvane, {"opener", "off"}, &failed);

    // 1,000 files of 5 kinds: one launch per app (4 apps) against one per file.
    const QStringList kinds{"md", "png", "jpg", "mp3", "zip"};
    QStringList files;
    for (int i = 0; i < 1000; ++i) {
        files << sandbox.makeFile(QStringLiteral("many %1.%2").arg(i).arg(kinds[i % 5]), "x");
    }
    compare(bench, "korvane open, 1,000 files", {korvane, QStringList{"open"} + files, 4},
            "gio open, 1,000 files", {gio, QStringList{"open"} + files, 1000}, 1.0 / 30, 3);
    return bench.exitCode();
}
