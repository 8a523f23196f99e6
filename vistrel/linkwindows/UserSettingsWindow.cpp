#include "linkwindows/UserSettingsWindow.h"

#include "link/ShowformFile.h"
#include "link/UserSettingsFile.h"
#include "platform/Codec.h"
#include "platform/Dialogs.h"
#include "platform/RuntimeError.h"
#include "platform/Twips.h"
#include "ui/GraphicalButton.h"
#include "ui/ObjectNames.h"
#include "ui/RefusedCharacter.h"
#include "ui/SharedMenuBar.h"
#include "ui/TypedLengthLimit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

using platform::fromCp1252;
using platform::toCp1252;
using platform::twips;

namespace {

constexpr int kWidthTwips = 10020;
constexpr int kHeightTwips = 3240;
constexpr int kUserNameMaxLength = 15;
constexpr int kPasswordMaxLength = 10;
constexpr int kToolbarButton = 13; // "User Set"
constexpr ui::ToolbarEntry kToolbarActiveEntry = ui::ToolbarEntry::UserSettings;

// The characters that UserSettings.txt cannot hold (see fitsInRecord and
// passwordRestorable), kept out of the boxes as they are typed.
constexpr QChar kRecordQuote = u'"';
constexpr QChar kUnrestorablePasswordCode = QChar(0xFF); // code 255 of the program's texts

const QString kQuoteInUserName = QStringLiteral("A user name cannot contain a double quote (\") or a line break.");
const QString kQuoteInUserId = QStringLiteral("A user ID cannot contain a double quote (\") or a line break.");
const QString kUnrestorableInPassword = QStringLiteral("A password cannot contain the character \u00FF (code 255).");

// The first reason why the values cannot be stored and read back, or the empty text.
QString whyNotStorable(const UserSettingsRecord& record)
{
    if (!fitsInRecord(record.userName))
        return kQuoteInUserName;
    if (!fitsInRecord(record.userId))
        return kQuoteInUserId;
    if (!passwordRestorable(record.password))
        return kUnrestorableInPassword;
    return {};
}

// Writes a value into a box, unless the value is empty: a reply without the value
// keeps what the box holds.
void keepNonEmpty(QLineEdit& box, const QByteArray& value)
{
    const QString text = fromCp1252(value);
    if (!value.isEmpty() && box.text() != text)
        box.setText(text);
}

} // namespace

UserSettingsWindow::UserSettingsWindow() : ProgramWindow(ToolbarButton{kToolbarButton, kToolbarActiveEntry})
{
    setWindowTitle(QStringLiteral("User Settings"));

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(createSharedMenuBar(this));

    auto* userSettings = new QGroupBox(QStringLiteral("User Settings"), this);
    auto* grid = new QGridLayout(userSettings);

    userNameBox_ = new QLineEdit(userSettings);
    limitTypedLength(*userNameBox_, kUserNameMaxLength);
    refuseCharacter(*userNameBox_, kRecordQuote, kQuoteInUserName);

    passwordBox_ = new QLineEdit(userSettings);
    limitTypedLength(*passwordBox_, kPasswordMaxLength);
    passwordBox_->setEchoMode(QLineEdit::Password);
    refuseCharacter(*passwordBox_, kUnrestorablePasswordCode, kUnrestorableInPassword);

    userIdBox_ = new QLineEdit(QStringLiteral("0"), userSettings);
    userIdBox_->setEnabled(false);

    showAtStartUpBox_ = new QCheckBox(QStringLiteral("Show this form at start up"), userSettings);

    showAtStartUpBox_->setChecked(true);

    warningLabel_ =
        new QLabel(QStringLiteral("<< User Name or Password is incorrect. Please verify...."), userSettings);
    warningLabel_->setStyleSheet(QStringLiteral("color: red;"));
    warningLabel_->setWordWrap(true);
    warningLabel_->hide();

    saveButton_ = new QPushButton(QStringLiteral("Save Settings"), userSettings);
    changePasswordButton_ = new QPushButton(QStringLiteral("Change Password"), userSettings);
    retryButton_ = new QPushButton(QStringLiteral("Retry Login"), userSettings);
    makeGraphicalButton(*saveButton_, PressedLook::Darker);
    makeGraphicalButton(*changePasswordButton_, PressedLook::Darker);
    makeGraphicalButton(*retryButton_);
    retryButton_->hide();

    grid->addWidget(new QLabel(QStringLiteral("User Name:"), userSettings), 0, 0);
    grid->addWidget(userNameBox_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Password:"), userSettings), 1, 0);
    grid->addWidget(passwordBox_, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("User ID:"), userSettings), 2, 0);
    grid->addWidget(userIdBox_, 2, 1);
    grid->addWidget(showAtStartUpBox_, 3, 0, 1, 2);
    grid->addWidget(warningLabel_, 0, 2, 2, 1);
    grid->addWidget(saveButton_, 0, 3);
    grid->addWidget(changePasswordButton_, 1, 3);
    grid->addWidget(retryButton_, 2, 3);
    grid->setColumnStretch(1, 3); // room for a name of the full 15 characters
    grid->setColumnStretch(2, 2);
    layout->addWidget(userSettings);

    internetSettings_ = new QGroupBox(QStringLiteral("Internet Settings"), this);
    reflectorAddressBox_ = new QLineEdit(internetSettings_);
    internetSettings_->hide();

    ui::giveObjectNames({{userNameBox_, "txtUserName"},
                         {passwordBox_, "txtPassword"},
                         {userIdBox_, "txtUserID"},
                         {showAtStartUpBox_, "Check1"},
                         {warningLabel_, "lblWarning"},
                         {saveButton_, "Command1"},
                         {changePasswordButton_, "Command2"},
                         {retryButton_, "cmdRetry"},
                         {reflectorAddressBox_, "txtIPAddress"}});

    connect(saveButton_, &QPushButton::clicked, this, &UserSettingsWindow::save);
    connect(changePasswordButton_, &QPushButton::clicked, this, &UserSettingsWindow::passwordChangeRequested);
    connect(retryButton_, &QPushButton::clicked, this, &UserSettingsWindow::retry);
    connect(showAtStartUpBox_, &QCheckBox::stateChanged, this, &UserSettingsWindow::storeStartUpChoice);
}

void UserSettingsWindow::load()
{
    setFixedSize(twips(kWidthTwips), twips(kHeightTwips));
    const StoredUserSettings stored = readUserSettingsFile();
    userNameBox_->setText(fromCp1252(stored.userName));
    userIdBox_->setText(fromCp1252(stored.userId));
    try {
        passwordBox_->setText(fromCp1252(passwordFromCodeList(stored.passwordCodes)));
    } catch (const platform::RuntimeError&) {
        // Without the cipher the password cannot be read back; the box stays empty.
        passwordBox_->clear();
    }
}

void UserSettingsWindow::save()
{
    const UserSettingsRecord record{toCp1252(userNameBox_->text()), toCp1252(userIdBox_->text()),
                                    toCp1252(passwordBox_->text())};
    // A save runs for a reply as well, so its boxes are shown without waiting, and only
    // one at a time: a reflector that repeats the reply does not pile them up.
    const QString boxKind = QStringLiteral("user settings save");
    if (const QString reason = whyNotStorable(record); !reason.isEmpty()) {
        platform::dialogs().showMessage(
            boxKind,
            platform::messageRequest(reason, platform::MessageButtons::Ok, platform::MessageIcon::Exclamation));
        return;
    }
    int errorNumber = 0;
    try {
        if (const platform::FileWriteResult written = writeUserSettingsFile(record); !written)
            errorNumber = written.errorNumber;
    } catch (const platform::RuntimeError& error) {
        errorNumber = error.number();
    }
    if (errorNumber != 0)
        platform::dialogs().showMessage(
            boxKind, platform::messageRequest(QStringLiteral("Error Saving settings.. =  %1").arg(errorNumber)));
}

QString UserSettingsWindow::userName() const
{
    return userNameBox_->text();
}

QString UserSettingsWindow::userId() const
{
    return userIdBox_->text();
}

QString UserSettingsWindow::password() const
{
    return passwordBox_->text();
}

QString UserSettingsWindow::outsideAddress() const
{
    return reflectorAddressBox_->text();
}

void UserSettingsWindow::confirmUserId(const QByteArray& userId)
{
    keepNonEmpty(*userIdBox_, userId);
}

void UserSettingsWindow::confirmPassword(const QByteArray& password)
{
    keepNonEmpty(*passwordBox_, password);
}

void UserSettingsWindow::confirmOutsideAddress(const QByteArray& address)
{
    keepNonEmpty(*reflectorAddressBox_, address);
}

void UserSettingsWindow::showRejection()
{
    warningLabel_->setVisible(true);
    retryButton_->setVisible(true);
    show();
}

void UserSettingsWindow::showStartUpChoice(const QByteArray& choice)
{
    hide();
    if (!choice.isEmpty()) {
        bool isNumber = false;
        const int value = platform::trimBlanks(choice).toShort(&isNumber);
        // Only 0 and 1 are states of the box; any other text leaves it as it is.
        if (isNumber && (value == 0 || value == 1))
            showAtStartUpBox_->setChecked(value == 1);
        hide();
    }
    if (showAtStartUpBox_->isChecked()) {
        showNormal();
        raise();
        activateWindow();
    } else {
        hide();
    }
}

// Runs on every change of the check box, by the user or by code.
void UserSettingsWindow::storeStartUpChoice()
{
    const Qt::CheckState state = showAtStartUpBox_->checkState();
    if (state == Qt::PartiallyChecked)
        return;
    const platform::FileWriteResult written = writeShowformFile(state == Qt::Checked);
    if (!written)
        platform::dialogs().messageBox(written.errorDescription);
}

// Connect runs inside retryLogin's handler; while another login still runs, it runs
// right after that one.
void UserSettingsWindow::retry()
{
    retryButton_->hide();
    emit retryLogin();
    close();
}

void UserSettingsWindow::closing()
{
    warningLabel_->hide();
}
