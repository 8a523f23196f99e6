#include "StallingPort.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <thread>

namespace {

// More than the queue of a zero backlog holds; the rest wait in the handshake.
constexpr int kFillers = 3;

sockaddr_in loopback(quint16 port)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

} // namespace

StallingPort::StallingPort()
{
    listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = loopback(0);
    socklen_t length = sizeof address;
    if (listener_ < 0 || ::bind(listener_, reinterpret_cast<sockaddr*>(&address), length) != 0
        || ::listen(listener_, 0) != 0 || ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        return;
    const quint16 port = ntohs(address.sin_port);
    for (int i = 0; i < kFillers; ++i) {
        const int filler = ::socket(AF_INET, SOCK_STREAM, 0);
        if (filler < 0)
            return;
        fillers_ << filler;
        ::fcntl(filler, F_SETFL, O_NONBLOCK);
        const sockaddr_in target = loopback(port);
        ::connect(filler, reinterpret_cast<const sockaddr*>(&target), sizeof target); // in progress
    }
    // The handshakes of the fillers are the kernel's; a moment lets them fill the queue.
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    port_ = port;
}

StallingPort::~StallingPort()
{
    for (int filler : fillers_)
        ::close(filler);
    if (listener_ >= 0)
        ::close(listener_);
}
