#include "ScriptedDialogs.h"

using platform::MessageAnswer;
using platform::MessageButtons;

namespace {

MessageAnswer firstButton(MessageButtons buttons)
{
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

MessageAnswer ScriptedDialogs::showMessageBox(const platform::MessageBoxRequest& request)
{
    messageBoxes_ << request;
    if (whileOpen_)
        whileOpen_(request);
    return answers_.isEmpty() ? firstButton(request.buttons) : answers_.dequeue();
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
