#include "link/RequestSenders.h"

#include <utility>

namespace {

std::function<void(const QByteArray&)>& querySenderStandIn()
{
    static std::function<void(const QByteArray&)> receiver;
    return receiver;
}

} // namespace

void setQuerySenderStandIn(std::function<void(const QByteArray& query)> receiver)
{
    querySenderStandIn() = std::move(receiver);
}

// The socket sender replaces this body; the query reaches only the stand-in so far.
void SendQueryToServer(const QByteArray& query)
{
    if (querySenderStandIn())
        querySenderStandIn()(query);
}
