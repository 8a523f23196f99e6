#pragma once
// The webcam password prompt. It is shown modeless; the caller waits until OK or
// Cancel sets its flag (gLoginOkPressed, gLoginCancelPressed) and then reads the
// password. The box keeps its text from one prompt to the next. Closing the prompt by
// its frame counts as Cancel, so a waiting caller always gets an answer.
//
// Object names: "lblLabels" (the caption), "txtPassword", "cmdOK" and "cmdCancel".
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class WebCamPasswordPrompt : public QDialog {
    Q_OBJECT
public:
    WebCamPasswordPrompt();

    // The password box's text.
    QString password() const;

    void reject() override;

public slots:
    // "OK" (also Enter): sets gLoginOkPressed and hides the prompt.
    void answerOk();
    // "Cancel" (also Esc): sets gLoginCancelPressed and hides the prompt.
    void answerCancel();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* passwordLabel_ = nullptr;  // "&Password:"
    QLineEdit* passwordBox_ = nullptr; // masked; nothing clears it
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};
