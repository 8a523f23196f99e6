#include "linkwindows/LinkWindowsView.h"

#include "link/ReflectorSession.h"
#include "linkwindows/PasswordChangeWindow.h"
#include "linkwindows/SettingsFromWindows.h"
#include "linkwindows/frmServerSettings.h"
#include "linkwindows/frmSystemStatus.h"
#include "linkwindows/frmUserSettings.h"
#include "platform/Codec.h"
#include "ui/Forms.h"
#include "ui/TrafficMarker.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

using ui::form;
using S = ReflectorSession;

namespace {

// Writes a value into a box, unless the value is empty: a reply without the value
// keeps what the box holds.
void keepNonEmpty(QLineEdit* box, const QByteArray& value)
{
    const QString text = platform::fromCp1252(value);
    if (!value.isEmpty() && box->text() != text)
        box->setText(text);
}

void hide(S::Window window)
{
    switch (window) {
    case S::Window::Status: form<frmSystemStatus>().hide(); break;
    case S::Window::UserSettings: form<frmUserSettings>().hide(); break;
    case S::Window::ServerSettings: form<frmServerSettings>().hide(); break;
    }
}

void showRejection()
{
    frmUserSettings& settings = form<frmUserSettings>();
    settings.lblWarning->setVisible(true);
    settings.cmdRetry->setVisible(true);
    settings.show();
}

} // namespace

void showSessionInLinkWindows(ReflectorSession& session)
{
    session.setSettings(std::make_unique<SettingsFromWindows>());

    QObject::connect(&session, &S::logLine,
                     [](const QByteArray& line) { form<frmSystemStatus>().appendLogLine(line); });
    QObject::connect(&session, &S::lampShown,
                     [](int segment, S::Lamp colour) { form<frmSystemStatus>().showLamp(segment, colour); });
    QObject::connect(&session, &S::markerShown, [](S::Marker marker, bool visible) {
        form<frmSystemStatus>().marker(marker)->setVisible(visible);
    });
    QObject::connect(&session, &S::attemptShown,
                     [](const QString& address) { form<frmSystemStatus>().lblReflectorAddr->setText(address); });
    QObject::connect(&session, &S::attemptPortShown,
                     [](const QString& port) { form<frmSystemStatus>().lblReflectorPort->setText(port); });
    QObject::connect(&session, &S::windowHideDue, &hide);
    QObject::connect(&session, &S::outsideAddressSeen, [](const QByteArray& address) {
        form<frmSystemStatus>().lblDBServerIPAddr->setText(platform::fromCp1252(address));
    });
    QObject::connect(&session, &S::outsideAddressConfirmed,
                     [](const QByteArray& address) { keepNonEmpty(form<frmUserSettings>().txtIPAddress, address); });
    QObject::connect(&session, &S::userIdConfirmed,
                     [](const QByteArray& userId) { keepNonEmpty(form<frmUserSettings>().txtUserID, userId); });
    QObject::connect(&session, &S::passwordConfirmed,
                     [](const QByteArray& password) { keepNonEmpty(form<frmUserSettings>().txtPassword, password); });
    QObject::connect(&session, &S::settingsSaveDue, [] { form<frmUserSettings>().Command1_Click(); });
    QObject::connect(&session, &S::loginRejected, &showRejection);
    showSessionInPasswordChange(session);
}
