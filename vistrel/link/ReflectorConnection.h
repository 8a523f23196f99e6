#pragma once
// The connection to the reflector: owns the reflector socket, which every request
// connects afresh (to the address of the last login) to send one text. The session's
// jobs follow the socket's own events; every chunk that arrives is put in clear, kept
// as the last chunk and handed on.
#include "platform/SocketControl.h"

struct LinkState;

#include <QByteArray>
#include <QObject>

class ReflectorConnection : public QObject {
    Q_OBJECT
public:
    // The most of what the reflector sends that the socket holds at a time; a reply
    // longer than this comes to the reply handling in several chunks.
    static constexpr qsizetype kReceiveLimitBytes = 64 * 1024;

    explicit ReflectorConnection(const LinkState& state, QObject* parent = nullptr);

    platform::SocketControl& socket() { return *socket_; }

    // The last chunk received, in clear.
    const QByteArray& lastChunk() const { return lastChunk_; }
    // Takes one chunk in clear as its arrival does: keeps it, then hands it on.
    void receiveChunk(const QByteArray& chunk);

signals:
    void connected();
    // The reflector ended the connection; the socket is closed already.
    void closedByPeer();
    void chunkReceived(const QByteArray& chunk);

private:
    void onDataArrival();

    const LinkState& state_; // its traffic cipher switch, read for each chunk
    platform::SocketControl* socket_;
    QByteArray lastChunk_;
};
