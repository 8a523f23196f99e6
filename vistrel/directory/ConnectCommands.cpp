#include "directory/ConnectCommands.h"

#include "common/Globals.h"
#include "common/SeenRepliesCache.h"
#include "directory/MainVODA.h"
#include "directory/TreeNodes.h"
#include "frame/MDIForm1.h"
#include "frame/ToolbarControl.h"
#include "frame/ToolbarPositions.h"
#include "link/ReflectorPort.h"
#include "link/ReflectorSession.h"
#include "link/TrafficCipher.h"
#include "linkwindows/frmServerSettings.h"
#include "linkwindows/frmSystemStatus.h"
#include "linkwindows/frmUserSettings.h"
#include "platform/Codec.h"
#include "platform/Dialogs.h"
#include "platform/OneShotTimer.h"
#include "platform/RuntimeError.h"
#include "platform/Wait.h"
#include "tools/LocatorWindow.h"
#include "tools/OptionsWindow.h"
#include "ui/Forms.h"
#include "ui/PanelStatusBar.h"

#include <QAction>
#include <QComboBox>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QScopedValueRollback>
#include <QTreeWidget>

#include <optional>
#include <utility>

using ui::form;
using platform::SocketControl;

namespace {

// A step that meets a socket still open from an earlier request closes it and tries
// again, a bounded number of times; then the step fails like any other.
constexpr int kInvalidOperationTries = 3;

// A logout that could not be sent: the next Disconnect tries it again, until a new
// Connect starts.
bool logoutOwed = false;

const QByteArray kSendingLogout = "Sending disconnect request to Reflector...";
const QByteArray kLogoutFailed = "Sending disconnect request to Reflector failed...";
const QByteArray kLogoutSent = "Sending disconnect request to Reflector Successfull...";

struct ConnectTexts {
    QByteArray loggingIn;
    QByteArray connected;
};

ConnectTexts connectTexts(CommandOrigin origin)
{
    if (origin == CommandOrigin::MainWindow)
        return {"Logging into Larkspire Server...", "Logging in..."};
    return {"Logging into Reflector Server...", "Connecting to Server..."};
}

void setStatus(const QByteArray& text)
{
    form<MainVODA>().stsWorld->setPanelText(1, text);
}

void log(const QByteArray& line)
{
    form<frmSystemStatus>().appendLogLine(line);
}

void statusAndLog(const QByteArray& text)
{
    setStatus(text);
    log(text);
}

// The restricted-topics password boxes can be used only while logged in.
void unlockPasswordBoxes(bool unlocked)
{
    OptionsWindow& options = form<OptionsWindow>();
    options.setVisible(false);
    options.setPasswordBoxesEnabled(unlocked);
    options.setVisible(false);
}

// Runs one step of the logout on the reflector socket. The main window skips a step
// that fails; a secondary window shows the error's number first.
class LogoutSteps {
public:
    LogoutSteps(CommandOrigin origin, SocketControl& socket) : origin_(origin), socket_(socket) {}

    bool run(const std::function<SocketControl::Result()>& step)
    {
        SocketControl::Result result = step();
        for (int tries = 1; result.number == SocketControl::kInvalidOperation && tries < kInvalidOperationTries; ++tries) {
            socket_.Close();
            result = step();
        }
        if (!result.ok() && origin_ == CommandOrigin::SecondaryWindow)
            platform::dialogs().messageBox(QStringLiteral(" %1").arg(result.number));
        return result.ok();
    }

private:
    CommandOrigin origin_;
    SocketControl& socket_;
};

SocketControl::Result portFromBox(int& port)
{
    try {
        port = reflectorPort();
    } catch (const platform::RuntimeError& error) {
        return {error.number(), error.description()};
    }
    return {};
}

enum class LogoutConnect { Connected, SocketFailed, NotConnected };

// Connects the reflector socket to the reflector of the last login, within the
// connect limit (MainVODA's Timer3, which sets the socket error flag).
LogoutConnect connectForLogout(LogoutSteps& steps, SocketControl& socket)
{
    int port = 0;
    steps.run([&] { return socket.setRemoteHost(platform::fromCp1252(reflectorSession().state().reflectorAddress)); });
    if (steps.run([&] { return portFromBox(port); }))
        steps.run([&] { return socket.setRemotePort(port); });
    // A flag left from an earlier failure must not end this connect.
    reflectorSession().state().socketError = false;
    steps.run([&] { return socket.Connect(); });
    return LogoutConnect::Connected;
}

// The Connect command that runs, and one asked for meanwhile.
bool connectRunning = false;
std::optional<std::pair<CommandOrigin, ConnectSteps>> deferredConnect;

void runConnect(CommandOrigin origin, const ConnectSteps& steps)
{
    const ConnectTexts texts = connectTexts(origin);
    MainVODA& main = form<MainVODA>();
    // A rejected login shows the user settings window with its "Retry Login" button,
    // which runs this command again. Every login starts here, so the button is
    // joined to it here, once per window.
    QObject::connect(&form<frmUserSettings>(), &frmUserSettings::retryLogin, &main, &MainVODA::mnuConnect_Click,
                     Qt::UniqueConnection);

    reflectorSession().state().connectFailed = false;
    logoutOwed = false;
    deleteSeenRepliesCache();
    LocatorWindow& locator = form<LocatorWindow>();
    locator.hide();
    locator.topicList->setEnabled(true);
    showConnectedState(true);
    setStatus(texts.loggingIn);

    steps.login();

    if (reflectorSession().state().connectFailed) {
        platform::dialogs().messageBox(QStringLiteral("Failed to connect to the Larkspire Server..."));
        setStatus("Login Failed...");
        return;
    }
    if (!reflectorSession().state().loggedIn)
        return; // the login has reported why itself

    setStatus(texts.connected);
    main.tvwMain->clear();
    setStatus("Loading icons...");
    OptionsWindow& options = form<OptionsWindow>();
    options.hide();
    options.setVisible(false);
    if (options.iconLoadingSwitchedOff()) {
        gNoIcons = true;
        // Plus and minus signs and text, no pictures.
        main.tvwMain->setIconSize(QSize(0, 0));
    }
    options.hide();
    steps.loadIcons();
    setStatus("Building Nodes...");
    steps.buildNodes();
    TreeNodes::of(*main.tvwMain).setSorted(true);

    if (reflectorSession().state().loggedIn) {
        setStatus("Login Successful...");
        unlockPasswordBoxes(true);
    }
}

} // namespace

void showConnectedState(bool connected)
{
    MainVODA& main = form<MainVODA>();
    main.mnuConnect->setEnabled(!connected);
    main.mnuDisconnect->setEnabled(connected);
    ToolbarControl& toolbar = *form<MDIForm1>().Toolbar1;
    toolbar.setButtonEnabled(kToolbarConnectButton, !connected);
    toolbar.setButtonEnabled(kToolbarDisconnectButton, connected);
}

void connectCommand(CommandOrigin origin, const ConnectSteps& steps)
{
    // A Connect asked for while one runs (Retry Login pressed while a rejected login
    // still holds its window, a remote command) would find the login busy and leave
    // the menus in the connected state after a logout. It runs whole once the running
    // Connect has ended instead; several such requests make one.
    if (connectRunning) {
        deferredConnect.emplace(origin, steps);
        return;
    }
    const QScopedValueRollback<bool> running(connectRunning, true);
    runConnect(origin, steps);
    while (deferredConnect) {
        const auto [deferredOrigin, deferredSteps] = *std::exchange(deferredConnect, std::nullopt);
        runConnect(deferredOrigin, deferredSteps);
    }
}

void disconnectCommand(CommandOrigin origin)
{
    MainVODA& main = form<MainVODA>();
    SocketControl& socket = reflectorSession().connection().socket();
    LogoutSteps steps(origin, socket);
    // Only a login that reached a reflector, or a logout still owed, has a logout to send.
    const bool loginToEnd = (reflectorSession().state().loggedIn || logoutOwed) && !reflectorSession().state().reflectorAddress.isEmpty();

    deleteSeenRepliesCache();
    reflectorSession().state().loggedIn = false;
    LocatorWindow& locator = form<LocatorWindow>();
    // From a secondary window's menu the locator stays open or hidden, as it was.
    if (origin == CommandOrigin::MainWindow)
        locator.hide();
    locator.topicList->clear();
    locator.topicList->setEnabled(false);
    unlockPasswordBoxes(false);
    main.tvwMain->clear();
    main.stsWorld->setPanelText(2, {});

    if (!loginToEnd) {
        main.List1->clear();
        setStatus("Disconnected");
        showConnectedState(false);
        return;
    }

    // Owed until it has been sent.
    logoutOwed = true;
    LogoutConnect connecting = connectForLogout(steps, socket);
    main.Timer3->setEnabled(true);
    main.Timer3->setInterval(kLogoutConnectLimitMs);
    statusAndLog(kSendingLogout);
    main.List1->clear();

    if (connecting == LogoutConnect::Connected) {
        // The socket can also end up closed again: the reflector took the connection
        // and ended it at once, so there is nothing to send on.
        platform::waitUntil(
            [&] {
                const int state = socket.State();
                return state == SocketControl::StateConnected || state == SocketControl::StateError
                    || state == SocketControl::StateClosed || reflectorSession().state().socketError;
            },
            kLogoutConnectLimitMs);
        // Connected wins over a limit that ran out in the same pass.
        if (socket.State() == SocketControl::StateError)
            connecting = LogoutConnect::SocketFailed;
        else if (socket.State() != SocketControl::StateConnected)
            connecting = LogoutConnect::NotConnected;
    }
    main.Timer3->setEnabled(false);
    main.Timer3->setInterval(0);
    reflectorSession().state().socketError = false;

    if (connecting == LogoutConnect::SocketFailed) {
        form<frmSystemStatus>().cmdRed5_Click();
        setStatus("Disconnected");
        return;
    }
    if (connecting == LogoutConnect::NotConnected) {
        statusAndLog(kLogoutFailed);
        return;
    }

    // Cleared first, so that only this send's completion counts.
    reflectorSession().state().loginSendComplete = false;
    const QByteArray outsideAddress = platform::toCp1252(form<frmUserSettings>().txtIPAddress->text());
    const bool sent = steps.run([&] { return socket.SendData(logoutOnWire(outsideAddress)); })
        && platform::waitUntil([] { return reflectorSession().state().loginSendComplete; }, kLogoutSendLimitMs);
    if (!sent) {
        statusAndLog(kLogoutFailed);
        return;
    }
    logoutOwed = false;
    statusAndLog(kLogoutSent);
    socket.Close();
    setStatus("Disconnected from Reflector Server...");
    log("Disconnect from Server...");

    main.tvwMain->clear();
    showConnectedState(false);
    deleteSeenRepliesCache();
}
