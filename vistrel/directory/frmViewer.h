#pragma once
// A hidden window that holds the stream address of the webcam chosen last in the
// topic tree. It is never shown.
#include <QWidget>

class QLineEdit;
class QPushButton;

class frmViewer : public QWidget {
    Q_OBJECT
public:
    frmViewer();

    // "Play": runs the main window's play hook.
    void Command1_Click();

    QLineEdit* Text1 = nullptr; // the stream address of the webcam chosen last
    QPushButton* Command1 = nullptr;
};
