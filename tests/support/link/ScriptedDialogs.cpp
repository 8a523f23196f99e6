#include "ScriptedDialogs.h"

using platform::MessageAnswer;
using platform::MessageButtons;

namespace {

MessageAnswer returnAnswer(const platform::MessageBoxRequest& request)
{
    if (request.defaultButton)
        return *request.defaultButton;
    const MessageButtons buttons = request.buttons;
    return buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel ? MessageAnswer::Yes
                                                                                      : MessageAnswer::Ok;
}

} // namespace

QStringList ScriptedDialogs::messageTexts() const
{
    QStringList texts;
    for (const platform::MessageBoxRequest& box : messageBoxes_)
        texts << box.text;
    return texts;
}

MessageAnswer ScriptedDialogs::nextAnswer(const platform::MessageBoxRequest& request)
{
    return answers_.isEmpty() ? returnAnswer(request) : answers_.dequeue();
}

MessageAnswer ScriptedDialogs::showMessageBox(const platform::MessageBoxRequest& request)
{
    messageBoxes_ << request;
    if (whileOpen_)
        whileOpen_(request);
    return nextAnswer(request);
}

void ScriptedDialogs::openMessageBox(const platform::MessageBoxRequest& request, AnswerHandler answered)
{
    messageBoxes_ << request;
    if (whileOpen_)
        whileOpen_(request);
    if (holdBoxesOpen_) {
        heldBoxes_.enqueue(std::move(answered));
        return;
    }
    QMetaObject::invokeMethod(
        &answerContext_, [answered = std::move(answered), answer = nextAnswer(request)] { answered(answer); },
        Qt::QueuedConnection);
}

void ScriptedDialogs::answerHeldBox(MessageAnswer answer)
{
    if (!heldBoxes_.isEmpty())
        heldBoxes_.dequeue()(answer);
}

QString ScriptedDialogs::showInputBox(const platform::InputBoxRequest& request)
{
    inputBoxes_ << request;
    return inputs_.isEmpty() ? QString() : inputs_.dequeue();
}

QString ScriptedDialogs::showSaveFileDialog(const platform::SaveFileRequest& request)
{
    saveFileDialogs_ << request;
    return saveFileNames_.isEmpty() ? QString() : saveFileNames_.dequeue();
}
