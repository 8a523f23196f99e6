#pragma once
// A port on 127.0.0.1 where a connect neither succeeds nor fails: it listens with the
// smallest backlog, never accepts, and its queue is filled at once by connections of
// its own, so the system drops every further connection request unanswered. It
// stands in for a reflector that does not answer at all.
#include <QList>
#include <QtGlobal>

class StallingPort {
public:
    StallingPort();
    ~StallingPort();

    StallingPort(const StallingPort&) = delete;
    StallingPort& operator=(const StallingPort&) = delete;

    // 0 when the port could not be set up.
    quint16 port() const { return port_; }

private:
    int listener_ = -1;
    QList<int> fillers_;
    quint16 port_ = 0;
};
