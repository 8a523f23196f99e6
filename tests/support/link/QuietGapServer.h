#pragma once
// The listening side that the reflector and transmitter fakes share. Their protocols
// have no framing, so a fake takes the bytes of a connection as they stand once they
// have been quiet for a short gap (quietGapMs), or when the client ends the
// connection, and hands them to its own reading (takeBytes). It records every
// connection, which requests came on it and which side ended it.
#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTcpServer>

#include <functional>

class QTcpSocket;
class QTimer;

class QuietGapServer : public QObject {
    Q_OBJECT
public:
    struct Connection {
        QList<int> requests; // indexes into the fake's requests()
        bool endedByClient = false;
        bool endedByFake = false;
    };

    ~QuietGapServer() override;

    // Listens on 127.0.0.1, on the given port or, with 0, on one the system chooses.
    bool listen(quint16 port = 0);
    quint16 port() const { return server_.serverPort(); }
    QString errorString() const { return server_.errorString(); }
    // Stops listening; later connects are refused. Open connections stay.
    void stopListening() { server_.close(); }

    // Ends every connection as soon as it is accepted.
    void setCloseOnAccept(bool close) { closeOnAccept_ = close; }
    void setQuietGapMs(int ms) { quietGapMs_ = ms; }

    // Ends a connection from the fake's side.
    void closeConnection(int connection);
    bool isOpen(int connection) const;
    const QList<Connection>& connections() const { return connections_; }

signals:
    void connectionAccepted(int connection);
    void requestReceived(int request);

protected:
    explicit QuietGapServer(QObject* parent);

    // Writes the bytes in one write of the socket; false when the connection is no
    // longer open.
    bool writeTo(int connection, const QByteArray& bytes);
    // Notes that the request numbered `request` came on the connection, and tells it.
    void recordRequest(int connection, int request);
    // Runs step after ms on a timer of the fake's own, which goes with the fake: a reply
    // still due when a test ends leaves nothing behind.
    void later(int ms, std::function<void()> step);

    // The bytes a connection gathered (never empty).
    virtual void takeBytes(int connection, const QByteArray& bytes) = 0;
    // A connection was accepted and stays open.
    virtual void opened(int /*connection*/) {}

private:
    struct Link {
        QPointer<QTcpSocket> socket;
        QByteArray pending; // bytes still coming in
        QTimer* quiet = nullptr;
    };

    void onNewConnection();
    void takePending(int connection);

    QTcpServer server_;
    QList<Connection> connections_;
    QList<Link> links_;
    bool closeOnAccept_ = false;
    int quietGapMs_ = 40;
};
