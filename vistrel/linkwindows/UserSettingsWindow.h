#pragma once
// The user settings window: who the client logs in as (user name, user ID, password),
// the client's outside address as the reflector reports it, and whether the window
// opens at start-up. Its boxes are the live values that the login and the replies
// read and write. Closing the window only hides it; the boxes keep their values.
#include "ui/ProgramWindow.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class UserSettingsWindow : public ProgramWindow {
    Q_OBJECT
public:
    UserSettingsWindow();

    // Fills the boxes from UserSettings.txt (empty boxes when there is none).
    void load();
    // Saves the boxes to UserSettings.txt. Shows nothing on success and one error
    // message when the file cannot be written or a value cannot be stored.
    void save();

    // The boxes' values as they stand: the login and the password change read them at
    // the moment they need them.
    QString userName() const;
    QString userId() const;
    QString password() const;
    QString outsideAddress() const;

    // The values a reply confirms; an empty value keeps what the box holds.
    void confirmUserId(const QByteArray& userId);
    void confirmPassword(const QByteArray& password);
    void confirmOutsideAddress(const QByteArray& address);

    // A rejected login: the warning and "Retry Login" show, and so does the window.
    void showRejection();
    // The start-up's choice from Showform.txt: "0" or "1" sets the check box (any other
    // text leaves it), and the window shows when the box is checked.
    void showStartUpChoice(const QByteArray& choice);

signals:
    // "Retry Login" asks for the Connect command; the main window runs the whole login
    // in its handler (a direct connection), before the window closes, or, when a login
    // still runs, right after that login has ended.
    void retryLogin();
    // "Change Password" asks for the password change window.
    void passwordChangeRequested();

protected:
    // The warning goes with every close; the retry button stays.
    void closing() override;

private:
    void storeStartUpChoice();
    void retry();

    QLineEdit* userNameBox_ = nullptr;
    QLineEdit* userIdBox_ = nullptr;              // the ID that the reflector confirmed; not editable
    QLineEdit* passwordBox_ = nullptr;            // in clear inside the program, shown as "*"
    QLineEdit* reflectorAddressBox_ = nullptr;    // the client's outside address; never shown
    QCheckBox* showAtStartUpBox_ = nullptr;       // "Show this form at start up", kept in Showform.txt
    QPushButton* saveButton_ = nullptr;           // "Save Settings"
    QPushButton* changePasswordButton_ = nullptr; // "Change Password"
    QPushButton* retryButton_ = nullptr;          // "Retry Login": hidden until a login is rejected
    QLabel* warningLabel_ = nullptr;              // shown with retryButton_

    QGroupBox* internetSettings_ = nullptr; // holds reflectorAddressBox_; the window does not show it
};
