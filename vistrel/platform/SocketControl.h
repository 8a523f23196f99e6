#pragma once
// A TCP socket as the windows use it: properties for the remote end and the local
// port, a numbered state, and events that the handlers of the window receive.
//
// Every event comes from the event loop, in the order its cause happened, never from
// inside a call on the control or from inside another event's handler; so a handler
// may close, connect again or wait. Each connect and each accept runs on a socket of
// its own: events that were still on their way from an earlier connection are dropped.
//
// The events, as signals:
//   stateChanged(state)          the connection moved on by itself: connecting (6),
//                                connected (7), peer closing (8) or failed (9); the
//                                states the calls set (connectToHost's 4, listen,
//                                accept, close) raise nothing
//   connected()                  the connect has succeeded (not raised by accept)
//   dataArrival(bytesTotal)      bytes are waiting for readAll
//   sendComplete()               every byte handed to send has been written
//   peerClosed()                 the peer ended the connection (state 8)
//   socketError(number, text)    the connection failed (state 9)
//   connectionRequest(id)        a peer connects to the listening socket
//
// Operations that can fail return a Result instead of raising anything; a caller that
// only cares whether it worked tests ok().
#include <QAbstractSocket>
#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>

class QTcpServer;
class QTcpSocket;

namespace platform {

class SocketControl : public QObject {
    Q_OBJECT
public:
    // The states that state() gives; status texts and logs show them by these numbers.
    enum class State {
        Closed = 0,
        Open = 1,
        Listening = 2,
        ConnectionPending = 3,
        ResolvingHost = 4,
        HostResolved = 5,
        Connecting = 6,
        Connected = 7,
        PeerClosing = 8,
        Error = 9,
    };
    Q_ENUM(State)

    // The operation is not allowed in the current state: connecting, listening,
    // accepting or changing the address while a connection or a listener is open.
    static constexpr int kInvalidOperation = 40020;
    // The operation needs a connection and there is none (send).
    static constexpr int kNotConnected = 40006;
    // A port outside 0 to 65535.
    static constexpr int kInvalidPort = 380;

    struct Result {
        int number = 0; // 0: the operation succeeded
        QString description;
        bool ok() const { return number == 0; }
    };

    explicit SocketControl(QObject* parent = nullptr);
    ~SocketControl() override;

    // The address can only change while the socket is closed or failed.
    QString remoteHost() const { return remoteHost_; }
    Result setRemoteHost(const QString& host);
    int remotePort() const { return remotePort_; }
    Result setRemotePort(int port);
    // The port that listen binds (0: one the system chooses). While listening or
    // connected it gives the port in use.
    int localPort() const;
    Result setLocalPort(int port);
    // The peer's numeric address while a connection exists, else empty.
    QString remoteAddress() const;
    State state() const { return state_; }
    // Changes with every connection and listener the control starts, takes over or
    // ends (connectToHost, accept, listen, close): one of several users of a control tells by
    // it whether the control still carries the connection it made.
    quint64 connectionNumber() const { return generation_; }

    // Connects to remoteHost and remotePort; allowed in state 0 (closed) and 9 (error).
    Result connectToHost();
    Result connectToHost(const QString& host, int port);
    // Queues the bytes for sending; sendComplete follows once all are written.
    Result send(const QByteArray& data);
    // Takes every byte received and not yet taken (empty if there is none).
    QByteArray readAll();
    // At most this many received bytes are held until readAll takes them (0: no limit,
    // the start); the connection reads no more from the network meanwhile, so a peer
    // that sends more waits. The bytes held back come in later dataArrival events, and
    // peerClosed only after the last of them. Applies from the next connection on.
    void setReceiveLimit(qint64 bytes) { receiveLimit_ = bytes; }
    // Ends the connection or the listener and returns to state 0 without raising an
    // event. Bytes already queued by send still reach the peer.
    void close();
    // Listens on localPort on every address of the machine.
    Result listen();
    // Takes over the connection of a connectionRequest event, from this or another
    // control, while its handler runs; a request that no handler accepts is refused.
    Result accept(int requestId);

signals:
    void stateChanged(platform::SocketControl::State state);
    void connected();
    void dataArrival(qint64 bytesTotal);
    void sendComplete();
    void peerClosed();
    void socketError(int number, const QString& description);
    void connectionRequest(int requestId);

private:
    bool inUse() const;
    Result refuseUnlessFree() const;
    void attach(QTcpSocket* socket);
    void releaseConnection();
    void closeListener();
    // Delivers an event from the event loop, unless the connection it belongs to has
    // been closed or replaced by then.
    void post(std::function<void()> event);
    void deliverDataArrival();
    void deliverConnectionRequest(int requestId, quint64 generation);
    // Sets a state the connection reached by itself and raises stateChanged for it.
    void moveTo(State state);

    void onSocketStateChanged(QAbstractSocket::SocketState state);
    void onReadyRead();
    void onBytesWritten();
    void onDisconnected();
    void onSocketError(QAbstractSocket::SocketError error);
    void onNewConnection();

    QString remoteHost_;
    int remotePort_ = 0;
    int localPort_ = 0;
    State state_ = State::Closed;
    QTcpSocket* socket_ = nullptr;
    QTcpServer* server_ = nullptr;
    QByteArray received_;
    qint64 receiveLimit_ = 0;
    bool peerClosedHeldBack_ = false; // the peer has closed; bytes held back still to come
    quint64 generation_ = 0;          // counts connections and listeners, to drop late events
};

} // namespace platform
