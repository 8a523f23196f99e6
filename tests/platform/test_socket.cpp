#include "RefusingPort.h"
#include "platform/OneShotTimer.h"
#include "platform/SocketControl.h"
#include "platform/Wait.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <functional>

using namespace platform;

namespace {

const QString kLoopback = QStringLiteral("127.0.0.1");
constexpr int kLimitMs = 5000;

// The far end of the connections under test: a listener on 127.0.0.1 that keeps
// every accepted connection and what it has sent. onAccept and onData, when set,
// answer for it.
class Peer : public QObject {
public:
    Peer()
    {
        if (!server_.listen(QHostAddress::LocalHost))
            qFatal("Peer cannot listen");
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* connection = server_.nextPendingConnection()) {
                connections.append(connection);
                connect(connection, &QTcpSocket::readyRead, this, [this, connection] {
                    received += connection->readAll();
                    if (onData)
                        onData(connection);
                });
                connect(connection, &QTcpSocket::disconnected, this, [this] { ++ended; });
                if (onAccept)
                    onAccept(connection);
            }
        });
    }

    quint16 port() const { return server_.serverPort(); }

    std::function<void(QTcpSocket*)> onAccept;
    std::function<void(QTcpSocket*)> onData;
    QList<QTcpSocket*> connections;
    QByteArray received;
    int ended = 0;

private:
    QTcpServer server_;
};

// The names of a control's events in the order they came.
class EventLog : public QObject {
public:
    explicit EventLog(SocketControl& socket)
    {
        connect(&socket, &SocketControl::connected, this, [this] { events << "connected"; });
        connect(&socket, &SocketControl::dataArrival, this, [this](qint64 bytes) {
            events << "dataArrival";
            lastBytesTotal = bytes;
        });
        connect(&socket, &SocketControl::sendComplete, this, [this] { events << "sendComplete"; });
        connect(&socket, &SocketControl::peerClosed, this, [this] { events << "peerClosed"; });
        connect(&socket, &SocketControl::socketError, this, [this](int number, const QString& description) {
            events << "socketError";
            errorNumber = number;
            errorDescription = description;
        });
    }

    bool has(const char* event) const { return events.contains(QLatin1String(event)); }

    QStringList events;
    qint64 lastBytesTotal = 0;
    int errorNumber = 0;
    QString errorDescription;
};

bool connectAndWait(SocketControl& socket, quint16 port)
{
    return socket.connectToHost(kLoopback, port).ok()
        && waitUntil([&socket] { return socket.state() == SocketControl::State::Connected; }, kLimitMs);
}

} // namespace

class SocketControlTest : public QObject {
    Q_OBJECT

private slots:
    // One request as the program makes it: connect, send, the reply, the peer closes.
    void eventOrderOfARequest()
    {
        Peer peer;
        peer.onData = [&peer](QTcpSocket* connection) {
            if (peer.received == "request") {
                connection->write("reply");
                connection->disconnectFromHost();
            }
        };
        SocketControl socket;
        EventLog log(socket);
        QByteArray reply;
        connect(&socket, &SocketControl::dataArrival, this, [&] { reply += socket.readAll(); });

        QVERIFY(socket.connectToHost(kLoopback, peer.port()).ok());
        QVERIFY(socket.state() >= SocketControl::State::ResolvingHost
                && socket.state() <= SocketControl::State::Connected);
        QVERIFY(waitUntil([&] { return log.has("connected"); }, kLimitMs));
        QCOMPARE(socket.state(), SocketControl::State::Connected);
        QCOMPARE(socket.remoteAddress(), kLoopback);

        QVERIFY(socket.send("request").ok());
        QCOMPARE(log.events.size(), 1); // nothing is raised from inside the call
        QVERIFY(waitUntil([&] { return log.has("peerClosed"); }, kLimitMs));

        QCOMPARE(log.events, QStringList({"connected", "sendComplete", "dataArrival", "peerClosed"}));
        QCOMPARE(log.lastBytesTotal, 5);
        QCOMPARE(reply, QByteArray("reply"));
        QCOMPARE(socket.state(), SocketControl::State::PeerClosing);
        socket.close();
        QCOMPARE(socket.state(), SocketControl::State::Closed);
    }

    void stateEventsOfAConnection_data()
    {
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QList<int>>("states");
        QTest::newRow("ended by the peer") << false << QList<int>{6, 7, 8};
        QTest::newRow("refused") << true << QList<int>{6, 9};
    }

    // The states a connection reaches by itself come as events, in order; the calls'
    // own states raise none. Its number stays until a call starts or ends a connection.
    void stateEventsOfAConnection()
    {
        QFETCH(bool, refused);
        QFETCH(QList<int>, states);
        Peer peer;
        peer.onAccept = [](QTcpSocket* connection) { connection->disconnectFromHost(); };
        RefusingPort refusing;
        SocketControl socket;
        QList<int> seen;
        connect(&socket, &SocketControl::stateChanged, this,
                [&seen](SocketControl::State state) { seen << int(state); });

        const quint64 before = socket.connectionNumber();
        QVERIFY(socket.connectToHost(kLoopback, refused ? refusing.port() : peer.port()).ok());
        const quint64 connection = socket.connectionNumber();
        QVERIFY(connection != before);
        QVERIFY(seen.isEmpty()); // nothing is raised from inside the call
        QVERIFY(waitUntil([&] { return seen.size() >= states.size(); }, kLimitMs));
        waitUntil([] { return false; }, 50);
        QCOMPARE(seen, states);
        QCOMPARE(socket.connectionNumber(), connection);

        socket.close();
        QVERIFY(socket.connectionNumber() != connection);
        QVERIFY(socket.listen().ok());
        waitUntil([] { return false; }, 50);
        QCOMPARE(seen, states);
    }

    void operationsRefusedWhileInUse_data()
    {
        QTest::addColumn<SocketControl::State>("state");
        QTest::newRow("connecting") << SocketControl::State::Connecting;
        QTest::newRow("connected") << SocketControl::State::Connected;
        QTest::newRow("peer closing") << SocketControl::State::PeerClosing;
        QTest::newRow("listening") << SocketControl::State::Listening;
    }

    void operationsRefusedWhileInUse()
    {
        QFETCH(SocketControl::State, state);
        Peer peer;
        peer.onAccept = [state](QTcpSocket* connection) {
            if (state == SocketControl::State::PeerClosing)
                connection->disconnectFromHost();
        };
        SocketControl socket;
        if (state == SocketControl::State::Listening) {
            QVERIFY(socket.listen().ok());
        } else {
            QVERIFY(socket.connectToHost(kLoopback, peer.port()).ok());
            if (state != SocketControl::State::Connecting)
                QVERIFY(waitUntil([&] { return socket.state() == state; }, kLimitMs));
        }
        QCOMPARE(socket.state(), state);

        QCOMPARE(socket.connectToHost(kLoopback, peer.port()).number, SocketControl::kInvalidOperation);
        QCOMPARE(socket.connectToHost().number, SocketControl::kInvalidOperation);
        QCOMPARE(socket.setRemoteHost(QStringLiteral("localhost")).number, SocketControl::kInvalidOperation);
        QCOMPARE(socket.listen().number, SocketControl::kInvalidOperation);
        QCOMPARE(socket.state(), state);

        // What the program does on 40020: close and try again.
        socket.close();
        QVERIFY(connectAndWait(socket, peer.port()));
    }

    // A local close ends the connection quietly, but only after the peer has every byte.
    void localCloseDeliversQueuedBytesWithoutEvents()
    {
        Peer peer;
        SocketControl socket;
        EventLog log(socket);
        QVERIFY(connectAndWait(socket, peer.port()));
        QVERIFY(waitUntil([&] { return log.has("connected"); }, kLimitMs));

        QByteArray payload(8 * 1024 * 1024, '\0');
        for (int i = 0; i < payload.size(); ++i)
            payload[i] = char(i * 7 + i / 4096);
        QVERIFY(socket.send(payload).ok());
        socket.close();
        QCOMPARE(socket.state(), SocketControl::State::Closed);

        QVERIFY(waitUntil([&] { return peer.ended == 1; }, 20000));
        QCOMPARE(peer.received.size(), payload.size());
        QVERIFY(peer.received == payload);
        waitUntil([] { return false; }, 50);
        QCOMPARE(log.events, QStringList({"connected"}));
        QCOMPARE(socket.state(), SocketControl::State::Closed);
    }

    void refusedConnectLeavesTheErrorState()
    {
        RefusingPort refusing;
        SocketControl socket;
        EventLog log(socket);
        QVERIFY(socket.connectToHost(kLoopback, refusing.port()).ok());
        QVERIFY(waitUntil([&] { return log.has("socketError"); }, kLimitMs));
        QCOMPARE(socket.state(), SocketControl::State::Error);
        QCOMPARE(log.events, QStringList({"socketError"}));
        QVERIFY(log.errorNumber != 0 && log.errorNumber != SocketControl::kInvalidOperation);
        QVERIFY(!log.errorDescription.isEmpty());
        QCOMPARE(socket.send("lost").number, SocketControl::kNotConnected);
        waitUntil([] { return false; }, 50);
        QCOMPARE(socket.state(), SocketControl::State::Error); // until close or connectToHost

        // The next connect starts afresh from the error state.
        Peer peer;
        QVERIFY(connectAndWait(socket, peer.port()));
        QVERIFY(waitUntil([&] { return log.has("connected"); }, kLimitMs));
        QCOMPARE(log.events, QStringList({"socketError", "connected"}));
    }

    // Events of an old connection that are on their way when it is replaced (its bytes
    // and its end) never reach the new one, neither as events nor in readAll.
    void lateEventsOfAnOldConnectionAreDropped()
    {
        Peer oldPeer;
        oldPeer.onAccept = [](QTcpSocket* connection) {
            connection->write("old");
            connection->disconnectFromHost();
        };
        Peer newPeer;
        newPeer.onAccept = [](QTcpSocket* connection) { connection->write("new"); };
        SocketControl socket;
        EventLog log(socket);
        QByteArray seen;
        connect(&socket, &SocketControl::dataArrival, this, [&] { seen += socket.readAll(); });
        QVERIFY(socket.connectToHost(kLoopback, oldPeer.port()).ok());

        // Runs right after the control has taken in the old connection's end, before
        // the events for it are delivered.
        auto* oldConnection = socket.findChild<QTcpSocket*>();
        QVERIFY(oldConnection);
        bool replaced = false;
        connect(oldConnection, &QTcpSocket::disconnected, this, [&] {
            replaced = true;
            seen.clear(); // the old bytes may have been delivered already, and rightly so
            socket.close();
            QVERIFY(socket.connectToHost(kLoopback, newPeer.port()).ok());
        });

        QVERIFY(waitUntil([&] { return replaced && !seen.isEmpty(); }, kLimitMs));
        QCOMPARE(seen, QByteArray("new"));
        QVERIFY(!log.has("peerClosed"));
        QCOMPARE(socket.state(), SocketControl::State::Connected);
        QCOMPARE(socket.remotePort(), int(newPeer.port()));
    }

    // While one handler waits for data on a connection, another handler (a timer's
    // tick) closes the socket, connects it elsewhere and waits itself; the first wait
    // resumes when the second has ended.
    void connectDuringAnotherHandlersWait()
    {
        Peer silentPeer;
        Peer newPeer;
        newPeer.onAccept = [](QTcpSocket* connection) { connection->write("new"); };
        SocketControl socket;
        EventLog log(socket);
        QByteArray seen;
        connect(&socket, &SocketControl::dataArrival, this, [&] { seen += socket.readAll(); });

        OneShotTimer picker;
        bool secondWaitHeld = false;
        bool secondWaitEnded = false;
        connect(&picker, &Timer::tick, this, [&] {
            socket.close();
            secondWaitHeld = socket.connectToHost(kLoopback, newPeer.port()).ok()
                && waitUntil([&] { return socket.state() == SocketControl::State::Connected && !seen.isEmpty(); },
                             kLimitMs);
            secondWaitEnded = true;
        });

        QVERIFY(connectAndWait(socket, silentPeer.port()));
        picker.setEnabled(true);
        picker.setInterval(50);
        const bool firstWaitHeld = waitUntil([&] { return !seen.isEmpty(); }, kLimitMs);

        QVERIFY(secondWaitEnded);
        QVERIFY(secondWaitHeld);
        QVERIFY(firstWaitHeld);
        QCOMPARE(seen, QByteArray("new"));
        QCOMPARE(log.events.count("connected"), 2);
        QVERIFY(!log.has("peerClosed") && !log.has("socketError"));
        QVERIFY(waitUntil([&] { return silentPeer.ended == 1; }, kLimitMs)); // the old connection did end
    }

    // A listening control hands each request to its handler, which closes the listener
    // and accepts the connection on this control or on another one; the handler of the
    // accepted connection's data answers and waits for its send.
    void listenAndAccept_data()
    {
        QTest::addColumn<bool>("onListener");
        QTest::newRow("on the listening control") << true;
        QTest::newRow("on another control") << false;
    }

    void listenAndAccept()
    {
        QFETCH(bool, onListener);
        SocketControl listener;
        SocketControl other;
        SocketControl& acceptor = onListener ? listener : other;
        QVERIFY(listener.setLocalPort(0).ok());
        QVERIFY(listener.listen().ok());
        QCOMPARE(listener.state(), SocketControl::State::Listening);
        const quint16 port = quint16(listener.localPort());
        QVERIFY(port != 0);

        bool accepted = false;
        connect(&listener, &SocketControl::connectionRequest, this, [&](int requestId) {
            listener.close();
            accepted = acceptor.accept(requestId).ok();
        });
        int sendCompletes = 0;
        connect(&acceptor, &SocketControl::sendComplete, this, [&] { ++sendCompletes; });
        QByteArray seen;
        bool answerSent = false;
        connect(&acceptor, &SocketControl::dataArrival, this, [&] {
            seen += acceptor.readAll();
            if (seen == "hello")
                answerSent = acceptor.send("welcome").ok();
        });

        QTcpSocket client;
        QByteArray clientReceived;
        connect(&client, &QTcpSocket::readyRead, this, [&] { clientReceived += client.readAll(); });
        client.connectToHost(QHostAddress::LocalHost, port);
        client.write("hello"); // may arrive before the accept

        QVERIFY(waitUntil([&] { return clientReceived == "welcome"; }, kLimitMs));
        QVERIFY(accepted);
        QVERIFY(answerSent);
        QVERIFY(waitUntil([&] { return sendCompletes == 1; }, kLimitMs));
        QCOMPARE(acceptor.state(), SocketControl::State::Connected);
        QCOMPARE(acceptor.remoteAddress(), kLoopback);
        QCOMPARE(listener.state(), onListener ? SocketControl::State::Connected : SocketControl::State::Closed);

        // Nothing listens while the accepted connection lasts.
        QTcpSocket second;
        bool refused = false;
        connect(&second, &QTcpSocket::errorOccurred, this, [&](QAbstractSocket::SocketError error) {
            refused = error == QAbstractSocket::ConnectionRefusedError;
        });
        second.connectToHost(QHostAddress::LocalHost, port);
        QVERIFY(waitUntil([&] { return refused; }, kLimitMs));

        client.disconnectFromHost();
        QVERIFY(waitUntil([&] { return acceptor.state() == SocketControl::State::PeerClosing; }, kLimitMs));
    }

    // With a receive limit the control never holds more than the limit of bytes not yet
    // taken, even when its handler takes nothing for a while; the rest waits on the
    // network. Every byte still comes, in order, and the peer's close after the last.
    void aReceiveLimitBoundsWhatIsHeld()
    {
        constexpr qint64 kLimit = 64 * 1024;
        QByteArray sent;
        for (int i = 0; sent.size() < 2 * 1024 * 1024; ++i)
            sent += QByteArray::number(i) + ',';
        Peer peer;
        QTcpSocket* sender = nullptr;
        peer.onAccept = [&](QTcpSocket* connection) {
            sender = connection;
            connection->write(sent);
            connection->disconnectFromHost();
        };
        SocketControl socket;
        socket.setReceiveLimit(kLimit);
        EventLog log(socket);
        bool taking = false;
        QByteArray received;
        qint64 largestTake = 0;
        connect(&socket, &SocketControl::dataArrival, this, [&] {
            if (!taking)
                return;
            const QByteArray chunk = socket.readAll();
            largestTake = std::max(largestTake, chunk.size());
            received += chunk;
        });

        QVERIFY(socket.connectToHost(kLoopback, peer.port()).ok());
        QVERIFY(waitUntil([&] { return log.has("dataArrival"); }, kLimitMs));
        QTest::qWait(200); // the peer goes on writing while nothing is taken
        QVERIFY(sender);
        const QByteArray first = socket.readAll();
        QVERIFY2(first.size() <= kLimit, qPrintable(QString::number(first.size())));
        received += first;
        taking = true;
        QVERIFY(waitUntil([&] { return log.has("peerClosed"); }, kLimitMs));

        QVERIFY2(largestTake <= kLimit, qPrintable(QString::number(largestTake)));
        QCOMPARE(received.size(), sent.size());
        QVERIFY(received == sent);
        QCOMPARE(log.events.last(), QStringLiteral("peerClosed"));
    }

    void unacceptedRequestIsRefused()
    {
        SocketControl listener;
        QVERIFY(listener.listen().ok());
        int requests = 0;
        connect(&listener, &SocketControl::connectionRequest, this, [&] { ++requests; });

        QTcpSocket client;
        bool ended = false;
        connect(&client, &QTcpSocket::disconnected, this, [&] { ended = true; });
        client.connectToHost(QHostAddress::LocalHost, quint16(listener.localPort()));
        QVERIFY(waitUntil([&] { return ended; }, kLimitMs));
        QCOMPARE(requests, 1);
        QCOMPARE(listener.state(), SocketControl::State::Listening);
    }
};

QTEST_GUILESS_MAIN(SocketControlTest)
#include "test_socket.moc"
