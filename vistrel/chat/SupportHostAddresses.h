#pragma once
// Who may take the support side of the chat: a peer on this machine's loopback address
// (127.0.0.1 or ::1, not the rest of 127.0.0.0/8) or one of the support host's
// addresses.
//
// The support host's name is resolved ahead of time, in the background, whenever the
// host is set, so that the check itself never waits: a peer that comes while the
// lookup still runs (or after it found nothing) is judged by the loopback rule alone.
// The lookup is a replaceable function, so that a test can hold its answer back.
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>

namespace chat {

// True for 127.0.0.1 and ::1 and for a peer with one of the addresses (IPv4 addresses
// also match in their IPv6-mapped form).
bool isAllowedSupportPeer(const QHostAddress& peer, const QList<QHostAddress>& supportHost);

// Receives the addresses a lookup found (none when it failed).
using HostAnswer = std::function<void(const QList<QHostAddress>& addresses)>;
// Starts resolving name and returns at once; answer is called later from the event
// loop, and not at all once context is gone.
using HostLookup = std::function<void(const QString& name, QObject* context, HostAnswer answer)>;

// The system's resolver (QHostInfo::lookupHost).
void lookUpWithSystemResolver(const QString& name, QObject* context, HostAnswer answer);

class SupportHostAddresses : public QObject {
    Q_OBJECT
public:
    explicit SupportHostAddresses(QObject* parent = nullptr);

    // How names are resolved from the next lookup on.
    void setLookup(HostLookup lookup) { lookup_ = std::move(lookup); }

    // Takes the support host: an address given as such at once, a name through a
    // lookup in the background. An answer for an earlier host is ignored.
    void setHost(const QString& host);
    // Resolves the current name again unless a lookup is running (after a peer was
    // refused: the name's addresses may have come or changed since).
    void refresh();
    // Asks isAllowedSupportPeer with the addresses known now; never waits.
    bool allows(const QHostAddress& peer) const { return isAllowedSupportPeer(peer, addresses_); }
    // True while the name's lookup has not answered.
    bool resolving() const { return resolving_; }

private:
    void startLookup();

    HostLookup lookup_;
    QString name_; // the host as a name to resolve; empty for an address or no host
    QString host_;
    QList<QHostAddress> addresses_;
    quint64 generation_ = 0; // counts lookups, so that only the latest one's answer counts
    bool resolving_ = false;
};

} // namespace chat
