#include "tools/ForgottenPasswordRequest.h"

#include "link/ReflectorPort.h"
#include "platform/OneShotTimer.h"
#include "platform/SocketControl.h"

#include <utility>

using platform::SocketControl;

QByteArray forgottenPasswordText(const QByteArray& userName, const QByteArray& password)
{
    return "/ForgotPassword\\" + userName + ',' + password;
}

ForgottenPasswordRequest::ForgottenPasswordRequest(QObject* parent)
    : QObject(parent), limit_(new platform::OneShotTimer(this))
{
    limit_->stop();
    connect(limit_, &platform::Timer::tick, this, &ForgottenPasswordRequest::onLimit);
}

void ForgottenPasswordRequest::send(SocketControl& socket, const ForgottenPasswordTarget& target,
                                    const QByteArray& text)
{
    stop();
    socket.close();
    const PortNumber port = portNumberFromText(target.portText);
    if (!port.value) {
        emit finished(ForgottenPasswordOutcome::ConnectFailed);
        return;
    }
    if (!socket.setRemoteHost(target.host).ok() || !socket.setRemotePort(*port.value).ok()
        || !socket.connectToHost().ok()) {
        socket.close();
        emit finished(ForgottenPasswordOutcome::ConnectFailed);
        return;
    }

    socket_ = &socket;
    connection_ = socket.connectionNumber();
    text_ = text;
    step_ = Step::Connecting;
    connect(socket_, &SocketControl::connected, this, &ForgottenPasswordRequest::onConnected);
    connect(socket_, &SocketControl::socketError, this, &ForgottenPasswordRequest::onSocketError);
    connect(socket_, &SocketControl::sendComplete, this, &ForgottenPasswordRequest::onSendComplete);
    limit_->start(kForgottenPasswordConnectLimitMs);
}

void ForgottenPasswordRequest::onConnected()
{
    if (step_ != Step::Connecting || !stillOwnsTheSocket())
        return;
    emit status("Connected to Larkspire Server");
    if (!socket_->send(text_).ok()) {
        closeAndFinish(ForgottenPasswordOutcome::SendFailed);
        return;
    }
    step_ = Step::Sending;
    limit_->setInterval(kForgottenPasswordSendLimitMs);
}

void ForgottenPasswordRequest::onSocketError()
{
    // A failure while sending leaves the bytes unsent: the send limit ends the request.
    if (step_ != Step::Connecting || !stillOwnsTheSocket())
        return;
    emit status("Message Not Sent... Failed to connect to Server...");
    closeAndFinish(ForgottenPasswordOutcome::ConnectFailed);
}

void ForgottenPasswordRequest::onSendComplete()
{
    if (step_ != Step::Sending || !stillOwnsTheSocket())
        return;
    emit status("Password request sent to Larkspire Server...");
    finish(ForgottenPasswordOutcome::Sent);
}

void ForgottenPasswordRequest::onLimit()
{
    if (!stillOwnsTheSocket())
        return;
    closeAndFinish(step_ == Step::Connecting ? ForgottenPasswordOutcome::ConnectTimedOut
                                             : ForgottenPasswordOutcome::SendFailed);
}

bool ForgottenPasswordRequest::stillOwnsTheSocket()
{
    if (socket_->connectionNumber() == connection_)
        return true;
    finish(ForgottenPasswordOutcome::TakenOver);
    return false;
}

void ForgottenPasswordRequest::stop()
{
    limit_->stop();
    step_ = Step::Idle;
    if (SocketControl* socket = std::exchange(socket_, nullptr))
        disconnect(socket, nullptr, this, nullptr);
}

void ForgottenPasswordRequest::finish(ForgottenPasswordOutcome outcome)
{
    stop();
    emit finished(outcome);
}

void ForgottenPasswordRequest::closeAndFinish(ForgottenPasswordOutcome outcome)
{
    socket_->close();
    finish(outcome);
}
