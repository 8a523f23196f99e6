#pragma once
// The support chat window, loaded hidden at start-up. Until the chat itself is
// built it only holds the support server's host, which the start-up fills from the
// product web server.
#include <QWidget>

class QLineEdit;

class frmChat : public QWidget {
    Q_OBJECT
public:
    frmChat();

    QLineEdit* txtChatIP = nullptr; // the support server's host

protected:
    void resizeEvent(QResizeEvent* event) override;
};
