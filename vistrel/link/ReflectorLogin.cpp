#include "link/ReflectorPort.h"
#include "link/ReflectorSession.h"
#include "link/ReflectorSessionJobs.h"
#include "link/ReflectorSettings.h"
#include "link/ReflectorSocketSteps.h"
#include "link/TrafficCipher.h"
#include "platform/Codec.h"

using platform::SocketControl;
using Lamp = ReflectorSession::Lamp;
using Marker = ReflectorSession::Marker;
using Status = ReflectorSession::Status;
using Window = ReflectorSession::Window;

namespace {

constexpr char kPrimaryAttemptText[] = "Attempting to Connect to Reflector... ";
constexpr char kBackupAttemptText[] = "Attempting to Connect to Back Up Reflector... ";
constexpr char kBothFailedMessage[] = "Can't connect to DB Server or BackUp Server";

} // namespace

ReflectorSession::Login::Login(ReflectorSession& session)
    : session_(session), state_(session.state_), socket_(session.connection().socket())
{
    // Every event of the socket while it connects is one more look at its state; an
    // error ends neither address's time: only the limit gives up on an address.
    const auto lookWhileConnecting = [this] {
        if (session_.status_ == Status::ConnectingPrimary || session_.status_ == Status::ConnectingBackup)
            look();
    };
    QObject::connect(&socket_, &SocketControl::stateChanged, &session_, lookWhileConnecting);
    QObject::connect(&socket_, &SocketControl::connected, &session_, lookWhileConnecting);
    QObject::connect(&socket_, &SocketControl::socketError, &session_, [this, lookWhileConnecting] {
        if (session_.status_ == Status::SendingLogin)
            sendEnded(false);
        else
            lookWhileConnecting();
    });
    QObject::connect(&socket_, &SocketControl::sendComplete, &session_, [this] {
        if (session_.status_ == Status::SendingLogin)
            sendEnded(true);
    });
    QObject::connect(session_.loginConnectLimit_, &platform::Timer::tick, &session_, [this] { connectLimitReached(); });
    QObject::connect(session_.loginSendLimit_, &platform::Timer::tick, &session_, [this] { sendEnded(false); });
    QObject::connect(session_.rejectionWindow_, &platform::Timer::tick, &session_, [this] { rejectionWindowEnded(); });
}

bool ReflectorSession::Login::onSocket() const
{
    const Status status = session_.status_;
    return status == Status::ConnectingPrimary || status == Status::ConnectingBackup || status == Status::SendingLogin;
}

void ReflectorSession::Login::start()
{
    session_.requests_->endAll();
    state_.loginFailed = false;
    hideStatusWindow();
    attempt(ReflectorAddress::Primary);
}

// Points the socket at the address and starts connecting. The status window always
// shows the address and port of the last attempt, whatever its outcome.
void ReflectorSession::Login::attempt(ReflectorAddress which)
{
    address_ = which;
    const bool primary = which == ReflectorAddress::Primary;
    session_.setStatus(primary ? Status::ConnectingPrimary : Status::ConnectingBackup);
    const ReflectorSettings& settings = session_.settings();
    addressText_ = primary ? settings.primaryAddress() : settings.backupAddress();
    const QByteArray addressText = platform::toCp1252(addressText_);
    logStep("Remote IP = " + addressText);
    logStep((primary ? kPrimaryAttemptText : kBackupAttemptText) + addressText);

    hideStatusWindow();
    emit session_.attemptShown(addressText_);
    SocketControl::Result result = runOnReflectorSocket(socket_, [&] { return socket_.setRemoteHost(addressText_); });
    if (!result.ok()) {
        fail(result);
        return;
    }

    hideStatusWindow();
    emit session_.attemptPortShown(settings.portText());

    hideStatusWindow();
    const PortNumber port = reflectorPort(settings);
    result = port.value ? runOnReflectorSocket(socket_, [&] { return socket_.setRemotePort(*port.value); })
                        : SocketControl::Result{port.errorNumber, port.errorDescription};
    if (result.ok())
        result = runOnReflectorSocket(socket_, [&] { return socket_.connectToHost(); });
    if (!result.ok()) {
        fail(result);
        return;
    }
    session_.loginConnectLimit_->start(kLoginConnectLimitMs);
    // The first look comes before any event.
    look();
}

// Shows the text of the socket's state; a connection seen ends the address's wait.
void ReflectorSession::Login::look()
{
    lastState_ = socket_.state();
    status(connectWaitText(lastState_, address_));
    if (address_ == ReflectorAddress::Backup)
        hideStatusWindow();
    if (lastState_ == SocketControl::State::Connected) {
        session_.loginConnectLimit_->stop();
        connectedToAddress();
    }
}

// The address's time has run out. A connection seen on this last look wins over the limit.
void ReflectorSession::Login::connectLimitReached()
{
    look();
    if (lastState_ != SocketControl::State::Connected)
        addressFailed();
}

void ReflectorSession::Login::connectedToAddress()
{
    if (address_ == ReflectorAddress::Primary) {
        emit session_.windowHideDue(Window::ServerSettings);
        state_.reflectorAddress = platform::toCp1252(addressText_);
        reportConnectState();
    } else {
        state_.reflectorAddress = platform::toCp1252(addressText_);
        hideStatusWindow();
        reportConnectState();
    }
    sendLogin();
}

void ReflectorSession::Login::addressFailed()
{
    emit session_.lampShown(1, Lamp::Red);
    if (address_ == ReflectorAddress::Primary) {
        status("Can't connect to Larkspire Server...");
        emit session_.windowHideDue(Window::ServerSettings);
        reportConnectState();
        socket_.close();
        attempt(ReflectorAddress::Backup);
        return;
    }
    emit session_.messageDue(QString::fromLatin1(kBothFailedMessage));
    status("Can't connect to DB Server...");
    state_.loggedIn = false;
    hideStatusWindow();
    end();
}

void ReflectorSession::Login::reportConnectState()
{
    if (state_.logLevelHigh == 1) {
        const ConnectReport report = connectReport(lastState_);
        logStep(report.logLine);
        status(report.statusText);
    }
    hideStatusWindow();
}

// Sends the login once; its bytes have kLoginSendLimitMs to leave.
void ReflectorSession::Login::sendLogin()
{
    state_.loggedIn = true;
    emit session_.windowHideDue(Window::UserSettings);
    emit session_.lampShown(1, Lamp::Green);
    status("Sending Login String...");
    session_.setStatus(Status::SendingLogin);

    const ReflectorSettings& settings = session_.settings();
    const TrafficText message =
        loginOnWire(state_.encryptTraffic, settings.userId(), settings.userName(), settings.password());
    SocketControl::Result result{message.errorNumber, message.errorDescription};
    if (result.ok())
        result = runOnReflectorSocket(socket_, [&] { return socket_.send(message.text); });
    if (!result.ok()) {
        fail(result);
        return;
    }
    session_.loginSendLimit_->start(kLoginSendLimitMs);
}

// The socket finished the send, failed, or the send limit ran out. A login whose bytes
// left holds the full rejection window, whatever replies arrive meanwhile.
void ReflectorSession::Login::sendEnded(bool sent)
{
    session_.loginSendLimit_->stop();
    if (!sent) {
        state_.connectFailed = true;
        end();
        return;
    }
    session_.setStatus(Status::RejectionWindow);
    session_.rejectionWindow_->start(kLoginRejectionWindowMs);
}

// A logout that ran meanwhile leaves the session logging out or logged out; the login
// still ends with its own steps.
void ReflectorSession::Login::rejectionWindowEnded()
{
    if (state_.loginFailed) {
        state_.loggedIn = false;
        end();
        return;
    }
    status("Send in Login complete...");
    hideStatusWindow();
    logStep("Sending data...");
    status("Sending data...");
    const QByteArray waitingForAddress = "Now Waiting for Vistrel's External IP to be Returned ";
    status(waitingForAddress);
    logStep(waitingForAddress);
    emit session_.markerShown(Marker::Segment1, true);
    emit session_.windowHideDue(Window::UserSettings);
    hideStatusWindow();
    end();
}

void ReflectorSession::Login::yieldSocket()
{
    if (!onSocket())
        return;
    session_.loginConnectLimit_->stop();
    session_.loginSendLimit_->stop();
    emit session_.loginEnded();
}

// A step that failed ends the login with the error's description and number.
void ReflectorSession::Login::fail(const SocketControl::Result& error)
{
    state_.connectFailed = true;
    emit session_.messageDue(error.description + QStringLiteral(" = ") + QString::number(error.number));
    end();
}

void ReflectorSession::Login::end()
{
    // A logout that started in the rejection window runs on.
    if (!session_.logout_->running())
        session_.setStatus(state_.loggedIn ? Status::LoggedIn : Status::LoggedOut);
    emit session_.loginEnded();
}

void ReflectorSession::Login::logStep(const QByteArray& line) const
{
    if (state_.logLevelHigh == 1)
        emit session_.logLine(line);
}

void ReflectorSession::Login::hideStatusWindow() const
{
    emit session_.windowHideDue(Window::Status);
}

void ReflectorSession::Login::status(const QByteArray& text) const
{
    emit session_.statusText(text);
}

void ReflectorSession::logIn()
{
    // One login at a time, and none while a logout runs: a Connect from the toolbar, a
    // menu or a remote command meanwhile changes nothing.
    if (busy())
        return;
    login_->start();
}
