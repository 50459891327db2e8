// CPU time spent by a two-second pause with an idle window: the event-loop
// wait of the chat link beside a loop that processes events continuously.
#include "chat/chatlink.h"
#include "chat/clock.h"
#include "window/appearance.h"
#include "window/mainwindow.h"
#include "window/windowlayout.h"

#include <QApplication>
#include <QDeadlineTimer>

#include <cstdio>
#include <ctime>

namespace {

double cpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

struct Figures
{
    double wall;
    double cpu;
};

template<typename Wait>
Figures measure(Wait wait)
{
    const qint64 startWall = QDeadlineTimer::current().deadlineNSecs();
    const double startCpu = cpuSeconds();
    wait();
    return {static_cast<double>(QDeadlineTimer::current().deadlineNSecs() - startWall) / 1e9, cpuSeconds() - startCpu};
}

void report(const char *name, Figures f)
{
    std::printf("%-34s wall %.3f s  cpu %.4f s  (%.2f %% of wall)\n", name, f.wall, f.cpu, 100.0 * f.cpu / f.wall);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    applyAppearance(app);
    WindowLayout layout;
    MainWindow window(layout);
    window.show();
    QApplication::processEvents();

    SystemClock clock;
    ChatLink link(clock);
    link.InitDDE();
    constexpr double kSeconds = 2.0;

    const Figures ours = measure([&] { link.Pause(kSeconds); });
    const Figures busy = measure([] {
        const QDeadlineTimer end(static_cast<qint64>(kSeconds * 1000), Qt::PreciseTimer);
        while (!end.hasExpired())
            QCoreApplication::processEvents();
    });

    std::printf("Pause of %.0f s with an idle window\n", kSeconds);
    report("event-loop wait (ChatLink::Pause)", ours);
    report("busy loop processing events", busy);
    std::printf("target: under 2 %% of wall time -> %s\n", 100.0 * ours.cpu / ours.wall < 2.0 ? "met" : "NOT met");
    return 0;
}
