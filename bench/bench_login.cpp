// What a full login costs in CPU time: the session's login against the fake reflector
// on 127.0.0.1, which accepts at once. The login holds its rejection window for 5 s by
// design, so the wall time is about 5 s; the CPU time should stay under 2% of it,
// which it does only if the login does nothing between the events that move it on.
#include "Control.h"
#include "CpuTime.h"
#include "FakeReflector.h"
#include "TempProgramFolder.h"
#include "TestWindows.h"
#include "WidgetBenchmarkMain.h"
#include "directory/MainWindow.h"
#include "link/ReflectorSession.h"
#include "linkwindows/ServerSettingsWindow.h"
#include "platform/Wait.h"

#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QLineEdit>

namespace {

// Far beyond the login's own limits: the two connects, the send and the window.
constexpr int kLoginLimitMs = 60000;

void BM_LoginAgainstFakeReflector(benchmark::State& state)
{
    TempProgramFolder world;
    FakeReflector reflector;
    reflector.acceptLogin("1001");
    if (!reflector.listen()) {
        state.SkipWithError("the fake reflector cannot listen");
        return;
    }
    // The login's windows: the main window's timers, the server settings' boxes.
    testWindows().main();
    ServerSettingsWindow& settings = testWindows().link.serverSettings();
    control<QLineEdit>(settings, "txtIPAddress")->setText(QStringLiteral("127.0.0.1"));
    control<QLineEdit>(settings, "txtIPAddressBackUp")->setText(QStringLiteral("127.0.0.1"));
    control<QLineEdit>(settings, "txtPort")->setText(QString::number(reflector.port()));

    double cpuSeconds = 0;
    double wallSeconds = 0;
    int loggedIn = 0;
    for (auto _ : state) {
        reflectorSession().state().loggedIn = false;
        reflectorSession().state().connectFailed = false;
        const double cpuBefore = processCpuSeconds();
        QElapsedTimer clock;
        clock.start();
        bool ended = false;
        const QMetaObject::Connection ending =
            QObject::connect(&reflectorSession(), &ReflectorSession::loginEnded, [&ended] { ended = true; });
        reflectorSession().logIn();
        platform::waitUntil([&ended] { return ended; }, kLoginLimitMs);
        QObject::disconnect(ending);
        wallSeconds += double(clock.nsecsElapsed()) / 1e9;
        cpuSeconds += processCpuSeconds() - cpuBefore;
        loggedIn += reflectorSession().state().loggedIn && !reflectorSession().state().connectFailed ? 1 : 0;
    }
    state.counters["cpu_ms_per_login"] = 1000.0 * cpuSeconds / double(state.iterations());
    state.counters["cpu_percent_of_wall"] = wallSeconds > 0 ? 100.0 * cpuSeconds / wallSeconds : 0;
    state.counters["logins_that_got_through"] = loggedIn;
    testWindows().destroyAll();
}

BENCHMARK(BM_LoginAgainstFakeReflector)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    return runWidgetBenchmarks(argc, argv);
}
