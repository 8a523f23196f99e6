// The fake support peer itself, seen from plain sockets in the program's place: the
// support connection it makes (chunks out, replies in, refused, ended by either side,
// from another loopback address), and the channels and offline message it takes
// (bytes recorded per service, answers sent back, closed at once, refused). The chat
// window is tested against it elsewhere.
#include "ChunkClient.h"
#include "FakeSupportPeer.h"

#include "platform/Wait.h"

#include <QTcpServer>
#include <QTest>

#include <memory>

using platform::waitUntil;
using SupportState = FakeSupportPeer::SupportState;

namespace {

constexpr int kLimitMs = ChunkClient::kLimitMs;

// The program's listener, as a bare server that keeps each chunk of its one peer.
struct ListenerStandIn {
    QTcpServer server;
    std::unique_ptr<QTcpSocket> peer;
    QList<QByteArray> chunks;

    ListenerStandIn()
    {
        server.listen(QHostAddress::LocalHost);
        QObject::connect(&server, &QTcpServer::newConnection, [this] {
            peer.reset(server.nextPendingConnection());
            QObject::connect(peer.get(), &QTcpSocket::readyRead, [this] { chunks.append(peer->readAll()); });
        });
    }
};

} // namespace

class FakeSupportPeerTest : public QObject {
    Q_OBJECT

private slots:
    void sendsChunksToTheProgramAndRecordsItsReplies()
    {
        ListenerStandIn program;
        FakeSupportPeer support;
        support.connectToProgram(program.server.serverPort());
        QVERIFY(support.waitForSupportConnection());
        QVERIFY(waitUntil([&] { return program.peer != nullptr; }, kLimitMs));

        QVERIFY(support.sendToProgram("/IDENT/,Alice,http://127.0.0.1/a.gif"));
        QVERIFY(waitUntil([&] { return program.chunks.size() == 1; }, kLimitMs));
        QVERIFY(support.sendToProgram("Hello there\r\n"));
        QVERIFY(waitUntil([&] { return program.chunks.size() == 2; }, kLimitMs));
        QCOMPARE(program.chunks, QList<QByteArray>({"/IDENT/,Alice,http://127.0.0.1/a.gif", "Hello there\r\n"}));

        program.peer->write("Bob Says > hi\r\n");
        QVERIFY(waitUntil([&] { return support.receivedFromProgram() == "Bob Says > hi\r\n"; }, kLimitMs));

        program.peer->disconnectFromHost();
        QVERIFY(waitUntil([&] { return support.supportState() == SupportState::EndedByProgram; }, kLimitMs));
        QVERIFY(!support.sendToProgram("too late"));
    }

    void isRefusedWhereNothingListensAndEndsOnItsOwn()
    {
        ListenerStandIn program;
        const quint16 port = program.server.serverPort();
        FakeSupportPeer support;
        support.connectToProgram(port);
        QVERIFY(support.waitForSupportConnection());
        QVERIFY(waitUntil([&] { return program.peer != nullptr; }, kLimitMs));
        support.disconnectFromProgram();
        QCOMPARE(support.supportState(), SupportState::EndedByPeer);
        QVERIFY(waitUntil([&] { return program.peer->state() == QAbstractSocket::UnconnectedState; }, kLimitMs));

        program.server.close();
        support.connectToProgram(port);
        QVERIFY(!support.waitForSupportConnection());
        QCOMPARE(support.supportState(), SupportState::Refused);
    }

    void connectsFromTheAddressItIsGiven()
    {
        ListenerStandIn program;
        FakeSupportPeer support;
        support.connectToProgram(program.server.serverPort(), QHostAddress(QStringLiteral("127.0.0.2")));
        QVERIFY(support.waitForSupportConnection());
        QVERIFY(waitUntil([&] { return program.peer != nullptr; }, kLimitMs));
        QCOMPARE(program.peer->peerAddress(), QHostAddress(QStringLiteral("127.0.0.2")));
    }

    void recordsWhatArrivesOnEachServiceAndAnswers()
    {
        FakeSupportPeer support;
        QVERIFY(support.listen());
        QList<quint16> ports;
        for (int n = 1; n <= 4; ++n)
            ports.append(support.port(FakeSupportPeer::channel(n)));
        ports.append(support.port(FakeSupportPeer::OfflineMessage));
        for (quint16 port : ports) {
            QVERIFY(port != 0);
            QCOMPARE(ports.count(port), 1);
        }

        ChunkClient channel3(support.port(FakeSupportPeer::Channel3));
        QVERIFY(channel3.connected());
        channel3.send("Bob Says > hi\r\n");
        ChunkClient message(support.port(FakeSupportPeer::OfflineMessage));
        QVERIFY(message.connected());
        message.send("Bob//42//bob@example.com//Help\r\n");
        QVERIFY(
            waitUntil([&] { return support.receivedOn(FakeSupportPeer::OfflineMessage).endsWith("\r\n"); }, kLimitMs));
        QVERIFY(waitUntil([&] { return support.receivedOn(FakeSupportPeer::Channel3).endsWith("\r\n"); }, kLimitMs));

        QCOMPARE(support.receivedOn(FakeSupportPeer::Channel3), QByteArray("Bob Says > hi\r\n"));
        QCOMPARE(support.receivedOn(FakeSupportPeer::OfflineMessage), QByteArray("Bob//42//bob@example.com//Help\r\n"));
        QVERIFY(support.receivedOn(FakeSupportPeer::Channel1).isEmpty());
        const QList<int> onChannel3 = support.connectionsTo(FakeSupportPeer::Channel3);
        QCOMPARE(onChannel3.size(), 1);

        QVERIFY(support.send(onChannel3[0], "Support Says > hello"));
        QVERIFY(waitUntil([&] { return channel3.all() == "Support Says > hello"; }, kLimitMs));
        channel3.socket.disconnectFromHost();
        QVERIFY(waitUntil([&] { return support.connections()[onChannel3[0]].endedByProgram; }, kLimitMs));
        QVERIFY(!support.send(onChannel3[0], "gone"));
    }

    void closesAtOnceOrRefusesAService()
    {
        FakeSupportPeer support;
        QVERIFY(support.listen());
        support.setCloseOnAccept(true);
        ChunkClient closed(support.port(FakeSupportPeer::Channel1));
        QVERIFY(waitUntil([&] { return closed.ended; }, kLimitMs));
        QVERIFY(support.connections()[0].endedByFake);

        support.setCloseOnAccept(false);
        ChunkClient open(support.port(FakeSupportPeer::Channel2));
        QVERIFY(open.connected());
        QVERIFY(waitUntil([&] { return support.isOpen(1); }, kLimitMs));
        support.closeConnection(1);
        QVERIFY(waitUntil([&] { return open.ended; }, kLimitMs));

        const quint16 port = support.port(FakeSupportPeer::Channel4);
        support.stopListening(FakeSupportPeer::Channel4);
        ChunkClient refused(port);
        QVERIFY(!refused.connected());
        QCOMPARE(refused.socket.error(), QAbstractSocket::ConnectionRefusedError);
    }
};

QTEST_MAIN(FakeSupportPeerTest)
#include "test_fake_support_peer.moc"
