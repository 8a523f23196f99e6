#pragma once
// A reflector on 127.0.0.1 for the tests and the demo: it records every connection
// and every request, and answers from a script keyed by the request's beginning.
//
// The reflector protocol has no framing: a request is one send of the client. The
// fake therefore takes the bytes of a connection as one request once they have been
// quiet for a short gap (quietGapMs), or when the client ends the connection.
//
// A reply is a list of writes. Each write waits its delay and then goes out in one
// write of the socket, so two replies joined in one write arrive together, and a
// reply split into writes arrives in pieces (the pause between pieces keeps them
// apart on the client's side). When the traffic is enciphered, each write is
// enciphered on its own with the traffic key, as the client deciphers each chunk on
// its own, and the requests are deciphered before they are matched.
//
//   FakeReflector reflector;
//   reflector.acceptLogin("123");
//   reflector.script("Technology,", FakeReflector::Reply::text("/WC/...").splitAt({7}));
#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTcpServer>

#include <functional>

class QTcpSocket;
class QTimer;

class FakeReflector : public QObject {
    Q_OBJECT
public:
    // The key of the reflector traffic's cipher.
    static const QByteArray kTrafficKey;
    // The pause before each further piece of a split reply.
    static constexpr int kPieceGapMs = 60;

    struct Write {
        QByteArray bytes;
        int delayMs = 0; // before this write
    };

    // What the fake does with a request that matches a script entry.
    struct Reply {
        QList<Write> writes;     // none: the fake stays silent
        bool closeAfter = false; // end the connection after the last write
        QByteArray greetNext;    // sent at once on the next connection the fake accepts

        static Reply text(const QByteArray& bytes, int delayMs = 0);
        // Several replies in one write.
        static Reply joined(const QList<QByteArray>& replies, int delayMs = 0);
        static Reply silence();

        // Cuts the last write before each of the given byte positions (0-based,
        // ascending), into pieces sent kPieceGapMs apart.
        Reply splitAt(const QList<int>& positions) const;
        // Appends a further write.
        Reply then(const QByteArray& bytes, int delayMs = kPieceGapMs) const;
        Reply closing() const;
        Reply greetingNextConnection(const QByteArray& bytes) const;
    };

    struct Request {
        int connection = 0;  // index into connections()
        QByteArray received; // the bytes as they came
        QByteArray text;     // deciphered when the traffic is enciphered
    };

    struct Connection {
        QList<int> requests; // indexes into requests()
        bool endedByClient = false;
        bool endedByFake = false;
    };

    explicit FakeReflector(QObject* parent = nullptr);
    ~FakeReflector() override;

    // Listens on 127.0.0.1, on the given port or, with 0, on one the system chooses.
    bool listen(quint16 port = 0);
    quint16 port() const { return server_.serverPort(); }
    QString errorString() const { return server_.errorString(); }
    // Stops listening; later connects are refused. Open connections stay.
    void stopListening() { server_.close(); }

    // Answers requests that begin with prefix. The replies serve the matching requests
    // in turn; the last one serves every later one. The longest matching prefix wins;
    // a request that no entry matches gets no answer.
    void script(const QByteArray& prefix, const QList<Reply>& replies);
    void script(const QByteArray& prefix, const Reply& reply) { script(prefix, QList<Reply>{reply}); }
    // "/Login Successful/," + userId + "\" to every login.
    void acceptLogin(const QByteArray& userId);
    // "/Login Failed/" to every login.
    void rejectLogin();

    // Computes the reply from the request text instead of a script entry (null: the script).
    void setResponder(std::function<Reply(const QByteArray& request)> responder) { responder_ = std::move(responder); }

    // Replies and requests enciphered with the traffic key.
    void setEnciphered(bool enciphered) { enciphered_ = enciphered; }
    bool enciphered() const { return enciphered_; }
    // Ends every connection as soon as it is accepted.
    void setCloseOnAccept(bool close) { closeOnAccept_ = close; }
    void setQuietGapMs(int ms) { quietGapMs_ = ms; }

    // Sends bytes (enciphered when the traffic is) on a connection at once, unasked.
    // False when that connection is no longer open.
    bool sendUnsolicited(int connection, const QByteArray& bytes);
    // Ends a connection from the fake's side.
    void closeConnection(int connection);
    bool isOpen(int connection) const;

    const QList<Connection>& connections() const { return connections_; }
    const QList<Request>& requests() const { return requests_; }
    // The texts of every request, in the order they came.
    QList<QByteArray> requestTexts() const;

    QByteArray encipher(const QByteArray& plain) const;
    QByteArray decipher(const QByteArray& cipher) const;

signals:
    void connectionAccepted(int connection);
    void requestReceived(int request);

private:
    struct Link {
        QPointer<QTcpSocket> socket;
        QByteArray pending; // bytes of a request still coming in
        QTimer* quiet = nullptr;
    };
    struct ScriptEntry {
        QByteArray prefix;
        QList<Reply> replies;
        int used = 0;
    };

    void onNewConnection();
    void takeRequest(int connection);
    Reply replyFor(const QByteArray& text);
    void play(int connection, const Reply& reply, int writeIndex);

    QTcpServer server_;
    QList<Connection> connections_;
    QList<Link> links_;
    QList<Request> requests_;
    QList<ScriptEntry> script_;
    std::function<Reply(const QByteArray&)> responder_;
    QByteArray greeting_;
    bool enciphered_ = false;
    bool closeOnAccept_ = false;
    int quietGapMs_ = 40;
};
