#include "link/RequestSenders.h"

#include "common/Globals.h"
#include "ui/PanelStatusBar.h"
#include "link/MainStatus.h"
#include "link/ReflectorPort.h"
#include "link/ReflectorSocketSteps.h"
#include "link/TrafficCipher.h"
#include "ui/TrafficMarker.h"
#include "link/frmClient.h"
#include "link/frmSendtoDBServer.h"
#include "linkwindows/frmServerSettings.h"
#include "linkwindows/frmSystemStatus.h"
#include "platform/Codec.h"
#include "platform/Dialogs.h"
#include "ui/Forms.h"
#include "platform/RuntimeError.h"
#include "platform/Wait.h"
#include "tools/frmSummary.h"

#include <QLineEdit>

using ui::form;
using platform::SocketControl;

namespace {

// What the three requests do differently.
struct RequestKind {
    QByteArray prefix;
    bool locator;               // reports in the locator's status line, else in the main one
    QByteArray connectedText;
    QByteArray sendingText;     // empty: none
    QByteArray sentText;
};

const RequestKind kDirectoryQuery{{}, false, "Connected to Reflector Server", "Sending Query to Server...",
                                  "Query sent to Server..."};
const RequestKind kTopicRequest{"/SumReq/", true, "Connected OK ...", {}, "Sent Data OK ..."};
const RequestKind kSearchRequest{"/SumReqText/", true, "Connected OK ...", {}, "Sent Data OK ..."};

// Counts the requests started, so that a request knows when a later one has taken
// the socket over while it waited.
unsigned requestsStarted = 0;

SocketControl& reflectorSocket()
{
    return *form<frmClient>().tcpClient;
}

class Request {
public:
    explicit Request(const RequestKind& kind) : kind_(kind), number_(++requestsStarted) {}

    void send(const QByteArray& argument);

private:
    enum class Outcome { Done, Failed, TimedOut, TakenOver };

    void showStatus(const QByteArray& text) const;
    void hideServerSettings() const { form<frmServerSettings>().setVisible(false); }
    void hideSendMarkers() const;
    bool takenOver() const { return number_ != requestsStarted; }

    Outcome connect();
    Outcome transmit();
    void reportFailure() const;

    const RequestKind& kind_;
    const unsigned number_;
};

void Request::showStatus(const QByteArray& text) const
{
    if (kind_.locator)
        form<frmSummary>().StatusBar1->setPanelText(1, text);
    else
        showMainStatus(text);
}

void Request::hideSendMarkers() const
{
    frmSystemStatus& status = form<frmSystemStatus>();
    status.imgSegment5aSendData->setVisible(false);
    status.imgSegment5bSendData->setVisible(false);
}

void Request::send(const QByteArray& argument)
{
    QLineEdit* staging = form<frmSendtoDBServer>().txtSendtoDBServer;
    staging->setText(platform::fromCp1252(kind_.prefix + argument));

    Outcome outcome = connect();
    if (outcome == Outcome::Done) {
        showStatus(kind_.connectedText);
        form<frmSystemStatus>().cmdGreen5_Click();
        if (!kind_.sendingText.isEmpty())
            showStatus(kind_.sendingText);
        outcome = transmit();
    }

    switch (outcome) {
    case Outcome::Done:
        showStatus(kind_.sentText);
        hideSendMarkers();
        gSendComplete = false;
        hideServerSettings();
        break;
    case Outcome::Failed:
        reportFailure();
        break;
    case Outcome::TimedOut:
        platform::dialogs().messageBox(QStringLiteral("Could not connect to DBServer"));
        break;
    case Outcome::TakenOver:
        break;
    }
}

// Connects the socket afresh to the reflector of the last login.
Request::Outcome Request::connect()
{
    hideServerSettings();
    // Before any login there is no reflector to ask: the same as a refused connection.
    if (gReflectorAddress.isEmpty())
        return Outcome::Failed;
    SocketControl& socket = reflectorSocket();
    if (!runOnReflectorSocket(socket, [&] { return socket.setRemoteHost(platform::fromCp1252(gReflectorAddress)); }).ok())
        return Outcome::Failed;
    // A port box that holds no number leaves the socket's port as it was.
    try {
        const int port = reflectorPort();
        runOnReflectorSocket(socket, [&] { return socket.setRemotePort(port); });
    } catch (const platform::RuntimeError&) {
    }
    // Only an error of this connection may end its wait.
    gSocketError = false;
    const bool started = runOnReflectorSocket(socket, [&] { return socket.Connect(); }).ok();
    hideServerSettings();
    if (!started)
        return Outcome::Failed;

    const bool decided = platform::waitUntil(
        [&] {
            const int state = socket.State();
            return takenOver() || state == SocketControl::StateConnected || state == SocketControl::StateError
                || state == SocketControl::StateClosed || gSocketError;
        },
        kRequestConnectLimitMs);
    if (takenOver())
        return Outcome::TakenOver;
    // Connected wins over a limit that ran out on the same look.
    if (socket.State() == SocketControl::StateConnected)
        return Outcome::Done;
    gSocketError = false;
    return decided ? Outcome::Failed : Outcome::TimedOut;
}

// Sends the staged text in one piece and waits until it has left.
Request::Outcome Request::transmit()
{
    SocketControl& socket = reflectorSocket();
    const QByteArray text = platform::toCp1252(form<frmSendtoDBServer>().txtSendtoDBServer->text());
    QByteArray wire;
    try {
        wire = requestOnWire(text);
    } catch (const platform::RuntimeError&) {
        // The string component that enciphers could not be created: nothing can be sent.
        return Outcome::Failed;
    }
    const bool queued = socket.SendData(wire).ok();
    gSendComplete = false;
    if (!queued)
        return Outcome::Failed;

    // The reflector may answer and end the connection at once: a completed send counts
    // even when the close came in the same batch of events.
    platform::waitUntil(
        [&] {
            hideSendMarkers();
            return takenOver() || gSendComplete || gSocketError || socket.State() != SocketControl::StateConnected;
        },
        kRequestSendLimitMs);
    if (takenOver())
        return Outcome::TakenOver;
    if (gSendComplete)
        return Outcome::Done;
    gSocketError = false;
    return Outcome::Failed;
}

void Request::reportFailure() const
{
    if (kind_.locator) {
        platform::dialogs().messageBox(QStringLiteral("Connection failed"));
        form<frmSystemStatus>().cmdRed5_Click();
    } else {
        form<frmSystemStatus>().cmdRed5_Click();
        showMainStatus({});
    }
}

} // namespace

void SendQueryToServer(const QByteArray& query)
{
    Request(kDirectoryQuery).send(query);
}

void SendSummaryRequest(const QByteArray& topic)
{
    Request(kTopicRequest).send(topic);
}

void SendSummaryTextRequest(const QByteArray& searchText)
{
    Request(kSearchRequest).send(searchText);
}
