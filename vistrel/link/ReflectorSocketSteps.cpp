#include "link/ReflectorSocketSteps.h"

#include "link/frmClient.h"
#include "platform/Forms.h"

using platform::SocketControl;

namespace {

// A socket that keeps refusing after this many closes is left as it is.
constexpr int kBusySocketRetries = 3;

} // namespace

SocketControl::Result runOnReflectorSocket(const std::function<SocketControl::Result()>& step)
{
    SocketControl::Result result = step();
    for (int retry = 0; retry < kBusySocketRetries && result.number == SocketControl::kInvalidOperation; ++retry) {
        platform::form<frmClient>().tcpClient->Close();
        result = step();
    }
    return result;
}
