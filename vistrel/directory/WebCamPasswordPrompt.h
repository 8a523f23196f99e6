#pragma once
// The webcam password prompt. It is shown modeless; OK and Cancel hide it and then
// emit answered, after which the caller reads the password. The box keeps its text
// from one prompt to the next. Closing the prompt by its frame counts as Cancel, so a
// prompt that goes away always gives an answer.
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
    // "OK" (also Enter): hides the prompt and answers true.
    void answerOk();
    // "Cancel" (also Esc): hides the prompt and answers false.
    void answerCancel();

signals:
    // The prompt has been answered: OK (true) or Cancel (false). A prompt that is not
    // shown gives no answer.
    void answered(bool ok);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void answer(bool ok);

    QLabel* passwordLabel_ = nullptr;  // "&Password:"
    QLineEdit* passwordBox_ = nullptr; // masked; nothing clears it
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};
