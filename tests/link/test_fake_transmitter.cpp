// The fake transmitter itself, seen from a plain client socket: it cuts the requests
// apart in the order they came, answers as a site does or as a test scripts it, and
// stays silent, closes at once or refuses when a test asks. The program's transmitter
// channel is tested against it elsewhere.
#include "ChunkClient.h"
#include "FakeTransmitter.h"

#include "platform/Wait.h"

#include <QElapsedTimer>
#include <QTest>

using platform::waitUntil;

namespace {

constexpr int kLimitMs = ChunkClient::kLimitMs;

} // namespace

class FakeTransmitterTest : public QObject {
    Q_OBJECT

private slots:
    void splitsRequestsAtTheirTags_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QList<QByteArray>>("requests");
        QTest::newRow("one") << QByteArray("/FileList/") << QList<QByteArray>{"/FileList/"};
        QTest::newRow("speed then file") << QByteArray("/Cable//VF/Liftoff Replay.avi")
                                         << QList<QByteArray>{"/Cable/", "/VF/Liftoff Replay.avi"};
        QTest::newRow("file then stop") << QByteArray("/VF/a.avi/Stop/") << QList<QByteArray>{"/VF/a.avi", "/Stop/"};
        QTest::newRow("two files") << QByteArray("/VF/a/VF/b") << QList<QByteArray>{"/VF/a", "/VF/b"};
        QTest::newRow("text before a tag") << QByteArray("hello/Modem/") << QList<QByteArray>{"hello", "/Modem/"};
        QTest::newRow("no tag") << QByteArray("hello") << QList<QByteArray>{"hello"};
        QTest::newRow("empty file name") << QByteArray("/VF/") << QList<QByteArray>{"/VF/"};
        QTest::newRow("nothing") << QByteArray() << QList<QByteArray>{};
    }

    void splitsRequestsAtTheirTags()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QList<QByteArray>, requests);
        QCOMPARE(FakeTransmitter::splitRequests(bytes), requests);
    }

    void answersAsASiteAndRecordsRequestsInOrder()
    {
        FakeTransmitter transmitter;
        QVERIFY(transmitter.listen());
        transmitter.setFiles({"Countdown.avi", "Liftoff Replay.avi"});

        ChunkClient client(transmitter.port());
        QVERIFY(client.connected());
        client.send("/FileList/");
        QVERIFY(waitUntil([&] { return client.chunks.size() == 1; }, kLimitMs));
        QCOMPARE(client.all(), QByteArray("Countdown.avi/Liftoff Replay.avi/"));

        client.chunks.clear();
        client.send("/Modem/"); // sent right after each other, as a file choice does
        client.send("/VF/Liftoff Replay.avi");
        QVERIFY(waitUntil([&] { return client.all() == "/Encoding/"; }, kLimitMs));
        client.chunks.clear();
        client.send("/Stop/");
        QVERIFY(waitUntil([&] { return client.all() == "/StopTransmitter/"; }, kLimitMs));

        QCOMPARE(transmitter.requestTexts(),
                 QList<QByteArray>({"/FileList/", "/Modem/", "/VF/Liftoff Replay.avi", "/Stop/"}));
        QCOMPARE(transmitter.connections().size(), 1);
        for (const FakeTransmitter::Request& request : transmitter.requests())
            QCOMPARE(request.connection, 0);
        client.socket.disconnectFromHost();
        QVERIFY(waitUntil([&] { return transmitter.connections()[0].endedByClient; }, kLimitMs));
    }

    void scriptedRepliesArriveInPiecesAndLate()
    {
        FakeTransmitter transmitter;
        QVERIFY(transmitter.listen());
        transmitter.script("/FileList/", FakeTransmitter::Reply::inPieces({"a/b/", "c/"}));
        transmitter.script("/VF/", FakeTransmitter::Reply::text("/Failed Encoding/", 300));
        transmitter.script("/VF/last", FakeTransmitter::Reply::text("/Encoding/").closing());

        ChunkClient client(transmitter.port());
        QVERIFY(client.connected());
        client.send("/FileList/");
        QVERIFY(waitUntil([&] { return client.chunks.size() == 2; }, kLimitMs));
        QCOMPARE(client.chunks, QList<QByteArray>({"a/b/", "c/"}));

        client.chunks.clear();
        QElapsedTimer clock;
        clock.start();
        client.send("/VF/a");
        QVERIFY(waitUntil([&] { return !client.chunks.isEmpty(); }, kLimitMs));
        QVERIFY(clock.elapsed() >= 250);
        QCOMPARE(client.all(), QByteArray("/Failed Encoding/"));

        client.chunks.clear();
        client.send("/VF/last one"); // the longest matching prefix wins
        QVERIFY(waitUntil([&] { return client.ended; }, kLimitMs));
        QCOMPARE(client.all(), QByteArray("/Encoding/"));
        QVERIFY(transmitter.connections()[0].endedByFake);
    }

    void staysSilentClosesAtOnceOrRefuses()
    {
        FakeTransmitter transmitter;
        QVERIFY(transmitter.listen());
        transmitter.setFiles({"a"});
        transmitter.setSilent(true);
        ChunkClient unanswered(transmitter.port());
        QVERIFY(unanswered.connected());
        unanswered.send("/FileList/");
        QVERIFY(waitUntil([&] { return transmitter.requests().size() == 1; }, kLimitMs));
        QTest::qWait(200);
        QVERIFY(unanswered.chunks.isEmpty());
        QVERIFY(!unanswered.ended);

        transmitter.setSilent(false);
        transmitter.setCloseOnAccept(true);
        ChunkClient closed(transmitter.port());
        QVERIFY(waitUntil([&] { return closed.ended; }, kLimitMs));
        QVERIFY(transmitter.connections()[1].endedByFake);

        // The site goes off line: the open connection ends, new ones are refused.
        transmitter.closeConnection(0);
        QVERIFY(waitUntil([&] { return unanswered.ended; }, kLimitMs));
        QVERIFY(!transmitter.sendUnsolicited(0, "gone"));
        const quint16 port = transmitter.port();
        transmitter.stopListening();
        ChunkClient refused(port);
        QVERIFY(!refused.connected());
        QCOMPARE(refused.socket.error(), QAbstractSocket::ConnectionRefusedError);
    }
};

QTEST_MAIN(FakeTransmitterTest)
#include "test_fake_transmitter.moc"
