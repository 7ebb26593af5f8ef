// How late the progress window's script ticks come on real timers.
//
//   bench_ticks
//
// Shows the real progress window (with the backdrop behind it, as in a run),
// lets its script run in real time, presses the partition window's OK as soon
// as that window is up, and records every tick through Timer::tickProbe. Each
// tick is compared with its nominal time, which follows from the intervals the
// script sets: step 0 comes 1000 ms after the window loads, and each later step
// one interval after the one before; step 8 comes 50 ms after the OK. Two
// figures per tick: its lateness against that nominal schedule (what the user
// sees: delays add up when an interval change restarts the count) and the
// excess of its spacing over the interval in force (the timer's own error).
// Takes about 85 s. Prints figures only and judges none of them.
#include "Figures.h"

#include "backdrop/form_Background.h"
#include "flow/WindowRegistry.h"
#include "installer/form_003.h"
#include "installer/form_004.h"
#include "toolkit/Application.h"
#include "toolkit/Timer.h"

#include <QTimer>

#include <array>
#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int LastStep = 231;
constexpr int ResumeStep = 8;  // the first step after the partition window's OK
constexpr int OkDelayMs = 100; // a quick user

// The spacing before each step, as the script's interval changes give it.
int spacingBefore(int step)
{
    if (step <= 6) return 1000;
    if (step == 7) return 500;
    if (step == 8) return 50; // after the OK
    if (step <= 12) return 1000;
    if (step <= 122) return 200;
    if (step <= 212) return 20;
    if (step == 213) return 2000;
    if (step <= 225) return 100;
    if (step == 226) return 5500;
    return 8000;
}

struct Phase {
    const char *name;
    int first, last;
};

constexpr std::array<Phase, 10> Phases{{
    {"1000 ms, steps 0-6", 0, 6},
    {"500 ms, step 7", 7, 7},
    {"50 ms after OK, step 8", 8, 8},
    {"1000 ms, steps 9-12", 9, 12},
    {"200 ms, steps 13-122", 13, 122},
    {"20 ms, steps 123-212", 123, 212},
    {"2000 ms, step 213", 213, 213},
    {"100 ms, steps 214-225", 214, 225},
    {"5500 ms, step 226", 226, 226},
    {"8000 ms, steps 227-231", 227, 231},
}};

struct Run {
    int64_t loadNs = 0;
    int64_t shownNs = 0; // Show() returned: the window was loaded and shown
    int64_t okNs = 0;
    std::vector<int64_t> tickNs = std::vector<int64_t>(LastStep + 1, 0);
    int ticks = 0;
    int unexpected = 0; // ticks of other timers, or steps out of order
};

void printPhases(const Run &run)
{
    std::vector<double> nominal(LastStep + 1);
    for (int step = 0; step <= LastStep; ++step) {
        const double start = step == 0 ? double(run.loadNs) : step == ResumeStep ? double(run.okNs) : nominal[step - 1];
        nominal[step] = start + spacingBefore(step) * 1e6;
    }
    std::printf("tick lateness on real timers (platform %s), ms:\n", qPrintable(QGuiApplication::platformName()));
    std::printf("  (steps 0-7 count from the start of the window's Show(), which took %.2f ms)\n",
                double(run.shownNs - run.loadNs) / 1e6);
    std::printf("  %-26s %5s | %-29s | %-29s\n", "phase", "ticks", "late vs nominal: mean median max",
                "spacing excess: mean median max");
    for (const Phase &phase : Phases) {
        std::vector<double> late, excess;
        for (int step = phase.first; step <= phase.last; ++step) {
            if (run.tickNs[step] == 0)
                continue;
            late.push_back((double(run.tickNs[step]) - nominal[step]) / 1e6);
            const int64_t previous = step == 0 ? run.loadNs : step == ResumeStep ? run.okNs : run.tickNs[step - 1];
            if (previous != 0)
                excess.push_back(double(run.tickNs[step] - previous) / 1e6 - spacingBefore(step));
        }
        const bench::Summary l = bench::summarise(late), e = bench::summarise(excess);
        std::printf("  %-26s %5zu | %9.2f %9.2f %9.2f | %9.2f %9.2f %9.2f\n", phase.name, l.count, l.mean, l.median,
                    l.max, e.mean, e.median, e.max);
    }
    const double total = (double(run.tickNs[LastStep]) - double(run.okNs)) / 1e6;
    std::printf("  last step %.1f ms after OK (nominal 76550); %d ticks recorded, %d unexpected\n", total, run.ticks,
                run.unexpected);
}

} // namespace

int main(int argc, char **argv)
{
    toolkit::Application::prepareProcessEnvironment();
    toolkit::Application application(argc, argv);
    Run run;

    toolkit::Timer::tickProbe = [&run](const toolkit::Timer &timer) {
        const int64_t now = bench::monotonicNs();
        installer::form_003 &progress = installer::form_003::instance();
        const int step = progress.StepNumber();
        if (&timer != progress.ui().tim_001 || step < 0 || step > LastStep || run.tickNs[step] != 0) {
            ++run.unexpected;
            return;
        }
        run.tickNs[step] = now;
        ++run.ticks;
        if (step == 7) {
            // Step 7 shows the partition window in this tick; press its OK a
            // moment later, from the event loop.
            QTimer::singleShot(OkDelayMs, [&run] {
                run.okNs = bench::monotonicNs();
                installer::form_004::instance().ui().cmd_001->click();
            });
        }
        if (step == LastStep)
            QTimer::singleShot(200, [] { QCoreApplication::exit(0); });
    };

    toolkit::runHandler([&run] {
        backdrop::form_Background::instance().Show();
        run.loadNs = bench::monotonicNs(); // the window's load starts the timer
        installer::form_003::instance().Show();
        run.shownNs = bench::monotonicNs();
    });
    const int exitCode = application.exec();
    toolkit::Timer::tickProbe = nullptr;

    printPhases(run);
    const std::string self = std::to_string(::getpid());
    std::printf("peak memory of this process over the whole script (VmHWM): %.1f MiB\n",
                double(bench::statusKiB(self, "VmHWM")) / 1024);
    flow::WindowRegistry::reset();
    return exitCode;
}
