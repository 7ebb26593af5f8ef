// How long the program takes from exec to its first painted window, and how
// much memory it holds by then.
//
//   bench_startup [RUNS]      (default 10)
//
// Each run forks and execs a copy of this program, which builds windows as the
// program does and reports on a pipe when the first window was exposed, when
// the first paint event inside a top-level window came, and when every shown
// window had been painted, with its memory at that point. Two scenarios: the
// start window (the language window, as the program starts), and the backdrop
// with the confirmation window in front (what the language window hands over
// to; the full-screen picture makes it the heavier paint). The parent reads the
// clock right before fork, so the figures include fork, exec, dynamic linking
// and the connection to the display. It prints figures and judges none of
// them. The platform is Qt's usual choice (QT_QPA_PLATFORM).
#include "Figures.h"

#include "backdrop/form_Background.h"
#include "flow/WindowRegistry.h"
#include "installer/form_001.h"
#include "installer/form_002.h"
#include "toolkit/Application.h"

#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace {

const char *const ChildFlag = "--child";
constexpr unsigned ChildDeadlineSeconds = 30; // a child that never paints is killed

// Watches every object's events for the first expose and the paints of the
// top-level windows.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(int reportFd) : m_reportFd(reportFd) {}

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && m_firstExpose == 0) {
            if (auto *window = qobject_cast<QWindow *>(object); window && window->isExposed())
                m_firstExpose = bench::monotonicNs();
        }
        if (event->type() == QEvent::Paint && !m_done) {
            // A window whose children cover it wholly (the backdrop's picture)
            // gets no paint event of its own: its children's count for it.
            if (auto *widget = qobject_cast<QWidget *>(object)) {
                if (m_firstPaint == 0)
                    m_firstPaint = bench::monotonicNs();
                m_painted.insert(widget->window());
                if (everyShownWindowPainted()) {
                    m_done = true;
                    // Runs once this paint has been drawn and flushed.
                    QTimer::singleShot(0, [this] { report(); });
                }
            }
        }
        return QObject::eventFilter(object, event);
    }

private:
    bool everyShownWindowPainted() const
    {
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (widget->isVisible() && !m_painted.count(widget))
                return false;
        return true;
    }

    void report()
    {
        const int64_t allPainted = bench::monotonicNs();
        const std::string self = std::to_string(::getpid());
        char line[256];
        const int length = std::snprintf(line, sizeof line, "%lld %lld %lld %ld %ld %s\n",
                                         static_cast<long long>(m_firstExpose),
                                         static_cast<long long>(m_firstPaint),
                                         static_cast<long long>(allPainted), bench::statusKiB(self, "VmHWM"),
                                         bench::statusKiB(self, "VmRSS"),
                                         qPrintable(QGuiApplication::platformName()));
        if (length > 0 && ::write(m_reportFd, line, size_t(length)) != length)
            std::_Exit(3);
        // The figures are taken: no need to tear the windows down.
        std::_Exit(0);
    }

    int m_reportFd;
    int64_t m_firstExpose = 0;
    int64_t m_firstPaint = 0;
    std::set<QWidget *> m_painted;
    bool m_done = false;
};

enum class Scenario { StartWindow, Handover };

int runChild(int argc, char **argv, int reportFd, Scenario scenario)
{
    toolkit::Application::prepareProcessEnvironment();
    toolkit::Application application(argc, argv);
    PaintWatch watch(reportFd);
    application.installEventFilter(&watch);
    toolkit::runHandler([scenario] {
        if (scenario == Scenario::StartWindow) {
            installer::form_001::instance().Show();
        } else {
            backdrop::form_Background::instance().Show();
            installer::form_002::instance().Show();
        }
    });
    const int exitCode = application.exec();
    flow::WindowRegistry::reset();
    return exitCode == 0 ? 4 : exitCode; // ending without a report is a failure
}

struct Sample {
    double exposeMs, paintMs, allMs;
    long hwmKiB, rssKiB;
    std::string platform;
};

bool runOnce(Scenario scenario, Sample &sample)
{
    int fds[2];
    if (::pipe(fds) != 0)
        return false;
    const int64_t start = bench::monotonicNs();
    const pid_t child = ::fork();
    if (child < 0)
        return false;
    if (child == 0) {
        ::close(fds[0]);
        ::alarm(ChildDeadlineSeconds);
        const std::string fd = std::to_string(fds[1]);
        const char *which = scenario == Scenario::StartWindow ? "start" : "handover";
        char *args[] = {const_cast<char *>("bench_startup"), const_cast<char *>(ChildFlag),
                        const_cast<char *>(fd.c_str()), const_cast<char *>(which), nullptr};
        ::execv("/proc/self/exe", args);
        std::_Exit(127);
    }
    ::close(fds[1]);
    std::string text;
    char buffer[256];
    for (;;) {
        const ssize_t n = ::read(fds[0], buffer, sizeof buffer);
        if (n > 0)
            text.append(buffer, size_t(n));
        else if (n == 0 || errno != EINTR)
            break;
    }
    ::close(fds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    long long expose = 0, paint = 0, all = 0;
    long hwm = 0, rss = 0;
    char platform[64] = "";
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0
        || std::sscanf(text.c_str(), "%lld %lld %lld %ld %ld %63s", &expose, &paint, &all, &hwm, &rss, platform)
            != 6) {
        std::fprintf(stderr, "bench_startup: a child failed (status %d)\n", status);
        return false;
    }
    auto ms = [start](long long t) { return t > 0 ? double(t - start) / 1e6 : -1.0; };
    sample = {ms(expose), ms(paint), ms(all), hwm, rss, platform};
    return true;
}

void printRow(const char *what, const std::vector<double> &values, const char *unit)
{
    const bench::Summary s = bench::summarise(values);
    std::printf("  %-34s min %8.1f  median %8.1f  max %8.1f %s\n", what, s.min, s.median, s.max, unit);
}

void runScenario(Scenario scenario, int runs)
{
    std::vector<double> expose, paint, all, hwm, rss;
    std::string platform;
    for (int i = 0; i < runs; ++i) {
        Sample s{};
        if (!runOnce(scenario, s))
            std::exit(1);
        expose.push_back(s.exposeMs);
        paint.push_back(s.paintMs);
        all.push_back(s.allMs);
        hwm.push_back(double(s.hwmKiB) / 1024);
        rss.push_back(double(s.rssKiB) / 1024);
        platform = s.platform;
    }
    const bool start = scenario == Scenario::StartWindow;
    std::printf("%s, from fork+exec, %d runs (platform %s):\n",
                start ? "start window (language)" : "backdrop + confirmation", runs, platform.c_str());
    printRow("first window exposed", expose, "ms");
    printRow("first paint event in a window", paint, "ms");
    printRow("every shown window painted", all, "ms");
    printRow("peak memory then (VmHWM)", hwm, "MiB");
    printRow("resident memory then (VmRSS)", rss, "MiB");
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 4 && std::strcmp(argv[1], ChildFlag) == 0) {
        int childArgc = 1;
        const Scenario scenario = std::strcmp(argv[3], "start") == 0 ? Scenario::StartWindow : Scenario::Handover;
        return runChild(childArgc, argv, std::atoi(argv[2]), scenario);
    }
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    runScenario(Scenario::StartWindow, runs);
    runScenario(Scenario::Handover, runs);
    return 0;
}
