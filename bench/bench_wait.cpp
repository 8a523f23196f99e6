// What a one-second waitUntil costs in CPU time while a connected socket sits idle.
// The wait should sleep between events: the target is under 1% of one core.
#include "CpuTime.h"
#include "platform/SocketControl.h"
#include "platform/Wait.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpServer>

namespace {

void BM_WaitOneSecondWithIdleSocket(benchmark::State& state)
{
    QTcpServer peer;
    peer.listen(QHostAddress::LocalHost);
    platform::SocketControl socket;
    socket.connectToHost(QStringLiteral("127.0.0.1"), peer.serverPort());
    if (!platform::waitUntil([&] { return socket.state() == platform::SocketControl::State::Connected; }, 5000)) {
        state.SkipWithError("the socket did not connect");
        return;
    }

    double cpuSeconds = 0;
    double wallSeconds = 0;
    for (auto _ : state) {
        const double cpuBefore = processCpuSeconds();
        QElapsedTimer clock;
        clock.start();
        platform::waitUntil([] { return false; }, 1000);
        wallSeconds += double(clock.nsecsElapsed()) / 1e9;
        cpuSeconds += processCpuSeconds() - cpuBefore;
    }
    state.counters["cpu_percent_of_one_core"] = 100.0 * cpuSeconds / wallSeconds;
}

BENCHMARK(BM_WaitOneSecondWithIdleSocket)->Iterations(5)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
