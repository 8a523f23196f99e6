#pragma once
// A transmitter site on 127.0.0.1 for the tests and the demo: it serves a list of
// video file names, records every request in the order it came, and answers from a
// script keyed by the request's beginning.
//
// The transmitter protocol has no framing, and a client may send the speed request
// and the file request right after each other, so they can arrive in one piece. The
// fake therefore gathers the bytes of a connection until they are quiet
// (QuietGapServer.h), and then cuts them into requests at every request tag it knows ("/FileList/", "/Modem/", "/Cable/",
// "/VF/", "/Stop/"): "/Cable//VF/Liftoff.avi" is the two requests "/Cable/" and
// "/VF/Liftoff.avi". Text before the first tag is a request of its own.
//
// A reply is a list of pieces: the first goes out after the reply's delay, each further
// one kPieceGapMs later, each in one write, so a reply in pieces arrives in pieces.
// By default the fake answers as a site does: the file list to "/FileList/",
// "/Encoding/" to "/VF/", "/StopTransmitter/" to "/Stop/", nothing to the speed
// requests.
//
//   FakeTransmitter transmitter;
//   transmitter.setFiles({"Countdown.avi", "Liftoff.avi"});   // "Countdown.avi/Liftoff.avi/"
//   transmitter.script("/FileList/", FakeTransmitter::Reply::inPieces({"a/b/", "c/"}));
//   transmitter.script("/VF/", FakeTransmitter::Reply::text("/Failed Encoding/"));
#include "QuietGapServer.h"

#include <QByteArray>
#include <QList>

class FakeTransmitter : public QuietGapServer {
    Q_OBJECT
public:
    // The pause before each further piece of a reply.
    static constexpr int kPieceGapMs = 60;
    // The request tags the fake cuts the incoming bytes at.
    static const QList<QByteArray> kRequestTags;

    struct Reply {
        QList<QByteArray> pieces; // none: the fake stays silent
        int delayMs = 0;          // before the first piece
        bool closeAfter = false;  // end the connection after the last piece

        static Reply text(const QByteArray& bytes, int delayMs = 0) { return Reply{{bytes}, delayMs}; }
        static Reply inPieces(const QList<QByteArray>& pieces, int delayMs = 0) { return Reply{pieces, delayMs}; }
        static Reply silence() { return Reply{}; }
        Reply closing() const;
    };

    struct Request {
        int connection = 0; // index into connections()
        QByteArray text;
    };

    explicit FakeTransmitter(QObject* parent = nullptr);

    // The reply to "/FileList/": each name followed by "/", in one piece.
    void setFiles(const QList<QByteArray>& names);
    // Answers the requests that begin with prefix with reply (the longest matching
    // prefix wins); replaces the default answer of that prefix.
    void script(const QByteArray& prefix, const Reply& reply);
    // Accepts connections and records requests but never answers any.
    void setSilent(bool silent) { silent_ = silent; }

    // Sends bytes on a connection at once, unasked. False when it is no longer open.
    bool sendUnsolicited(int connection, const QByteArray& bytes) { return writeTo(connection, bytes); }

    const QList<Request>& requests() const { return requests_; }
    // The texts of every request, in the order they came.
    QList<QByteArray> requestTexts() const;

    // The requests that bytes hold, cut at the request tags.
    static QList<QByteArray> splitRequests(const QByteArray& bytes);

private:
    struct ScriptEntry {
        QByteArray prefix;
        Reply reply;
    };

    void takeBytes(int connection, const QByteArray& bytes) override;
    Reply replyFor(const QByteArray& text) const;
    void play(int connection, const Reply& reply, int pieceIndex);

    QList<Request> requests_;
    QList<ScriptEntry> script_;
    bool silent_ = false;
};
