#include "QuietGapServer.h"

#include <QHostAddress>
#include <QTcpSocket>
#include <QTimer>

#include <utility>

QuietGapServer::QuietGapServer(QObject* parent) : QObject(parent)
{
    connect(&server_, &QTcpServer::newConnection, this, &QuietGapServer::onNewConnection);
}

QuietGapServer::~QuietGapServer()
{
    // The sockets are children of the server, which outlives this object's members:
    // they must not call back into it while it is being taken apart.
    for (QTcpSocket* socket : server_.findChildren<QTcpSocket*>())
        socket->disconnect(this);
}

bool QuietGapServer::listen(quint16 port)
{
    return server_.listen(QHostAddress::LocalHost, port);
}

bool QuietGapServer::writeTo(int connection, const QByteArray& bytes)
{
    if (!isOpen(connection))
        return false;
    QTcpSocket* socket = links_[connection].socket;
    socket->write(bytes);
    socket->flush();
    return true;
}

void QuietGapServer::closeConnection(int connection)
{
    if (!isOpen(connection))
        return;
    connections_[connection].endedByFake = true;
    links_[connection].socket->disconnectFromHost();
}

bool QuietGapServer::isOpen(int connection) const
{
    if (connection < 0 || connection >= links_.size())
        return false;
    const QTcpSocket* socket = links_[connection].socket;
    return socket && socket->state() == QAbstractSocket::ConnectedState;
}

void QuietGapServer::recordRequest(int connection, int request)
{
    connections_[connection].requests.append(request);
    emit requestReceived(request);
}

void QuietGapServer::later(int ms, std::function<void()> step)
{
    auto* timer = new QTimer(this);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, this, [timer, step = std::move(step)] {
        timer->deleteLater();
        step();
    });
    timer->start(ms);
}

void QuietGapServer::onNewConnection()
{
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        const int index = connections_.size();
        connections_.append(Connection{});
        auto* quiet = new QTimer(this);
        quiet->setSingleShot(true);
        quiet->setInterval(quietGapMs_);
        links_.append(Link{socket, {}, quiet});

        connect(quiet, &QTimer::timeout, this, [this, index] { takePending(index); });
        connect(socket, &QTcpSocket::readyRead, this, [this, index, socket] {
            links_[index].pending += socket->readAll();
            links_[index].quiet->start();
        });
        connect(socket, &QTcpSocket::disconnected, this, [this, index, socket] {
            links_[index].quiet->stop();
            takePending(index); // bytes cut short by the end of the connection
            if (!connections_[index].endedByFake)
                connections_[index].endedByClient = true;
            socket->deleteLater();
        });

        emit connectionAccepted(index);
        if (closeOnAccept_)
            closeConnection(index);
        else
            opened(index);
    }
}

void QuietGapServer::takePending(int connection)
{
    const QByteArray bytes = std::exchange(links_[connection].pending, QByteArray());
    if (!bytes.isEmpty())
        takeBytes(connection, bytes);
}
