#include "directory/WebCamPasswordPrompt.h"

#include "platform/Twips.h"
#include "ui/ObjectNames.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using platform::twips;

namespace {

void place(QWidget* control, int left, int top, int width, int height)
{
    control->setGeometry(twips(left), twips(top), twips(width), twips(height));
}

} // namespace

WebCamPasswordPrompt::WebCamPasswordPrompt()
    : QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setWindowTitle(QStringLiteral("Login"));
    setFixedSize(twips(3750), twips(1545));

    passwordLabel_ = new QLabel(QStringLiteral("&Password:"), this);
    place(passwordLabel_, 105, 360, 1080, 270);
    passwordBox_ = new QLineEdit(this);
    passwordBox_->setEchoMode(QLineEdit::Password);
    place(passwordBox_, 1290, 360, 2325, 345);
    passwordLabel_->setBuddy(passwordBox_);

    okButton_ = new QPushButton(QStringLiteral("OK"), this);
    place(okButton_, 495, 1020, 1140, 390);
    okButton_->setDefault(true);
    cancelButton_ = new QPushButton(QStringLiteral("Cancel"), this);
    place(cancelButton_, 2100, 1020, 1140, 390);

    ui::giveObjectNames({{passwordLabel_, "lblLabels"},
                         {passwordBox_, "txtPassword"},
                         {okButton_, "cmdOK"},
                         {cancelButton_, "cmdCancel"}});

    connect(okButton_, &QPushButton::clicked, this, &WebCamPasswordPrompt::answerOk);
    connect(cancelButton_, &QPushButton::clicked, this, &WebCamPasswordPrompt::answerCancel);
}

QString WebCamPasswordPrompt::password() const
{
    return passwordBox_->text();
}

void WebCamPasswordPrompt::answerOk()
{
    answer(true);
}

void WebCamPasswordPrompt::answerCancel()
{
    answer(false);
}

void WebCamPasswordPrompt::answer(bool ok)
{
    if (!isVisible())
        return;
    hide();
    emit answered(ok);
}

void WebCamPasswordPrompt::reject()
{
    answerCancel();
}

void WebCamPasswordPrompt::closeEvent(QCloseEvent* event)
{
    if (isVisible())
        answerCancel();
    event->accept();
}
