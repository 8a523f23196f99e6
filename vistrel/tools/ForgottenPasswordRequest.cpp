#include "tools/ForgottenPasswordRequest.h"

#include "link/LinkState.h"
#include "link/ReflectorPort.h"
#include "platform/SocketControl.h"
#include "platform/Wait.h"

using platform::SocketControl;

QByteArray forgottenPasswordRequest(const QByteArray& userName, const QByteArray& password)
{
    return "/ForgotPassword\\" + userName + ',' + password;
}

namespace {

// A step that fails leaves the socket closed, so the next press connects afresh.
ForgottenPasswordOutcome closedAfter(SocketControl& socket, ForgottenPasswordOutcome outcome)
{
    socket.Close();
    return outcome;
}

} // namespace

ForgottenPasswordOutcome sendForgottenPasswordRequest(SocketControl& socket, LinkState& state,
                                                      const ForgottenPasswordTarget& target, const QByteArray& request,
                                                      const std::function<void(const QByteArray&)>& status)
{
    socket.Close();
    const PortNumber port = portNumberFromText(target.portText);
    if (!port.value)
        return ForgottenPasswordOutcome::ConnectFailed;
    if (!socket.setRemoteHost(target.host).ok() || !socket.setRemotePort(*port.value).ok() || !socket.Connect().ok())
        return closedAfter(socket, ForgottenPasswordOutcome::ConnectFailed);

    const bool decided = platform::waitUntil(
        [&] {
            const int now = socket.State();
            return now == SocketControl::StateConnected || now == SocketControl::StateError
                || now == SocketControl::StateClosed;
        },
        kForgottenPasswordConnectLimitMs);
    if (!decided)
        return closedAfter(socket, ForgottenPasswordOutcome::ConnectTimedOut);
    if (socket.State() != SocketControl::StateConnected) {
        status("Message Not Sent... Failed to connect to Server...");
        return closedAfter(socket, ForgottenPasswordOutcome::ConnectFailed);
    }

    status("Connected to Larkspire Server");
    state.sendComplete = false;
    if (!socket.SendData(request).ok())
        return closedAfter(socket, ForgottenPasswordOutcome::SendFailed);
    if (!platform::waitUntil([&] { return state.sendComplete; }, kForgottenPasswordSendLimitMs))
        return closedAfter(socket, ForgottenPasswordOutcome::SendFailed);
    status("Password request sent to Larkspire Server...");
    return ForgottenPasswordOutcome::Sent;
}
