#include "link/ReflectorSocketSteps.h"

using platform::SocketControl;

namespace {

// A socket that keeps refusing after this many closes is left as it is.
constexpr int kBusySocketRetries = 3;

} // namespace

SocketControl::Result runOnReflectorSocket(SocketControl& socket, const std::function<SocketControl::Result()>& step)
{
    SocketControl::Result result = step();
    for (int retry = 0; retry < kBusySocketRetries && result.number == SocketControl::kInvalidOperation; ++retry) {
        socket.close();
        result = step();
    }
    return result;
}
