// The serial link's two costs that a person notices: how long after the last byte of a
// reply the GUI thread sees it (beyond the silence that ends a read), and what an idle
// open port costs in processor time. Both run on a pseudo-terminal pair.
#include <benchmark/benchmark.h>

#include <time.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "serial/PanelLine.h"
#include "serial/TComm.h"
#include "tests/support/PtyPair.h"

namespace {

using SteadyClock = std::chrono::steady_clock;

double ProcessCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void BM_ReplyToEventDelayBeyondInterval(benchmark::State& state) {
    PtyPair pty;
    TComm comm;
    ConfigurePanelLine(comm);
    comm.SetCommName(pty.SlaveName());
    const double intervalMs = comm.ReadIntervalTimeout();

    QEventLoop loop;
    SteadyClock::time_point arrived;
    comm.OnReceiveData = [&](TComm*, const char*, std::uint16_t) {
        arrived = SteadyClock::now();
        loop.quit();
    };
    comm.StartComm();

    std::vector<double> delaysMs;
    for (auto _ : state) {
        const auto sent = SteadyClock::now();
        pty.Send("+1.23450E+01\n");
        loop.exec();  // sleeps in the event dispatcher until the notification arrives
        const double delayMs =
            std::chrono::duration<double, std::milli>(arrived - sent).count() - intervalMs;
        delaysMs.push_back(delayMs);
        state.SetIterationTime(delayMs / 1e3);
    }
    comm.StopComm();

    const double median = Median(delaysMs);
    state.counters["median_ms"] = median;
    state.counters["max_ms"] = *std::max_element(delaysMs.begin(), delaysMs.end());
    std::printf(
        "reply to OnReceiveData, beyond the %.0f ms interval: median %.3f ms, max %.3f ms"
        " (%zu replies)\n",
        intervalMs, median, *std::max_element(delaysMs.begin(), delaysMs.end()), delaysMs.size());
}
BENCHMARK(BM_ReplyToEventDelayBeyondInterval)
    ->Iterations(40)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_IdleOpenPortCpu(benchmark::State& state) {
    PtyPair pty;
    TComm comm;
    ConfigurePanelLine(comm);
    comm.SetCommName(pty.SlaveName());
    comm.StartComm();
    // Let start-up settle (the writer's first "queue empty" notice) before measuring.
    QEventLoop settle;
    QTimer::singleShot(200, &settle, &QEventLoop::quit);
    settle.exec();

    double cpuMs = 0;
    for (auto _ : state) {
        const double before = ProcessCpuMs();
        QEventLoop idle;
        QTimer::singleShot(5000, Qt::PreciseTimer, &idle, &QEventLoop::quit);
        idle.exec();
        cpuMs = ProcessCpuMs() - before;
    }
    comm.StopComm();
    state.counters["cpu_ms_per_5s"] = cpuMs;
    std::printf("idle open port, whole process over 5 s: %.3f ms of CPU\n", cpuMs);
}
BENCHMARK(BM_IdleOpenPortCpu)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
