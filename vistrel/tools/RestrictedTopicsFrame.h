#pragma once
// The options window's lower frame, "Restrict Access - Parental Control": the password
// that locks topics of the directory tree, and the list of locked topics, chosen from
// the fixed topic names. While the window is loaded the list box is the list the tree
// checks; the password is the store's for the whole run (restrictedPassword()). Both
// are kept enciphered in vr.dat and rapc.dat (RestrictedTopicsStore.h).
//
// Every control but the labels starts disabled: the password boxes follow the login,
// the whole frame follows the options window's own Connect and Disconnect.
#include "tools/RestrictedTopicChoiceBox.h"

#include <QByteArray>
#include <QGroupBox>
#include <QList>

class ForgottenPasswordRequest;
enum class ForgottenPasswordOutcome;
class PanelStatusBar;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class RestrictedTopicsFrame : public QGroupBox {
    Q_OBJECT
public:
    RestrictedTopicsFrame(PanelStatusBar& statusBar, QWidget* parent);

    // The load steps: the topic choices, the list from vr.dat and the password from
    // rapc.dat (a rapc.dat that cannot be read leaves the password as it is).
    void load();
    // What the window's unloading discards: the list, the choices and the typed
    // passwords; every control disabled again.
    void discard();

    // The restricted topics in the list's order.
    QList<QByteArray> topics() const;

    void setPasswordBoxesEnabled(bool enabled);
    bool passwordBoxesEnabled() const;
    bool originalPasswordBoxEnabled() const;
    // The password boxes, the four buttons, the choice box and the list.
    void setAllControlsEnabled(bool enabled);

    // The user's choice in the topic box adds the topic to the list (duplicates too).
    void chooseTopic(int choiceIndex);
    // "Save/Change Password".
    void savePassword();
    // "Save Restricted Topics".
    void saveTopics();
    // "Forgot Password ?": asks, then starts the request to the reflector; its steps
    // show on the status line as they pass.
    void forgotPassword();
    // "DeleteTopic": removes the selected topic and stores the rest.
    void deleteTopic();

    // The window's help presses: the filter sees the presses on the buttons, the
    // password labels and the topic list.
    void watchHelpPresses(QObject& filter);

private:
    // The typed original password is the one in use; says why not, when it is not.
    bool originalPasswordAccepted();
    void forgottenPasswordFinished(ForgottenPasswordOutcome outcome);
    void setStatus(const QByteArray& text);

    QLabel* originalPasswordLabel_ = nullptr;          // Label1
    QLabel* newPasswordLabel_ = nullptr;               // Label2
    QLabel* confirmPasswordLabel_ = nullptr;           // Label3
    QLineEdit* originalPasswordBox_ = nullptr;         // Text1
    QLineEdit* newPasswordBox_ = nullptr;              // Text2
    QLineEdit* confirmPasswordBox_ = nullptr;          // Text3
    QPushButton* savePasswordButton_ = nullptr;        // Command1
    QPushButton* saveTopicsButton_ = nullptr;          // Command2
    QPushButton* forgotPasswordButton_ = nullptr;      // Command3
    QPushButton* deleteTopicButton_ = nullptr;         // Command4
    RestrictedTopicChoiceBox* topicChoices_ = nullptr; // Combo1
    QListWidget* topicList_ = nullptr;                 // List1

    PanelStatusBar& statusBar_;
    ForgottenPasswordRequest* forgottenPasswordRequest_ = nullptr;
};
