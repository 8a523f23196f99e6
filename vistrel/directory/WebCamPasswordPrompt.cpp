#include "directory/WebCamPasswordPrompt.h"

#include "common/Globals.h"
#include "platform/Twips.h"

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

    lblLabels = new QLabel(QStringLiteral("&Password:"), this);
    place(lblLabels, 105, 360, 1080, 270);
    txtPassword = new QLineEdit(this);
    txtPassword->setEchoMode(QLineEdit::Password);
    place(txtPassword, 1290, 360, 2325, 345);
    lblLabels->setBuddy(txtPassword);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    place(cmdOK, 495, 1020, 1140, 390);
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    place(cmdCancel, 2100, 1020, 1140, 390);

    connect(cmdOK, &QPushButton::clicked, this, &WebCamPasswordPrompt::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &WebCamPasswordPrompt::cmdCancel_Click);
}

void WebCamPasswordPrompt::cmdOK_Click()
{
    gLoginOkPressed = true;
    hide();
}

void WebCamPasswordPrompt::cmdCancel_Click()
{
    gLoginCancelPressed = true;
    hide();
}

void WebCamPasswordPrompt::reject()
{
    cmdCancel_Click();
}

void WebCamPasswordPrompt::closeEvent(QCloseEvent* event)
{
    if (isVisible())
        cmdCancel_Click();
    event->accept();
}
