#pragma once
// A reflector on 127.0.0.1 for the tests and the demo: it records every connection
// and every request, and answers from a script keyed by the request's beginning.
//
// The reflector protocol has no framing: a request is one send of the client, which
// the fake takes as the bytes of a connection once they are quiet (QuietGapServer.h).
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
#include "QuietGapServer.h"

#include <QByteArray>
#include <QList>

#include <functional>

class FakeReflector : public QuietGapServer {
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

    explicit FakeReflector(QObject* parent = nullptr) : QuietGapServer(parent) {}

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

    // Sends bytes (enciphered when the traffic is) on a connection at once, unasked.
    // False when that connection is no longer open.
    bool sendUnsolicited(int connection, const QByteArray& bytes);

    const QList<Request>& requests() const { return requests_; }
    // The texts of every request, in the order they came.
    QList<QByteArray> requestTexts() const;

    QByteArray encipher(const QByteArray& plain) const;
    QByteArray decipher(const QByteArray& cipher) const;

private:
    struct ScriptEntry {
        QByteArray prefix;
        QList<Reply> replies;
        int used = 0;
    };

    void takeBytes(int connection, const QByteArray& bytes) override;
    void opened(int connection) override;
    Reply replyFor(const QByteArray& text);
    void play(int connection, const Reply& reply, int writeIndex);

    QList<Request> requests_;
    QList<ScriptEntry> script_;
    std::function<Reply(const QByteArray&)> responder_;
    QByteArray greeting_;
    bool enciphered_ = false;
};
