#include "chat/SupportHostAddresses.h"

#include "platform/Wait.h"

#include <QHostInfo>

namespace chat {

namespace {

bool sameAddress(const QHostAddress& a, const QHostAddress& b)
{
    return a.isEqual(b, QHostAddress::ConvertV4MappedToIPv4);
}

} // namespace

bool isAllowedSupportPeer(const QHostAddress& peer, const QList<QHostAddress>& supportHost)
{
    if (peer.isNull())
        return false;
    if (sameAddress(peer, QHostAddress(QHostAddress::LocalHost))
        || sameAddress(peer, QHostAddress(QHostAddress::LocalHostIPv6)))
        return true;
    for (const QHostAddress& address : supportHost) {
        if (sameAddress(peer, address))
            return true;
    }
    return false;
}

void SupportHostAddresses::setHost(const QString& host)
{
    if (host == host_)
        return;
    host_ = host;
    addresses_.clear();
    if (lookupId_ != -1) {
        QHostInfo::abortHostLookup(lookupId_);
        lookupId_ = -1;
    }
    const QString name = host.trimmed();
    if (name.isEmpty())
        return;
    const QHostAddress literal(name);
    if (!literal.isNull()) {
        addresses_ = {literal};
        return;
    }
    lookupId_ = QHostInfo::lookupHost(name, this, [this](const QHostInfo& info) {
        if (info.lookupId() != lookupId_)
            return;
        lookupId_ = -1;
        addresses_ = info.addresses();
    });
}

bool SupportHostAddresses::allows(const QHostAddress& peer)
{
    if (lookupId_ != -1)
        platform::waitUntil([this] { return lookupId_ == -1; }, kLookupLimitMs);
    return isAllowedSupportPeer(peer, addresses_);
}

} // namespace chat
