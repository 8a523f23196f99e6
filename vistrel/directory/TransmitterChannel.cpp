#include "directory/TransmitterChannel.h"

#include "platform/Dialogs.h"
#include "platform/Wait.h"

#include <QScopedValueRollback>

#include <algorithm>

using platform::SocketControl;

namespace {

const QString kOffLineMessage = QStringLiteral("Transmitter is Off Line");

// The texts the connect shows for the connection's states, by state number.
const QString kStateTexts[] = {
    QStringLiteral("Current state = Closed"),
    QStringLiteral("Current state = Open"),
    QStringLiteral("Current state = Listening"),
    QStringLiteral("Current state = Connection Pending"),
    QStringLiteral("Current state = Resolving Host"),
    QStringLiteral("Current state = Host resolved"),
    QStringLiteral("Current state = Connecting"),
    QStringLiteral("Current state = Connected"),
    QStringLiteral("Current state = Peer is closing the connection"),
    QStringLiteral("Current state = Error"),
};

// The address comes from a box the user types into and from webcam records of the
// reflector: only a plain host name or address is passed on to the resolver.
bool isAcceptableHost(const QString& host)
{
    return !host.isEmpty() && !host.startsWith(u'-') && std::none_of(host.begin(), host.end(), [](QChar c) {
        return c == u' ' || c.category() == QChar::Other_Control;
    });
}

} // namespace

TransmitterChannel::TransmitterChannel(QObject* parent) : QObject(parent)
{
    connect(&socket_, &SocketControl::sendComplete, this, [this] { sendDone_ = true; });
    connect(&socket_, &SocketControl::dataArrival, this, &TransmitterChannel::onDataArrival);
    connect(&playTimer_, &platform::Timer::tick, this, &TransmitterChannel::playRequested);
}

void TransmitterChannel::connectAndListFiles(const QString& host, int port)
{
    // A second press while the first still waits would ask twice, and the two lists
    // would be joined into one.
    if (connecting_)
        return;
    const QScopedValueRollback running(connecting_, true);
    emptyFileList();
    if (isOpenTo(host, port)) {
        shownState_ = -1;
        showConnectionState(); // "Current state = Connected"
    } else if (!connectTo(host, port)) {
        reportOffLine();
        return;
    }
    sendDone_ = false;
    listOpen_ = true;
    const bool sent = socket_.SendData("/FileList/").ok()
        && platform::waitUntil([this] { return sendDone_ || socket_.State() != SocketControl::StateConnected; },
                               kFileListSendLimitMs)
        && sendDone_;
    sendDone_ = false;
    if (!sent)
        reportOffLine();
}

void TransmitterChannel::chooseFile(const QByteArray& fileName, Speed speed)
{
    listOpen_ = false;
    sendDone_ = false;
    if (socket_.SendData(speed == Speed::Modem ? "/Modem/" : "/Cable/").ok())
        platform::waitUntil([this] { return sendDone_ || socket_.State() != SocketControl::StateConnected; },
                            kSpeedSendLimitMs);
    socket_.SendData("/VF/" + fileName);
}

void TransmitterChannel::stopTransmission()
{
    listOpen_ = false;
    if (socket_.SendData("/Stop/").ok() || socket_.State() == SocketControl::StateConnected)
        return;
    socket_.Close();
    if (!socket_.RemoteHost().isEmpty())
        socket_.Connect(); // the same site again, for the next request
    emit stateTextChanged(QStringLiteral("Stop Command failed."));
}

void TransmitterChannel::emptyFileList()
{
    listOpen_ = false;
    fileList_.clear();
    emit fileListEmptied();
}

bool TransmitterChannel::isOpenTo(const QString& host, int port) const
{
    return socket_.State() == SocketControl::StateConnected && socket_.RemoteHost() == host
        && socket_.RemotePort() == port;
}

// Opens a new connection and shows its states until it is connected or has failed.
bool TransmitterChannel::connectTo(const QString& host, int port)
{
    if (!isAcceptableHost(host))
        return false;
    socket_.Close();
    if (!socket_.Connect(host, port).ok())
        return false;
    shownState_ = -1;
    platform::waitUntil(
        [this] {
            showConnectionState();
            const int state = socket_.State();
            return state == SocketControl::StateConnected || state == SocketControl::StateError;
        },
        kConnectLimitMs);
    showConnectionState();
    if (socket_.State() == SocketControl::StateConnected)
        return true;
    socket_.Close(); // a connect still pending would otherwise finish unasked
    return false;
}

void TransmitterChannel::showConnectionState()
{
    const int state = socket_.State();
    if (state == shownState_)
        return;
    shownState_ = state;
    emit stateTextChanged(kStateTexts[state]);
}

void TransmitterChannel::reportOffLine()
{
    platform::dialogs().messageBox(kOffLineMessage);
}

// Each data arrival is one reply.
void TransmitterChannel::onDataArrival()
{
    const QByteArray reply = socket_.GetData();
    if (reply.isEmpty())
        return;
    switch (transmitterReplyKind(reply)) {
    case TransmitterReply::StopConfirmed:
        listOpen_ = false;
        emit stateTextChanged(QStringLiteral("Stop command was successful"));
        break;
    case TransmitterReply::EncodingStarted:
        listOpen_ = false;
        emit stateTextChanged(QStringLiteral("Transmitting Video"));
        armPlay();
        break;
    case TransmitterReply::EncodingFailed:
        listOpen_ = false;
        emit stateTextChanged(QStringLiteral("Transmitter Failed to Start"));
        armPlay();
        break;
    case TransmitterReply::FileList: takeFileListPiece(reply); break;
    }
}

// A list can arrive in several pieces, cut anywhere, even inside a name: a piece that
// follows the list request or another piece continues the list; one that follows
// another request or reply is a new list. A continued list changes only at its end:
// the name the piece before left unfinished, and the names that follow it.
void TransmitterChannel::takeFileListPiece(const QByteArray& piece)
{
    const bool continued = listOpen_;
    if (!continued)
        fileList_.clear();
    listOpen_ = true;
    const TransmitterFileList::Change change = fileList_.take(piece);
    switch (change.firstDrop) {
    case TransmitterFileList::Bound::None: break;
    case TransmitterFileList::Bound::ListBytes:
        emit logLine("Transmitter file list longer than " + QByteArray::number(TransmitterFileList::kMaxListBytes)
                     + " bytes: the rest is dropped");
        break;
    case TransmitterFileList::Bound::Names:
        emit logLine("Transmitter file list longer than " + QByteArray::number(TransmitterFileList::kMaxNames)
                     + " names: the rest is dropped");
        break;
    case TransmitterFileList::Bound::NameBytes:
        emit logLine("Transmitter file name longer than " + QByteArray::number(TransmitterFileList::kMaxNameBytes)
                     + " bytes: the rest of the list is dropped");
        break;
    }
    if (!continued) {
        emit fileListReplaced(fileList_.names());
        return;
    }
    if (change.lastName)
        emit lastFileNameChanged(*change.lastName);
    if (!change.added.isEmpty())
        emit fileNamesAdded(change.added);
}

void TransmitterChannel::armPlay()
{
    playTimer_.setEnabled(true);
    playTimer_.setInterval(kPlayDelayMs);
}
