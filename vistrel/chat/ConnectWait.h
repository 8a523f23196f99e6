#pragma once
// The wait for one of the support chat's connects (a chat channel, the offline
// message): shows the socket's states on a caption and a lamp as they come, until the
// socket is connected or has failed, at most SupportChatWindow::kConnectLimitMs. At the
// limit the support host counts as off line: the socket is closed, so a late connect is
// not taken.
//
// A wait is one state of its owner, not a loop: start() returns at once and the
// outcome comes as a signal. Starting it again, or cancelling it, drops the running
// wait without a word, as when the user picks another channel meanwhile.
#include "platform/SocketControl.h"

#include <QObject>

class QLabel;

namespace platform {
class OneShotTimer;
} // namespace platform

namespace chat {

class ConnectWait : public QObject {
    Q_OBJECT
public:
    ConnectWait(QLabel& caption, QLabel& lamp, QObject* parent);

    // Follows socket, whose connect has just been asked for; started false: the
    // connect did not even start, and the support host is off line at once.
    void start(platform::SocketControl& socket, bool started);
    void cancel();
    bool waiting() const { return socket_ != nullptr; }

signals:
    // The caption says "Connection complete..." by now.
    void connected();
    // The caption says "Support is off line..." by now.
    void offLine();

private:
    void show(platform::SocketControl::State state);
    void showOffLine();

    QLabel& caption_;
    QLabel& lamp_;
    platform::OneShotTimer* limit_;
    platform::SocketControl* socket_ = nullptr;
};

} // namespace chat
