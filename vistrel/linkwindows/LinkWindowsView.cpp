#include "linkwindows/LinkWindowsView.h"

#include "link/ReflectorSession.h"
#include "linkwindows/LinkWindows.h"
#include "linkwindows/SessionMessagesView.h"
#include "linkwindows/SettingsFromWindows.h"

#include <memory>

using S = ReflectorSession;

namespace {

void hide(LinkWindows& windows, S::Window window)
{
    switch (window) {
    case S::Window::Status: windows.status().hide(); break;
    case S::Window::UserSettings: windows.userSettings().hide(); break;
    case S::Window::ServerSettings: windows.serverSettings().hide(); break;
    }
}

} // namespace

void showSessionInLinkWindows(ReflectorSession& session, LinkWindows& windows)
{
    session.setSettings(std::make_unique<SettingsFromWindows>(windows));

    QObject::connect(&session, &S::logLine,
                     [&windows](const QByteArray& line) { windows.status().appendLogLine(line); });
    QObject::connect(&session, &S::lampShown,
                     [&windows](int segment, S::Lamp colour) { windows.status().showLamp(segment, colour); });
    QObject::connect(&session, &S::markerShown,
                     [&windows](S::Marker marker, bool visible) { windows.status().showMarker(marker, visible); });
    QObject::connect(&session, &S::attemptShown,
                     [&windows](const QString& address) { windows.status().showAttemptAddress(address); });
    QObject::connect(&session, &S::attemptPortShown,
                     [&windows](const QString& port) { windows.status().showAttemptPort(port); });
    QObject::connect(&session, &S::windowHideDue, [&windows](S::Window window) { hide(windows, window); });
    QObject::connect(&session, &S::outsideAddressSeen,
                     [&windows](const QByteArray& address) { windows.status().showOutsideAddress(address); });
    QObject::connect(&session, &S::outsideAddressConfirmed,
                     [&windows](const QByteArray& address) { windows.userSettings().confirmOutsideAddress(address); });
    QObject::connect(&session, &S::userIdConfirmed,
                     [&windows](const QByteArray& userId) { windows.userSettings().confirmUserId(userId); });
    QObject::connect(&session, &S::passwordConfirmed,
                     [&windows](const QByteArray& password) { windows.userSettings().confirmPassword(password); });
    QObject::connect(&session, &S::settingsSaveDue, [&windows] { windows.userSettings().save(); });
    QObject::connect(&session, &S::loginRejected, [&windows] { windows.userSettings().showRejection(); });
    showSessionInPasswordChange(session, windows.passwordChange);
    showSessionMessages(session);
}
