#include "link/ReflectorPort.h"
#include "link/ReflectorSession.h"
#include "link/ReflectorSocketSteps.h"
#include "link/TrafficCipher.h"
#include "platform/Codec.h"
#include "platform/Dialogs.h"
#include "platform/Wait.h"

using platform::SocketControl;
using Lamp = ReflectorSession::Lamp;
using Marker = ReflectorSession::Marker;
using Window = ReflectorSession::Window;

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
    if (const PortNumber port = reflectorPort(session_.settings()); port.value)
        runOnReflectorSocket(socket_, [&] { return socket_.setRemotePort(*port.value); });
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
    const TrafficText wire = requestOnWire(state_.encryptTraffic, session_.stagedRequest_);
    // The string component that enciphers could not be created: nothing can be sent.
    if (!wire.ok())
        return Outcome::Failed;
    const bool queued = socket_.SendData(wire.text).ok();
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
