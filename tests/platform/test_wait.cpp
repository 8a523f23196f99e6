#include "platform/SocketControl.h"
#include "platform/TimeScale.h"
#include "platform/Wait.h"

#include <QElapsedTimer>
#include <QTcpServer>
#include <QTest>
#include <QTimer>

using namespace platform;

namespace {

bool never()
{
    return false;
}

} // namespace

class WaitTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { setTimeScale(1); }

    void endsWhenTheConditionHolds()
    {
        bool done = false;
        QTimer::singleShot(50, this, [&done] { done = true; });
        QElapsedTimer clock;
        clock.start();
        QVERIFY(waitUntil([&done] { return done; }, 5000));
        QVERIFY(clock.elapsed() >= 40);
        QVERIFY(clock.elapsed() < 4000); // well before the limit
    }

    // The limit counts time, not wake-ups: a timer that keeps waking the loop neither
    // ends the wait early nor keeps it going.
    void endsAtTheLimitWhileEventsFlow()
    {
        QTimer busy;
        int ticks = 0;
        connect(&busy, &QTimer::timeout, this, [&ticks] { ++ticks; });
        busy.start(5);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!waitUntil(never, 200));
        QVERIFY(clock.elapsed() >= 200);
        QVERIFY(clock.elapsed() < 2000);
        QVERIFY(ticks >= 2);
    }

    void limitFollowsTheTimeScale()
    {
        setTimeScale(0.05);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!waitUntil(never, 4000));
        QVERIFY(clock.elapsed() >= 190);
        QVERIFY(clock.elapsed() < 3000); // unscaled it would be 4000 ms
    }

    void scaledLimits_data()
    {
        QTest::addColumn<double>("factor");
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("scaled");
        QTest::newRow("unscaled") << 1.0 << 5000 << 5000;
        QTest::newRow("shortened") << 0.01 << 5000 << 50;
        QTest::newRow("rounded") << 0.01 << 1250 << 13;
        QTest::newRow("never below 1 ms") << 0.01 << 10 << 1;
        QTest::newRow("zero stays") << 0.01 << 0 << 0;
        QTest::newRow("no limit stays") << 0.01 << -1 << -1;
        QTest::newRow("lengthened") << 2.0 << 1500 << 3000;
        QTest::newRow("zero factor means 1") << 0.0 << 700 << 700;
        QTest::newRow("negative factor means 1") << -3.0 << 700 << 700;
    }

    void scaledLimits()
    {
        QFETCH(double, factor);
        QFETCH(int, limit);
        QFETCH(int, scaled);
        setTimeScale(factor);
        QCOMPARE(scaledMs(limit), scaled);
    }

    // A handler that runs inside a wait waits for longer than the outer limit: the inner
    // wait keeps its own length, and the outer one ends as soon as the inner returns,
    // well before a limit started afresh would end it (kOuterMs later).
    void innerWaitOutlastingTheOuterLimit()
    {
        constexpr int kOuterMs = 400;
        constexpr int kInnerMs = 800;
        QElapsedTimer clock;
        clock.start();
        qint64 innerEndedAt = -1;
        bool innerHeld = true;
        QTimer::singleShot(20, this, [&] {
            innerHeld = waitUntil(never, kInnerMs);
            innerEndedAt = clock.elapsed();
        });
        QVERIFY(!waitUntil(never, kOuterMs));
        const qint64 outerEndedAt = clock.elapsed();
        QVERIFY(!innerHeld);
        QVERIFY(innerEndedAt >= 20 + kInnerMs);
        QVERIFY2(
            outerEndedAt - innerEndedAt < kOuterMs,
            qPrintable(QStringLiteral("inner ended at %1 ms, outer at %2 ms").arg(innerEndedAt).arg(outerEndedAt)));
    }

    // A condition met while an inner wait runs is seen once the inner wait returns.
    void outerConditionMetDuringAnInnerWait()
    {
        bool outerDone = false;
        bool innerDone = false;
        QTimer::singleShot(20, this, [&] {
            QTimer::singleShot(10, this, [&] { outerDone = true; });
            QTimer::singleShot(60, this, [&] { innerDone = true; });
            QVERIFY(waitUntil([&] { return innerDone; }, 5000));
        });
        QElapsedTimer clock;
        clock.start();
        QVERIFY(waitUntil([&] { return outerDone; }, 5000));
        QVERIFY(innerDone);
        QVERIFY(clock.elapsed() < 4000); // well before the limit
    }

    // A wait beside a connected socket that sits idle ends at its limit, unmet
    // (bench_wait measures the CPU time such a wait takes).
    void endsAtTheLimitWhileASocketSitsIdle()
    {
        QTcpServer peer;
        QVERIFY(peer.listen(QHostAddress::LocalHost));
        SocketControl socket;
        QVERIFY(socket.connectToHost(QStringLiteral("127.0.0.1"), peer.serverPort()).ok());
        QVERIFY(waitUntil([&] { return socket.state() == SocketControl::State::Connected; }, 5000));

        QVERIFY(!waitUntil(never, 500));
    }
};

QTEST_GUILESS_MAIN(WaitTest)
#include "test_wait.moc"
