#include "linkwindows/LinkWindowsView.h"

#include "link/ReflectorSession.h"
#include "linkwindows/PasswordChangeWindow.h"
#include "linkwindows/ServerSettingsWindow.h"
#include "linkwindows/SettingsFromWindows.h"
#include "linkwindows/StatusWindow.h"
#include "linkwindows/UserSettingsWindow.h"
#include "platform/Codec.h"
#include "platform/Dialogs.h"
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
    case S::Window::Status: form<StatusWindow>().hide(); break;
    case S::Window::UserSettings: form<UserSettingsWindow>().hide(); break;
    case S::Window::ServerSettings: form<ServerSettingsWindow>().hide(); break;
    }
}

void showRejection()
{
    UserSettingsWindow& settings = form<UserSettingsWindow>();
    settings.warningLabel->setVisible(true);
    settings.retryButton->setVisible(true);
    settings.show();
}

} // namespace

void showSessionInLinkWindows(ReflectorSession& session)
{
    session.setSettings(std::make_unique<SettingsFromWindows>());

    QObject::connect(&session, &S::logLine, [](const QByteArray& line) { form<StatusWindow>().appendLogLine(line); });
    // Shown without waiting, as the handling of a socket event may bring it; a text
    // already shown is not shown twice at a time.
    QObject::connect(&session, &S::messageDue, [](const QString& text) {
        platform::dialogs().showMessage(text, platform::messageRequest(text));
    });
    QObject::connect(&session, &S::lampShown,
                     [](int segment, S::Lamp colour) { form<StatusWindow>().showLamp(segment, colour); });
    QObject::connect(&session, &S::markerShown,
                     [](S::Marker marker, bool visible) { form<StatusWindow>().marker(marker)->setVisible(visible); });
    QObject::connect(&session, &S::attemptShown,
                     [](const QString& address) { form<StatusWindow>().reflectorAddressLabel->setText(address); });
    QObject::connect(&session, &S::attemptPortShown,
                     [](const QString& port) { form<StatusWindow>().reflectorPortLabel->setText(port); });
    QObject::connect(&session, &S::windowHideDue, &hide);
    QObject::connect(&session, &S::outsideAddressSeen, [](const QByteArray& address) {
        form<StatusWindow>().directoryServerAddressLabel->setText(platform::fromCp1252(address));
    });
    QObject::connect(&session, &S::outsideAddressConfirmed, [](const QByteArray& address) {
        keepNonEmpty(form<UserSettingsWindow>().reflectorAddressBox, address);
    });
    QObject::connect(&session, &S::userIdConfirmed,
                     [](const QByteArray& userId) { keepNonEmpty(form<UserSettingsWindow>().userIdBox, userId); });
    QObject::connect(&session, &S::passwordConfirmed, [](const QByteArray& password) {
        keepNonEmpty(form<UserSettingsWindow>().passwordBox, password);
    });
    QObject::connect(&session, &S::settingsSaveDue, [] { form<UserSettingsWindow>().save(); });
    QObject::connect(&session, &S::loginRejected, &showRejection);
    showSessionInPasswordChange(session);
}
