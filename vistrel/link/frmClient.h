#pragma once
// The hidden window that owns the reflector socket. Every request connects tcpClient
// afresh (to the address of the last login) and sends one text; the socket's events
// set the wait flags that the senders poll, and every chunk that arrives is put in
// clear, kept in txtReceive and handed to the reply handling.
//
// The window is never shown: activating it hides it again, and closing it only hides
// it, so it lives for the whole run.
#include "WebCamReplyCollector.h"
#include "platform/OneShotTimer.h"
#include "platform/SocketControl.h"

#include <QLineEdit>
#include <QWidget>

class frmClient : public QWidget {
    Q_OBJECT
public:
    frmClient();

    void Form_Load();

    // The most of what the reflector sends that the socket holds at a time; a reply
    // longer than this comes to the reply handling in several chunks.
    static constexpr qsizetype kReceiveLimitBytes = 64 * 1024;

    platform::SocketControl* tcpClient;
    // The last chunk received, in clear.
    QLineEdit* txtReceive;
    // The advert timer: armed by an advert reply, opens the advertised page when it ticks.
    platform::OneShotTimer* Timer1;

    // "/NDF/" replies since the last hint or the last webcam reply.
    int noDataCount = 0;
    // The "Helpful Hint" box is open; replies that come meanwhile bring no other box.
    bool hintOpen = false;
    // A second login elsewhere has been reported: the program is ending, and later
    // reports of it are ignored.
    bool endingForSecondLogin = false;
    // The webcam reply being collected in gNodeBuffer.
    WebCamReplyCollector webCamReply;

    void tcpClient_Connect();
    void tcpClient_Close();
    void tcpClient_Error(int number, const QString& description);
    void tcpClient_SendComplete();
    void tcpClient_DataArrival(qint64 bytesTotal);
    // Handles one chunk in clear as the data arrival does: keeps it in txtReceive (which
    // runs the early handling), then the rest of the reply handling.
    void receiveChunk(const QByteArray& chunk);
    // Runs for each chunk stored in txtReceive, before the rest of the reply handling.
    void txtReceive_Change();
    void Timer1_Timer();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QByteArray received_; // txtReceive's chunk as bytes, for the reply handling
};
