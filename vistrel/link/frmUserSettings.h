#pragma once
// Stand-in for the user settings window while the real one is built on its own
// branch: only the members the reply handling uses.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

class frmUserSettings : public QWidget {
    Q_OBJECT
public:
    frmUserSettings();

    void Command1_Click() {}

    QLineEdit* txtUserName;
    QLineEdit* txtUserID;
    QLineEdit* txtPassword;
    QLineEdit* txtIPAddress;
    QLabel* lblWarning;
    QPushButton* cmdRetry;
};
