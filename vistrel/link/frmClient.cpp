#include "frmClient.h"

#include "AdvertPage.h"
#include "ReplyParser.h"
#include "TrafficCipher.h"
#include "common/Globals.h"
#include "linkwindows/frmSystemStatus.h"
#include "platform/Codec.h"
#include "ui/Forms.h"
#include "platform/Twips.h"

#include <QCloseEvent>

using ui::form;

frmClient::frmClient()
    : tcpClient(new platform::SocketControl(this)),
      txtReceive(new QLineEdit(QStringLiteral("Receive"), this)),
      Timer1(new platform::OneShotTimer(this))
{
    // A chunk is one read of the socket, up to the receive limit; what the reflector
    // sends beyond it waits on the network until the chunk has been handled.
    tcpClient->setReceiveLimit(kReceiveLimitBytes);
    txtReceive->setMaxLength(std::numeric_limits<int>::max());
    connect(Timer1, &platform::OneShotTimer::tick, this, &frmClient::Timer1_Timer);
    connect(tcpClient, &platform::SocketControl::connected, this, &frmClient::tcpClient_Connect);
    connect(tcpClient, &platform::SocketControl::peerClosed, this, &frmClient::tcpClient_Close);
    connect(tcpClient, &platform::SocketControl::socketError, this, &frmClient::tcpClient_Error);
    connect(tcpClient, &platform::SocketControl::sendComplete, this, &frmClient::tcpClient_SendComplete);
    connect(tcpClient, &platform::SocketControl::dataArrival, this, &frmClient::tcpClient_DataArrival);
}

void frmClient::Form_Load()
{
    resize(platform::twips(4125), platform::twips(3435));
}

void frmClient::tcpClient_Connect()
{
    form<frmSystemStatus>().cmdGreen1_Click();
}

void frmClient::tcpClient_Close()
{
    form<frmSystemStatus>().cmdRed1_Click();
    tcpClient->Close();
}

void frmClient::tcpClient_Error(int, const QString&)
{
    gSocketError = true;
}

void frmClient::tcpClient_SendComplete()
{
    gLoginSendComplete = true;
    gSendComplete = true;
}

void frmClient::tcpClient_DataArrival(qint64)
{
    // A chunk that cannot be deciphered counts as an empty one, which the reply
    // handling ignores.
    QByteArray chunk;
    try {
        chunk = replyInClear(tcpClient->GetData());
    } catch (const std::exception&) {
    }
    receiveChunk(chunk);
}

void frmClient::receiveChunk(const QByteArray& chunk)
{
    received_ = chunk;
    txtReceive->setText(platform::fromCp1252(chunk));
    txtReceive_Change();
    ParseReply(chunk);
}

void frmClient::txtReceive_Change()
{
    ParseReplyEarly(received_);
}

void frmClient::Timer1_Timer()
{
    openAdvertisedPage();
}

void frmClient::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        // Never shown: an activation minimizes and hides the window again.
        setWindowState(Qt::WindowMinimized);
        hide();
    }
}

void frmClient::closeEvent(QCloseEvent* event)
{
    event->ignore();
    hide();
}
