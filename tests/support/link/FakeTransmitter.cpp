#include "FakeTransmitter.h"

#include <QHostAddress>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>
#include <utility>

const QList<QByteArray> FakeTransmitter::kRequestTags = {"/FileList/", "/Modem/", "/Cable/", "/VF/", "/Stop/"};

FakeTransmitter::Reply FakeTransmitter::Reply::closing() const
{
    Reply result = *this;
    result.closeAfter = true;
    return result;
}

FakeTransmitter::FakeTransmitter(QObject* parent) : QObject(parent)
{
    connect(&server_, &QTcpServer::newConnection, this, &FakeTransmitter::onNewConnection);
    setFiles({});
    script("/VF/", Reply::text("/Encoding/"));
    script("/Stop/", Reply::text("/StopTransmitter/"));
}

FakeTransmitter::~FakeTransmitter()
{
    // The sockets are children of the server, which outlives this object's members:
    // they must not call back into it while it is being taken apart.
    for (QTcpSocket* socket : server_.findChildren<QTcpSocket*>())
        socket->disconnect(this);
}

bool FakeTransmitter::listen(quint16 port)
{
    return server_.listen(QHostAddress::LocalHost, port);
}

void FakeTransmitter::setFiles(const QList<QByteArray>& names)
{
    QByteArray list;
    for (const QByteArray& name : names)
        list += name + '/';
    script("/FileList/", list.isEmpty() ? Reply::silence() : Reply::text(list));
}

void FakeTransmitter::script(const QByteArray& prefix, const Reply& reply)
{
    auto existing = std::find_if(script_.begin(), script_.end(),
                                 [&prefix](const ScriptEntry& entry) { return entry.prefix == prefix; });
    if (existing != script_.end())
        existing->reply = reply;
    else
        script_.append(ScriptEntry{prefix, reply});
}

bool FakeTransmitter::sendUnsolicited(int connection, const QByteArray& bytes)
{
    if (!isOpen(connection))
        return false;
    QTcpSocket* socket = links_[connection].socket;
    socket->write(bytes);
    socket->flush();
    return true;
}

void FakeTransmitter::closeConnection(int connection)
{
    if (!isOpen(connection))
        return;
    connections_[connection].endedByFake = true;
    links_[connection].socket->disconnectFromHost();
}

bool FakeTransmitter::isOpen(int connection) const
{
    if (connection < 0 || connection >= links_.size())
        return false;
    const QTcpSocket* socket = links_[connection].socket;
    return socket && socket->state() == QAbstractSocket::ConnectedState;
}

QList<QByteArray> FakeTransmitter::requestTexts() const
{
    QList<QByteArray> texts;
    for (const Request& request : requests_)
        texts.append(request.text);
    return texts;
}

QList<QByteArray> FakeTransmitter::splitRequests(const QByteArray& bytes)
{
    // The start of the first tag at or after from; bytes.size() when there is none.
    const auto nextTag = [&bytes](qsizetype from) {
        qsizetype first = bytes.size();
        for (const QByteArray& tag : kRequestTags) {
            const qsizetype at = bytes.indexOf(tag, from);
            if (at >= 0)
                first = std::min(first, at);
        }
        return first;
    };
    QList<QByteArray> requests;
    qsizetype start = 0;
    while (start < bytes.size()) {
        // A request runs to the next tag after its own beginning.
        const qsizetype end = nextTag(start + 1);
        requests.append(bytes.mid(start, end - start));
        start = end;
    }
    return requests;
}

void FakeTransmitter::onNewConnection()
{
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        const int index = connections_.size();
        connections_.append(Connection{});
        auto* quiet = new QTimer(this);
        quiet->setSingleShot(true);
        quiet->setInterval(quietGapMs_);
        links_.append(Link{socket, {}, quiet});

        connect(quiet, &QTimer::timeout, this, [this, index] { takeRequests(index); });
        connect(socket, &QTcpSocket::readyRead, this, [this, index, socket] {
            links_[index].pending += socket->readAll();
            links_[index].quiet->start();
        });
        connect(socket, &QTcpSocket::disconnected, this, [this, index, socket] {
            links_[index].quiet->stop();
            takeRequests(index); // requests cut short by the end of the connection
            if (!connections_[index].endedByFake)
                connections_[index].endedByClient = true;
            socket->deleteLater();
        });

        emit connectionAccepted(index);
        if (closeOnAccept_)
            closeConnection(index);
    }
}

void FakeTransmitter::takeRequests(int connection)
{
    const QByteArray bytes = std::exchange(links_[connection].pending, QByteArray());
    for (const QByteArray& text : splitRequests(bytes)) {
        requests_.append(Request{connection, text});
        emit requestReceived(requests_.size() - 1);
        if (!silent_)
            play(connection, replyFor(text), 0);
    }
}

FakeTransmitter::Reply FakeTransmitter::replyFor(const QByteArray& text) const
{
    const ScriptEntry* best = nullptr;
    for (const ScriptEntry& entry : script_) {
        if (text.startsWith(entry.prefix) && (!best || entry.prefix.size() > best->prefix.size()))
            best = &entry;
    }
    return best ? best->reply : Reply::silence();
}

void FakeTransmitter::play(int connection, const Reply& reply, int pieceIndex)
{
    if (pieceIndex >= reply.pieces.size()) {
        if (reply.closeAfter)
            closeConnection(connection);
        return;
    }
    const int delayMs = pieceIndex == 0 ? reply.delayMs : kPieceGapMs;
    QTimer::singleShot(delayMs, this, [this, connection, reply, pieceIndex] {
        if (sendUnsolicited(connection, reply.pieces[pieceIndex]))
            play(connection, reply, pieceIndex + 1);
    });
}
