#include "VirtualDisplay.h"
#include "WindowOwner.h"
#include "XcbCalls.h"
#include "platform/TopLevelWindows.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <memory>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace platform;

namespace {

// No X server listens there (and -nolisten tcp servers have no port for it).
constexpr char kDisplayWithoutServer[] = ":59000";

constexpr int kPatienceMs = 30000;

// A stand-in for a window manager: it announces itself on the root window as EWMH
// managers do and keeps a client list of the windows it is told about. It moves no
// window, so the windows stay children of the root as well; a lookup that finds a
// window missing from the list must have read the list.
class FakeWindowManager {
public:
    explicit FakeWindowManager(const QByteArray& display) : xcb_(xcb_connect(display.constData(), nullptr))
    {
        if (xcb_connection_has_error(xcb_))
            return;
        root_ = xcb_setup_roots_iterator(xcb_get_setup(xcb_)).data->root;
        check_ = xcb_generate_id(xcb_);
        xcb_create_window(xcb_, XCB_COPY_FROM_PARENT, check_, root_, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                          XCB_COPY_FROM_PARENT, 0, nullptr);
        const xcb_atom_t supportingCheck = internAtom(xcb_, "_NET_SUPPORTING_WM_CHECK");
        setWindows(root_, supportingCheck, {check_});
        setWindows(check_, supportingCheck, {check_});
        listClients({});
    }
    ~FakeWindowManager() { xcb_disconnect(xcb_); }

    bool isRunning() const { return root_ != XCB_WINDOW_NONE && !xcb_connection_has_error(xcb_); }

    void listClients(const std::vector<xcb_window_t>& clients)
    {
        setWindows(root_, internAtom(xcb_, "_NET_CLIENT_LIST"), clients);
    }

    // The manager ends as a crashed one does: its window goes, the root keeps pointing
    // at it and keeps the last client list.
    void end()
    {
        xcb_destroy_window(xcb_, check_);
        roundTrip(xcb_);
    }

private:
    void setWindows(xcb_window_t window, xcb_atom_t property, const std::vector<xcb_window_t>& windows)
    {
        xcb_change_property(xcb_, XCB_PROP_MODE_REPLACE, window, property, XCB_ATOM_WINDOW, 32,
                            uint32_t(windows.size()), windows.data());
        roundTrip(xcb_);
    }

    xcb_connection_t* xcb_;
    xcb_window_t root_ = XCB_WINDOW_NONE;
    xcb_window_t check_ = XCB_WINDOW_NONE;
};

// A process of the test's own that runs until it is ended.
class Sleeper {
public:
    Sleeper() { process_.start(QStandardPaths::findExecutable(QStringLiteral("sleep")), {"600"}); }
    ~Sleeper() { end(); }

    bool isStarted() { return process_.waitForStarted(kPatienceMs); }
    qint64 processId() const { return process_.processId(); }
    // True once the process has ended and has been collected.
    bool end()
    {
        process_.kill();
        return QTest::qWaitFor([this] { return process_.state() == QProcess::NotRunning; }, kPatienceMs);
    }

private:
    QProcess process_;
};

} // namespace

#define REQUIRE_DISPLAY(display)                                                                                       \
    do {                                                                                                               \
        if (!(display).isRunning())                                                                                    \
            QSKIP(qPrintable(QStringLiteral("no X display for this test: %1").arg((display).failure())));              \
    } while (false)

class TopLevelWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { display_ = std::make_unique<VirtualDisplay>(); }
    void cleanupTestCase() { display_.reset(); }

    // Without a window manager the root window's mapped children are the top-level
    // windows; only a titled one without an owner counts.
    void windowsThatCount_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<bool>("found");
        QTest::newRow("titled") << QStringList{} << true;
        QTest::newRow("untitled") << QStringList{"--untitled"} << false;
        QTest::newRow("owned by another window") << QStringList{"--owned"} << false;
        QTest::newRow("not mapped") << QStringList{"--unmapped"} << false;
        QTest::newRow("no window at all") << QStringList{"--no-window"} << false;
    }

    void windowsThatCount()
    {
        REQUIRE_DISPLAY(*display_);
        QFETCH(QStringList, options);
        QFETCH(bool, found);
        WindowOwner owner(display_->name(), options);
        QVERIFY2(owner.isReady(), qPrintable(owner.failure()));
        TopLevelWindows windows(display_->name());

        const std::optional<WindowAnswer> answer = windows.ownsWindow(owner.processId());
        QVERIFY(answer);
        QCOMPARE(answer.value().found, found);
        QCOMPARE(answer.value().lookup, WindowLookup::RootChildren);
        // Another process's window is not this process's.
        QVERIFY(!windows.ownsWindow(QCoreApplication::applicationPid()).value().found);
        QVERIFY(!windows.ownsWindow(0).value().found);
    }

    void windowGoesWithItsClosingOrItsProcess()
    {
        REQUIRE_DISPLAY(*display_);
        TopLevelWindows windows(display_->name());
        WindowOwner closing(display_->name());
        QVERIFY2(closing.isReady(), qPrintable(closing.failure()));
        WindowOwner ending(display_->name());
        QVERIFY2(ending.isReady(), qPrintable(ending.failure()));
        const qint64 endingProcess = ending.processId();
        QVERIFY(windows.ownsWindow(closing.processId()).value().found);
        QVERIFY(windows.ownsWindow(endingProcess).value().found);

        QVERIFY(closing.closeWindow());
        QVERIFY(!windows.ownsWindow(closing.processId()).value().found);
        QVERIFY(ending.end());
        QVERIFY(!windows.ownsWindow(endingProcess).value().found);
    }

    void clientListWhileAWindowManagerRuns()
    {
        REQUIRE_DISPLAY(*display_);
        WindowOwner owner(display_->name());
        QVERIFY2(owner.isReady(), qPrintable(owner.failure()));
        FakeWindowManager manager(display_->name());
        QVERIFY(manager.isRunning());
        TopLevelWindows windows(display_->name());

        std::optional<WindowAnswer> answer = windows.ownsWindow(owner.processId());
        QCOMPARE(answer.value().lookup, WindowLookup::ClientList);
        QVERIFY2(!answer.value().found, "a mapped root child outside the client list counts");

        manager.listClients({owner.window()});
        answer = windows.ownsWindow(owner.processId());
        QCOMPARE(answer.value().lookup, WindowLookup::ClientList);
        QVERIFY(answer.value().found);

        // A list left behind by a manager that has ended is not read.
        manager.listClients({});
        manager.end();
        answer = windows.ownsWindow(owner.processId());
        QCOMPARE(answer.value().lookup, WindowLookup::RootChildren);
        QVERIFY(answer.value().found);
    }

    // The display going away breaks one lookup; the next one no longer finds a
    // display and falls back to the process being alive.
    void lostDisplayFailsOnceThenFallsBack()
    {
        VirtualDisplay going;
        REQUIRE_DISPLAY(going);
        TopLevelWindows windows(going.name());
        const qint64 self = QCoreApplication::applicationPid();
        QCOMPARE(windows.ownsWindow(self).value().lookup, WindowLookup::RootChildren);

        going.stop();
        QVERIFY(!windows.ownsWindow(self));
        const std::optional<WindowAnswer> answer = windows.ownsWindow(self);
        QVERIFY(answer);
        QCOMPARE(answer.value().lookup, WindowLookup::ProcessAlive);
        QVERIFY(answer.value().found);
    }

    void withoutDisplayAnAliveProcessCounts_data()
    {
        QTest::addColumn<QByteArray>("display");
        QTest::newRow("no display named") << QByteArray();
        QTest::newRow("no server at the display") << QByteArray(kDisplayWithoutServer);
    }

    void withoutDisplayAnAliveProcessCounts()
    {
        QFETCH(QByteArray, display);
        TopLevelWindows windows(display);
        Sleeper sleeper;
        QVERIFY(sleeper.isStarted());
        const qint64 process = sleeper.processId();

        std::optional<WindowAnswer> answer = windows.ownsWindow(process);
        QVERIFY(answer);
        QCOMPARE(answer.value().lookup, WindowLookup::ProcessAlive);
        QVERIFY(answer.value().found);

        QVERIFY(sleeper.end());
        answer = windows.ownsWindow(process);
        QCOMPARE(answer.value().lookup, WindowLookup::ProcessAlive);
        QVERIFY(!answer.value().found);
    }

    // kill() takes 0 and negative numbers for process groups, which would all be "alive".
    void numbersNoProcessCanHaveAreNotAlive_data()
    {
        QTest::addColumn<qint64>("process");
        QTest::newRow("0") << qint64(0);
        QTest::newRow("-1") << qint64(-1);
        QTest::newRow("minus own group") << -qint64(getpgrp());
        QTest::newRow("beyond 32 bits") << (qint64(1) << 40) + QCoreApplication::applicationPid();
    }

    void numbersNoProcessCanHaveAreNotAlive()
    {
        QFETCH(qint64, process);
        QVERIFY(!processAlive(process));
        QVERIFY(!TopLevelWindows(QByteArray()).ownsWindow(process).value().found);
    }

    void endedButUncollectedProcessIsNotAlive()
    {
        const pid_t child = fork();
        if (child == 0)
            _exit(0);
        QVERIFY(child > 0);
        const auto isZombie = [child] {
            QFile status(QStringLiteral("/proc/%1/stat").arg(child));
            return status.open(QIODevice::ReadOnly) && status.readAll().contains(") Z ");
        };
        // No event marks the change: poll for it.
        const bool becameZombie = QTest::qWaitFor(isZombie, kPatienceMs);
        const bool alive = processAlive(child);
        waitpid(child, nullptr, 0);
        QVERIFY(becameZombie);
        QVERIFY(!alive);
        QVERIFY(processAlive(QCoreApplication::applicationPid()));
    }

private:
    std::unique_ptr<VirtualDisplay> display_;
};

QTEST_GUILESS_MAIN(TopLevelWindowsTest)
#include "test_toplevelwindows.moc"
