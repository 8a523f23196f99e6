#include "chat/ConnectWait.h"

#include "chat/SupportChatWindow.h"
#include "platform/OneShotTimer.h"
#include "platform/SocketControl.h"

#include <QLabel>

#include <array>
#include <utility>

using platform::SocketControl;

namespace chat {

namespace {

// The caption for each socket state.
const std::array<const char*, size_t(SocketControl::State::Error) + 1> kStateCaptions = {
    "Closed",
    "Connection Open...",
    "Connection Listening...",
    "Connection Pending...",
    "Resolving Host...",
    "Host Resolved...",
    "Connecting...",
    "Connection complete...",
    "Peer is closing...",
    "Support is off line...",
};

} // namespace

ConnectWait::ConnectWait(QLabel& caption, QLabel& lamp, QObject* parent)
    : QObject(parent), caption_(caption), lamp_(lamp), limit_(new platform::OneShotTimer(this))
{
    limit_->stop();
    connect(limit_, &platform::Timer::tick, this, [this] {
        socket_->close();
        cancel();
        showOffLine();
    });
}

void ConnectWait::start(SocketControl& socket, bool started)
{
    cancel();
    if (!started) {
        showOffLine();
        return;
    }
    socket_ = &socket;
    connect(socket_, &SocketControl::stateChanged, this, &ConnectWait::show);
    limit_->start(SupportChatWindow::kConnectLimitMs);
    // The state the connect has reached already; the next ones come as events.
    show(socket.state());
}

void ConnectWait::show(SocketControl::State state)
{
    caption_.setText(QString::fromLatin1(kStateCaptions[size_t(state)]));
    if (state == SocketControl::State::Connected) {
        setLampColour(lamp_, SupportChatWindow::kConnectedColour);
        setLampColour(caption_, SupportChatWindow::kConnectedColour);
        cancel();
        emit connected();
    } else if (state == SocketControl::State::Error) {
        cancel();
        showOffLine();
    }
}

void ConnectWait::showOffLine()
{
    caption_.setText(QString::fromLatin1(kStateCaptions[size_t(SocketControl::State::Error)]));
    setLampColour(lamp_, SupportChatWindow::kOffLineColour);
    setLampColour(caption_, SupportChatWindow::kOffLineColour);
    emit offLine();
}

void ConnectWait::cancel()
{
    limit_->stop();
    if (SocketControl* socket = std::exchange(socket_, nullptr))
        disconnect(socket, nullptr, this, nullptr);
}

} // namespace chat
