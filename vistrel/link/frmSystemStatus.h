#pragma once
// Stand-in for the status window while the real one is built on its own branch:
// only the members the reflector socket's handlers and the reply handling use.
#include <QLabel>
#include <QPlainTextEdit>
#include <QWidget>

class frmSystemStatus : public QWidget {
    Q_OBJECT
public:
    frmSystemStatus();

    void cmdGreen1_Click() {}
    void cmdRed1_Click() {}
    void cmdGreen2_Click() {}

    QPlainTextEdit* txtStatus;
    QLabel* lblDBServerIPAddr;
    QLabel* imgSegment2SendData;
};
