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

    originalPasswordLabel_ = new QLabel(QStringLiteral("Original Password:"), this);
    newPasswordLabel_ = new QLabel(QStringLiteral("Change Password:"), this);
    confirmPasswordLabel_ = new QLabel(QStringLiteral("Confirm Password:"), this);
    originalPasswordBox_ = passwordBox(this);
    newPasswordBox_ = passwordBox(this);
    confirmPasswordBox_ = passwordBox(this);
    savePasswordButton_ = new QPushButton(QStringLiteral("Save/Change Password"), this);
    forgotPasswordButton_ = new QPushButton(QStringLiteral("Forgot Password ?"), this);
    topicChoices_ = new RestrictedTopicChoiceBox(this);
    topicList_ = new QListWidget(this);
    topicList_->setSelectionMode(QAbstractItemView::SingleSelection);
    topicList_->setSortingEnabled(true);
    saveTopicsButton_ = new QPushButton(QStringLiteral("Save Restricted Topics"), this);
    deleteTopicButton_ = new QPushButton(QStringLiteral("DeleteTopic"), this);
    auto* topicListCaption = new QLabel(QStringLiteral("Restricted Topics..."), this);

    auto* grid = new QGridLayout(this);
    grid->addWidget(originalPasswordLabel_, 0, 0);
    grid->addWidget(originalPasswordBox_, 0, 1);
    grid->addWidget(newPasswordLabel_, 1, 0);
    grid->addWidget(newPasswordBox_, 1, 1);
    grid->addWidget(confirmPasswordLabel_, 2, 0);
    grid->addWidget(confirmPasswordBox_, 2, 1);
    grid->addWidget(savePasswordButton_, 3, 0);
    grid->addWidget(forgotPasswordButton_, 3, 1);
    grid->addWidget(topicChoices_, 4, 0, 1, 2);
    grid->addWidget(topicListCaption, 5, 0, 1, 2);
    grid->addWidget(topicList_, 6, 0, 1, 2);
    grid->addWidget(saveTopicsButton_, 7, 0);
    grid->addWidget(deleteTopicButton_, 7, 1);

    connect(topicChoices_, &RestrictedTopicChoiceBox::topicChosen, this, &RestrictedTopicsFrame::chooseTopic);
    connect(savePasswordButton_, &QPushButton::clicked, this, &RestrictedTopicsFrame::savePassword);
    connect(saveTopicsButton_, &QPushButton::clicked, this, &RestrictedTopicsFrame::saveTopics);
    connect(forgotPasswordButton_, &QPushButton::clicked, this, &RestrictedTopicsFrame::forgotPassword);
    connect(deleteTopicButton_, &QPushButton::clicked, this, &RestrictedTopicsFrame::deleteTopic);
    forgottenPasswordRequest_ = new ForgottenPasswordRequest(this);
    connect(forgottenPasswordRequest_, &ForgottenPasswordRequest::status, this, &RestrictedTopicsFrame::setStatus);
    connect(forgottenPasswordRequest_, &ForgottenPasswordRequest::finished, this,
            &RestrictedTopicsFrame::forgottenPasswordFinished);
    setAllControlsEnabled(false);

    ui::giveObjectNames({
        {this, "Frame2"},
        {originalPasswordLabel_, "Label1"},
        {newPasswordLabel_, "Label2"},
        {confirmPasswordLabel_, "Label3"},
        {originalPasswordBox_, "Text1"},
        {newPasswordBox_, "Text2"},
        {confirmPasswordBox_, "Text3"},
        {savePasswordButton_, "Command1"},
        {forgotPasswordButton_, "Command3"},
        {topicChoices_, "Combo1"},
        {topicList_, "List1"},
        {saveTopicsButton_, "Command2"},
        {deleteTopicButton_, "Command4"},
        {topicListCaption, "Label4"},
    });
}

void RestrictedTopicsFrame::load()
{
    for (const QByteArray& choice : restrictedTopicChoices())
        topicChoices_->addItem(fromCp1252(choice));
    topicChoices_->model()->sort(0);
    topicChoices_->setCurrentIndex(-1);
    for (const QByteArray& topic : readRestrictedTopicsFile())
        topicList_->addItem(fromCp1252(topic));
    if (const std::optional<QByteArray> password = readRestrictedPasswordFile())
        setRestrictedPassword(*password);
}

void RestrictedTopicsFrame::discard()
{
    topicChoices_->clear();
    topicList_->clear();
    for (QLineEdit* box : {originalPasswordBox_, newPasswordBox_, confirmPasswordBox_})
        box->clear();
    setAllControlsEnabled(false);
}

QList<QByteArray> RestrictedTopicsFrame::topics() const
{
    QList<QByteArray> listed;
    for (int row = 0; row < topicList_->count(); ++row)
        listed << toCp1252(topicList_->item(row)->text());
    return listed;
}

void RestrictedTopicsFrame::setPasswordBoxesEnabled(bool enabled)
{
    for (QLineEdit* box : {originalPasswordBox_, newPasswordBox_, confirmPasswordBox_})
        box->setEnabled(enabled);
}

bool RestrictedTopicsFrame::passwordBoxesEnabled() const
{
    return originalPasswordBox_->isEnabled() && newPasswordBox_->isEnabled() && confirmPasswordBox_->isEnabled();
}

bool RestrictedTopicsFrame::originalPasswordBoxEnabled() const
{
    return originalPasswordBox_->isEnabled();
}

void RestrictedTopicsFrame::watchHelpPresses(QObject& filter)
{
    for (QObject* control : std::initializer_list<QObject*>{
             savePasswordButton_, saveTopicsButton_, forgotPasswordButton_, deleteTopicButton_, originalPasswordLabel_,
             newPasswordLabel_, confirmPasswordLabel_, topicList_->viewport()})
        control->installEventFilter(&filter);
}

void RestrictedTopicsFrame::setAllControlsEnabled(bool enabled)
{
    setPasswordBoxesEnabled(enabled);
    for (QWidget* control :
         std::initializer_list<QWidget*>{savePasswordButton_, forgotPasswordButton_, saveTopicsButton_,
                                         deleteTopicButton_, topicChoices_, topicList_})
        control->setEnabled(enabled);
}

void RestrictedTopicsFrame::chooseTopic(int choiceIndex)
{
    if (choiceIndex >= 0)
        topicList_->addItem(topicChoices_->itemText(choiceIndex));
}

void RestrictedTopicsFrame::savePassword()
{
    const QString inUse = fromCp1252(restrictedPassword());
    if (!inUse.isEmpty() && originalPasswordBox_->text().isEmpty()) {
        showMessage(QStringLiteral("No Password Entered. You need to Type a Password in the text box."));
        return;
    }
    if (originalPasswordBox_->text() != inUse) {
        showMessage(QStringLiteral("Original Password incorrect..."));
        originalPasswordBox_->clear();
        return;
    }
    if (newPasswordBox_->text() != confirmPasswordBox_->text()) {
        showMessage(QStringLiteral("New Passwords Do Not Match... Please retry..."));
        newPasswordBox_->clear();
        confirmPasswordBox_->clear();
        return;
    }
    const QString newPassword = platform::trimBlanks(confirmPasswordBox_->text());
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
    for (QLineEdit* box : {originalPasswordBox_, newPasswordBox_, confirmPasswordBox_})
        box->clear();
}

bool RestrictedTopicsFrame::originalPasswordAccepted()
{
    if (originalPasswordBox_->text().isEmpty()) {
        showMessage(kAskForCurrentPassword);
        return false;
    }
    if (originalPasswordBox_->text() != fromCp1252(restrictedPassword())) {
        showMessage(kCurrentPasswordWrong);
        originalPasswordBox_->clear();
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
    const QList<QListWidgetItem*> selected = topicList_->selectedItems();
    const int row = selected.isEmpty() ? -1 : topicList_->row(selected.first());
    QList<QByteArray> remaining = topics();
    // The entry leaves the list only once the file without it is stored.
    if (const platform::FileWriteResult written = deleteRestrictedTopic(remaining, row); !written) {
        showMessage(written.errorDescription);
        return;
    }
    if (row >= 0)
        delete topicList_->takeItem(row);
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
