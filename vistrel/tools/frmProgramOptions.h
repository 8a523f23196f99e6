#pragma once
// The program options window, loaded hidden at start-up. Until the options are
// built in full it holds what the connect and disconnect commands reach: the
// "Do not Load Icons" switch and the three restricted-topics password boxes, which
// stay disabled until a login succeeds.
#include <QWidget>

class QCheckBox;
class QLineEdit;

class frmProgramOptions : public QWidget {
    Q_OBJECT
public:
    frmProgramOptions();

    QCheckBox* Check1 = nullptr; // "Do not Load Icons"
    QLineEdit* Text1 = nullptr;  // "Original Password:"
    QLineEdit* Text2 = nullptr;  // "Change Password:"
    QLineEdit* Text3 = nullptr;  // "Confirm Password:"

protected:
    bool event(QEvent* event) override;
};
