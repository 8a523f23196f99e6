#pragma once
// The support side of the support chat on 127.0.0.1, for the tests. It plays both of
// the support side's parts:
//
// - the support host that connects in to the program's listening port (the support
//   connection): it sends remote commands and chat text there, one chunk a send, and
//   records what the program sends back;
// - the chat server that the program connects out to: the four chat channels and the
//   offline message, each listening on a port of its own (system-chosen in tests),
//   recording every connection and the bytes that arrive on it.
//
// The chat has no framing: the program takes each chunk it reads as one unit. Two sends
// right after each other may arrive as one chunk; a test that needs them apart lets the
// program read the first before it sends the second.
//
//   FakeSupportPeer support;
//   support.listen();                       // then point the program at support.port(...)
//   support.connectToProgram(listenerPort);
//   support.sendToProgram("/IDENT/,Alice,http://127.0.0.1/a.gif");
//   support.receivedOn(FakeSupportPeer::OfflineMessage) == "Bob//42//bob@example.com//Hi\r\n"
#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

#include <array>

class FakeSupportPeer : public QObject {
    Q_OBJECT
public:
    // What the program connects out to. The numbers match the chat channels 1 to 4.
    enum Service { Channel1 = 1, Channel2, Channel3, Channel4, OfflineMessage };
    static Service channel(int number) { return Service(number); } // 1 to 4

    struct Connection {
        Service service = Channel1;
        QByteArray received; // every byte that came, in order
        bool endedByProgram = false;
        bool endedByFake = false;
    };

    // The support connection into the program, as the support host sees it.
    enum class SupportState {
        NotConnected,
        Connecting,
        Connected,
        Refused,        // the connect failed: nothing listens there, or the program refused it
        EndedByProgram, // the program closed it after it was up
        EndedByPeer,    // disconnectFromProgram()
    };

    explicit FakeSupportPeer(QObject* parent = nullptr);
    ~FakeSupportPeer() override;

    // --- The support connection ---

    // Starts connecting to the program's listener on 127.0.0.1:port, from the local
    // address from (another loopback address such as 127.0.0.2 lets a test show a
    // peer the program must refuse). Any earlier support connection is dropped first.
    // A firstChunk goes out the moment the connection is up, before the program has
    // even taken it, as from a peer that does not wait to be accepted.
    void connectToProgram(quint16 port, const QHostAddress& from = QHostAddress(QHostAddress::LocalHost),
                          const QByteArray& firstChunk = {});
    SupportState supportState() const { return supportState_; }
    // Waits (running the event loop) until the connect has succeeded or failed; true
    // when it is up.
    bool waitForSupportConnection(int limitMs = 5000);
    // One chunk on the support connection, written at once. False when it is not up.
    bool sendToProgram(const QByteArray& chunk);
    // Everything the program sent on the support connections so far, in order.
    QByteArray receivedFromProgram() const { return fromProgram_; }
    void disconnectFromProgram();

    // --- The channels and the offline message ---

    // Listens for every service on 127.0.0.1, each on a port the system chooses.
    bool listen();
    // Listens for one service on the given port (0: the system chooses).
    bool listen(Service service, quint16 port);
    quint16 port(Service service) const { return server(service).serverPort(); }
    // Stops listening for a service: the program's connects to it are refused.
    void stopListening(Service service) { server(service).close(); }
    // Ends every accepted connection at once.
    void setCloseOnAccept(bool close) { closeOnAccept_ = close; }

    const QList<Connection>& connections() const { return connections_; }
    // The indexes of the connections to a service, in the order they came.
    QList<int> connectionsTo(Service service) const;
    // The bytes of every connection to a service, joined in order.
    QByteArray receivedOn(Service service) const;
    // Sends bytes on an accepted connection. False when it is no longer open.
    bool send(int connection, const QByteArray& bytes);
    // Ends an accepted connection from the fake's side.
    void closeConnection(int connection);
    bool isOpen(int connection) const;

signals:
    void supportStateChanged(FakeSupportPeer::SupportState state);
    void receivedFromProgramChunk(const QByteArray& chunk);
    void connectionAccepted(int connection);
    void received(int connection);

private:
    static constexpr int kServiceCount = 5;

    QTcpServer& server(Service service) { return servers_[size_t(service) - 1]; }
    const QTcpServer& server(Service service) const { return servers_[size_t(service) - 1]; }
    void setSupportState(SupportState state);
    void onNewConnection(Service service);

    std::array<QTcpServer, kServiceCount> servers_;
    QList<Connection> connections_;
    QList<QPointer<QTcpSocket>> sockets_; // beside connections_
    QPointer<QTcpSocket> support_;
    SupportState supportState_ = SupportState::NotConnected;
    QByteArray fromProgram_;
    bool closeOnAccept_ = false;
};
