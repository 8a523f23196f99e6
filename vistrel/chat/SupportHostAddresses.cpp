#include "chat/SupportHostAddresses.h"

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

void lookUpWithSystemResolver(const QString& name, QObject* context, HostAnswer answer)
{
    QHostInfo::lookupHost(name, context,
                          [answer = std::move(answer)](const QHostInfo& info) { answer(info.addresses()); });
}

SupportHostAddresses::SupportHostAddresses(QObject* parent) : QObject(parent), lookup_(lookUpWithSystemResolver)
{
}

void SupportHostAddresses::setHost(const QString& host)
{
    if (host == host_)
        return;
    host_ = host;
    addresses_.clear();
    name_.clear();
    ++generation_; // a lookup still running answers for the earlier host
    resolving_ = false;
    const QString trimmed = host.trimmed();
    if (trimmed.isEmpty())
        return;
    const QHostAddress literal(trimmed);
    if (!literal.isNull()) {
        addresses_ = {literal};
        return;
    }
    name_ = trimmed;
    startLookup();
}

void SupportHostAddresses::refresh()
{
    if (!name_.isEmpty() && !resolving_)
        startLookup();
}

void SupportHostAddresses::startLookup()
{
    const quint64 lookup = ++generation_;
    resolving_ = true;
    lookup_(name_, this, [this, lookup](const QList<QHostAddress>& addresses) {
        if (lookup != generation_)
            return;
        resolving_ = false;
        addresses_ = addresses;
    });
}

} // namespace chat
