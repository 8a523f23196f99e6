#include "FakeWebServer.h"

#include <QHostAddress>
#include <QTcpSocket>

namespace {

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200: return "OK";
    case 201: return "Created";
    case 404: return "Not Found";
    case 500: return "Internal Server Error";
    default: return "Status";
    }
}

} // namespace

FakeWebServer::FakeWebServer(QObject* parent, quint16 port) : QObject(parent)
{
    connect(&server_, &QTcpServer::newConnection, this, &FakeWebServer::onNewConnection);
    if (!server_.listen(QHostAddress::LocalHost, port))
        qFatal("FakeWebServer cannot listen: %s", qPrintable(server_.errorString()));
}

FakeWebServer::~FakeWebServer()
{
    // Open connections end with the server, after this object's members are gone:
    // they must not call back into it.
    for (QTcpSocket* socket : server_.findChildren<QTcpSocket*>())
        socket->disconnect(this);
}

QString FakeWebServer::url(const QByteArray& path) const
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(QString::fromLatin1(path));
}

void FakeWebServer::serve(const QByteArray& path, int status, const QByteArray& body)
{
    routes_.insert(path, Route{status, body, true, false});
}

void FakeWebServer::serveWithoutLength(const QByteArray& path, const QByteArray& body)
{
    routes_.insert(path, Route{200, body, false, false});
}

void FakeWebServer::serveSilently(const QByteArray& path)
{
    routes_.insert(path, Route{0, {}, false, true});
}

void FakeWebServer::onNewConnection()
{
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            partialRequests_.remove(socket);
            socket->deleteLater();
        });
    }
}

void FakeWebServer::onReadyRead(QTcpSocket* socket)
{
    QByteArray& received = partialRequests_[socket];
    received += socket->readAll();
    const qsizetype headEnd = received.indexOf("\r\n\r\n");
    if (headEnd < 0)
        return;
    const QByteArray head = received.left(headEnd);
    received.clear();
    const QList<QByteArray> requestLine = head.left(head.indexOf("\r\n")).split(' ');
    Request request{requestLine.value(0), requestLine.value(1), head};
    requests_.append(request);
    answer(socket, routes_.value(request.path));
}

void FakeWebServer::answer(QTcpSocket* socket, const Route& route)
{
    if (route.silent)
        return;
    QByteArray response = "HTTP/1.1 " + QByteArray::number(route.status) + ' ' + reasonPhrase(route.status) + "\r\n";
    if (route.announceLength)
        response += "Content-Length: " + QByteArray::number(route.body.size()) + "\r\n";
    response += "Content-Type: application/octet-stream\r\nConnection: close\r\n\r\n" + route.body;
    socket->write(response);
    socket->disconnectFromHost();
}
