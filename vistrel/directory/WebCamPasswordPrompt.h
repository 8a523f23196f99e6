#pragma once
// The webcam password prompt. It is shown modeless; the caller waits until OK or
// Cancel sets its flag (gLoginOkPressed, gLoginCancelPressed) and then reads the
// password box. The box keeps its text from one prompt to the next. Closing the
// prompt by its frame counts as Cancel, so a waiting caller always gets an answer.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class WebCamPasswordPrompt : public QDialog {
    Q_OBJECT
public:
    WebCamPasswordPrompt();

    // "OK" (also Enter): sets gLoginOkPressed and hides the prompt.
    void cmdOK_Click();
    // "Cancel" (also Esc): sets gLoginCancelPressed and hides the prompt.
    void cmdCancel_Click();

    QLabel* lblLabels = nullptr;      // "&Password:"
    QLineEdit* txtPassword = nullptr; // masked; nothing clears it
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
};
