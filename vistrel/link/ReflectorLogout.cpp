#include "link/ArmedTimer.h"
#include "link/ReflectorPort.h"
#include "link/ReflectorSession.h"
#include "link/ReflectorSettings.h"
#include "link/ReflectorSocketSteps.h"
#include "link/TrafficCipher.h"
#include "platform/Codec.h"
#include "platform/Dialogs.h"
#include "platform/Wait.h"

#include <functional>

using platform::SocketControl;
using Lamp = ReflectorSession::Lamp;

namespace {

const QByteArray kSendingLogout = "Sending disconnect request to Reflector...";
const QByteArray kLogoutFailed = "Sending disconnect request to Reflector failed...";
const QByteArray kLogoutSent = "Sending disconnect request to Reflector Successfull...";

} // namespace

// The logout on the reflector socket. A step that fails is skipped, after its error's
// number when the caller asked for that.
class ReflectorSession::Logout {
public:
    Logout(ReflectorSession& session, StepErrors errors)
        : session_(session), state_(session.state_), socket_(session.connection().socket()), errors_(errors)
    {
    }

    LogoutOutcome run();

private:
    bool step(const std::function<SocketControl::Result()>& operation) const;
    void connect() const;
    LogoutOutcome waitForConnection() const;
    bool send() const;
    void statusAndLog(const QByteArray& text) const
    {
        emit session_.statusText(text);
        emit session_.logLine(text);
    }

    ReflectorSession& session_;
    LinkState& state_;
    SocketControl& socket_;
    const StepErrors errors_;
};

ReflectorSession::LogoutOutcome ReflectorSession::Logout::run()
{
    // Only a login that reached a reflector, or a logout still owed, has a logout to send.
    const bool loginToEnd = (state_.loggedIn || state_.logoutOwed) && !state_.reflectorAddress.isEmpty();
    state_.loggedIn = false;
    if (!loginToEnd) {
        emit session_.statusText("Disconnected");
        return LogoutOutcome::NothingToEnd;
    }

    // Owed until it has been sent.
    state_.logoutOwed = true;
    connect();
    const LogoutOutcome connected = waitForConnection();
    if (connected == LogoutOutcome::SocketFailed) {
        emit session_.lampShown(5, Lamp::Red);
        emit session_.statusText("Disconnected");
        return connected;
    }
    if (connected == LogoutOutcome::NotSent || !send()) {
        statusAndLog(kLogoutFailed);
        return LogoutOutcome::NotSent;
    }
    state_.logoutOwed = false;
    statusAndLog(kLogoutSent);
    socket_.Close();
    emit session_.statusText("Disconnected from Reflector Server...");
    emit session_.logLine("Disconnect from Server...");
    return LogoutOutcome::Sent;
}

bool ReflectorSession::Logout::step(const std::function<SocketControl::Result()>& operation) const
{
    const SocketControl::Result result = runOnReflectorSocket(socket_, operation);
    if (!result.ok() && errors_ == StepErrors::Shown)
        platform::dialogs().messageBox(QStringLiteral(" %1").arg(result.number));
    return result.ok();
}

// Starts connecting the socket to the reflector of the last login.
void ReflectorSession::Logout::connect() const
{
    step([&] { return socket_.setRemoteHost(platform::fromCp1252(state_.reflectorAddress)); });
    // Reading the port is a step of its own: a port box without a number fails it.
    const PortNumber port = reflectorPort(session_.settings());
    if (step([&] { return SocketControl::Result{port.errorNumber, port.errorDescription}; }))
        step([&] { return socket_.setRemotePort(*port.value); });
    // A flag left from an earlier failure must not end this connect.
    state_.socketError = false;
    step([&] { return socket_.Connect(); });
}

// Waits within the connect limit (whose tick sets the socket error flag).
ReflectorSession::LogoutOutcome ReflectorSession::Logout::waitForConnection() const
{
    LogoutOutcome outcome = LogoutOutcome::Sent;
    {
        const ArmedTimer limit(*session_.logoutConnectLimit_, kLogoutConnectLimitMs);
        statusAndLog(kSendingLogout);
        // The socket can also end up closed again: the reflector took the connection
        // and ended it at once, so there is nothing to send on.
        platform::waitUntil(
            [&] {
                const int state = socket_.State();
                return state == SocketControl::StateConnected || state == SocketControl::StateError
                    || state == SocketControl::StateClosed || state_.socketError;
            },
            kLogoutConnectLimitMs);
        // Connected wins over a limit that ran out in the same pass.
        if (socket_.State() == SocketControl::StateError)
            outcome = LogoutOutcome::SocketFailed;
        else if (socket_.State() != SocketControl::StateConnected)
            outcome = LogoutOutcome::NotSent;
    }
    state_.socketError = false;
    return outcome;
}

// Sends the logout and waits until its bytes have left.
bool ReflectorSession::Logout::send() const
{
    // Cleared first, so that only this send's completion counts.
    state_.loginSendComplete = false;
    // Building it is a step of its own: a cipher that cannot be reached fails it.
    const TrafficText wire = logoutOnWire(state_.encryptTraffic, session_.settings().outsideAddress());
    return step([&] {
               return SocketControl::Result{wire.errorNumber, wire.errorDescription};
           })
        && step([&] { return socket_.SendData(wire.text); })
        && platform::waitUntil([&] { return state_.loginSendComplete; }, kLogoutSendLimitMs);
}

ReflectorSession::LogoutOutcome ReflectorSession::logOut(StepErrors errors)
{
    return Logout(*this, errors).run();
}
