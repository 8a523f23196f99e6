#include "link/ReflectorConnection.h"

#include "link/LinkState.h"
#include "link/TrafficCipher.h"

ReflectorConnection::ReflectorConnection(const LinkState& state, QObject* parent)
    : QObject(parent), state_(state), socket_(new platform::SocketControl(this))
{
    using platform::SocketControl;
    // A chunk is one read of the socket, up to the receive limit; what the reflector
    // sends beyond it waits on the network until the chunk has been handled.
    socket_->setReceiveLimit(kReceiveLimitBytes);
    connect(socket_, &SocketControl::connected, this, &ReflectorConnection::connected);
    connect(socket_, &SocketControl::peerClosed, this, [this] {
        emit closedByPeer();
        socket_->close();
    });
    connect(socket_, &SocketControl::dataArrival, this, &ReflectorConnection::onDataArrival);
}

void ReflectorConnection::onDataArrival()
{
    // A chunk that cannot be deciphered counts as an empty one, which the reply
    // handling ignores.
    const TrafficText chunk = replyInClear(state_.encryptTraffic, socket_->readAll());
    receiveChunk(chunk.ok() ? chunk.text : QByteArray());
}

void ReflectorConnection::receiveChunk(const QByteArray& chunk)
{
    lastChunk_ = chunk;
    emit chunkReceived(chunk);
}
