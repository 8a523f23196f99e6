#pragma once
// The hidden window whose text box stages each directory query and locator request:
// the sender writes the plain request into it and sends what the box holds. Between
// requests the box keeps the plain text of the last one, also when it went out
// enciphered. The window is never shown.
#include <QWidget>

class QLineEdit;

class frmSendtoDBServer : public QWidget {
    Q_OBJECT
public:
    frmSendtoDBServer();

    QLineEdit* txtSendtoDBServer = nullptr;
};
