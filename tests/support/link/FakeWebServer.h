#pragma once
// A small HTTP server on 127.0.0.1 for the tests, on a port the system chooses (or a
// given one, for the demo server). Each
// path answers as a test sets it up; any other path gets "404 Not Found". Every
// request is recorded. It answers one request per connection and then closes it.
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QTcpServer>

class QTcpSocket;

class FakeWebServer : public QObject {
    Q_OBJECT
public:
    struct Request {
        QByteArray method;
        QByteArray path;
        QByteArray head; // the request line and the header lines, as received
    };

    explicit FakeWebServer(QObject* parent = nullptr, quint16 port = 0);
    ~FakeWebServer() override;

    quint16 port() const { return server_.serverPort(); }
    // "http://127.0.0.1:<port>" followed by path.
    QString url(const QByteArray& path) const;

    // Answers path with status and body, announcing the body's length.
    void serve(const QByteArray& path, int status, const QByteArray& body);
    // Answers path with 200 and body without announcing its length: the end of the
    // connection ends the body.
    void serveWithoutLength(const QByteArray& path, const QByteArray& body);
    // Reads the request for path and never answers.
    void serveSilently(const QByteArray& path);

    const QList<Request>& requests() const { return requests_; }

private:
    struct Route {
        int status = 404;
        QByteArray body = "Not Found";
        bool announceLength = true;
        bool silent = false;
    };

    void onNewConnection();
    void onReadyRead(QTcpSocket* socket);
    void answer(QTcpSocket* socket, const Route& route);

    QTcpServer server_;
    QHash<QByteArray, Route> routes_;
    QHash<QTcpSocket*, QByteArray> partialRequests_;
    QList<Request> requests_;
};
