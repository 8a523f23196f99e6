#include "ui/DesktopServices.h"

#include "platform/Services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

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

QMessageBox::StandardButton standardButton(MessageAnswer answer)
{
    switch (answer) {
    case MessageAnswer::Ok: return QMessageBox::Ok;
    case MessageAnswer::Cancel: return QMessageBox::Cancel;
    case MessageAnswer::Yes: return QMessageBox::Yes;
    case MessageAnswer::No: return QMessageBox::No;
    }
    return QMessageBox::NoButton;
}

void setUpBox(QMessageBox& box, const platform::MessageBoxRequest& request)
{
    box.setIcon(boxIcon(request.icon));
    box.setWindowTitle(request.title);
    box.setText(request.text);
    box.setStandardButtons(standardButtons(request.buttons));
    if (request.defaultButton)
        box.setDefaultButton(standardButton(*request.defaultButton));
}

} // namespace

MessageAnswer WidgetDialogs::showMessageBox(const platform::MessageBoxRequest& request)
{
    QMessageBox box(QApplication::activeWindow());
    setUpBox(box, request);
    return answerOf(box.exec(), request.buttons);
}

void WidgetDialogs::openMessageBox(const platform::MessageBoxRequest& request, AnswerHandler answered)
{
    auto* box = new QMessageBox(QApplication::activeWindow());
    setUpBox(*box, request);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    QObject::connect(box, &QMessageBox::finished, box,
                     [buttons = request.buttons, answered = std::move(answered)](int button) {
                         answered(answerOf(button, buttons));
                     });
    box->show();
    box->raise();
    box->activateWindow();
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
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setWorkingDirectory(workingFolder);
    qint64 processId = 0;
    if (process.startDetached(&processId))
        return {true, processId, false, {}};
    // The toolkit names the failing call first ("execv: Permission denied"); the user
    // gets the reason only.
    static const QRegularExpression failingCall(QStringLiteral("^[a-z_]+: "));
    QString reason = process.errorString();
    reason.remove(failingCall);
    const bool missing =
        program.contains(u'/') ? !QFileInfo::exists(program) : QStandardPaths::findExecutable(program).isEmpty();
    return {false, 0, missing, reason};
}

platform::PageResult ProcessLauncher::openPage(const QUrl& page)
{
    if (!platform::isWebPage(page))
        return platform::refusedPage();
    if (!QDesktopServices::openUrl(page))
        return {false, QStringLiteral("no web browser could be started")};
    return {true, {}};
}

void installDesktopServices()
{
    static WidgetDialogs dialogs;
    static ProcessLauncher launcher;
    platform::services().dialogs = &dialogs;
    platform::services().launcher = &launcher;
}

} // namespace ui
