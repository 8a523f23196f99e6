#include "FakeSupportPeer.h"

#include "RealTimeWait.h"

FakeSupportPeer::FakeSupportPeer(QObject* parent) : QObject(parent)
{
    for (Service service : {Channel1, Channel2, Channel3, Channel4, OfflineMessage})
        connect(&server(service), &QTcpServer::newConnection, this, [this, service] { onNewConnection(service); });
}

FakeSupportPeer::~FakeSupportPeer()
{
    // The accepted sockets are children of the servers, and the support socket is a
    // child of this object: both outlive this object's members and must not call back
    // into it while it is being taken apart.
    if (support_)
        support_->disconnect(this);
    for (QTcpServer& server : servers_) {
        for (QTcpSocket* socket : server.findChildren<QTcpSocket*>())
            socket->disconnect(this);
    }
}

void FakeSupportPeer::connectToProgram(quint16 port, const QHostAddress& from, const QByteArray& firstChunk)
{
    if (support_) {
        support_->disconnect(this);
        support_->abort();
        support_->deleteLater();
    }
    fromProgram_.clear();
    auto* socket = new QTcpSocket(this);
    support_ = socket;
    setSupportState(SupportState::Connecting);
    connect(socket, &QTcpSocket::connected, this, [this] { setSupportState(SupportState::Connected); });
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
        const QByteArray chunk = socket->readAll();
        fromProgram_ += chunk;
        emit receivedFromProgramChunk(chunk);
    });
    connect(socket, &QTcpSocket::errorOccurred, this, [this] {
        if (supportState_ == SupportState::Connecting)
            setSupportState(SupportState::Refused);
    });
    connect(socket, &QTcpSocket::disconnected, this, [this] {
        if (supportState_ == SupportState::Connected)
            setSupportState(SupportState::EndedByProgram);
    });
    if (!socket->bind(from)) {
        setSupportState(SupportState::Refused);
        return;
    }
    socket->connectToHost(QHostAddress(QHostAddress::LocalHost), port);
    // Written while the connect runs: the socket sends it as soon as it is up.
    if (!firstChunk.isEmpty())
        socket->write(firstChunk);
}

bool FakeSupportPeer::waitForSupportConnection(int limitMs)
{
    waitRealTime([this] { return supportState_ != SupportState::Connecting; }, limitMs);
    return supportState_ == SupportState::Connected;
}

bool FakeSupportPeer::sendToProgram(const QByteArray& chunk)
{
    if (supportState_ != SupportState::Connected)
        return false;
    support_->write(chunk);
    support_->flush();
    return true;
}

void FakeSupportPeer::disconnectFromProgram()
{
    if (supportState_ != SupportState::Connected)
        return;
    setSupportState(SupportState::EndedByPeer);
    support_->disconnectFromHost();
}

void FakeSupportPeer::setSupportState(SupportState state)
{
    supportState_ = state;
    emit supportStateChanged(state);
}

bool FakeSupportPeer::listen()
{
    for (Service service : {Channel1, Channel2, Channel3, Channel4, OfflineMessage}) {
        if (!listen(service, 0))
            return false;
    }
    return true;
}

bool FakeSupportPeer::listen(Service service, quint16 port)
{
    return server(service).listen(QHostAddress::LocalHost, port);
}

QList<int> FakeSupportPeer::connectionsTo(Service service) const
{
    QList<int> indexes;
    for (int i = 0; i < connections_.size(); ++i) {
        if (connections_[i].service == service)
            indexes.append(i);
    }
    return indexes;
}

QByteArray FakeSupportPeer::receivedOn(Service service) const
{
    QByteArray bytes;
    for (int i : connectionsTo(service))
        bytes += connections_[i].received;
    return bytes;
}

bool FakeSupportPeer::send(int connection, const QByteArray& bytes)
{
    if (!isOpen(connection))
        return false;
    sockets_[connection]->write(bytes);
    sockets_[connection]->flush();
    return true;
}

void FakeSupportPeer::closeConnection(int connection)
{
    if (!isOpen(connection))
        return;
    connections_[connection].endedByFake = true;
    sockets_[connection]->disconnectFromHost();
}

bool FakeSupportPeer::isOpen(int connection) const
{
    if (connection < 0 || connection >= sockets_.size())
        return false;
    const QTcpSocket* socket = sockets_[connection];
    return socket && socket->state() == QAbstractSocket::ConnectedState;
}

void FakeSupportPeer::onNewConnection(Service service)
{
    while (QTcpSocket* socket = server(service).nextPendingConnection()) {
        const int index = connections_.size();
        connections_.append(Connection{service, {}, false, false});
        sockets_.append(socket);
        connect(socket, &QTcpSocket::readyRead, this, [this, index, socket] {
            connections_[index].received += socket->readAll();
            emit received(index);
        });
        connect(socket, &QTcpSocket::disconnected, this, [this, index, socket] {
            if (!connections_[index].endedByFake)
                connections_[index].endedByProgram = true;
            socket->deleteLater();
        });
        emit connectionAccepted(index);
        if (closeOnAccept_)
            closeConnection(index);
    }
}
