#include "link/ReflectorSession.h"

#include "common/Globals.h"
#include "link/AdvertPage.h"
#include "link/ConnectStateTexts.h"
#include "link/ReflectorPort.h"
#include "link/ReflectorSettings.h"
#include "link/ReflectorSocketSteps.h"
#include "link/ServerSettingsFile.h"
#include "link/TrafficCipher.h"
#include "link/UserSettingsFile.h"
#include "platform/Codec.h"
#include "platform/Dialogs.h"
#include "platform/OneShotTimer.h"
#include "platform/ProcessEnd.h"
#include "platform/RuntimeError.h"
#include "platform/Wait.h"

#include <QPointer>
#include <QScopeGuard>

#include <functional>
#include <utility>

using platform::SocketControl;
using Lamp = ReflectorSession::Lamp;
using Marker = ReflectorSession::Marker;
using Window = ReflectorSession::Window;

namespace {

constexpr int kNoDataClearMs = 2000;
constexpr int kLoadedClearMs = 4000;
// "/NDF/" replies in a row that bring the hint to use the locator.
constexpr int kNoDataRepliesForHint = 3;

constexpr char kPrimaryAttemptText[] = "Attempting to Connect to Reflector... ";
constexpr char kBackupAttemptText[] = "Attempting to Connect to Back Up Reflector... ";
constexpr char kBothFailedMessage[] = "Can't connect to DB Server or BackUp Server";

// Settings that give the empty text for every value, until the windows provide theirs.
class NoSettings final : public ReflectorSettings {
public:
    QString primaryAddress() const override { return {}; }
    QString backupAddress() const override { return {}; }
    QString portText() const override { return {}; }
    QByteArray userId() const override { return {}; }
    QByteArray userName() const override { return {}; }
    QByteArray password() const override { return {}; }
    QByteArray outsideAddress() const override { return {}; }
};

// Runs one operation on the reflector socket (a busy socket is closed and the
// operation tried again). Any other failure, or a socket that keeps refusing, is raised.
void runOnSocket(SocketControl& socket, const std::function<SocketControl::Result()>& operation)
{
    const SocketControl::Result result = runOnReflectorSocket(socket, operation);
    if (!result.ok())
        throw platform::RuntimeError(result.number, result.description);
}

// Arms one of the session's one-shot timers for a wait and disarms it when the wait
// is over, also when the wait ended before the tick.
class ArmedTimer {
public:
    ArmedTimer(platform::OneShotTimer& timer, int intervalMs) : timer_(timer)
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

QPointer<ReflectorSession>& sessionSlot()
{
    static QPointer<ReflectorSession> session;
    return session;
}

std::function<void(ReflectorSession&)>& sessionObserver()
{
    static std::function<void(ReflectorSession&)> observe;
    return observe;
}

} // namespace

// --- The login ---------------------------------------------------------------------------

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
    const int port = reflectorPort();
    runOnSocket(socket_, [&] { return socket_.setRemotePort(port); });
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
    const QByteArray message = loginOnWire(settings.userId(), settings.userName(), settings.password());
    // A completion left by an earlier send must not count for this one.
    state_.loginSendComplete = false;
    runOnSocket(socket_, [&] { return socket_.SendData(message); });

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

// --- The logout ------------------------------------------------------------------------------

namespace {

const QByteArray kSendingLogout = "Sending disconnect request to Reflector...";
const QByteArray kLogoutFailed = "Sending disconnect request to Reflector failed...";
const QByteArray kLogoutSent = "Sending disconnect request to Reflector Successfull...";

// A step of the program's own that fails with a run-time error, as a socket step fails.
std::function<SocketControl::Result()> asStep(std::function<void()> body)
{
    return [body = std::move(body)]() -> SocketControl::Result {
        try {
            body();
        } catch (const platform::RuntimeError& error) {
            return {error.number(), error.description()};
        }
        return {};
    };
}

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
    int port = 0;
    const bool portRead = step(asStep([&] { port = reflectorPort(); }));
    if (portRead)
        step([&] { return socket_.setRemotePort(port); });
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
    QByteArray wire;
    return step(asStep([&] { wire = logoutOnWire(session_.settings().outsideAddress()); }))
        && step([&] { return socket_.SendData(wire); })
        && platform::waitUntil([&] { return state_.loginSendComplete; }, kLogoutSendLimitMs);
}

// --- The requests --------------------------------------------------------------------------

namespace {

// Where a request reports its progress.
enum class Reporter { MainWindow, Locator, PasswordChange };

// What the requests do differently. An empty text is not shown.
struct RequestKind {
    QByteArray prefix;
    Reporter reporter;
    QByteArray connectedText;
    QByteArray sendingText;
    QByteArray sentText;
    QByteArray waitingText = {}; // once the send is done and the connection is left for the answer
    const char* noConnectionMessage = "Could not connect to DBServer";
    int sendLimitMs = kRequestSendLimitMs;
};

const RequestKind kDirectoryQuery{
    {}, Reporter::MainWindow, "Connected to Reflector Server", "Sending Query to Server...", "Query sent to Server..."};
const RequestKind kTopicRequest{"/SumReq/", Reporter::Locator, "Connected OK ...", {}, "Sent Data OK ..."};
const RequestKind kSearchRequest{"/SumReqText/", Reporter::Locator, "Connected OK ...", {}, "Sent Data OK ..."};
const RequestKind kPasswordChange{"/ChangePass/,",
                                  Reporter::PasswordChange,
                                  {},
                                  "Sending Request to change password...",
                                  "Request to change password sent ok...",
                                  "Waiting for acknowledgement ...",
                                  "Could not connect to Reflector Server",
                                  kPasswordChangeSendLimitMs};

} // namespace

// One request: stages its text, connects the socket afresh to the reflector of the last
// login, sends the text in one piece (enciphered while the traffic cipher is on) and waits until the
// socket reports it sent. A request started while an earlier one still waits takes
// the socket over; the earlier one then returns without a further report.
class ReflectorSession::Request {
public:
    Request(ReflectorSession& session, const RequestKind& kind)
        : session_(session), state_(session.state_), socket_(session.connection().socket()), kind_(kind),
          number_(++session.requestsStarted_)
    {
    }

    void send(const QByteArray& argument);

private:
    enum class Outcome { Done, Failed, TimedOut, TakenOver };

    void showStatus(const QByteArray& text) const
    {
        if (text.isEmpty())
            return;
        switch (kind_.reporter) {
        case Reporter::MainWindow: emit session_.statusText(text); break;
        case Reporter::Locator: emit session_.locatorStatus(text); break;
        case Reporter::PasswordChange: emit session_.passwordChangeStatus(text); break;
        }
    }
    void hideServerSettings() const { emit session_.windowHideDue(Window::ServerSettings); }
    void hideSendMarkers() const
    {
        emit session_.markerShown(Marker::Segment5Right, false);
        emit session_.markerShown(Marker::Segment5Down, false);
    }
    bool takenOver() const { return number_ != session_.requestsStarted_; }

    Outcome connect();
    Outcome transmit();
    void reportFailure() const;

    ReflectorSession& session_;
    LinkState& state_;
    SocketControl& socket_;
    const RequestKind& kind_;
    const unsigned number_;
};

void ReflectorSession::Request::send(const QByteArray& argument)
{
    session_.stagedRequest_ = kind_.prefix + argument;

    Outcome outcome = connect();
    if (outcome == Outcome::Done) {
        showStatus(kind_.connectedText);
        emit session_.lampShown(5, Lamp::Green);
        showStatus(kind_.sendingText);
        outcome = transmit();
    }

    switch (outcome) {
    case Outcome::Done:
        showStatus(kind_.sentText);
        hideSendMarkers();
        state_.sendComplete = false;
        hideServerSettings();
        showStatus(kind_.waitingText);
        break;
    case Outcome::Failed: reportFailure(); break;
    case Outcome::TimedOut: platform::dialogs().messageBox(QString::fromLatin1(kind_.noConnectionMessage)); break;
    case Outcome::TakenOver: break;
    }
}

// Connects the socket afresh to the reflector of the last login.
ReflectorSession::Request::Outcome ReflectorSession::Request::connect()
{
    hideServerSettings();
    // Before any login there is no reflector to ask: the same as a refused connection.
    if (state_.reflectorAddress.isEmpty())
        return Outcome::Failed;
    const QString host = platform::fromCp1252(state_.reflectorAddress);
    if (!runOnReflectorSocket(socket_, [&] { return socket_.setRemoteHost(host); }).ok())
        return Outcome::Failed;
    // A port box that holds no number leaves the socket's port as it was.
    try {
        const int port = reflectorPort();
        runOnReflectorSocket(socket_, [&] { return socket_.setRemotePort(port); });
    } catch (const platform::RuntimeError&) {
    }
    // Only an error of this connection may end its wait.
    state_.socketError = false;
    const bool started = runOnReflectorSocket(socket_, [&] { return socket_.Connect(); }).ok();
    hideServerSettings();
    if (!started)
        return Outcome::Failed;

    const bool decided = platform::waitUntil(
        [&] {
            const int state = socket_.State();
            return takenOver() || state == SocketControl::StateConnected || state == SocketControl::StateError
                || state == SocketControl::StateClosed || state_.socketError;
        },
        kRequestConnectLimitMs);
    if (takenOver())
        return Outcome::TakenOver;
    // Connected wins over a limit that ran out on the same look.
    if (socket_.State() == SocketControl::StateConnected)
        return Outcome::Done;
    state_.socketError = false;
    return decided ? Outcome::Failed : Outcome::TimedOut;
}

// Sends the staged text in one piece and waits until it has left.
ReflectorSession::Request::Outcome ReflectorSession::Request::transmit()
{
    QByteArray wire;
    try {
        wire = requestOnWire(session_.stagedRequest_);
    } catch (const platform::RuntimeError&) {
        // The string component that enciphers could not be created: nothing can be sent.
        return Outcome::Failed;
    }
    const bool queued = socket_.SendData(wire).ok();
    state_.sendComplete = false;
    if (!queued)
        return Outcome::Failed;

    // The reflector may answer and end the connection at once: a completed send counts
    // even when the close came in the same batch of events.
    platform::waitUntil(
        [&] {
            hideSendMarkers();
            return takenOver() || state_.sendComplete || state_.socketError
                || socket_.State() != SocketControl::StateConnected;
        },
        kind_.sendLimitMs);
    if (takenOver())
        return Outcome::TakenOver;
    if (state_.sendComplete)
        return Outcome::Done;
    state_.socketError = false;
    return Outcome::Failed;
}

void ReflectorSession::Request::reportFailure() const
{
    if (kind_.reporter != Reporter::MainWindow) {
        platform::dialogs().messageBox(QStringLiteral("Connection failed"));
        emit session_.lampShown(5, Lamp::Red);
    } else {
        emit session_.lampShown(5, Lamp::Red);
        emit session_.statusText({});
    }
}

// --- The session -----------------------------------------------------------------------------

ReflectorSession::ReflectorSession(QObject* parent)
    : QObject(parent), connection_(new ReflectorConnection(state_, this)),
      advertTimer_(new platform::OneShotTimer(this)), sendLimit_(new platform::OneShotTimer(this)),
      rejectionWindow_(new platform::OneShotTimer(this)), logoutConnectLimit_(new platform::OneShotTimer(this)),
      settings_(std::make_unique<NoSettings>())
{
    for (platform::OneShotTimer* timer : {advertTimer_, sendLimit_, rejectionWindow_, logoutConnectLimit_}) {
        timer->setEnabled(false);
        timer->setInterval(0);
    }
    QObject::connect(advertTimer_, &platform::Timer::tick, this, [this] { openAdvertisedPage(state_.advertUrl); });
    QObject::connect(sendLimit_, &platform::Timer::tick, this, [this] { state_.socketError = true; });
    QObject::connect(rejectionWindow_, &platform::Timer::tick, this, [this] { state_.waitTimeout = true; });
    QObject::connect(logoutConnectLimit_, &platform::Timer::tick, this, [this] { state_.socketError = true; });
    QObject::connect(connection_, &ReflectorConnection::connected, this, [this] { emit lampShown(1, Lamp::Green); });
    QObject::connect(connection_, &ReflectorConnection::closedByPeer, this, [this] { emit lampShown(1, Lamp::Red); });
    QObject::connect(connection_, &ReflectorConnection::chunkReceived, this, &ReflectorSession::handleChunk);
}

ReflectorSession::~ReflectorSession() = default;

void ReflectorSession::setSettings(std::unique_ptr<ReflectorSettings> settings)
{
    settings_ = settings ? std::move(settings) : std::make_unique<NoSettings>();
}

const ReflectorSettings& ReflectorSession::settings() const
{
    return *settings_;
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

ReflectorSession::LogoutOutcome ReflectorSession::logOut(StepErrors errors)
{
    return Logout(*this, errors).run();
}

void ReflectorSession::sendQuery(const QByteArray& query)
{
    Request(*this, kDirectoryQuery).send(query);
}

void ReflectorSession::sendTopicRequest(const QByteArray& topic)
{
    Request(*this, kTopicRequest).send(topic);
}

void ReflectorSession::sendSearchRequest(const QByteArray& searchText)
{
    Request(*this, kSearchRequest).send(searchText);
}

void ReflectorSession::sendPasswordChange(const QByteArray& userName, const QByteArray& newPassword,
                                          const QByteArray& oldPassword)
{
    Request(*this, kPasswordChange).send(userName + ',' + newPassword + ',' + oldPassword);
}

// --- The replies -----------------------------------------------------------------------------

void ReflectorSession::handleChunk(const QByteArray& chunk)
{
    emit windowHideDue(Window::UserSettings);
    for (const Reply& reply : replies_.read(chunk))
        handle(reply);
}

void ReflectorSession::handle(const Reply& reply)
{
    using Kind = Reply::Kind;
    switch (reply.kind) {
    case Kind::EarlyLoginAccepted:
        takeConfirmedUserId(reply.text);
        emit statusText("Login Successful...");
        emit logLine("Login Successful...");
        connection_->socket().Close();
        emit settingsSaveDue();
        break;
    case Kind::EarlyNoData:
        emit statusText("No Data found at this node..");
        emit statusClearDue(kNoDataClearMs);
        break;
    case Kind::EarlyOutsideAddress:
        if (!reply.text.isEmpty())
            emit outsideAddressSeen(reply.text);
        break;
    case Kind::Advert: takeAdvert(reply.text); break;
    case Kind::MultiLogin: endForSecondLogin(); break;
    case Kind::ServerAddresses: storeReflectorAddresses(reply); break;
    case Kind::LocatorNoTopicResult: emit locatorResult(LocatorOutcome::NoTopicResult, {}); break;
    case Kind::LocatorNoSearchResult: emit locatorResult(LocatorOutcome::NoSearchResult, {}); break;
    case Kind::LocatorTopicResult: emit locatorResult(LocatorOutcome::TopicResult, reply.locator); break;
    case Kind::LocatorSearchResult: emit locatorResult(LocatorOutcome::SearchResult, reply.locator); break;
    case Kind::WebCamsOnLine:
        if (!reply.text.isEmpty())
            emit webCamsOnLine(reply.text);
        break;
    case Kind::ReflectorAnswered:
        emit lampShown(2, Lamp::Green);
        emit markerShown(Marker::Segment2, !connection_->lastChunk().isEmpty());
        break;
    case Kind::LoginRejected:
        state_.loginFailed = true;
        emit statusText("Login Failed...");
        emit logLine("Login Failed...");
        emit loginRejected();
        // A rejected login logs the client out again.
        emit logoutDue();
        break;
    case Kind::LoginAccepted:
        state_.loginFailed = false;
        takeConfirmedUserId(reply.text);
        emit statusText("Login Successful...");
        emit logLine("Login Successful...");
        emit settingsSaveDue();
        break;
    case Kind::PasswordUpdated: takePasswordChange("Password Update was successful...", reply.text); break;
    case Kind::PasswordNotUpdated: takePasswordChange("Password Update was NOT successful...", {}); break;
    case Kind::NodeData:
        emit markerShown(Marker::Segment4Left, false);
        emit markerShown(Marker::Segment4Up, false);
        break;
    case Kind::DataRetrieved: emit logLine(" Data Retrieved Successfully"); break;
    case Kind::NoData: takeNoData(); break;
    case Kind::OutsideAddress:
        if (!reply.text.isEmpty()) {
            emit outsideAddressSeen(reply.text);
            emit outsideAddressConfirmed(reply.text);
        }
        break;
    case Kind::WebCamsFound:
        emit statusText("Data found at this node...!!!");
        noDataCount_ = 0;
        break;
    case Kind::WebCamReplyDropped: emit logLine("Webcam reply too long, dropped"); break;
    case Kind::WebCamReply: emit webCamReply(reply.text); break;
    case Kind::NodeDataEnd:
        emit statusText("Webcam Locations load complete...!!!");
        emit statusClearDue(kLoadedClearMs);
        break;
    }
}

// An ID that UserSettings.txt could not hold is not taken, or every later save would fail.
void ReflectorSession::takeConfirmedUserId(const QByteArray& userId)
{
    if (!fitsInRecord(userId)) {
        emit logLine("User ID from the reflector not taken: it holds a double quote or a line break");
        return;
    }
    if (!userId.isEmpty())
        emit userIdConfirmed(userId);
}

void ReflectorSession::takeAdvert(const QByteArray& address)
{
    // An advert without an address leaves the one pending.
    if (address.isEmpty())
        return;
    advertTimer_->setEnabled(true);
    advertTimer_->setInterval(kAdvertDelayMs);
    state_.advertUrl = address;
}

void ReflectorSession::endForSecondLogin()
{
    // The program is ending: later reports of the second login are ignored.
    if (endingForSecondLogin_)
        return;
    endingForSecondLogin_ = true;
    // Shown without waiting: the logout and the end follow once the user has read it.
    const platform::MessageBoxRequest box =
        platform::messageRequest(QStringLiteral("The same User is Logged in from Different Locations....\r\n"
                                                "Disconnecting from the Server...\r\n"
                                                "System Shutdown..."));
    platform::dialogs().showMessage(QStringLiteral("second login"), box, [this](platform::MessageAnswer) {
        emit logoutDue();
        platform::endProcess(0);
    });
}

// New reflector addresses, for the next start. A missing address keeps its line.
void ReflectorSession::storeReflectorAddresses(const Reply& reply)
{
    const QByteArray& primary = reply.text;
    const QByteArray& backup = reply.second;
    if (!primary.isEmpty() || !backup.isEmpty()) {
        ServerAddresses addresses = readServerSettingsFile();
        if (!primary.isEmpty())
            addresses.primary = primary;
        if (!backup.isEmpty())
            addresses.backup = backup;
        const platform::FileWriteResult written = writeServerSettingsFile(addresses);
        if (!written)
            emit logLine("Could not save the new reflector addresses: " + platform::toCp1252(written.errorDescription));
    }
    emit windowHideDue(Window::ServerSettings);
}

void ReflectorSession::takePasswordChange(const QByteArray& outcome, const QByteArray& newPassword)
{
    emit passwordChangeAnswered(outcome);
    emit statusText(outcome);
    emit logLine(outcome);
    if (!passwordRestorable(newPassword))
        emit logLine("New password from the reflector not taken: it holds code 255, "
                     "which the settings file cannot give back");
    else if (!newPassword.isEmpty())
        emit passwordConfirmed(newPassword);
    emit settingsSaveDue();
}

// Offers the locator in the "Helpful Hint" box. Replies still come while the box waits
// for its answer; none of them opens another box.
void ReflectorSession::offerLocator()
{
    const platform::MessageBoxRequest hint = platform::messageRequest(
        QStringLiteral("Please use Cam Locator to help you find Webcams. Click the YES button to use Cam Locator."),
        platform::MessageButtons::YesNoCancel, platform::MessageIcon::None, QStringLiteral("Helpful Hint"));
    platform::dialogs().showMessage(hint.title, hint, [this](platform::MessageAnswer answer) {
        if (answer == platform::MessageAnswer::Yes)
            emit locatorOpenDue();
    });
}

// The third "/NDF/" in a row offers the locator.
void ReflectorSession::takeNoData()
{
    emit statusText("No Data found at this node..");
    if (++noDataCount_ >= kNoDataRepliesForHint) {
        noDataCount_ = 0;
        offerLocator();
    }
    emit noDataAtPlace();
    emit statusClearDue(kNoDataClearMs);
}

// --- The program's session ------------------------------------------------------------------

void observeReflectorSessions(std::function<void(ReflectorSession&)> observe)
{
    sessionObserver() = std::move(observe);
}

ReflectorSession& reflectorSession()
{
    QPointer<ReflectorSession>& session = sessionSlot();
    if (!session) {
        session = new ReflectorSession();
        if (sessionObserver())
            sessionObserver()(*session);
    }
    return *session;
}

void endReflectorSession()
{
    delete sessionSlot().data();
}
