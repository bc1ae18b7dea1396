// From process start to the main window shown, and the resident memory of the running window,
// on the freedesktop platform in a private desktop, rendered offscreen.
#include "bench_util.h"
#include "core/app_model.h"
#include "core/rule_store.h"
#include "core/settings.h"
#include "gui/gui_app.h"
#include "gui/main_window.h"
#include "platform/freedesktop/freedesktop_platform.h"
#include "support/freedesktop_sandbox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <time.h>
#include <unistd.h>

using namespace korvane;

namespace {

// Milliseconds since this process was started, from the kernel's record of its start.
double sinceProcessStart() {
    QFile stat(QStringLiteral("/proc/self/stat"));
    stat.open(QIODevice::ReadOnly);
    const QByteArray text = stat.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    const double startTicks = fields.value(19).toDouble(); // field 22 of the whole line
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double nowMs = double(now.tv_sec) * 1000.0 + double(now.tv_nsec) / 1e6;
    return nowMs - startTicks * 1000.0 / double(sysconf(_SC_CLK_TCK));
}

double residentMegabytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
        }
    }
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && QByteArray(argv[1]) == "--child") {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        FreedesktopPlatform platform;
        Settings settings(Settings::defaultPath());
        GuiApp gui(platform, settings, RuleStore::defaultDirectory());
        gui.showMainWindow();
        if (!QTest::qWaitForWindowExposed(&gui.mainWindow())) {
            return 1;
        }
        const double shown = sinceProcessStart();
        QTest::qWait(500); // the rows' first refresh and the event loop settle
        const double rss = residentMegabytes();
        // Scrolling: the slowest step, each painted at once, of 60 wheel notches and then a page at
        // a time to the end, the event loop running between steps as it does for a user.
        auto* scroll = gui.mainWindow().findChild<QScrollArea*>();
        QScrollBar* bar = scroll ? scroll->verticalScrollBar() : nullptr;
        double slowest = 0;
        for (int step = 0; bar && step < 60 + 200 && bar->value() < bar->maximum(); ++step) {
            QElapsedTimer timer;
            timer.start();
            bar->triggerAction(step < 60 ? QAbstractSlider::SliderSingleStepAdd
                                         : QAbstractSlider::SliderPageStepAdd);
            scroll->viewport()->repaint();
            slowest = std::max(slowest, double(timer.nsecsElapsed()) / 1e6);
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        std::printf("%f %f %f\n", shown, std::max(rss, residentMegabytes()), slowest);
        return 0;
    }
    // Each run is a fresh process in the same private desktop (its variables are inherited).
    FreedesktopSandbox sandbox;
    QCoreApplication app(argc, argv);
    bench::Bench bench;
    for (const int count : {1, 1000}) {
        // A realistic list: extensions, groups, installed and missing apps.
        QList<Rule> rules;
        for (int i = 0; i < count; ++i) {
            Rule rule;
            rule.extensions = {QStringLiteral("e%1").arg(i), QStringLiteral("txt")};
            rule.group = i % 7 == 0 ? std::optional(TypeGroup::Images) : std::nullopt;
            rule.appId = i % 5 ? QStringLiteral("korvane-test-editor.desktop")
                               : QStringLiteral("korvane-gone-app.desktop");
            rule.appName = QStringLiteral("App %1").arg(i);
            rules.append(rule);
        }
        sandbox.writeRules(rules);
        std::vector<double> shown;
        double rss = 0;
        std::vector<double> slowest; // each run's slowest step
        for (int i = 0; i < 7; ++i) {
            QProcess child;
            child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child")});
            child.waitForFinished(60000);
            const QList<QByteArray> values = child.readAllStandardOutput().trimmed().split(' ');
            if (values.size() != 3) {
                std::fprintf(stderr, "the window did not start\n");
                return 1;
            }
            shown.push_back(values[0].toDouble());
            rss = std::max(rss, values[1].toDouble());
            slowest.push_back(values[2].toDouble());
        }
        std::sort(shown.begin(), shown.end());
        std::sort(slowest.begin(), slowest.end());
        const QByteArray what = QByteArray::number(count) + (count == 1 ? " rule" : " rules");
        bench.report(("process start to main window shown, " + what + " (median of 7)").constData(),
                     shown[shown.size() / 2], "ms", 300);
        bench.report(("resident memory of the running window, " + what + " (largest)").constData(),
                     rss, "MB", count == 1 ? 80 : 60);
        if (count > 1) {
            // The middle run's slowest step: one hiccup of a busy machine is not the list's doing.
            bench.report(("slowest scroll step, by wheel and by page, " + what + " (median of 7)")
                             .constData(),
                         slowest[slowest.size() / 2], "ms", 16);
        }
    }
    return bench.exitCode();
}
