#pragma once
// The hidden window that owns the reflector socket. Every request connects tcpClient
// afresh (to the address of the last login) and sends one text; the socket's events
// set the wait flags that the senders poll, and every chunk that arrives is put in
// clear, kept in txtReceive and handed to the reply handling.
//
// The window is never shown: activating it hides it again, and closing it only hides
// it, so it lives for the whole run.
#include "platform/SocketControl.h"

#include <QLineEdit>
#include <QWidget>

class frmClient : public QWidget {
    Q_OBJECT
public:
    frmClient();

    void Form_Load();

    platform::SocketControl* tcpClient;
    // The last chunk received, in clear.
    QLineEdit* txtReceive;

    void tcpClient_Connect();
    void tcpClient_Close();
    void tcpClient_Error(int number, const QString& description);
    void tcpClient_SendComplete();
    void tcpClient_DataArrival(qint64 bytesTotal);
    // Runs for each chunk stored in txtReceive, before the rest of the reply handling.
    void txtReceive_Change();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QByteArray received_; // txtReceive's chunk as bytes, for the reply handling
};
