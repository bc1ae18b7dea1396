#pragma once

#include <QElapsedTimer>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace korvane::bench {

// Runs `body` a few times, reports the median against its target and remembers a miss.
class Bench {
public:
    template <typename Body>
    void measure(const char* name, double targetMs, Body&& body, int runs = 15) {
        body(); // warm caches and lazy tables
        std::vector<double> times;
        for (int i = 0; i < runs; ++i) {
            QElapsedTimer timer;
            timer.start();
            body();
            times.push_back(double(timer.nsecsElapsed()) / 1e6);
        }
        std::sort(times.begin(), times.end());
        const double median = times[times.size() / 2];
        const bool ok = median <= targetMs;
        std::printf("%-58s %9.3f ms  (target %g ms) %s\n", name, median, targetMs,
                    ok ? "ok" : "SLOW");
        std::fflush(stdout);
        m_failed = m_failed || !ok;
    }

    void report(const char* name, double value, const char* unit, double target) {
        const bool ok = value <= target;
        std::printf("%-58s %9.3f %s (target %g %s) %s\n", name, value, unit, target, unit,
                    ok ? "ok" : "OVER");
        std::fflush(stdout);
        m_failed = m_failed || !ok;
    }

    static double median(std::vector<double> times) {
        std::sort(times.begin(), times.end());
        return times.empty() ? 0 : times[times.size() / 2];
    }

    // Two ways to the same end, timed in turns: both medians and their ratio, a miss when ours
    // takes more than `most` times theirs.
    void compare(const char* ours, const std::vector<double>& oursMs, const char* theirs,
                 const std::vector<double>& theirsMs, double most) {
        const double a = median(oursMs);
        const double b = median(theirsMs);
        const double ratio = b > 0 ? a / b : 0;
        const bool ok = b > 0 && ratio <= most;
        std::printf("%-34s %8.1f ms | %-24s %8.1f ms | ratio %5.2f (target <= %g) %s\n", ours, a,
                    theirs, b, ratio, most, ok ? "ok" : "SLOW");
        std::fflush(stdout);
        m_failed = m_failed || !ok;
    }

    int exitCode() const { return m_failed ? 1 : 0; }

private:
    bool m_failed = false;
};

} // namespace korvane::bench
