#include "FakeWebServer.h"
#include "FetchAndWait.h"
#include "RefusingPort.h"
#include "platform/HttpTransfer.h"
#include "platform/TimeScale.h"
#include "platform/Timer.h"
#include "platform/Wait.h"

#include <QElapsedTimer>
#include <QTest>

using namespace platform;

namespace {

constexpr qint64 kCap = 1000;

} // namespace

class HttpTransferTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { setTimeScale(1); }

    void outcomes_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("announceLength");
        QTest::addColumn<bool>("ok");

        // 8-bit text with a NUL inside comes back byte for byte.
        QTest::newRow("200 text") << 200 << QByteArray("Server is up\r\ncaf\xE9\x00\x81 end", 22) << true << true;
        QTest::newRow("other 2xx") << 201 << QByteArray("made") << true << true;
        QTest::newRow("empty 200") << 200 << QByteArray() << true << true;
        QTest::newRow("404 with a body") << 404 << QByteArray("<html>Not here</html>") << true << false;
        QTest::newRow("500") << 500 << QByteArray("broken") << true << false;
        QTest::newRow("body at the cap") << 200 << QByteArray(kCap, 'a') << true << true;
        QTest::newRow("body over the cap") << 200 << QByteArray(kCap + 1, 'a') << true << false;
        QTest::newRow("unannounced body at the cap") << 200 << QByteArray(kCap, 'b') << false << true;
        QTest::newRow("unannounced body over the cap") << 200 << QByteArray(50 * kCap, 'b') << false << false;
    }

    void outcomes()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(bool, announceLength);
        QFETCH(bool, ok);
        FakeWebServer server;
        if (announceLength)
            server.serve("/sys/page.txt", status, body);
        else
            server.serveWithoutLength("/sys/page.txt", body);
        HttpTransfer transfer;
        transfer.setSizeCap(kCap);

        const HttpTransfer::Result result = fetchAndWait(transfer, server.url("/sys/page.txt"));

        QCOMPARE(result.ok, ok);
        QCOMPARE(result.httpStatus, status);
        QCOMPARE(result.body, ok ? body : QByteArray());
        QCOMPARE(result.errorDescription.isEmpty(), ok);
        // A body without a length ends where the server closes the connection; when
        // that close overtakes the answer, Qt's HTTP layer sends the same GET once more.
        QVERIFY(!server.requests().isEmpty());
        if (announceLength)
            QCOMPARE(server.requests().size(), 1);
        for (const FakeWebServer::Request& request : server.requests()) {
            QCOMPARE(request.method, QByteArray("GET"));
            QCOMPARE(request.path, QByteArray("/sys/page.txt"));
        }
        QVERIFY(!transfer.busy());
    }

    void unreachableOrInvalidAddressFails_data()
    {
        QTest::addColumn<QString>("address");
        QTest::newRow("no listener") << refusing_.url() + QStringLiteral("/page");
        QTest::newRow("not HTTP") << QStringLiteral("ftp://127.0.0.1/page");
        QTest::newRow("no host") << QStringLiteral("page.txt");
    }

    void unreachableOrInvalidAddressFails()
    {
        QFETCH(QString, address);
        HttpTransfer transfer;
        const HttpTransfer::Result result = fetchAndWait(transfer, address);
        QVERIFY(!result.ok);
        QCOMPARE(result.httpStatus, 0);
        QVERIFY(!result.errorDescription.isEmpty());
    }

    // A server that never answers: the fetch ends at its time limit, and timers go on
    // ticking meanwhile.
    void silentServerEndsAtTheLimit()
    {
        setTimeScale(0.005); // the 60 s limit becomes 300 ms
        FakeWebServer server;
        server.serveSilently("/slow");
        HttpTransfer transfer;
        Timer heartbeat;
        int ticks = 0;
        connect(&heartbeat, &Timer::tick, this, [&ticks] { ++ticks; });
        heartbeat.setInterval(5000); // 25 ms

        QElapsedTimer clock;
        clock.start();
        const HttpTransfer::Result result = fetchAndWait(transfer, server.url("/slow"));

        QVERIFY(!result.ok);
        QVERIFY(!result.errorDescription.isEmpty());
        QVERIFY(clock.elapsed() >= 290);
        QVERIFY(clock.elapsed() < 3000);
        QVERIFY(ticks >= 3);
        QCOMPARE(server.requests().size(), 1);
    }

    void stateEventsOfAFetch_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QList<int>>("states");
        QTest::newRow("completed") << 200 << QList<int>{1, 3, 6, 7, 8, 9, 10, 12};
        QTest::newRow("error page") << 404 << QList<int>{1, 3, 6, 7, 8, 9, 10, 11};
    }

    // The background form: events come from the event loop, in order, and the transfer
    // takes no second request until it has finished.
    void stateEventsOfAFetch()
    {
        QFETCH(int, status);
        QFETCH(QList<int>, states);
        FakeWebServer server;
        server.serve("/updates/viewver.txt", status, "2.0.1\n");
        HttpTransfer transfer;
        QList<int> seen;
        connect(&transfer, &HttpTransfer::stateChanged, this, [&seen](int state) { seen << state; });
        int finishes = 0;
        bool finishedOk = false;
        connect(&transfer, &HttpTransfer::finished, this, [&](const HttpTransfer::Result& result) {
            ++finishes;
            finishedOk = result.ok;
        });

        QVERIFY(transfer.start(server.url("/updates/viewver.txt")));
        QVERIFY(seen.isEmpty());
        QVERIFY(transfer.busy());
        QVERIFY(!transfer.start(server.url("/updates/viewver.txt")));

        QVERIFY(waitUntil([&] { return finishes > 0; }, 5000));
        waitUntil([] { return false; }, 50);
        QCOMPARE(seen, states);
        QCOMPARE(finishes, 1);
        QCOMPARE(finishedOk, status == 200);
        QCOMPARE(server.requests().size(), 1);
    }

private:
    RefusingPort refusing_;
};

QTEST_GUILESS_MAIN(HttpTransferTest)
#include "test_http.moc"
