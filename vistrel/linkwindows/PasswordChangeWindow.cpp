#include "linkwindows/PasswordChangeWindow.h"

#include "link/ReflectorSession.h"
#include "linkwindows/UserSettingsWindow.h"
#include "platform/Codec.h"
#include "platform/Dialogs.h"
#include "platform/Twips.h"
#include "ui/ObjectNames.h"
#include "ui/PanelStatusBar.h"
#include "ui/PlainLabel.h"
#include "ui/RightClickHelp.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using platform::fromCp1252;
using platform::toCp1252;

namespace {

constexpr int kWidthTwips = 5400;
constexpr int kHeightTwips = 2640;
constexpr int kToolbarButton = 13; // "User Set"
constexpr ui::ToolbarEntry kToolbarActiveEntry = ui::ToolbarEntry::UserSettings;
constexpr char kHelpPage[] = "/help/Chngpass.htm";

// Why the new password cannot be sent, or the empty text. The stored password is
// enciphered, and the cipher does not bring code 255 back; the quote, the comma and the
// line breaks would break the request's and the answer's fields and the settings file's
// records; a character outside Windows-1252 cannot travel at all.
QString whyRefused(const QString& password)
{
    if (fromCp1252(toCp1252(password)) != password)
        return QStringLiteral("A password can only hold characters of the Windows-1252 character set.");
    if (password.contains(QChar(0xFF)))
        return QStringLiteral("A password cannot contain the character \u00FF (code 255).");
    for (const QChar refused : {u'"', u',', u'\r', u'\n'}) {
        if (password.contains(refused))
            return QStringLiteral("A password cannot contain a double quote (\"), a comma or a line break.");
    }
    return {};
}

} // namespace

PasswordChangeWindow::PasswordChangeWindow(UserSettingsWindow& userSettings)
    : ProgramWindow(ToolbarButton{kToolbarButton, kToolbarActiveEntry}), userSettings_(userSettings)
{
    setWindowTitle(QStringLiteral("Change Password"));
    auto* grid = new QGridLayout(this);

    auto* note = plainLabel(
        QStringLiteral("You must be logged into the Larkspire Server before you can change your password."), this);
    auto* oldCaption = plainLabel(QStringLiteral("Old Password"), this);
    auto* newCaption = plainLabel(QStringLiteral("New Password"), this);
    oldPassword_ = new QLineEdit(this);
    oldPassword_->setEchoMode(QLineEdit::Password);
    newPassword_ = new QLineEdit(this);
    sendButton_ = new QPushButton(QStringLiteral("Send update"), this);
    statusBar_ = new PanelStatusBar(1, this);

    grid->addWidget(note, 0, 0, 1, 3);
    grid->addWidget(oldCaption, 1, 0);
    grid->addWidget(oldPassword_, 1, 1);
    grid->addWidget(newCaption, 2, 0);
    grid->addWidget(newPassword_, 2, 1);
    grid->addWidget(sendButton_, 1, 2, 2, 1);
    grid->addWidget(statusBar_, 3, 0, 1, 3);

    openHelpOnRightClick(*this, {sendButton_, note, oldCaption, newCaption, oldPassword_, newPassword_, statusBar_},
                         QString::fromLatin1(kHelpPage));
    connect(sendButton_, &QPushButton::clicked, this, &PasswordChangeWindow::sendUpdate);

    ui::giveObjectNames({
        {note, "Label3"},
        {oldCaption, "Label2"},
        {newCaption, "Label1"},
        {oldPassword_, "txtOldPassword"},
        {newPassword_, "txtNewPassword"},
        {sendButton_, "Command1"},
        {statusBar_, "StatusBar1"},
    });
}

void PasswordChangeWindow::load()
{
    resize(platform::twips(kWidthTwips), platform::twips(kHeightTwips));
    oldPassword_->setText(userSettings_.password());
}

void PasswordChangeWindow::open()
{
    if (!isVisible()) {
        newPassword_->clear();
        statusBar_->setPanelText(1, {});
        load();
    }
    setWindowState(Qt::WindowNoState);
    show();
}

void PasswordChangeWindow::sendUpdate()
{
    if (const QString reason = whyRefused(newPassword_->text()); !reason.isEmpty()) {
        platform::dialogs().messageBox(reason, platform::MessageButtons::Ok, platform::MessageIcon::Exclamation);
        return;
    }
    reflectorSession().sendPasswordChange(toCp1252(userSettings_.userName()), toCp1252(newPassword_->text()),
                                          toCp1252(oldPassword_->text()));
}

void PasswordChangeWindow::showStatus(const QByteArray& text)
{
    if (isVisible())
        statusBar_->setPanelText(1, text);
}

void PasswordChangeWindow::showAnswer(const QByteArray& outcome)
{
    if (!isVisible())
        return;
    statusBar_->setPanelText(1, outcome);
    close();
}

void showSessionInPasswordChange(ReflectorSession& session, ui::WindowSlot<PasswordChangeWindow>& window)
{
    QObject::connect(&session, &ReflectorSession::passwordChangeStatus, [&window](const QByteArray& text) {
        if (window.isMade())
            window().showStatus(text);
    });
    QObject::connect(&session, &ReflectorSession::passwordChangeAnswered, [&window](const QByteArray& outcome) {
        if (window.isMade())
            window().showAnswer(outcome);
    });
}
