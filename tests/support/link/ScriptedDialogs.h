#pragma once
// A dialogs service for tests: records every box shown and answers from
// queues of scripted answers, with a default answer when none is queued.
#include "platform/Dialogs.h"

#include <QList>
#include <QObject>
#include <QQueue>

#include <functional>

class ScriptedDialogs final : public platform::Dialogs {
public:
    // Answers in the order the boxes come.
    void queueAnswer(platform::MessageAnswer answer) { answers_.enqueue(answer); }
    void queueInput(const QString& text) { inputs_.enqueue(text); }
    void queueSaveFileName(const QString& path) { saveFileNames_.enqueue(path); }
    // Runs while each message box is open, shown with or without waiting: as the events
    // that a modal box lets through, or that come while a box shown without waiting is up.
    void whileOpen(std::function<void(const platform::MessageBoxRequest&)> action) { whileOpen_ = std::move(action); }

    // A box shown without waiting answers from the event loop, after the call that
    // showed it has returned; while boxes are held open it waits for answerHeldBox.
    void holdBoxesOpen(bool hold) { holdBoxesOpen_ = hold; }
    int heldBoxCount() const { return int(heldBoxes_.size()); }
    // Closes the oldest box held open with the answer.
    void answerHeldBox(platform::MessageAnswer answer);

    // Every message box shown, with or without waiting. Without a queued answer a
    // box answers its default button, else its first (Yes where it has no Ok), as
    // Return does; an input box and a file dialog answer the empty text.
    const QList<platform::MessageBoxRequest>& messageBoxes() const { return messageBoxes_; }
    const QList<platform::InputBoxRequest>& inputBoxes() const { return inputBoxes_; }
    const QList<platform::SaveFileRequest>& saveFileDialogs() const { return saveFileDialogs_; }

    // The texts of the message boxes shown, in order.
    QStringList messageTexts() const;

protected:
    platform::MessageAnswer showMessageBox(const platform::MessageBoxRequest& request) override;
    void openMessageBox(const platform::MessageBoxRequest& request, AnswerHandler answered) override;
    QString showInputBox(const platform::InputBoxRequest& request) override;
    QString showSaveFileDialog(const platform::SaveFileRequest& request) override;

private:
    platform::MessageAnswer nextAnswer(const platform::MessageBoxRequest& request);

    QObject answerContext_; // answers still on their way die with the fake
    bool holdBoxesOpen_ = false;
    QQueue<AnswerHandler> heldBoxes_;
    std::function<void(const platform::MessageBoxRequest&)> whileOpen_;
    QQueue<platform::MessageAnswer> answers_;
    QQueue<QString> inputs_;
    QQueue<QString> saveFileNames_;
    QList<platform::MessageBoxRequest> messageBoxes_;
    QList<platform::InputBoxRequest> inputBoxes_;
    QList<platform::SaveFileRequest> saveFileDialogs_;
};
