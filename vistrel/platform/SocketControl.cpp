#include "SocketControl.h"

#include "NetworkInput.h"
#include "TimeScale.h"

#include <QHash>
#include <QHostAddress>
#include <QNetworkProxy>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <utility>

namespace platform {
namespace {

// How long a closed connection may take to hand its queued bytes to the peer.
constexpr int kCloseLingerMs = 30000;

// Connections that a listener has taken in and no control has accepted yet, by
// request id. Any control may accept them, not only the one that listened.
QHash<int, QPointer<QTcpSocket>>& pendingRequests()
{
    static QHash<int, QPointer<QTcpSocket>> requests;
    return requests;
}

int nextRequestId()
{
    static int lastId = 0;
    return ++lastId;
}

// The numbers of the socket failures, as the error handlers show them beside the text.
int errorNumber(QAbstractSocket::SocketError error)
{
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError: return 10061;
    case QAbstractSocket::HostNotFoundError: return 11001;
    case QAbstractSocket::SocketTimeoutError: return 10060;
    case QAbstractSocket::SocketAccessError: return 10013;
    case QAbstractSocket::AddressInUseError: return 10048;
    case QAbstractSocket::SocketAddressNotAvailableError: return 10049;
    case QAbstractSocket::SocketResourceError: return 10055;
    case QAbstractSocket::NetworkError: return 10050;
    default: return 40000; // any other failure of the socket
    }
}

SocketControl::Result invalidOperation()
{
    return {SocketControl::kInvalidOperation, QStringLiteral("Invalid operation in the socket's current state")};
}

} // namespace

SocketControl::SocketControl(QObject* parent) : QObject(parent)
{
}

SocketControl::~SocketControl() = default;

bool SocketControl::inUse() const
{
    return state_ != State::Closed && state_ != State::Error;
}

SocketControl::Result SocketControl::refuseUnlessFree() const
{
    return inUse() ? invalidOperation() : Result{};
}

SocketControl::Result SocketControl::setRemoteHost(const QString& host)
{
    Result result = refuseUnlessFree();
    if (result.ok())
        remoteHost_ = host;
    return result;
}

SocketControl::Result SocketControl::setRemotePort(int port)
{
    Result result = refuseUnlessFree();
    if (result.ok() && (port < 0 || port > 65535))
        result = {kInvalidPort, QStringLiteral("Invalid port number")};
    if (result.ok())
        remotePort_ = port;
    return result;
}

SocketControl::Result SocketControl::setLocalPort(int port)
{
    Result result = refuseUnlessFree();
    if (result.ok() && (port < 0 || port > 65535))
        result = {kInvalidPort, QStringLiteral("Invalid port number")};
    if (result.ok())
        localPort_ = port;
    return result;
}

int SocketControl::localPort() const
{
    if (server_)
        return server_->serverPort();
    if (socket_ && socket_->state() == QAbstractSocket::ConnectedState)
        return socket_->localPort();
    return localPort_;
}

QString SocketControl::remoteAddress() const
{
    if (!socket_)
        return {};
    const QHostAddress peer = socket_->peerAddress();
    // A listener on every address sees IPv4 peers in their IPv6 form.
    bool isIPv4 = false;
    const quint32 ipv4 = peer.toIPv4Address(&isIPv4);
    return isIPv4 ? QHostAddress(ipv4).toString() : peer.toString();
}

SocketControl::Result SocketControl::connectToHost(const QString& host, int port)
{
    Result result = setRemoteHost(host);
    if (result.ok())
        result = setRemotePort(port);
    if (result.ok())
        result = connectToHost();
    return result;
}

SocketControl::Result SocketControl::connectToHost()
{
    if (inUse())
        return invalidOperation();
    close();
    auto* socket = new QTcpSocket(this);
    socket->setProxy(QNetworkProxy::NoProxy);
    attach(socket);
    state_ = State::ResolvingHost;
    socket->connectToHost(remoteHost_, quint16(remotePort_));
    return {};
}

SocketControl::Result SocketControl::send(const QByteArray& data)
{
    if (state_ != State::Connected || !socket_)
        return {kNotConnected, QStringLiteral("The socket is not connected")};
    socket_->write(data);
    return {};
}

QByteArray SocketControl::readAll()
{
    QByteArray data = std::exchange(received_, {});
    // Bytes held back by the receive limit follow in the next event, the peer's close
    // after them.
    if (socket_ && socket_->bytesAvailable() > 0)
        onReadyRead();
    if (peerClosedHeldBack_ && socket_ && socket_->bytesAvailable() == 0) {
        peerClosedHeldBack_ = false;
        post([this] { emit peerClosed(); });
    }
    return data;
}

void SocketControl::close()
{
    peerClosedHeldBack_ = false;
    releaseConnection();
    closeListener();
    received_.clear();
    state_ = State::Closed;
}

SocketControl::Result SocketControl::listen()
{
    if (inUse())
        return invalidOperation();
    close();
    server_ = new QTcpServer(this);
    server_->setProxy(QNetworkProxy::NoProxy);
    connect(server_, &QTcpServer::newConnection, this, &SocketControl::onNewConnection);
    if (!server_->listen(QHostAddress::Any, quint16(localPort_))) {
        const Result failure{errorNumber(server_->serverError()), server_->errorString()};
        closeListener();
        return failure;
    }
    // Listening again after a close uses the same port, also when the system chose it.
    localPort_ = server_->serverPort();
    state_ = State::Listening;
    return {};
}

SocketControl::Result SocketControl::accept(int requestId)
{
    if (inUse())
        return invalidOperation();
    QTcpSocket* incoming = pendingRequests().take(requestId);
    if (!incoming)
        return {kInvalidOperation, QStringLiteral("No such connection request")};
    close();
    attach(incoming);
    state_ = State::Connected;
    // Bytes or an end that came before the accept are delivered like later ones.
    if (incoming->bytesAvailable() > 0)
        onReadyRead();
    if (incoming->state() == QAbstractSocket::UnconnectedState)
        onDisconnected();
    return {};
}

void SocketControl::attach(QTcpSocket* socket)
{
    ++generation_;
    socket_ = socket;
    socket->setParent(this);
    // Qt reads no more from the network while its buffer is full.
    socket->setReadBufferSize(receiveLimit_);
    connect(socket, &QAbstractSocket::stateChanged, this, &SocketControl::onSocketStateChanged);
    connect(socket, &QAbstractSocket::connected, this, [this] { post([this] { emit connected(); }); });
    connect(socket, &QIODevice::readyRead, this, &SocketControl::onReadyRead);
    connect(socket, &QIODevice::bytesWritten, this, &SocketControl::onBytesWritten);
    connect(socket, &QAbstractSocket::disconnected, this, &SocketControl::onDisconnected);
    connect(socket, &QAbstractSocket::errorOccurred, this, &SocketControl::onSocketError);
}

void SocketControl::releaseConnection()
{
    ++generation_;
    QTcpSocket* old = std::exchange(socket_, nullptr);
    if (!old)
        return;
    old->disconnect(this);
    if (old->state() != QAbstractSocket::ConnectedState) {
        old->abort();
        old->deleteLater();
        return;
    }
    // A graceful end writes what is still queued first; the socket goes once it is done,
    // or after the linger time if the peer stops reading. The linger timer is the
    // socket's own, so it goes with the socket and never outlives it.
    connect(old, &QAbstractSocket::disconnected, old, &QObject::deleteLater);
    auto* linger = new QTimer(old);
    linger->setSingleShot(true);
    connect(linger, &QTimer::timeout, old, &QObject::deleteLater);
    linger->start(scaledMs(kCloseLingerMs));
    old->disconnectFromHost();
}

void SocketControl::closeListener()
{
    ++generation_;
    QTcpServer* server = std::exchange(server_, nullptr);
    if (!server)
        return;
    server->disconnect(this);
    server->close();
    server->deleteLater();
}

void SocketControl::post(std::function<void()> event)
{
    QMetaObject::invokeMethod(
        this,
        [this, generation = generation_, event = std::move(event)] {
            if (generation == generation_) {
                NetworkInputScope input;
                event();
            }
        },
        Qt::QueuedConnection);
}

void SocketControl::deliverDataArrival()
{
    // An earlier handler may already have taken these bytes with its readAll.
    if (!received_.isEmpty())
        emit dataArrival(received_.size());
}

void SocketControl::deliverConnectionRequest(int requestId, quint64 generation)
{
    // A listener closed before the event came has no handler left to ask.
    if (generation == generation_) {
        NetworkInputScope input;
        emit connectionRequest(requestId);
    }
    if (QTcpSocket* unaccepted = pendingRequests().take(requestId)) {
        unaccepted->abort();
        unaccepted->deleteLater();
    }
}

void SocketControl::moveTo(State state)
{
    if (state == state_)
        return;
    state_ = state;
    post([this, state] { emit stateChanged(state); });
}

void SocketControl::onSocketStateChanged(QAbstractSocket::SocketState state)
{
    switch (state) {
    case QAbstractSocket::HostLookupState: moveTo(State::ResolvingHost); break;
    case QAbstractSocket::ConnectingState: moveTo(State::Connecting); break;
    case QAbstractSocket::ConnectedState: moveTo(State::Connected); break;
    default: break; // the end of a connection is handled by onDisconnected and onSocketError
    }
}

void SocketControl::onReadyRead()
{
    if (receiveLimit_ == 0)
        received_ += socket_->readAll();
    else if (received_.size() < receiveLimit_)
        received_ += socket_->read(receiveLimit_ - received_.size());
    post([this] { deliverDataArrival(); });
}

void SocketControl::onBytesWritten()
{
    if (socket_->bytesToWrite() == 0)
        post([this] { emit sendComplete(); });
}

void SocketControl::onDisconnected()
{
    if (state_ == State::Error)
        return;
    if (socket_->bytesAvailable() > 0)
        onReadyRead();
    moveTo(State::PeerClosing);
    if (socket_->bytesAvailable() > 0)
        peerClosedHeldBack_ = true; // raised once readAll has taken the rest
    else
        post([this] { emit peerClosed(); });
}

void SocketControl::onSocketError(QAbstractSocket::SocketError error)
{
    // The peer closing is an ordinary end, reported by onDisconnected.
    if (error == QAbstractSocket::RemoteHostClosedError)
        return;
    moveTo(State::Error);
    const int number = errorNumber(error);
    const QString description = socket_->errorString();
    post([this, number, description] { emit socketError(number, description); });
}

void SocketControl::onNewConnection()
{
    while (QTcpSocket* incoming = server_->nextPendingConnection()) {
        // Owned by this control until accepted, so closing the listener keeps it.
        incoming->setParent(this);
        const int requestId = nextRequestId();
        pendingRequests().insert(requestId, incoming);
        QMetaObject::invokeMethod(
            this, [this, requestId, generation = generation_] { deliverConnectionRequest(requestId, generation); },
            Qt::QueuedConnection);
    }
}

} // namespace platform
