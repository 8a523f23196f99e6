#include "platform/Dialogs.h"

#include "platform/Services.h"

namespace platform {

namespace {

QString titleOrDefault(const QString& title)
{
    return title.isEmpty() ? QString::fromUtf16(kDefaultDialogTitle) : title;
}

} // namespace

MessageAnswer Dialogs::messageBox(const QString& text, MessageButtons buttons, MessageIcon icon, const QString& title)
{
    return showMessageBox({text, titleOrDefault(title), buttons, icon});
}

QString Dialogs::inputBox(const QString& prompt, const QString& title, const QString& defaultText)
{
    return showInputBox({prompt, titleOrDefault(title), defaultText});
}

QString Dialogs::saveFileName(const QString& title, const QString& filter, const QString& initialName)
{
    return showSaveFileDialog({title, filter, initialName});
}

Dialogs& dialogs()
{
    return *services().dialogs;
}

} // namespace platform
