#include "tools/OptionsWindow.h"

#include "link/ReflectorSession.h"
#include "platform/Dialogs.h"
#include "platform/Launcher.h"
#include "platform/Services.h"
#include "platform/Twips.h"
#include "tools/OptionSettingsFile.h"
#include "tools/OptionSwitches.h"
#include "tools/RestrictedTopicsFrame.h"
#include "ui/CommandRegistry.h"
#include "ui/ObjectNames.h"
#include "ui/PanelStatusBar.h"
#include "ui/SharedMenuBar.h"

#include <QAction>
#include <QCheckBox>
#include <QMenuBar>
#include <QMouseEvent>
#include <QVBoxLayout>

#include <optional>

namespace {

constexpr int kWidthTwips = 4695;
constexpr int kHeightTwips = 6810;
constexpr int kToolbarButton = 11; // "Options"
constexpr ui::ToolbarEntry kToolbarActiveEntry = ui::ToolbarEntry::Options;

// Yellow on dark teal, for the frames and the two visible switches.
const QString kFrameLook =
    QStringLiteral("QGroupBox, QCheckBox { color: rgb(255, 255, 0); background-color: rgb(0, 64, 64); }"
                   "QGroupBox QLabel { color: rgb(255, 255, 0); background-color: transparent; }");

const QString kLogInFirst =
    QStringLiteral("You must log into Larkspire before setting password or access restrictions.");

// A box's state as the files and the store keep it: 0 unticked, 1 ticked, 2 greyed.
int boxState(const QCheckBox& box)
{
    switch (box.checkState()) {
    case Qt::Checked: return 1;
    case Qt::PartiallyChecked: return 2;
    case Qt::Unchecked: break;
    }
    return 0;
}

// Sets a box as a click would: its rules run only when the state changes.
void setBoxState(QCheckBox& box, std::optional<int> state)
{
    constexpr Qt::CheckState kStates[] = {Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked};
    if (state && *state >= 0 && *state <= 2) {
        box.setTristate(*state == 2 || box.isTristate());
        box.setCheckState(kStates[*state]);
    }
}

// Sets a box back to unticked without running its rules: the state of a window not loaded.
void clearBoxQuietly(QCheckBox& box)
{
    const bool blocked = box.blockSignals(true);
    box.setCheckState(Qt::Unchecked);
    box.blockSignals(blocked);
}

void openHelpPage(const char* path)
{
    // A page that cannot be opened is ignored; the window goes on.
    platform::launcher().openPage(QUrl(platform::webServerPage(QString::fromLatin1(path))));
}

} // namespace

OptionsWindow::OptionsWindow() : ProgramWindow(ToolbarButton{kToolbarButton, kToolbarActiveEntry})
{
    setWindowTitle(QStringLiteral("Program Options"));
    setStyleSheet(kFrameLook);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(
        createSharedMenuBar(this, {ui::command::kConnectFromOptionsWindow, ui::command::kDisconnectFromOptionsWindow}));

    optionSettingsFrame_ = new QGroupBox(QStringLiteral("Option Settings"), this);
    optionSettingsFrame_->setToolTip(
        QStringLiteral("This section allows icons to load if deselected... Right click for more info..."));
    auto* switches = new QVBoxLayout(optionSettingsFrame_);
    iconSwitch_ = new QCheckBox(QStringLiteral("Do not Load Icons"), optionSettingsFrame_);
    iconSwitch_->setToolTip(QStringLiteral("Select this option to prevent the icons from loading. This will enable "
                                           "the program to load faster."));
    encryptionSwitch_ = new QCheckBox(QStringLiteral("Encryption"), optionSettingsFrame_);
    encryptionSwitch_->hide();
    tipSwitch_ = new QCheckBox(QStringLiteral("Show Tool Tips"), optionSettingsFrame_);
    switches->addWidget(iconSwitch_);
    switches->addWidget(tipSwitch_);
    layout->addWidget(optionSettingsFrame_);

    statusBar_ = new PanelStatusBar(1, this);
    restrictedTopicsFrame_ = new RestrictedTopicsFrame(*statusBar_, this);
    layout->addWidget(restrictedTopicsFrame_, 1);
    layout->addWidget(statusBar_);

    connect(iconSwitch_, &QCheckBox::stateChanged, this, &OptionsWindow::iconSwitchChanged);
    connect(encryptionSwitch_, &QCheckBox::stateChanged, this, &OptionsWindow::encryptionSwitchChanged);
    connect(tipSwitch_, &QCheckBox::stateChanged, this, &OptionsWindow::tipSwitchChanged);

    for (QObject* control :
         std::initializer_list<QObject*>{iconSwitch_, optionSettingsFrame_, restrictedTopicsFrame_, statusBar_})
        control->installEventFilter(this);
    restrictedTopicsFrame_->watchHelpPresses(*this);

    ui::giveObjectNames({
        {optionSettingsFrame_, "Frame1"},
        {iconSwitch_, "Check1"},
        {encryptionSwitch_, "Check2"},
        {tipSwitch_, "Check3"},
        {statusBar_, "StatusBar1"},
    });
}

void OptionsWindow::load()
{
    loaded_ = true;
    if (!requested_)
        hide();
    setFixedSize(platform::twips(kWidthTwips), platform::twips(kHeightTwips));
    setBoxState(*iconSwitch_, readIconBoxStateFile());
    restrictedTopicsFrame_->load();
    if (!requested_)
        hide();
}

void OptionsWindow::ensureLoaded()
{
    if (!loaded_)
        load();
}

void OptionsWindow::showStoredSwitches()
{
    ensureLoaded();
    OptionSwitches stored(platform::settingsStore());
    setBoxState(*tipSwitch_, stored.tipBoxState());
    setBoxState(*iconSwitch_, stored.iconBoxState());
    if (!requested_)
        hide();
}

void OptionsWindow::showRequested()
{
    requested_ = true;
    ensureLoaded();
    showNormal();
}

bool OptionsWindow::iconLoadingSwitchedOff()
{
    ensureLoaded();
    return iconSwitch_->checkState() == Qt::Checked;
}

QList<QByteArray> OptionsWindow::restrictedTopics()
{
    ensureLoaded();
    return restrictedTopicsFrame_->topics();
}

void OptionsWindow::setPasswordBoxesEnabled(bool enabled)
{
    ensureLoaded();
    restrictedTopicsFrame_->setPasswordBoxesEnabled(enabled);
}

void OptionsWindow::setRestrictedTopicControlsEnabled(bool enabled)
{
    ensureLoaded();
    restrictedTopicsFrame_->setAllControlsEnabled(enabled);
}

bool OptionsWindow::passwordBoxesEnabled()
{
    ensureLoaded();
    return restrictedTopicsFrame_->passwordBoxesEnabled();
}

void OptionsWindow::setTipBoxState(int state)
{
    ensureLoaded();
    setBoxState(*tipSwitch_, state);
}

// The choice goes to the tree through its two commands, whose owner also keeps it for
// the icon loads that follow.
void OptionsWindow::iconSwitchChanged()
{
    namespace c = ui::command;
    switch (iconSwitch_->checkState()) {
    case Qt::Checked:
        ui::commands().run(c::kTreeWithoutPictures);
        OptionSwitches(platform::settingsStore()).saveIconBoxState(1);
        break;
    case Qt::Unchecked:
        if (platform::dialogs().messageBox(
                QStringLiteral("Warning loading the hundreds of icons that the Vistrel uses on older PCs san take "
                               "several minutes to load. Do you want to continue anyway? "),
                platform::MessageButtons::YesNo, platform::MessageIcon::Exclamation, QStringLiteral("Warning"))
            == platform::MessageAnswer::Yes) {
            ui::commands().run(c::kTreeWithPictures);
            OptionSwitches(platform::settingsStore()).saveIconBoxState(0);
        } else {
            ui::commands().run(c::kTreeWithoutPictures);
        }
        break;
    case Qt::PartiallyChecked: break;
    }
}

void OptionsWindow::encryptionSwitchChanged()
{
    const Qt::CheckState state = encryptionSwitch_->checkState();
    if (state != Qt::PartiallyChecked)
        reflectorSession().state().encryptTraffic = state == Qt::Checked;
}

void OptionsWindow::tipSwitchChanged()
{
    OptionSwitches(platform::settingsStore()).saveTipBoxState(boxState(*tipSwitch_));
}

void OptionsWindow::activated()
{
    showStoredSwitches();
}

void OptionsWindow::closed()
{
    requested_ = false;
    if (const platform::FileWriteResult written = writeIconBoxStateFile(boxState(*iconSwitch_)); !written)
        platform::dialogs().messageBox(written.errorDescription);
    restrictedTopicsFrame_->discard();
    clearBoxQuietly(*iconSwitch_);
    clearBoxQuietly(*tipSwitch_);
    loaded_ = false;
}

void OptionsWindow::mousePressEvent(QMouseEvent* event)
{
    helpPress(this, event->button());
    QWidget::mousePressEvent(event);
}

bool OptionsWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress && helpPress(watched, static_cast<QMouseEvent*>(event)->button()))
        return true;
    return QWidget::eventFilter(watched, event);
}

bool OptionsWindow::helpPress(QObject* control, Qt::MouseButton button)
{
    if (button == Qt::RightButton) {
        openHelpPage(control == iconSwitch_ ? kIconSwitchHelpPage : kHelpPage);
        return true;
    }
    const bool onFrame = control == optionSettingsFrame_ || control == restrictedTopicsFrame_;
    if (onFrame && !restrictedTopicsFrame_->originalPasswordBoxEnabled())
        platform::dialogs().messageBox(kLogInFirst);
    return false;
}
