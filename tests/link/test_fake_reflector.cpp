// The fake reflector itself, seen from a plain client socket: what it records, and
// that its replies arrive split, joined, enciphered, late, never or not at all as a
// test asks. The product's own socket is tested against it elsewhere.
#include "ChunkClient.h"
#include "FakeReflector.h"

#include "common/Lexmara.h"
#include "platform/Wait.h"

#include <QElapsedTimer>
#include <QTest>

using platform::waitUntil;

namespace {

constexpr int kLimitMs = 5000;

using Client = ChunkClient;

} // namespace

class FakeReflectorTest : public QObject {
    Q_OBJECT

private slots:
    void recordsConnectionsAndRequestsAndAnswersByLongestPrefix()
    {
        FakeReflector reflector;
        QVERIFY(reflector.listen());
        reflector.script("/SumReq", FakeReflector::Reply::text("short"));
        reflector.script("/SumReqText/", FakeReflector::Reply::text("long"));

        Client first(reflector.port());
        QVERIFY(first.connected());
        first.socket.write("/SumReqText/");
        first.socket.flush();
        first.socket.write("cats"); // a request sent in two writes is still one request
        QVERIFY(waitUntil([&] { return !first.chunks.isEmpty(); }, kLimitMs));
        Client second(reflector.port());
        QVERIFY(second.connected());
        second.socket.write("/SumReq/dogs");
        QVERIFY(waitUntil([&] { return !second.chunks.isEmpty(); }, kLimitMs));
        Client third(reflector.port());
        QVERIFY(third.connected());
        third.socket.write("Technology,unscripted");
        third.socket.disconnectFromHost();
        QVERIFY(waitUntil([&] { return reflector.requests().size() == 3; }, kLimitMs));

        QCOMPARE(first.all(), QByteArray("long"));
        QCOMPARE(second.all(), QByteArray("short"));
        QCOMPARE(reflector.requestTexts(),
                 QList<QByteArray>({"/SumReqText/cats", "/SumReq/dogs", "Technology,unscripted"}));
        QCOMPARE(reflector.connections().size(), 3);
        QCOMPARE(reflector.requests()[2].connection, 2);
        QVERIFY(waitUntil([&] { return reflector.connections()[2].endedByClient; }, kLimitMs));
        QVERIFY(third.chunks.isEmpty()); // nothing scripted: silence
    }

    void repliesServeRequestsInTurn()
    {
        FakeReflector reflector;
        QVERIFY(reflector.listen());
        reflector.script(
            "/Login/",
            {FakeReflector::Reply::text("/Login Failed/"), FakeReflector::Reply::text("/Login Successful/,7\\")});
        QList<QByteArray> answers;
        for (int i = 0; i < 3; ++i) {
            Client client(reflector.port());
            QVERIFY(client.connected());
            client.socket.write("/Login/1,a,b");
            QVERIFY(waitUntil([&] { return !client.chunks.isEmpty(); }, kLimitMs));
            answers.append(client.all());
        }
        QCOMPARE(answers, QList<QByteArray>({"/Login Failed/", "/Login Successful/,7\\", "/Login Successful/,7\\"}));
    }

    void splitJoinedDelayedAndClosingReplies()
    {
        FakeReflector reflector;
        QVERIFY(reflector.listen());
        reflector.script("split", FakeReflector::Reply::text("/WC/abc/EndTran/").splitAt({1, 7}));
        reflector.script("joined", FakeReflector::Reply::joined({"/Count/,5", "/IP/1.2.3.4"}).closing());
        reflector.script("late", FakeReflector::Reply::text("late", 300));

        Client split(reflector.port());
        QVERIFY(split.connected());
        split.socket.write("split");
        QVERIFY(waitUntil([&] { return split.all().size() == 16; }, kLimitMs));
        QCOMPARE(split.chunks, QList<QByteArray>({"/", "WC/abc", "/EndTran/"}));

        Client joined(reflector.port());
        QVERIFY(joined.connected());
        joined.socket.write("joined");
        QVERIFY(waitUntil([&] { return joined.ended; }, kLimitMs));
        QCOMPARE(joined.chunks, QList<QByteArray>({"/Count/,5/IP/1.2.3.4"}));
        QVERIFY(reflector.connections()[1].endedByFake);

        Client late(reflector.port());
        QVERIFY(late.connected());
        late.socket.write("late");
        QElapsedTimer clock;
        clock.start();
        QVERIFY(waitUntil([&] { return !late.chunks.isEmpty(); }, kLimitMs));
        QVERIFY(clock.elapsed() >= 250);
    }

    void enciphersEachWriteAndDeciphersRequests()
    {
        FakeReflector reflector;
        QVERIFY(reflector.listen());
        reflector.setEnciphered(true);
        reflector.script("/Login/", FakeReflector::Reply::text("/Login Successful/,12\\").splitAt({5}));
        const QByteArray key = "Quorvantel";
        const QByteArray login = gLexmara.StringEncrypt("/Login/1,name,pw,", key);

        Client client(reflector.port());
        QVERIFY(client.connected());
        client.socket.write(login);
        QVERIFY(waitUntil([&] { return client.chunks.size() == 2; }, kLimitMs));

        QCOMPARE(reflector.requests()[0].received, login);
        QCOMPARE(reflector.requests()[0].text, QByteArray("/Login/1,name,pw,"));
        QCOMPARE(client.chunks[0], gLexmara.StringEncrypt("/Logi", key));
        QCOMPARE(gLexmara.StringDecrypt(client.chunks[1], key), QByteArray("n Successful/,12\\"));
    }

    void closesAtOnceAndSendsUnasked()
    {
        FakeReflector reflector;
        QVERIFY(reflector.listen());
        reflector.setCloseOnAccept(true);
        Client refused(reflector.port());
        QVERIFY(waitUntil([&] { return refused.ended; }, kLimitMs));
        QVERIFY(reflector.connections()[0].endedByFake);

        reflector.setCloseOnAccept(false);
        reflector.script("/Login/", FakeReflector::Reply::text("ok").greetingNextConnection("/IP/10.0.0.9"));
        Client login(reflector.port());
        QVERIFY(login.connected());
        login.socket.write("/Login/x");
        QVERIFY(waitUntil([&] { return !login.chunks.isEmpty(); }, kLimitMs));
        QVERIFY(reflector.sendUnsolicited(1, "/Adver/http://a"));
        QVERIFY(waitUntil([&] { return login.all() == "ok/Adver/http://a"; }, kLimitMs));

        Client later(reflector.port());
        QVERIFY(waitUntil([&] { return !later.chunks.isEmpty(); }, kLimitMs));
        QCOMPARE(later.all(), QByteArray("/IP/10.0.0.9"));
        QVERIFY(!reflector.sendUnsolicited(0, "gone"));
    }
};

QTEST_MAIN(FakeReflectorTest)
#include "test_fake_reflector.moc"
