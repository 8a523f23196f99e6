#include "link/ArmedTimer.h"
#include "link/ConnectStateTexts.h"
#include "link/ReflectorPort.h"
#include "link/ReflectorSession.h"
#include "link/ReflectorSettings.h"
#include "link/ReflectorSocketSteps.h"
#include "link/TrafficCipher.h"
#include "platform/Codec.h"
#include "platform/Dialogs.h"
#include "platform/RuntimeError.h"
#include "platform/Wait.h"

#include <QScopeGuard>

#include <functional>

using platform::SocketControl;
using Lamp = ReflectorSession::Lamp;
using Marker = ReflectorSession::Marker;
using Window = ReflectorSession::Window;

namespace {

constexpr char kPrimaryAttemptText[] = "Attempting to Connect to Reflector... ";
constexpr char kBackupAttemptText[] = "Attempting to Connect to Back Up Reflector... ";
constexpr char kBothFailedMessage[] = "Can't connect to DB Server or BackUp Server";

// Runs one operation on the reflector socket (a busy socket is closed and the
// operation tried again). Any other failure, or a socket that keeps refusing, is raised.
void runOnSocket(SocketControl& socket, const std::function<SocketControl::Result()>& operation)
{
    const SocketControl::Result result = runOnReflectorSocket(socket, operation);
    if (!result.ok())
        throw platform::RuntimeError(result.number, result.description);
}

} // namespace

class ReflectorSession::Login {
public:
    explicit Login(ReflectorSession& session)
        : session_(session), state_(session.state_), socket_(session.connection().socket())
    {
    }

    void run();

private:
    void attempt(const QString& address, const char* attemptText);
    bool waitForConnection(ReflectorAddress which);
    void reportConnectState();
    bool sendLogin();
    bool rejectedWithinWindow();

    // Detailed steps go to the log only at the high log level.
    void logStep(const QByteArray& line) const
    {
        if (state_.logLevelHigh == 1)
            emit session_.logLine(line);
    }
    // The login keeps the status window out of the way; one that the user opens
    // meanwhile is hidden again at the next step.
    void hideStatusWindow() const { emit session_.windowHideDue(Window::Status); }
    void status(const QByteArray& text) const { emit session_.statusText(text); }

    ReflectorSession& session_;
    LinkState& state_;
    SocketControl& socket_;
    int lastState_ = SocketControl::StateClosed;
};

void ReflectorSession::Login::run()
{
    const ReflectorSettings& settings = session_.settings();
    state_.loginFailed = false;
    hideStatusWindow();

    const QString primary = settings.primaryAddress();
    attempt(primary, kPrimaryAttemptText);
    const bool primaryConnected = waitForConnection(ReflectorAddress::Primary);
    if (!primaryConnected) {
        emit session_.lampShown(1, Lamp::Red);
        status("Can't connect to Larkspire Server...");
    }
    emit session_.windowHideDue(Window::ServerSettings);
    if (primaryConnected)
        state_.reflectorAddress = platform::toCp1252(primary);
    reportConnectState();

    if (!primaryConnected) {
        socket_.Close();
        const QString backup = settings.backupAddress();
        attempt(backup, kBackupAttemptText);
        if (!waitForConnection(ReflectorAddress::Backup)) {
            emit session_.lampShown(1, Lamp::Red);
            platform::dialogs().messageBox(QString::fromLatin1(kBothFailedMessage));
            status("Can't connect to DB Server...");
            state_.loggedIn = false;
            hideStatusWindow();
            return;
        }
        state_.reflectorAddress = platform::toCp1252(backup);
        hideStatusWindow();
        reportConnectState();
    }

    state_.loggedIn = true;
    emit session_.windowHideDue(Window::UserSettings);
    emit session_.lampShown(1, Lamp::Green);
    status("Sending Login String...");

    if (!sendLogin()) {
        state_.connectFailed = true;
        return;
    }
    if (rejectedWithinWindow()) {
        state_.loggedIn = false;
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
}

// Points the socket at the address and starts connecting. The status window always
// shows the address and port of the last attempt, whatever its outcome.
void ReflectorSession::Login::attempt(const QString& address, const char* attemptText)
{
    const QByteArray addressText = platform::toCp1252(address);
    logStep("Remote IP = " + addressText);
    logStep(attemptText + addressText);

    hideStatusWindow();
    emit session_.attemptShown(address);
    runOnSocket(socket_, [&] { return socket_.setRemoteHost(address); });

    hideStatusWindow();
    emit session_.attemptPortShown(session_.settings().portText());

    hideStatusWindow();
    const PortNumber port = reflectorPort(session_.settings());
    if (!port.value)
        throw platform::RuntimeError(port.errorNumber, port.errorDescription);
    runOnSocket(socket_, [&] { return socket_.setRemotePort(*port.value); });
    // Only an error of this connection may count against it.
    state_.socketError = false;
    runOnSocket(socket_, [&] { return socket_.Connect(); });
}

// Shows the text of the socket's state after every batch of events until the socket
// has connected or the address's time runs out. A failed socket keeps waiting: only
// the time limit gives up on an address. A connection seen on the last look wins
// over the limit.
bool ReflectorSession::Login::waitForConnection(ReflectorAddress which)
{
    return platform::waitUntil(
        [&] {
            lastState_ = socket_.State();
            status(connectWaitText(lastState_, which));
            if (which == ReflectorAddress::Backup)
                hideStatusWindow();
            return lastState_ == SocketControl::StateConnected;
        },
        kLoginConnectLimitMs);
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

// Sends the login once and waits for its bytes to leave. False when the socket failed
// or the bytes did not leave in time.
bool ReflectorSession::Login::sendLogin()
{
    const ReflectorSettings& settings = session_.settings();
    const TrafficText message =
        loginOnWire(state_.encryptTraffic, settings.userId(), settings.userName(), settings.password());
    if (!message.ok())
        throw platform::RuntimeError(message.errorNumber, message.errorDescription);
    // A completion left by an earlier send must not count for this one.
    state_.loginSendComplete = false;
    runOnSocket(socket_, [&] { return socket_.SendData(message.text); });

    bool sent = false;
    {
        // The limit's tick sets the socket error flag; the wait's own limit is a second guard.
        ArmedTimer limit(*session_.sendLimit_, kLoginSendLimitMs);
        sent =
            platform::waitUntil([this] { return state_.loginSendComplete || state_.socketError; }, kLoginSendLimitMs);
    }
    state_.loginSendComplete = false;
    if (state_.socketError || !sent) {
        state_.socketError = false;
        return false;
    }
    return true;
}

// Holds the full rejection window, whatever replies arrive meanwhile, and tells
// whether the reflector rejected the login in it.
bool ReflectorSession::Login::rejectedWithinWindow()
{
    {
        ArmedTimer window(*session_.rejectionWindow_, kLoginRejectionWindowMs);
        state_.waitTimeout = false;
        platform::waitUntil([this] { return state_.waitTimeout; }, kLoginRejectionWindowMs);
    }
    state_.waitTimeout = false;
    return state_.loginFailed;
}

void ReflectorSession::logIn()
{
    // One login at a time: a Connect from the toolbar, a menu or a remote command while
    // a login waits changes nothing.
    if (loginRunning_)
        return;
    loginRunning_ = true;
    const auto finished = qScopeGuard([this] { loginRunning_ = false; });
    try {
        Login(*this).run();
    } catch (const platform::RuntimeError& error) {
        state_.connectFailed = true;
        platform::dialogs().messageBox(error.description() + QStringLiteral(" = ") + QString::number(error.number()));
    }
}
