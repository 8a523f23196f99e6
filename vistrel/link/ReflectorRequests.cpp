#include "link/ReflectorPort.h"
#include "link/ReflectorSession.h"
#include "link/ReflectorSessionJobs.h"
#include "link/ReflectorSocketSteps.h"
#include "link/TrafficCipher.h"
#include "platform/Codec.h"

#include <QPointer>

#include <utility>

using platform::SocketControl;
using Lamp = ReflectorSession::Lamp;
using Marker = ReflectorSession::Marker;
using Window = ReflectorSession::Window;

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

namespace {

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

ReflectorSession::Requests::Requests(ReflectorSession& session)
    : session_(session), state_(session.state_), socket_(session.connection().socket())
{
    const auto onEvent = [this] {
        if (phase_ == Phase::Connecting)
            look();
        else if (phase_ == Phase::Sending && socket_.state() != SocketControl::State::Connected)
            sendEnded(false);
    };
    QObject::connect(&socket_, &SocketControl::stateChanged, &session_, onEvent);
    QObject::connect(&socket_, &SocketControl::connected, &session_, onEvent);
    QObject::connect(&socket_, &SocketControl::socketError, &session_, onEvent);
    QObject::connect(session_.connection_, &ReflectorConnection::closedByPeer, &session_, onEvent);
    // A completed send counts also when the reflector answered and ended the
    // connection at once: its completion comes first.
    QObject::connect(&socket_, &SocketControl::sendComplete, &session_, [this] {
        if (phase_ == Phase::Sending)
            sendEnded(true);
    });
    QObject::connect(session_.requestConnectLimit_, &platform::Timer::tick, &session_,
                     [this] { connectionDecided(true); });
    QObject::connect(session_.requestSendLimit_, &platform::Timer::tick, &session_, [this] { sendEnded(false); });
}

void ReflectorSession::Requests::add(const RequestKind& kind, const QByteArray& argument)
{
    Entry entry{&kind, argument, {}};
    if (running_ && !startedInThisHandling_) {
        // Taken over: the running request ends here, and this one takes its place.
        stopLimits();
        phase_ = Phase::Idle;
        running_ = nullptr;
        waiting_.push_front(std::move(entry));
    } else {
        waiting_.push_back(std::move(entry));
    }
    startNext();
}

void ReflectorSession::Requests::addStep(std::function<void()> step)
{
    if (!pending()) {
        step();
        return;
    }
    waiting_.push_back({nullptr, {}, std::move(step)});
}

void ReflectorSession::Requests::endAll()
{
    stopLimits();
    waiting_.clear();
    phase_ = Phase::Idle;
    running_ = nullptr;
    ++generation_;
}

void ReflectorSession::Requests::startNext()
{
    if (phase_ != Phase::Idle || waiting_.empty() || session_.busy())
        return;
    Entry next = std::move(waiting_.front());
    waiting_.pop_front();
    if (next.kind)
        begin(next);
    else
        runLater(std::move(next.step));
}

// The step may wait for the user, so it runs as an event of its own, never inside the
// handling of the socket event that ended the request before it.
void ReflectorSession::Requests::runLater(std::function<void()> step)
{
    phase_ = Phase::Step;
    QPointer<ReflectorSession> session(&session_);
    QMetaObject::invokeMethod(
        &session_,
        [this, session, step = std::move(step), generation = generation_] {
            if (generation != generation_)
                return;
            step();
            if (!session || generation != generation_)
                return;
            phase_ = Phase::Idle;
            startNext();
        },
        Qt::QueuedConnection);
}

// Connects the socket afresh to the reflector of the last login.
void ReflectorSession::Requests::begin(const Entry& entry)
{
    running_ = entry.kind;
    phase_ = Phase::Connecting;
    // Requests asked for in the same handling wait behind this one; once the event loop
    // has run, a new one takes it over.
    startedInThisHandling_ = true;
    QMetaObject::invokeMethod(
        &session_, [this, begun = ++begun_] { startedInThisHandling_ = startedInThisHandling_ && begun != begun_; },
        Qt::QueuedConnection);
    session_.stagedRequest_ = entry.kind->prefix + entry.argument;
    hideServerSettings();
    // Before any login there is no reflector to ask: the same as a refused connection.
    if (state_.reflectorAddress.isEmpty()) {
        finish(Outcome::Failed);
        return;
    }
    const QString host = platform::fromCp1252(state_.reflectorAddress);
    if (!runOnReflectorSocket(socket_, [&] { return socket_.setRemoteHost(host); }).ok()) {
        finish(Outcome::Failed);
        return;
    }
    // A port box that holds no number leaves the socket's port as it was.
    if (const PortNumber port = reflectorPort(session_.settings()); port.value)
        runOnReflectorSocket(socket_, [&] { return socket_.setRemotePort(*port.value); });
    const bool started = runOnReflectorSocket(socket_, [&] { return socket_.connectToHost(); }).ok();
    hideServerSettings();
    if (!started) {
        finish(Outcome::Failed);
        return;
    }
    session_.requestConnectLimit_->start(kRequestConnectLimitMs);
    look();
}

// The connect is decided once the socket has connected, failed or closed again.
void ReflectorSession::Requests::look()
{
    const SocketControl::State state = socket_.state();
    if (state == SocketControl::State::Connected || state == SocketControl::State::Error
        || state == SocketControl::State::Closed)
        connectionDecided(false);
}

// Also the connect limit's tick: connected wins over a limit that ran out on the same
// look; a limit that ran out before anything was decided says so.
void ReflectorSession::Requests::connectionDecided(bool limitReached)
{
    session_.requestConnectLimit_->stop();
    const SocketControl::State state = socket_.state();
    if (state == SocketControl::State::Connected) {
        showStatus(running_->connectedText);
        emit session_.lampShown(5, Lamp::Green);
        showStatus(running_->sendingText);
        transmit();
        return;
    }
    const bool decided = state == SocketControl::State::Error || state == SocketControl::State::Closed;
    finish(limitReached && !decided ? Outcome::TimedOut : Outcome::Failed);
}

// Sends the staged text in one piece; it has the request's send limit to leave.
void ReflectorSession::Requests::transmit()
{
    const TrafficText wire = requestOnWire(state_.encryptTraffic, session_.stagedRequest_);
    // The string component that enciphers could not be created: nothing can be sent.
    if (!wire.ok() || !socket_.send(wire.text).ok()) {
        finish(Outcome::Failed);
        return;
    }
    phase_ = Phase::Sending;
    session_.requestSendLimit_->start(running_->sendLimitMs);
    hideSendMarkers();
}

void ReflectorSession::Requests::sendEnded(bool sent)
{
    session_.requestSendLimit_->stop();
    finish(sent ? Outcome::Done : Outcome::Failed);
}

void ReflectorSession::Requests::finish(Outcome outcome)
{
    stopLimits();
    switch (outcome) {
    case Outcome::Done:
        showStatus(running_->sentText);
        hideSendMarkers();
        hideServerSettings();
        showStatus(running_->waitingText);
        break;
    case Outcome::Failed: reportFailure(); break;
    case Outcome::TimedOut: emit session_.messageDue(QString::fromLatin1(running_->noConnectionMessage)); break;
    }
    phase_ = Phase::Idle;
    running_ = nullptr;
    startNext();
}

void ReflectorSession::Requests::stopLimits()
{
    session_.requestConnectLimit_->stop();
    session_.requestSendLimit_->stop();
}

void ReflectorSession::Requests::showStatus(const QByteArray& text) const
{
    if (text.isEmpty())
        return;
    switch (running_->reporter) {
    case Reporter::MainWindow: emit session_.statusText(text); break;
    case Reporter::Locator: emit session_.locatorStatus(text); break;
    case Reporter::PasswordChange: emit session_.passwordChangeStatus(text); break;
    }
}

void ReflectorSession::Requests::hideServerSettings() const
{
    emit session_.windowHideDue(Window::ServerSettings);
}

void ReflectorSession::Requests::hideSendMarkers() const
{
    emit session_.markerShown(Marker::Segment5Right, false);
    emit session_.markerShown(Marker::Segment5Down, false);
}

void ReflectorSession::Requests::reportFailure() const
{
    if (running_->reporter != Reporter::MainWindow) {
        emit session_.messageDue(QStringLiteral("Connection failed"));
        emit session_.lampShown(5, Lamp::Red);
    } else {
        emit session_.lampShown(5, Lamp::Red);
        emit session_.statusText({});
    }
}

void ReflectorSession::sendQuery(const QByteArray& query)
{
    requests_->add(kDirectoryQuery, query);
}

void ReflectorSession::sendTopicRequest(const QByteArray& topic)
{
    requests_->add(kTopicRequest, topic);
}

void ReflectorSession::sendSearchRequest(const QByteArray& searchText)
{
    requests_->add(kSearchRequest, searchText);
}

void ReflectorSession::sendPasswordChange(const QByteArray& userName, const QByteArray& newPassword,
                                          const QByteArray& oldPassword)
{
    requests_->add(kPasswordChange, userName + ',' + newPassword + ',' + oldPassword);
}

void ReflectorSession::runAfterRequests(std::function<void()> step)
{
    requests_->addStep(std::move(step));
}

bool ReflectorSession::requestsPending() const
{
    return requests_->pending();
}
