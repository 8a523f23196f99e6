#include "tools/RestrictedTopicsFrame.h"

#include "link/ReflectorSession.h"
#include "link/ReflectorSettings.h"
#include "link/UserSettingsFile.h"
#include "platform/Codec.h"
#include "platform/Dialogs.h"
#include "tools/ForgottenPasswordRequest.h"
#include "tools/RestrictedTopicChoices.h"
#include "tools/RestrictedTopicsStore.h"
#include "ui/ObjectNames.h"
#include "ui/PanelStatusBar.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using platform::fromCp1252;
using platform::toCp1252;

namespace {

const QString kAskForCurrentPassword =
    QStringLiteral("Please type your Original/Current Password in the Original Password TextBox");
const QString kCurrentPasswordWrong = QStringLiteral(
    "Password incorrect re-type your correct Original/Current Password in the Original Password TextBox");

void showMessage(const QString& text)
{
    platform::dialogs().messageBox(text);
}

QLineEdit* passwordBox(QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setEchoMode(QLineEdit::Password);
    return box;
}

// The cipher brings back every character of the program's 8-bit texts but code 255;
// a character outside them would be stored as "?".
bool storableAsPassword(const QString& password)
{
    const QByteArray bytes = toCp1252(password);
    return fromCp1252(bytes) == password && passwordRestorable(bytes);
}

} // namespace

RestrictedTopicsFrame::RestrictedTopicsFrame(PanelStatusBar& statusBar, QWidget* parent)
    : QGroupBox(QStringLiteral("Restrict Access - Parental Control"), parent), statusBar_(statusBar)
{
    setToolTip(QStringLiteral("This section is used to Restrict  Topic Access ... Right click for more info... "));

    originalPasswordLabel = new QLabel(QStringLiteral("Original Password:"), this);
    newPasswordLabel = new QLabel(QStringLiteral("Change Password:"), this);
    confirmPasswordLabel = new QLabel(QStringLiteral("Confirm Password:"), this);
    originalPasswordBox = passwordBox(this);
    newPasswordBox = passwordBox(this);
    confirmPasswordBox = passwordBox(this);
    savePasswordButton = new QPushButton(QStringLiteral("Save/Change Password"), this);
    forgotPasswordButton = new QPushButton(QStringLiteral("Forgot Password ?"), this);
    topicChoices = new RestrictedTopicChoiceBox(this);
    topicList = new QListWidget(this);
    topicList->setSelectionMode(QAbstractItemView::SingleSelection);
    topicList->setSortingEnabled(true);
    saveTopicsButton = new QPushButton(QStringLiteral("Save Restricted Topics"), this);
    deleteTopicButton = new QPushButton(QStringLiteral("DeleteTopic"), this);
    auto* topicListCaption = new QLabel(QStringLiteral("Restricted Topics..."), this);

    auto* grid = new QGridLayout(this);
    grid->addWidget(originalPasswordLabel, 0, 0);
    grid->addWidget(originalPasswordBox, 0, 1);
    grid->addWidget(newPasswordLabel, 1, 0);
    grid->addWidget(newPasswordBox, 1, 1);
    grid->addWidget(confirmPasswordLabel, 2, 0);
    grid->addWidget(confirmPasswordBox, 2, 1);
    grid->addWidget(savePasswordButton, 3, 0);
    grid->addWidget(forgotPasswordButton, 3, 1);
    grid->addWidget(topicChoices, 4, 0, 1, 2);
    grid->addWidget(topicListCaption, 5, 0, 1, 2);
    grid->addWidget(topicList, 6, 0, 1, 2);
    grid->addWidget(saveTopicsButton, 7, 0);
    grid->addWidget(deleteTopicButton, 7, 1);

    connect(topicChoices, &RestrictedTopicChoiceBox::topicChosen, this, &RestrictedTopicsFrame::chooseTopic);
    connect(savePasswordButton, &QPushButton::clicked, this, &RestrictedTopicsFrame::savePassword);
    connect(saveTopicsButton, &QPushButton::clicked, this, &RestrictedTopicsFrame::saveTopics);
    connect(forgotPasswordButton, &QPushButton::clicked, this, &RestrictedTopicsFrame::forgotPassword);
    connect(deleteTopicButton, &QPushButton::clicked, this, &RestrictedTopicsFrame::deleteTopic);
    forgottenPasswordRequest_ = new ForgottenPasswordRequest(this);
    connect(forgottenPasswordRequest_, &ForgottenPasswordRequest::status, this, &RestrictedTopicsFrame::setStatus);
    connect(forgottenPasswordRequest_, &ForgottenPasswordRequest::finished, this,
            &RestrictedTopicsFrame::forgottenPasswordFinished);
    setAllControlsEnabled(false);

    ui::giveObjectNames({
        {this, "Frame2"},
        {originalPasswordLabel, "Label1"},
        {newPasswordLabel, "Label2"},
        {confirmPasswordLabel, "Label3"},
        {originalPasswordBox, "Text1"},
        {newPasswordBox, "Text2"},
        {confirmPasswordBox, "Text3"},
        {savePasswordButton, "Command1"},
        {forgotPasswordButton, "Command3"},
        {topicChoices, "Combo1"},
        {topicList, "List1"},
        {saveTopicsButton, "Command2"},
        {deleteTopicButton, "Command4"},
        {topicListCaption, "Label4"},
    });
}

void RestrictedTopicsFrame::load()
{
    for (const QByteArray& choice : restrictedTopicChoices())
        topicChoices->addItem(fromCp1252(choice));
    topicChoices->model()->sort(0);
    topicChoices->setCurrentIndex(-1);
    for (const QByteArray& topic : readRestrictedTopicsFile())
        topicList->addItem(fromCp1252(topic));
    if (const std::optional<QByteArray> password = readRestrictedPasswordFile())
        setRestrictedPassword(*password);
}

void RestrictedTopicsFrame::discard()
{
    topicChoices->clear();
    topicList->clear();
    for (QLineEdit* box : {originalPasswordBox, newPasswordBox, confirmPasswordBox})
        box->clear();
    setAllControlsEnabled(false);
}

QList<QByteArray> RestrictedTopicsFrame::topics() const
{
    QList<QByteArray> listed;
    for (int row = 0; row < topicList->count(); ++row)
        listed << toCp1252(topicList->item(row)->text());
    return listed;
}

void RestrictedTopicsFrame::setPasswordBoxesEnabled(bool enabled)
{
    for (QLineEdit* box : {originalPasswordBox, newPasswordBox, confirmPasswordBox})
        box->setEnabled(enabled);
}

bool RestrictedTopicsFrame::passwordBoxesEnabled() const
{
    return originalPasswordBox->isEnabled() && newPasswordBox->isEnabled() && confirmPasswordBox->isEnabled();
}

void RestrictedTopicsFrame::setAllControlsEnabled(bool enabled)
{
    setPasswordBoxesEnabled(enabled);
    for (QWidget* control : std::initializer_list<QWidget*>{savePasswordButton, forgotPasswordButton, saveTopicsButton,
                                                            deleteTopicButton, topicChoices, topicList})
        control->setEnabled(enabled);
}

void RestrictedTopicsFrame::chooseTopic(int choiceIndex)
{
    if (choiceIndex >= 0)
        topicList->addItem(topicChoices->itemText(choiceIndex));
}

void RestrictedTopicsFrame::savePassword()
{
    const QString inUse = fromCp1252(restrictedPassword());
    if (!inUse.isEmpty() && originalPasswordBox->text().isEmpty()) {
        showMessage(QStringLiteral("No Password Entered. You need to Type a Password in the text box."));
        return;
    }
    if (originalPasswordBox->text() != inUse) {
        showMessage(QStringLiteral("Original Password incorrect..."));
        originalPasswordBox->clear();
        return;
    }
    if (newPasswordBox->text() != confirmPasswordBox->text()) {
        showMessage(QStringLiteral("New Passwords Do Not Match... Please retry..."));
        newPasswordBox->clear();
        confirmPasswordBox->clear();
        return;
    }
    const QString newPassword = platform::trimBlanks(confirmPasswordBox->text());
    if (!storableAsPassword(newPassword)) {
        showMessage(passwordNotStorableMessage());
        return;
    }
    // A failed write leaves the stored and the used password as they were.
    QByteArray password = restrictedPassword();
    const platform::FileWriteResult written = changeRestrictedPassword(toCp1252(newPassword), password);
    if (!written) {
        showMessage(written.errorDescription);
        return;
    }
    setRestrictedPassword(password);
    showMessage(QStringLiteral("Password successfully changed..."));
    for (QLineEdit* box : {originalPasswordBox, newPasswordBox, confirmPasswordBox})
        box->clear();
}

bool RestrictedTopicsFrame::originalPasswordAccepted()
{
    if (originalPasswordBox->text().isEmpty()) {
        showMessage(kAskForCurrentPassword);
        return false;
    }
    if (originalPasswordBox->text() != fromCp1252(restrictedPassword())) {
        showMessage(kCurrentPasswordWrong);
        originalPasswordBox->clear();
        return false;
    }
    return true;
}

void RestrictedTopicsFrame::saveTopics()
{
    if (!originalPasswordAccepted())
        return;
    if (const platform::FileWriteResult written = writeRestrictedTopicsFile(topics()); !written) {
        showMessage(written.errorDescription);
        return;
    }
    showMessage(QStringLiteral("Restricted Topics saved...."));
}

void RestrictedTopicsFrame::deleteTopic()
{
    if (!originalPasswordAccepted())
        return;
    const QList<QListWidgetItem*> selected = topicList->selectedItems();
    const int row = selected.isEmpty() ? -1 : topicList->row(selected.first());
    QList<QByteArray> remaining = topics();
    // The entry leaves the list only once the file without it is stored.
    if (const platform::FileWriteResult written = deleteRestrictedTopic(remaining, row); !written) {
        showMessage(written.errorDescription);
        return;
    }
    if (row >= 0)
        delete topicList->takeItem(row);
}

void RestrictedTopicsFrame::forgotPassword()
{
    const platform::MessageAnswer answer = platform::dialogs().messageBox(
        QStringLiteral("If you have forgotten your password and want to have it sent to you via Email click the YES "
                       "button."),
        platform::MessageButtons::YesNo, platform::MessageIcon::Information, QStringLiteral("Forgot Password..."),
        platform::MessageAnswer::No);
    if (answer != platform::MessageAnswer::Yes) {
        showMessage(QStringLiteral("Password Request cancelled..."));
        return;
    }
    ReflectorSession& session = reflectorSession();
    const ReflectorSettings& settings = session.settings();
    forgottenPasswordRequest_->send(session.connection().socket(), {settings.primaryAddress(), settings.portText()},
                                    forgottenPasswordText(settings.userName(), restrictedPassword()));
}

void RestrictedTopicsFrame::forgottenPasswordFinished(ForgottenPasswordOutcome outcome)
{
    if (outcome == ForgottenPasswordOutcome::ConnectTimedOut)
        showMessage(QStringLiteral("Could not connect to Larkspire Server"));
}

void RestrictedTopicsFrame::setStatus(const QByteArray& text)
{
    statusBar_.setPanelText(1, text);
}
