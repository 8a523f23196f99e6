#include "link/ReflectorPort.h"
#include "link/ReflectorSession.h"
#include "link/ReflectorSessionJobs.h"
#include "link/ReflectorSettings.h"
#include "link/ReflectorSocketSteps.h"
#include "link/TrafficCipher.h"
#include "platform/Codec.h"

using platform::SocketControl;
using Lamp = ReflectorSession::Lamp;
using Status = ReflectorSession::Status;

namespace {

const QByteArray kSendingLogout = "Sending disconnect request to Reflector...";
const QByteArray kLogoutFailed = "Sending disconnect request to Reflector failed...";
const QByteArray kLogoutSent = "Sending disconnect request to Reflector Successfull...";

} // namespace

ReflectorSession::Logout::Logout(ReflectorSession& session)
    : session_(session), state_(session.state_), socket_(session.connection().socket())
{
    const auto lookWhileConnecting = [this] {
        if (phase_ == Phase::Connecting)
            look();
    };
    QObject::connect(&socket_, &SocketControl::stateChanged, &session_, lookWhileConnecting);
    QObject::connect(&socket_, &SocketControl::connected, &session_, lookWhileConnecting);
    QObject::connect(&socket_, &SocketControl::socketError, &session_, lookWhileConnecting);
    // The reflector can take the connection and end it at once: nothing to send on.
    QObject::connect(session_.connection_, &ReflectorConnection::closedByPeer, &session_, lookWhileConnecting);
    QObject::connect(&socket_, &SocketControl::sendComplete, &session_, [this] {
        if (phase_ == Phase::Sending)
            sendEnded(true);
    });
    QObject::connect(session_.logoutConnectLimit_, &platform::Timer::tick, &session_, [this] { connectionDecided(); });
    QObject::connect(session_.logoutSendLimit_, &platform::Timer::tick, &session_, [this] { sendEnded(false); });
}

void ReflectorSession::Logout::start(StepErrors errors)
{
    // A logout already on its way is the one this call asked for.
    if (running())
        return;
    // Only a login that reached a reflector, or a logout still owed, has a logout to send.
    const bool loginToEnd = (state_.loggedIn || state_.logoutOwed) && !state_.reflectorAddress.isEmpty();
    state_.loggedIn = false;
    if (!loginToEnd) {
        emit session_.statusText("Disconnected");
        if (session_.status_ == Status::LoggedIn)
            session_.setStatus(Status::LoggedOut);
        emit session_.logoutEnded(LogoutOutcome::NothingToEnd);
        return;
    }

    errors_ = errors;
    // Owed until it has been sent.
    state_.logoutOwed = true;
    session_.login_->yieldSocket();
    session_.requests_->endAll();
    phase_ = Phase::Connecting;
    session_.setStatus(Status::LoggingOut);
    connect();
    session_.logoutConnectLimit_->start(kLogoutConnectLimitMs);
    statusAndLog(kSendingLogout);
    // The first look comes before any event.
    look();
}

bool ReflectorSession::Logout::step(const SocketControl::Result& result) const
{
    if (!result.ok() && errors_ == StepErrors::Shown)
        emit session_.messageDue(QStringLiteral(" %1").arg(result.number));
    return result.ok();
}

// Starts connecting the socket to the reflector of the last login.
void ReflectorSession::Logout::connect()
{
    const QString host = platform::fromCp1252(state_.reflectorAddress);
    step(runOnReflectorSocket(socket_, [&] { return socket_.setRemoteHost(host); }));
    // Reading the port is a step of its own: a port box without a number fails it.
    const PortNumber port = reflectorPort(session_.settings());
    if (step(SocketControl::Result{port.errorNumber, port.errorDescription}))
        step(runOnReflectorSocket(socket_, [&] { return socket_.setRemotePort(*port.value); }));
    step(runOnReflectorSocket(socket_, [&] { return socket_.connectToHost(); }));
}

// The connect is decided once the socket has connected, failed or closed again.
void ReflectorSession::Logout::look()
{
    const SocketControl::State state = socket_.state();
    if (state == SocketControl::State::Connected || state == SocketControl::State::Error
        || state == SocketControl::State::Closed)
        connectionDecided();
}

// Also the connect limit's tick: connected wins over a limit that ran out on the same look.
void ReflectorSession::Logout::connectionDecided()
{
    session_.logoutConnectLimit_->stop();
    const SocketControl::State state = socket_.state();
    if (state == SocketControl::State::Error) {
        emit session_.lampShown(5, Lamp::Red);
        emit session_.statusText("Disconnected");
        end(LogoutOutcome::SocketFailed);
    } else if (state != SocketControl::State::Connected) {
        statusAndLog(kLogoutFailed);
        end(LogoutOutcome::NotSent);
    } else {
        send();
    }
}

// Sends the logout; its bytes have kLogoutSendLimitMs to leave.
void ReflectorSession::Logout::send()
{
    phase_ = Phase::Sending;
    // Building it is a step of its own: a cipher that cannot be reached fails it.
    const TrafficText wire = logoutOnWire(state_.encryptTraffic, session_.settings().outsideAddress());
    if (!step(SocketControl::Result{wire.errorNumber, wire.errorDescription}) || !step(socket_.send(wire.text))) {
        sendEnded(false);
        return;
    }
    session_.logoutSendLimit_->start(kLogoutSendLimitMs);
}

void ReflectorSession::Logout::sendEnded(bool sent)
{
    session_.logoutSendLimit_->stop();
    if (!sent) {
        statusAndLog(kLogoutFailed);
        end(LogoutOutcome::NotSent);
        return;
    }
    state_.logoutOwed = false;
    statusAndLog(kLogoutSent);
    socket_.close();
    emit session_.statusText("Disconnected from Reflector Server...");
    emit session_.logLine("Disconnect from Server...");
    end(LogoutOutcome::Sent);
}

// A logout that ran in the login's rejection window leaves the login holding it.
void ReflectorSession::Logout::end(LogoutOutcome outcome)
{
    phase_ = Phase::Idle;
    session_.setStatus(session_.rejectionWindow_->isEnabled() ? Status::RejectionWindow : Status::LoggedOut);
    emit session_.logoutEnded(outcome);
}

void ReflectorSession::Logout::statusAndLog(const QByteArray& text) const
{
    emit session_.statusText(text);
    emit session_.logLine(text);
}

void ReflectorSession::logOut(StepErrors errors)
{
    logout_->start(errors);
}
