#pragma once
// A TCP socket as the windows use it: properties for the remote end and the local
// port, a numbered state that waits can poll, and events that the handlers of the
// window receive.
//
// Every event comes from the event loop, in the order its cause happened, never from
// inside a call on the control or from inside another event's handler; so a handler
// may close, connect again or wait. Each connect and each accept runs on a socket of
// its own: events that were still on their way from an earlier connection are dropped.
//
// The events, as signals:
//   stateChanged(state)          a connect went on to resolving, connecting or connected
//                                (the end of a connection comes as peerClosed or socketError)
//   connected()                  the connect has succeeded (not raised by Accept)
//   dataArrival(bytesTotal)      bytes are waiting for GetData
//   sendComplete()               every byte handed to SendData has been written
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
    // The numbers that State() gives.
    enum SocketState {
        StateClosed = 0,
        StateOpen = 1,
        StateListening = 2,
        StateConnectionPending = 3,
        StateResolvingHost = 4,
        StateHostResolved = 5,
        StateConnecting = 6,
        StateConnected = 7,
        StatePeerClosing = 8,
        StateError = 9,
    };

    // The operation is not allowed in the current state: connecting, listening,
    // accepting or changing the address while a connection or a listener is open.
    static constexpr int kInvalidOperation = 40020;
    // The operation needs a connection and there is none (SendData).
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
    QString RemoteHost() const { return remoteHost_; }
    Result setRemoteHost(const QString& host);
    int RemotePort() const { return remotePort_; }
    Result setRemotePort(int port);
    // The port that Listen binds (0: one the system chooses). While listening or
    // connected it gives the port in use.
    int LocalPort() const;
    Result setLocalPort(int port);
    // The peer's numeric address while a connection exists, else empty.
    QString RemoteHostIP() const;
    int State() const { return state_; }

    // Connects to RemoteHost and RemotePort; allowed in state 0 (closed) and 9 (error).
    Result Connect();
    Result Connect(const QString& host, int port);
    // Queues the bytes for sending; sendComplete follows once all are written.
    Result SendData(const QByteArray& data);
    // Takes every byte received and not yet taken (empty if there is none).
    QByteArray GetData();
    // At most this many received bytes are held until GetData takes them (0: no limit,
    // the start); the connection reads no more from the network meanwhile, so a peer
    // that sends more waits. The bytes held back come in later dataArrival events, and
    // peerClosed only after the last of them. Applies from the next connection on.
    void setReceiveLimit(qint64 bytes) { receiveLimit_ = bytes; }
    // Ends the connection or the listener and returns to state 0 without raising an
    // event. Bytes already queued by SendData still reach the peer.
    void Close();
    // Listens on LocalPort on every address of the machine.
    Result Listen();
    // Takes over the connection of a connectionRequest event, from this or another
    // control, while its handler runs; a request that no handler accepts is refused.
    Result Accept(int requestId);

signals:
    void stateChanged(int state);
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

    void onSocketStateChanged(QAbstractSocket::SocketState state);
    void onReadyRead();
    void onBytesWritten();
    void onDisconnected();
    void onSocketError(QAbstractSocket::SocketError error);
    void onNewConnection();

    QString remoteHost_;
    int remotePort_ = 0;
    int localPort_ = 0;
    int state_ = StateClosed;
    QTcpSocket* socket_ = nullptr;
    QTcpServer* server_ = nullptr;
    QByteArray received_;
    qint64 receiveLimit_ = 0;
    bool peerClosedHeldBack_ = false; // the peer has closed; bytes held back still to come
    quint64 generation_ = 0;          // counts connections and listeners, to drop late events
};

} // namespace platform
