#include "ui/DesktopServices.h"

#include "platform/Services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>

namespace ui {

using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;

namespace {

QMessageBox::StandardButtons standardButtons(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok: return QMessageBox::Ok;
    case MessageButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon boxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::None: return QMessageBox::NoIcon;
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Information: return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

// Closing a box with its title bar or Escape gives Cancel where the box has
// a Cancel button, else the one button that stands for "no" or "ok".
MessageAnswer answerOf(int button, MessageButtons buttons)
{
    switch (button) {
    case QMessageBox::Ok: return MessageAnswer::Ok;
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    default: break;
    }
    switch (buttons) {
    case MessageButtons::Ok: return MessageAnswer::Ok;
    case MessageButtons::YesNo: return MessageAnswer::No;
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel: return MessageAnswer::Cancel;
    }
    return MessageAnswer::Cancel;
}

} // namespace

MessageAnswer WidgetDialogs::showMessageBox(const platform::MessageBoxRequest& request)
{
    QMessageBox box(boxIcon(request.icon), request.title, request.text, standardButtons(request.buttons),
                    QApplication::activeWindow());
    return answerOf(box.exec(), request.buttons);
}

QString WidgetDialogs::showInputBox(const platform::InputBoxRequest& request)
{
    bool accepted = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), request.title, request.prompt,
                                               QLineEdit::Normal, request.defaultText, &accepted);
    return accepted ? text : QString();
}

QString WidgetDialogs::showSaveFileDialog(const platform::SaveFileRequest& request)
{
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), request.title, request.initialName,
                                        request.filter);
}

platform::StartResult ProcessLauncher::startProgram(const QString& program, const QStringList& arguments,
                                                    const QString& workingFolder)
{
    qint64 processId = 0;
    if (!QProcess::startDetached(program, arguments, workingFolder, &processId))
        return {};
    return {true, processId};
}

bool ProcessLauncher::openPage(const QUrl& page)
{
    return platform::isWebPage(page) && QDesktopServices::openUrl(page);
}

void installDesktopServices()
{
    static WidgetDialogs dialogs;
    static ProcessLauncher launcher;
    platform::services().dialogs = &dialogs;
    platform::services().launcher = &launcher;
}

} // namespace ui
