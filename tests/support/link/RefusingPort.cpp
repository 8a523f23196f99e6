#include "RefusingPort.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

RefusingPort::RefusingPort()
{
    // Without SO_REUSEADDR, so no other socket can bind the port while this one has it.
    socket_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (socket_ < 0 || ::bind(socket_, reinterpret_cast<sockaddr*>(&address), length) != 0
        || ::getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        return;
    port_ = ntohs(address.sin_port);
}

RefusingPort::~RefusingPort()
{
    if (socket_ >= 0)
        ::close(socket_);
}

QString RefusingPort::url() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(port_);
}
