#include "directory/TransmitterChannel.h"

#include "platform/Dialogs.h"

#include <algorithm>
#include <utility>

using platform::SocketControl;

namespace {

const QString kOffLineMessage = QStringLiteral("Transmitter is Off Line");
// One off-line box at a time.
const QString kOffLineBoxKind = QStringLiteral("transmitter off line");

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
    connect(&socket_, &SocketControl::stateChanged, this, &TransmitterChannel::onStateChanged);
    connect(&socket_, &SocketControl::sendComplete, this, &TransmitterChannel::onSendComplete);
    connect(&socket_, &SocketControl::dataArrival, this, &TransmitterChannel::onDataArrival);
    connect(&stepLimit_, &platform::Timer::tick, this, &TransmitterChannel::onStepLimit);
    connect(&playTimer_, &platform::Timer::tick, this, &TransmitterChannel::playRequested);
}

void TransmitterChannel::connectAndListFiles(const QString& host, int port)
{
    // A second press while the first is under way would ask twice, and the two lists
    // would be joined into one.
    if (!isListing())
        ask(FileListRequest{host, port});
}

void TransmitterChannel::chooseFile(const QByteArray& fileName, Speed speed)
{
    ask(FileRequest{fileName, speed});
}

void TransmitterChannel::stopTransmission()
{
    ask(StopRequest{});
}

void TransmitterChannel::emptyFileList()
{
    listOpen_ = false;
    fileList_.clear();
    emit fileListEmptied();
}

bool TransmitterChannel::isListing() const
{
    return status_ == Status::Connecting || status_ == Status::SendingFileList
        || std::any_of(waiting_.begin(), waiting_.end(),
                       [](const Request& request) { return std::holds_alternative<FileListRequest>(request); });
}

void TransmitterChannel::ask(Request request)
{
    waiting_.push_back(std::move(request));
    startWaitingRequests();
}

// Starts the requests that wait, in their order, until one of them has to wait itself.
void TransmitterChannel::startWaitingRequests()
{
    while (status_ == Status::Idle && !waiting_.empty()) {
        const Request next = std::move(waiting_.front());
        waiting_.pop_front();
        if (const auto* fileList = std::get_if<FileListRequest>(&next))
            startFileList(*fileList);
        else if (const auto* file = std::get_if<FileRequest>(&next))
            startFile(*file);
        else
            startStop();
    }
}

void TransmitterChannel::startFileList(const FileListRequest& request)
{
    const bool open = isOpenTo(request.host, request.port);
    // Under way before the first signal, so that a Connect pressed in answer to one is ignored.
    status_ = open ? Status::SendingFileList : Status::Connecting;
    emptyFileList();
    if (open) {
        shownState_.reset();
        showConnectionState(); // "Current state = Connected"
        sendFileList();
        return;
    }
    if (!isAcceptableHost(request.host)) {
        failFileList();
        return;
    }
    socket_.close();
    if (!socket_.connectToHost(request.host, request.port).ok()) {
        failFileList();
        return;
    }
    shownState_.reset();
    awaitStep(Status::Connecting, kConnectLimitMs);
    checkConnectProgress();
}

void TransmitterChannel::startFile(const FileRequest& request)
{
    listOpen_ = false;
    chosenFile_ = request.fileName;
    if (socket_.send(request.speed == Speed::Modem ? "/Modem/" : "/Cable/").ok())
        awaitStep(Status::SendingSpeed, kSpeedSendLimitMs);
    else
        sendChosenFile();
}

void TransmitterChannel::startStop()
{
    listOpen_ = false;
    if (socket_.send("/Stop/").ok() || socket_.state() == SocketControl::State::Connected)
        return;
    socket_.close();
    if (!socket_.remoteHost().isEmpty())
        socket_.connectToHost(); // the same site again, for the next request
    emit stateTextChanged(QStringLiteral("Stop Command failed."));
}

void TransmitterChannel::sendFileList()
{
    listOpen_ = true;
    if (socket_.send("/FileList/").ok())
        awaitStep(Status::SendingFileList, kFileListSendLimitMs);
    else
        failFileList();
}

// The file request follows the speed request whether or not the speed went out.
void TransmitterChannel::sendChosenFile()
{
    endStep();
    socket_.send("/VF/" + std::exchange(chosenFile_, {}));
}

void TransmitterChannel::awaitStep(Status status, int limitMs)
{
    status_ = status;
    stepLimit_.start(limitMs);
}

void TransmitterChannel::endStep()
{
    status_ = Status::Idle;
    stepLimit_.stop();
}

// A list request that ends without its bytes sent: the site counts as off line. The
// box is shown without waiting for it, as this may come from a socket event.
void TransmitterChannel::failFileList()
{
    endStep();
    platform::dialogs().showMessage(kOffLineBoxKind, platform::messageRequest(kOffLineMessage));
}

void TransmitterChannel::onStateChanged()
{
    const bool connected = socket_.state() == SocketControl::State::Connected;
    switch (status_) {
    case Status::Idle: break;
    case Status::Connecting: checkConnectProgress(); break;
    case Status::SendingFileList:
        if (!connected)
            failFileList();
        break;
    case Status::SendingSpeed:
        if (!connected)
            sendChosenFile();
        break;
    }
    startWaitingRequests();
}

void TransmitterChannel::onSendComplete()
{
    switch (status_) {
    case Status::Idle: // the bytes of a request that goes out without waiting: a file request, Stop
    case Status::Connecting: break;
    case Status::SendingFileList: endStep(); break;
    case Status::SendingSpeed: sendChosenFile(); break;
    }
    startWaitingRequests();
}

void TransmitterChannel::onStepLimit()
{
    switch (status_) {
    case Status::Idle: break;
    case Status::Connecting: finishConnect(); break;
    case Status::SendingFileList: failFileList(); break;
    case Status::SendingSpeed: sendChosenFile(); break;
    }
    startWaitingRequests();
}

// Shows each state the connect passes through; the connect ends once connected or failed.
void TransmitterChannel::checkConnectProgress()
{
    showConnectionState();
    const SocketControl::State state = socket_.state();
    if (state == SocketControl::State::Connected || state == SocketControl::State::Error)
        finishConnect();
}

// The end of the connect: connected, failed, or out of time.
void TransmitterChannel::finishConnect()
{
    showConnectionState();
    if (socket_.state() == SocketControl::State::Connected) {
        sendFileList();
        return;
    }
    socket_.close(); // a connect still pending would otherwise finish unasked
    failFileList();
}

bool TransmitterChannel::isOpenTo(const QString& host, int port) const
{
    return socket_.state() == SocketControl::State::Connected && socket_.remoteHost() == host
        && socket_.remotePort() == port;
}

void TransmitterChannel::showConnectionState()
{
    const SocketControl::State state = socket_.state();
    if (state == shownState_)
        return;
    shownState_ = state;
    emit stateTextChanged(kStateTexts[int(state)]);
}

// Each data arrival is one reply.
void TransmitterChannel::onDataArrival()
{
    const QByteArray reply = socket_.readAll();
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
    playTimer_.start(kPlayDelayMs);
}
