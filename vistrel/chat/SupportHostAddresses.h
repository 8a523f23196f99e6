#pragma once
// Who may take the support side of the chat: a peer on this machine's loopback address
// (127.0.0.1 or ::1, not the rest of 127.0.0.0/8) or one of the support host's
// addresses. The host's name is resolved in the background when
// it is set; a peer that comes while the lookup runs waits for it, within a limit.
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>

namespace chat {

// True for 127.0.0.1 and ::1 and for a peer with one of the addresses (IPv4 addresses
// also match in their IPv6-mapped form).
bool isAllowedSupportPeer(const QHostAddress& peer, const QList<QHostAddress>& supportHost);

class SupportHostAddresses : public QObject {
    Q_OBJECT
public:
    static constexpr int kLookupLimitMs = 3000;

    using QObject::QObject;

    // Starts resolving host; an address given as such is taken at once.
    void setHost(const QString& host);
    // Waits for a lookup still running (at most kLookupLimitMs), then asks
    // isAllowedSupportPeer.
    bool allows(const QHostAddress& peer);

private:
    QString host_;
    QList<QHostAddress> addresses_;
    int lookupId_ = -1; // -1: no lookup running
};

} // namespace chat
