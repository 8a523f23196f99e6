#include "platform/OneShotTimer.h"
#include "platform/TimeScale.h"
#include "platform/Timer.h"
#include "platform/Wait.h"

#include <QElapsedTimer>
#include <QTest>

using namespace platform;

namespace {

bool never()
{
    return false;
}

} // namespace

class TimerTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { setTimeScale(1); }

    void ticksRepeatedlyUntilDisabled()
    {
        Timer timer;
        int ticks = 0;
        connect(&timer, &Timer::tick, this, [&ticks] { ++ticks; });
        timer.setInterval(30); // a new timer is enabled: the interval alone starts it
        QVERIFY(waitUntil([&ticks] { return ticks >= 3; }, 5000));
        timer.setEnabled(false);
        const int ticksWhenDisabled = ticks;
        waitUntil(never, 120);
        QCOMPARE(ticks, ticksWhenDisabled);
        QCOMPARE(timer.interval(), 30);
    }

    void staysQuiet_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("interval");
        QTest::newRow("interval 0") << true << 0;
        QTest::newRow("disabled") << false << 20;
    }

    void staysQuiet()
    {
        QFETCH(bool, enabled);
        QFETCH(int, interval);
        Timer timer;
        timer.setEnabled(enabled);
        timer.setInterval(interval);
        int ticks = 0;
        connect(&timer, &Timer::tick, this, [&ticks] { ++ticks; });
        waitUntil(never, 120);
        QCOMPARE(ticks, 0);
    }

    // The last setting of the interval decides when the tick comes. The interval is
    // long beside the pause before it is set again, so a slow machine still sets it
    // again before the first count could have run out.
    void settingTheIntervalRestartsTheCount()
    {
        constexpr int kInterval = 600;
        OneShotTimer timer;
        QElapsedTimer clock;
        clock.start();
        qint64 tickedAt = -1;
        connect(&timer, &Timer::tick, this, [&] { tickedAt = clock.elapsed(); });
        timer.setInterval(kInterval);
        waitUntil(never, 100);
        QCOMPARE(tickedAt, -1);
        const qint64 setAgainAt = clock.elapsed();
        timer.setInterval(kInterval);
        QVERIFY(waitUntil([&] { return tickedAt >= 0; }, 10000));
        QVERIFY2(tickedAt >= setAgainAt + kInterval - 10,
                 qPrintable(QStringLiteral("set again at %1 ms, ticked at %2 ms").arg(setAgainAt).arg(tickedAt)));
    }

    void oneShotFiresOncePerArming()
    {
        OneShotTimer timer;
        int ticks = 0;
        connect(&timer, &Timer::tick, this, [&] {
            ++ticks;
            // The handler sees the timer disarmed already.
            QVERIFY(!timer.isEnabled());
            QCOMPARE(timer.interval(), 0);
        });
        for (int arming = 1; arming <= 2; ++arming) {
            timer.setEnabled(true);
            timer.setInterval(30);
            QVERIFY(waitUntil([&] { return ticks == arming; }, 5000));
            waitUntil(never, 120); // four more intervals bring no second tick
            QCOMPARE(ticks, arming);
            QVERIFY(!timer.isEnabled());
            QCOMPARE(timer.interval(), 0);
        }
    }

    void oneShotMayBeArmedAgainByItsTick()
    {
        OneShotTimer timer;
        int ticks = 0;
        connect(&timer, &Timer::tick, this, [&] {
            if (++ticks < 3) {
                timer.setEnabled(true);
                timer.setInterval(20);
            }
        });
        timer.setEnabled(true);
        timer.setInterval(20);
        QVERIFY(waitUntil([&] { return ticks == 3; }, 5000));
        waitUntil(never, 100);
        QCOMPARE(ticks, 3);
    }

    // A wait that only a timer's tick ends, as the program's waits use it; the time
    // scale shortens the interval.
    void tickEndsAWait()
    {
        setTimeScale(0.01);
        OneShotTimer timeout;
        bool timedOut = false;
        connect(&timeout, &Timer::tick, this, [&timedOut] { timedOut = true; });
        timeout.setEnabled(true);
        timeout.setInterval(5000);
        QElapsedTimer clock;
        clock.start();
        // The wait's own limit (60 s scaled to 600 ms) would also be shortened, so it is
        // made long enough for a loaded machine; an unscaled tick would take 5000 ms.
        QVERIFY(waitUntil([&timedOut] { return timedOut; }, 400000));
        QVERIFY(clock.elapsed() >= 45);
        QVERIFY(clock.elapsed() < 2500);
        QCOMPARE(timeout.interval(), 0);
    }
};

QTEST_GUILESS_MAIN(TimerTest)
#include "test_timer.moc"
