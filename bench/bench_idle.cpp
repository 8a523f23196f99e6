// What the program costs at rest: its windows shown, logged in to the fake reflector on
// 127.0.0.1, the topic tree built and a place's webcams loaded, then 10 s in which
// nothing happens. The CPU time of those 10 s, as a share of one core, is set against
// the same for an empty Qt window; the program should stay under 0.1% of one core. The
// timer events and repaints of the rest are counted too: at rest there should be none
// beyond the empty window's.
#include "Control.h"
#include "CpuTime.h"
#include "FakeReflector.h"
#include "TempProgramFolder.h"
#include "TestWindows.h"
#include "WidgetBenchmarkMain.h"
#include "directory/MainWindow.h"
#include "directory/TreeNodes.h"
#include "link/ReflectorSession.h"
#include "linkwindows/ServerSettingsWindow.h"
#include "platform/Wait.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTimer>
#include <QTreeWidget>

namespace {

constexpr int kRestMs = 10000;
constexpr int kSettleMs = 6000; // before the rest is measured
constexpr int kLoadLimitMs = 30000;
const QByteArray kPlaceKey = "Airports/Countries/France";

// Counts the timer events and repaints of every object while it lives.
class EventCounter : public QObject {
public:
    EventCounter() { qApp->installEventFilter(this); }
    ~EventCounter() override { qApp->removeEventFilter(this); }

    int timers = 0;
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Timer)
            ++timers;
        else if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

// Runs the event loop for `ms` milliseconds.
void runEventsFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

// Once what came before has settled (the status text of the load is cleared within
// 5 s), runs the event loop for kRestMs and reports the CPU share and the events of
// that time.
void measureRest(benchmark::State& state)
{
    runEventsFor(kSettleMs);
    for (auto _ : state) {
        EventCounter counter;
        const double cpuBefore = processCpuSeconds();
        QElapsedTimer clock;
        clock.start();
        runEventsFor(kRestMs);
        const double wallSeconds = double(clock.nsecsElapsed()) / 1e9;
        const double cpuSeconds = processCpuSeconds() - cpuBefore;
        state.counters["cpu_percent_of_one_core"] = 100.0 * cpuSeconds / wallSeconds;
        state.counters["timer_events_per_s"] = double(counter.timers) / wallSeconds;
        state.counters["repaints_per_s"] = double(counter.paints) / wallSeconds;
    }
}

// The shipped data files and folders, as the run command lays them out in the program
// folder.
bool copyShippedData(const QString& folder)
{
    const QDir data(QStringLiteral(VISTREL_SHIPPED_DATA));
    QDirIterator files(data.path(), QDir::Files, QDirIterator::Subdirectories);
    bool copiedAny = false;
    while (files.hasNext()) {
        const QString target = QDir(folder).filePath(data.relativeFilePath(files.next()));
        if (!QDir().mkpath(QFileInfo(target).path()) || !QFile::copy(files.filePath(), target))
            return false;
        copiedAny = true;
    }
    return copiedAny;
}

// A reflector that accepts every login and answers every place's query with two webcams.
void answerAsTheDemo(FakeReflector& reflector)
{
    reflector.setResponder([](const QByteArray& request) {
        if (request.startsWith("/Login/"))
            return FakeReflector::Reply::text("/Login Successful/,1001\\");
        const qsizetype comma = request.indexOf(',');
        if (comma < 0)
            return FakeReflector::Reply::text("/NDF/");
        const QByteArray place = request.mid(comma + 1);
        return FakeReflector::Reply::text("/WC/1,rtsp://127.0.0.1/a.rm,,Harbour,N,," + place
                                          + ",RealPlay\r\n"
                                            "1,http://127.0.0.1/b.html,,Square,N,,"
                                          + place + ",IEStream\r\n\r\n/EndTran/");
    });
}

void BM_ProgramAtRestConnected(benchmark::State& state)
{
    TempProgramFolder world;
    FakeReflector reflector;
    answerAsTheDemo(reflector);
    if (!copyShippedData(world.path()) || !reflector.listen()) {
        state.SkipWithError("the program folder or the fake reflector could not be set up");
        return;
    }
    QFile serverSettings(world.filePath(QStringLiteral("ServerSettings.txt")));
    if (!serverSettings.open(QIODevice::WriteOnly) || serverSettings.write("127.0.0.1\r\n127.0.0.1\r\n") < 0) {
        state.SkipWithError("ServerSettings.txt could not be written");
        return;
    }
    serverSettings.close();

    // As the program starts: the main window shows the frame, which runs the start-up.
    MainWindow& main = testWindows().main();
    main.show();
    control<QLineEdit>(testWindows().link.serverSettings(), "txtPort")->setText(QString::number(reflector.port()));
    main.connectToReflector();
    platform::waitUntil([&main] { return TreeNodes::of(*main.directoryTree).byKey(kPlaceKey) != nullptr; },
                        kLoadLimitMs);
    TreeNode* place = TreeNodes::of(*main.directoryTree).byKey(kPlaceKey);
    if (!reflectorSession().state().loggedIn || !place) {
        state.SkipWithError("the login or the tree build did not get through");
        testWindows().destroyAll();
        return;
    }
    main.openNode(*place);
    if (!platform::waitUntil([place] { return place->childCount() > 0; }, kLoadLimitMs)) {
        state.SkipWithError("the place's webcams were not loaded");
        testWindows().destroyAll();
        return;
    }

    measureRest(state);
    testWindows().destroyAll();
}

void BM_EmptyWindowAtRest(benchmark::State& state)
{
    QWidget window;
    window.resize(640, 480);
    window.show();
    measureRest(state);
}

BENCHMARK(BM_EmptyWindowAtRest)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
BENCHMARK(BM_ProgramAtRestConnected)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    return runWidgetBenchmarks(argc, argv);
}
