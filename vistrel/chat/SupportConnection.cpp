// The support chat window's support connection: the listener that takes one support
// host at a time, the check of who connects, and what the support side sends.
#include "chat/SupportChatWindow.h"

#include "chat/RemoteCommandRunner.h"
#include "chat/SupportHostAddresses.h"
#include "platform/Codec.h"
#include "platform/SocketControl.h"

#include <QHostAddress>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTimer>

using platform::SocketControl;
using platform::toCp1252;

void SupportChatWindow::createSupportConnection()
{
    supportSocket_ = new SocketControl(this);
    supportSocket_->setReceiveLimit(kUnreadLimitBytes);
    connect(supportSocket_, &SocketControl::connectionRequest, this, &SupportChatWindow::onConnectionRequest);
    connect(supportSocket_, &SocketControl::dataArrival, this,
            [this] { handleSupportChunk(supportSocket_->readAll()); });
    // The support side has gone: listen for the next one.
    connect(supportSocket_, &SocketControl::peerClosed, this, &SupportChatWindow::listen);
    connect(supportSocket_, &SocketControl::socketError, this, &SupportChatWindow::listen);
}

int SupportChatWindow::listenPort() const
{
    return supportSocket_->localPort();
}

void SupportChatWindow::listen()
{
    supportSocket_->close();
    supportSocket_->setLocalPort(ports_.listener);
    const SocketControl::Result listening = supportSocket_->listen();
    // A port the system chose stays the listener's for the run.
    if (listening.ok())
        ports_.listener = supportSocket_->localPort();
    listenPortBox_->setText(QString::number(ports_.listener));
    if (listening.ok())
        return;
    // Ports below 1024 need privilege here: say so instead of staying deaf in silence.
    // The message line shows what fits on it; the reason is in its tip and in the log.
    const QString caption = QStringLiteral("Support chat cannot listen on port %1").arg(ports_.listener);
    const QString problem = caption + QStringLiteral(": ") + listening.description;
    chatStateLabel_->setText(caption);
    chatStateLabel_->setToolTip(problem);
    logLine(toCp1252(problem));
}

void SupportChatWindow::onConnectionRequest(int requestId)
{
    // One support host at a time: while it is connected nothing listens.
    if (supportSocket_->state() != SocketControl::State::Closed)
        supportSocket_->close();
    supportSocket_->accept(requestId);
    // Decided here and now, before any of the peer's bytes are handled: what it has
    // sent so far waits in events that closing the connection drops.
    const QString peer = supportSocket_->remoteAddress();
    if (supportHost_->allows(QHostAddress(peer)))
        return;
    QString refusal = QStringLiteral("Support chat refused a connection from %1").arg(peer);
    if (supportHost_->resolving())
        refusal += QStringLiteral(" (the support host's address is not known yet)");
    logLine(toCp1252(refusal));
    supportHost_->refresh();
    listen();
}

void SupportChatWindow::setSupportHostLookup(chat::HostLookup lookup)
{
    supportHost_->setLookup(std::move(lookup));
}

void SupportChatWindow::setSupportHost(const QByteArray& host)
{
    supportHostBox_->setText(platform::fromCp1252(host));
}

void SupportChatWindow::runProgramStepLater(std::function<void()> step)
{
    if (programStepDue_) {
        logLine("Support command dropped: the one before it is still running");
        return;
    }
    programStepDue_ = true;
    QTimer::singleShot(0, this, [this, step = std::move(step)] {
        const auto done = qScopeGuard([this] { programStepDue_ = false; });
        step();
    });
}

void SupportChatWindow::handleSupportChunk(const QByteArray& chunk)
{
    runRemoteCommand(*this, locator_, chunk);
}
