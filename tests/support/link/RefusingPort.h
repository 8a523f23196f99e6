#pragma once
// A port on 127.0.0.1 that refuses every connection for as long as this is held: a
// TCP socket is bound to it without listening, so nobody listens there and no other
// test program, running beside this one, can take the port meanwhile. A port that was
// merely free a moment ago can be handed to another program's server, which would then
// answer in place of the refusal.
#include <QString>
#include <QtGlobal>

class RefusingPort {
public:
    RefusingPort();
    ~RefusingPort();

    RefusingPort(const RefusingPort&) = delete;
    RefusingPort& operator=(const RefusingPort&) = delete;

    // 0 when the port could not be set up.
    quint16 port() const { return port_; }
    // "http://127.0.0.1:<port>".
    QString url() const;

private:
    int socket_ = -1;
    quint16 port_ = 0;
};
