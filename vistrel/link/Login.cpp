#include "Login.h"

#include "ConnectStateTexts.h"
#include "MainStatus.h"
#include "ReflectorPort.h"
#include "ReflectorSocketSteps.h"
#include "TrafficCipher.h"
#include "ui/TrafficMarker.h"
#include "common/Globals.h"
#include "directory/MainVODA.h"
#include "frmClient.h"
#include "linkwindows/frmServerSettings.h"
#include "linkwindows/frmSystemStatus.h"
#include "linkwindows/frmUserSettings.h"
#include "platform/Codec.h"
#include "platform/Dialogs.h"
#include "ui/Forms.h"
#include "platform/OneShotTimer.h"
#include "platform/RuntimeError.h"
#include "platform/Wait.h"

#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>

#include <functional>

using ui::form;
using platform::SocketControl;

namespace {

constexpr char kPrimaryAttemptText[] = "Attempting to Connect to Reflector... ";
constexpr char kBackupAttemptText[] = "Attempting to Connect to Back Up Reflector... ";
constexpr char kBothFailedMessage[] = "Can't connect to DB Server or BackUp Server";

bool loginRunning = false;

SocketControl& reflectorSocket()
{
    return *form<frmClient>().tcpClient;
}

// Detailed steps go to the status window's log only at the high log level.
void logStep(const QByteArray& line)
{
    if (gLogLevelHigh == 1)
        form<frmSystemStatus>().appendLogLine(line);
}

// The login keeps the status window out of the way; one that the user opens meanwhile
// is hidden again at the next step.
void hideStatusWindow()
{
    form<frmSystemStatus>().hide();
}

// Runs one operation on the reflector socket (a busy socket is closed and the
// operation tried again). Any other failure, or a socket that keeps refusing, is raised.
void runOnSocket(const std::function<SocketControl::Result()>& operation)
{
    const SocketControl::Result result = runOnReflectorSocket(reflectorSocket(), operation);
    if (!result.ok())
        throw platform::RuntimeError(result.number, result.description);
}

// Arms one of the main window's one-shot timers for a wait and disarms it when the
// wait is over, also when the wait ended before the tick.
class ArmedTimer {
public:
    ArmedTimer(platform::OneShotTimer& timer, int intervalMs)
        : timer_(timer)
    {
        timer_.setEnabled(true);
        timer_.setInterval(intervalMs);
    }
    ~ArmedTimer()
    {
        timer_.setEnabled(false);
        timer_.setInterval(0);
    }
    ArmedTimer(const ArmedTimer&) = delete;
    ArmedTimer& operator=(const ArmedTimer&) = delete;

private:
    platform::OneShotTimer& timer_;
};

class Login {
public:
    void run();

private:
    void attempt(const QString& address, const char* attemptText);
    bool waitForConnection(ReflectorAddress which);
    void reportConnectState();
    bool sendLogin();
    bool rejectedWithinWindow();

    int lastState_ = SocketControl::StateClosed;
};

void Login::run()
{
    frmServerSettings& server = form<frmServerSettings>();
    form<frmClient>(); // loaded hidden before its socket is first used
    gLoginFailed = false;
    hideStatusWindow();

    const QString primary = server.txtIPAddress->text();
    attempt(primary, kPrimaryAttemptText);
    const bool primaryConnected = waitForConnection(ReflectorAddress::Primary);
    if (!primaryConnected) {
        form<frmSystemStatus>().cmdRed1_Click();
        showMainStatus("Can't connect to Larkspire Server...");
    }
    server.hide();
    if (primaryConnected)
        gReflectorAddress = platform::toCp1252(primary);
    reportConnectState();

    if (!primaryConnected) {
        reflectorSocket().Close();
        const QString backup = server.txtIPAddressBackUp->text();
        attempt(backup, kBackupAttemptText);
        if (!waitForConnection(ReflectorAddress::Backup)) {
            form<frmSystemStatus>().cmdRed1_Click();
            platform::dialogs().messageBox(QString::fromLatin1(kBothFailedMessage));
            showMainStatus("Can't connect to DB Server...");
            gLoggedIn = false;
            hideStatusWindow();
            return;
        }
        gReflectorAddress = platform::toCp1252(backup);
        hideStatusWindow();
        reportConnectState();
    }

    gLoggedIn = true;
    form<frmUserSettings>().hide();
    form<frmSystemStatus>().cmdGreen1_Click();
    showMainStatus("Sending Login String...");

    if (!sendLogin()) {
        gConnectFailed = true;
        return;
    }
    if (rejectedWithinWindow()) {
        gLoggedIn = false;
        return;
    }

    showMainStatus("Send in Login complete...");
    hideStatusWindow();
    logStep("Sending data...");
    showMainStatus("Sending data...");
    const QByteArray waitingForAddress = "Now Waiting for Vistrel's External IP to be Returned ";
    showMainStatus(waitingForAddress);
    logStep(waitingForAddress);
    form<frmSystemStatus>().imgSegment1SendData->setVisible(true);
    form<frmUserSettings>().hide();
    hideStatusWindow();
}

// Points the socket at the address and starts connecting. The two labels of the
// status window always show the last attempt, whatever its outcome.
void Login::attempt(const QString& address, const char* attemptText)
{
    const QByteArray addressText = platform::toCp1252(address);
    logStep("Remote IP = " + addressText);
    logStep(attemptText + addressText);

    frmSystemStatus& status = form<frmSystemStatus>();
    SocketControl& socket = reflectorSocket();
    hideStatusWindow();
    status.lblReflectorAddr->setText(address);
    runOnSocket([&] { return socket.setRemoteHost(address); });

    hideStatusWindow();
    const QString portText = form<frmServerSettings>().txtPort->text();
    status.lblReflectorPort->setText(portText);

    hideStatusWindow();
    const int port = reflectorPort();
    runOnSocket([&] { return socket.setRemotePort(port); });
    // Only an error of this connection may count against it.
    gSocketError = false;
    runOnSocket([&] { return socket.Connect(); });
}

// Shows the text of the socket's state after every batch of events until the socket
// has connected or the address's time runs out. A failed socket keeps waiting: only
// the time limit gives up on an address. A connection seen on the last look wins
// over the limit.
bool Login::waitForConnection(ReflectorAddress which)
{
    const SocketControl& socket = reflectorSocket();
    return platform::waitUntil(
        [&] {
            lastState_ = socket.State();
            showMainStatus(connectWaitText(lastState_, which));
            if (which == ReflectorAddress::Backup)
                hideStatusWindow();
            return lastState_ == SocketControl::StateConnected;
        },
        kLoginConnectLimitMs);
}

void Login::reportConnectState()
{
    if (gLogLevelHigh == 1) {
        const ConnectReport report = connectReport(lastState_);
        logStep(report.logLine);
        showMainStatus(report.statusText);
    }
    hideStatusWindow();
}

// Sends the login once and waits for its bytes to leave. False when the socket failed
// or the bytes did not leave in time.
bool Login::sendLogin()
{
    const frmUserSettings& user = form<frmUserSettings>();
    const QByteArray message = loginOnWire(platform::toCp1252(user.txtUserID->text()),
                                           platform::toCp1252(user.txtUserName->text()),
                                           platform::toCp1252(user.txtPassword->text()));
    // A completion left by an earlier send must not count for this one.
    gLoginSendComplete = false;
    runOnSocket([&] { return reflectorSocket().SendData(message); });

    bool sent = false;
    {
        // Timer3's tick sets gSocketError; the wait's own limit only guards against the
        // timer being taken over by another command meanwhile.
        ArmedTimer limit(*form<MainVODA>().Timer3, kLoginSendLimitMs);
        sent = platform::waitUntil([] { return gLoginSendComplete || gSocketError; }, kLoginSendLimitMs);
    }
    gLoginSendComplete = false;
    if (gSocketError || !sent) {
        gSocketError = false;
        return false;
    }
    return true;
}

// Holds the full rejection window, whatever replies arrive meanwhile, and tells
// whether the reflector rejected the login in it.
bool Login::rejectedWithinWindow()
{
    {
        ArmedTimer window(*form<MainVODA>().Timer6, kLoginRejectionWindowMs);
        gWaitTimeout = false;
        platform::waitUntil([] { return gWaitTimeout; }, kLoginRejectionWindowMs);
    }
    gWaitTimeout = false;
    return gLoginFailed;
}

} // namespace

void ConnectToReflector()
{
    // One login at a time: a Connect from the toolbar, a menu or a remote command while
    // a login waits changes nothing.
    if (loginRunning)
        return;
    loginRunning = true;
    const auto finished = qScopeGuard([] { loginRunning = false; });
    try {
        Login().run();
    } catch (const platform::RuntimeError& error) {
        gConnectFailed = true;
        platform::dialogs().messageBox(error.description() + QStringLiteral(" = ") + QString::number(error.number()));
    }
}
