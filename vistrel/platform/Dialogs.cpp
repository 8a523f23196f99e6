#include "platform/Dialogs.h"

#include "platform/NetworkInput.h"
#include "platform/Services.h"

#include <utility>

namespace platform {

namespace {

QString titleOrDefault(const QString& title)
{
    return title.isEmpty() ? QString::fromUtf16(kDefaultDialogTitle) : title;
}

} // namespace

MessageAnswer Dialogs::messageBox(const QString& text, MessageButtons buttons, MessageIcon icon, const QString& title,
                                  std::optional<MessageAnswer> defaultButton)
{
    checkNoNestedLoop("A message box");
    return showMessageBox({text, titleOrDefault(title), buttons, icon, defaultButton});
}

bool Dialogs::showMessage(const QString& kind, MessageBoxRequest request, AnswerHandler onAnswer)
{
    if (showing_.contains(kind))
        return false;
    showing_.insert(kind);
    request.title = titleOrDefault(request.title);
    openMessageBox(request, [this, kind, onAnswer = std::move(onAnswer)](MessageAnswer answer) {
        showing_.remove(kind);
        if (onAnswer)
            onAnswer(answer);
    });
    return true;
}

QString Dialogs::inputBox(const QString& prompt, const QString& title, const QString& defaultText)
{
    checkNoNestedLoop("An input box");
    return showInputBox({prompt, titleOrDefault(title), defaultText});
}

QString Dialogs::saveFileName(const QString& title, const QString& filter, const QString& initialName)
{
    checkNoNestedLoop("A file dialog");
    return showSaveFileDialog({title, filter, initialName});
}

Dialogs& dialogs()
{
    return *services().dialogs;
}

} // namespace platform
