#pragma once
// The password change window ("Change Password"): asks the reflector of the last
// login to replace the login password. It shows the user settings' password as the old
// one, takes the new one and sends the change; it does not wait for the answer. The
// answer comes as a reply: the session keeps the new password in the user settings
// when the reflector confirmed it, and the window, while it is open, shows the outcome
// and closes.
//
// Closing the window unloads it: its next opening takes the old password afresh.
#include "ui/ProgramWindow.h"
#include "ui/WindowSlot.h"

class PanelStatusBar;
class QLineEdit;
class QPushButton;
class ReflectorSession;
class UserSettingsWindow;

class PasswordChangeWindow : public ProgramWindow {
    Q_OBJECT
public:
    // The user settings give the old password and the user name.
    explicit PasswordChangeWindow(UserSettingsWindow& userSettings);

    // The old password box takes the user settings' password.
    void load();
    // The user settings' "Change Password": shows the window, loaded afresh when it was closed.
    void open();
    // "Send update": sends the change, unless the new password could not be kept
    // (then a message says why and nothing is sent).
    void sendUpdate();

    // What the session reports while the window is open; a closed window takes nothing.
    void showStatus(const QByteArray& text);
    // The reflector's answer: shown, and the window closes.
    void showAnswer(const QByteArray& outcome);

private:
    QLineEdit* oldPassword_ = nullptr;  // shown as asterisks, editable
    QLineEdit* newPassword_ = nullptr;  // shown in clear
    QPushButton* sendButton_ = nullptr; // "Send update"
    PanelStatusBar* statusBar_ = nullptr;
    UserSettingsWindow& userSettings_;
};

// The session's reports and answers for the password change go to the window, when it
// was made; a window that was never opened is not made for a report.
void showSessionInPasswordChange(ReflectorSession& session, ui::WindowSlot<PasswordChangeWindow>& window);
