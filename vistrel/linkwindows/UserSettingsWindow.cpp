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

    userNameBox = new QLineEdit(userSettings);
    limitTypedLength(*userNameBox, kUserNameMaxLength);
    refuseCharacter(*userNameBox, kRecordQuote, kQuoteInUserName);

    passwordBox = new QLineEdit(userSettings);
    limitTypedLength(*passwordBox, kPasswordMaxLength);
    passwordBox->setEchoMode(QLineEdit::Password);
    refuseCharacter(*passwordBox, kUnrestorablePasswordCode, kUnrestorableInPassword);

    userIdBox = new QLineEdit(QStringLiteral("0"), userSettings);
    userIdBox->setEnabled(false);

    showAtStartUpBox = new QCheckBox(QStringLiteral("Show this form at start up"), userSettings);

    showAtStartUpBox->setChecked(true);

    warningLabel = new QLabel(QStringLiteral("<< User Name or Password is incorrect. Please verify...."), userSettings);
    warningLabel->setStyleSheet(QStringLiteral("color: red;"));
    warningLabel->setWordWrap(true);
    warningLabel->hide();

    saveButton = new QPushButton(QStringLiteral("Save Settings"), userSettings);
    changePasswordButton = new QPushButton(QStringLiteral("Change Password"), userSettings);
    retryButton = new QPushButton(QStringLiteral("Retry Login"), userSettings);
    makeGraphicalButton(*saveButton, PressedLook::Darker);
    makeGraphicalButton(*changePasswordButton, PressedLook::Darker);
    makeGraphicalButton(*retryButton);
    retryButton->hide();

    grid->addWidget(new QLabel(QStringLiteral("User Name:"), userSettings), 0, 0);
    grid->addWidget(userNameBox, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Password:"), userSettings), 1, 0);
    grid->addWidget(passwordBox, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("User ID:"), userSettings), 2, 0);
    grid->addWidget(userIdBox, 2, 1);
    grid->addWidget(showAtStartUpBox, 3, 0, 1, 2);
    grid->addWidget(warningLabel, 0, 2, 2, 1);
    grid->addWidget(saveButton, 0, 3);
    grid->addWidget(changePasswordButton, 1, 3);
    grid->addWidget(retryButton, 2, 3);
    grid->setColumnStretch(1, 3); // room for a name of the full 15 characters
    grid->setColumnStretch(2, 2);
    layout->addWidget(userSettings);

    internetSettings_ = new QGroupBox(QStringLiteral("Internet Settings"), this);
    reflectorAddressBox = new QLineEdit(internetSettings_);
    internetSettings_->hide();

    ui::giveObjectNames({{userNameBox, "txtUserName"},
                         {passwordBox, "txtPassword"},
                         {userIdBox, "txtUserID"},
                         {showAtStartUpBox, "Check1"},
                         {warningLabel, "lblWarning"},
                         {saveButton, "Command1"},
                         {changePasswordButton, "Command2"},
                         {retryButton, "cmdRetry"},
                         {reflectorAddressBox, "txtIPAddress"}});

    connect(saveButton, &QPushButton::clicked, this, &UserSettingsWindow::save);
    connect(changePasswordButton, &QPushButton::clicked, this, &UserSettingsWindow::passwordChangeRequested);
    connect(retryButton, &QPushButton::clicked, this, &UserSettingsWindow::retry);
    connect(showAtStartUpBox, &QCheckBox::stateChanged, this, &UserSettingsWindow::storeStartUpChoice);
}

void UserSettingsWindow::load()
{
    setFixedSize(twips(kWidthTwips), twips(kHeightTwips));
    const StoredUserSettings stored = readUserSettingsFile();
    userNameBox->setText(fromCp1252(stored.userName));
    userIdBox->setText(fromCp1252(stored.userId));
    try {
        passwordBox->setText(fromCp1252(passwordFromCodeList(stored.passwordCodes)));
    } catch (const platform::RuntimeError&) {
        // Without the cipher the password cannot be read back; the box stays empty.
        passwordBox->clear();
    }
}

void UserSettingsWindow::save()
{
    const UserSettingsRecord record{toCp1252(userNameBox->text()), toCp1252(userIdBox->text()),
                                    toCp1252(passwordBox->text())};
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
    return userNameBox->text();
}

QString UserSettingsWindow::userId() const
{
    return userIdBox->text();
}

QString UserSettingsWindow::password() const
{
    return passwordBox->text();
}

QString UserSettingsWindow::outsideAddress() const
{
    return reflectorAddressBox->text();
}

void UserSettingsWindow::confirmUserId(const QByteArray& userId)
{
    keepNonEmpty(*userIdBox, userId);
}

void UserSettingsWindow::confirmPassword(const QByteArray& password)
{
    keepNonEmpty(*passwordBox, password);
}

void UserSettingsWindow::confirmOutsideAddress(const QByteArray& address)
{
    keepNonEmpty(*reflectorAddressBox, address);
}

void UserSettingsWindow::showRejection()
{
    warningLabel->setVisible(true);
    retryButton->setVisible(true);
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
            showAtStartUpBox->setChecked(value == 1);
        hide();
    }
    if (showAtStartUpBox->isChecked()) {
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
    const Qt::CheckState state = showAtStartUpBox->checkState();
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
    retryButton->hide();
    emit retryLogin();
    close();
}

void UserSettingsWindow::closing()
{
    warningLabel->hide();
}
