#pragma once
// A plain client socket on 127.0.0.1 that keeps every chunk it reads apart, for the
// tests of the fakes themselves (the product's own sockets are tested against the
// fakes elsewhere).
#include "RealTimeWait.h"

#include <QTcpSocket>

struct ChunkClient {
    static constexpr int kLimitMs = 5000;

    QTcpSocket socket;
    QList<QByteArray> chunks;
    bool ended = false;

    explicit ChunkClient(quint16 port)
    {
        QObject::connect(&socket, &QTcpSocket::readyRead, [this] { chunks.append(socket.readAll()); });
        QObject::connect(&socket, &QTcpSocket::disconnected, [this] { ended = true; });
        socket.connectToHost(QStringLiteral("127.0.0.1"), port);
    }

    // Whether the connect succeeded, within kLimitMs.
    bool connected()
    {
        const auto settled = [this] {
            return socket.state() == QAbstractSocket::ConnectedState
                || socket.state() == QAbstractSocket::UnconnectedState;
        };
        return waitRealTime(settled, kLimitMs) && socket.state() == QAbstractSocket::ConnectedState;
    }

    void send(const QByteArray& bytes)
    {
        socket.write(bytes);
        socket.flush();
    }

    QByteArray all() const { return chunks.join(); }
};
