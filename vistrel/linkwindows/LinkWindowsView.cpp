#include "linkwindows/LinkWindowsView.h"

#include "link/ReflectorSession.h"
#include "linkwindows/LinkWindows.h"
#include "linkwindows/SessionMessagesView.h"
#include "linkwindows/SettingsFromWindows.h"
#include "platform/Codec.h"
#include "ui/TrafficMarker.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

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

void hide(LinkWindows& windows, S::Window window)
{
    switch (window) {
    case S::Window::Status: windows.status().hide(); break;
    case S::Window::UserSettings: windows.userSettings().hide(); break;
    case S::Window::ServerSettings: windows.serverSettings().hide(); break;
    }
}

void showRejection(UserSettingsWindow& settings)
{
    settings.warningLabel->setVisible(true);
    settings.retryButton->setVisible(true);
    settings.show();
}

} // namespace

void showSessionInLinkWindows(ReflectorSession& session, LinkWindows& windows)
{
    session.setSettings(std::make_unique<SettingsFromWindows>(windows));

    QObject::connect(&session, &S::logLine,
                     [&windows](const QByteArray& line) { windows.status().appendLogLine(line); });
    QObject::connect(&session, &S::lampShown,
                     [&windows](int segment, S::Lamp colour) { windows.status().showLamp(segment, colour); });
    QObject::connect(&session, &S::markerShown, [&windows](S::Marker marker, bool visible) {
        windows.status().marker(marker)->setVisible(visible);
    });
    QObject::connect(&session, &S::attemptShown,
                     [&windows](const QString& address) { windows.status().reflectorAddressLabel->setText(address); });
    QObject::connect(&session, &S::attemptPortShown,
                     [&windows](const QString& port) { windows.status().reflectorPortLabel->setText(port); });
    QObject::connect(&session, &S::windowHideDue, [&windows](S::Window window) { hide(windows, window); });
    QObject::connect(&session, &S::outsideAddressSeen, [&windows](const QByteArray& address) {
        windows.status().directoryServerAddressLabel->setText(platform::fromCp1252(address));
    });
    QObject::connect(&session, &S::outsideAddressConfirmed, [&windows](const QByteArray& address) {
        keepNonEmpty(windows.userSettings().reflectorAddressBox, address);
    });
    QObject::connect(&session, &S::userIdConfirmed,
                     [&windows](const QByteArray& userId) { keepNonEmpty(windows.userSettings().userIdBox, userId); });
    QObject::connect(&session, &S::passwordConfirmed, [&windows](const QByteArray& password) {
        keepNonEmpty(windows.userSettings().passwordBox, password);
    });
    QObject::connect(&session, &S::settingsSaveDue, [&windows] { windows.userSettings().save(); });
    QObject::connect(&session, &S::loginRejected, [&windows] { showRejection(windows.userSettings()); });
    showSessionInPasswordChange(session, windows.passwordChange);
    showSessionMessages(session);
}
