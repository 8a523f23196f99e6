#include "tools/PlayerSearchWindow.h"

#include "platform/Codec.h"
#include "platform/Dialogs.h"
#include "platform/Launcher.h"
#include "platform/Services.h"
#include "platform/Twips.h"
#include "tools/DriveList.h"
#include "tools/PlayerPathFile.h"
#include "tools/PlayerProgramSettings.h"
#include "ui/ObjectNames.h"
#include "ui/SharedMenuBar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

using platform::twips;

namespace {

// The toolbar's "Players" button and its entry of the toolbar state.
constexpr int kToolbarButton = 9;
constexpr ui::ToolbarEntry kToolbarActiveEntry = ui::ToolbarEntry::PlayerSearch;
constexpr char kHelpPage[] = "/help/Searchme.htm";
constexpr int kWidthTwips = 10995;
constexpr int kHeightTwips = 5415;
constexpr int kMinimumWidthTwips = 10575;
constexpr int kBlinkIntervalMs = 1000;
const QDate kFilterDay(2002, 11, 27);
const QColor kFoundColour(0, 0x80, 0);

// The search button's back colour, darker while it is held down.
const QString kSearchButtonStyle =
    QStringLiteral("QPushButton { background-color: #008080; color: white; padding: 3px 12px; }"
                   "QPushButton:pressed { background-color: #326b6a; }"
                   "QPushButton:disabled { color: #a0b0b0; }");

// Where the two players can be had.
constexpr char kStreamPlayerPage[] = "https://mpv.io/installation/";
constexpr char kMediaPlayerPage[] = "https://www.videolan.org/vlc/";

// A row's full program path.
constexpr int kPathRole = Qt::UserRole;
constexpr int kKeyRole = Qt::UserRole + 1;

struct KindTexts {
    QString searchCaption;
    QString firstSolution;
    QString secondSolution;
    QString secondSolutionNote;
    QString blinkCaption;
};

// The help texts of a player kind; nothing for a window opened without one.
const KindTexts* textsOfKind(std::optional<PlayerKind> kind)
{
    static const KindTexts stream{
        QStringLiteral("Search for RealPlayer"),
        QStringLiteral("Search for Realplayer on your PC. Click on the Search for RealPlayer button to see if it is "
                       "installed on your system. Follow the instructions and then try again."),
        QStringLiteral("If Solution 1 does not work because you do not have RealPlayer installed or the installation "
                       "is bad. Please click on the Get Free RealPlayer button to get RealPlayer."),
        QStringLiteral("Important note! You do not have to buy the RealPlayer the free version will work fine. The "
                       "purchased version will also work and it has a lot of cool features."),
        QStringLiteral("Search for RealPlayer")};
    static const KindTexts media{
        QStringLiteral("Search for Windows Media Player"),
        QStringLiteral("Search for Windows Media Player on your PC. Click on the Windows Media Player button to see "
                       "if it is installed on your system. Follow the instructions and then try again."),
        QStringLiteral("If Solution 1 does not work because you do not have Windows Media Player installed or the "
                       "installation is bad. Please click on the Get Free Media Player button to get Media Player."),
        QStringLiteral("Important note! You do not have to buy the Media Player it is free."),
        QStringLiteral("Search for Media Player")};
    if (!kind)
        return nullptr;
    return *kind == PlayerKind::RealPlayer ? &stream : &media;
}

QPushButton* searchStyleButton(const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setStyleSheet(kSearchButtonStyle);
    return button;
}

bool isRightButtonPress(const QEvent* event)
{
    return event->type() == QEvent::MouseButtonPress
        && static_cast<const QMouseEvent*>(event)->button() == Qt::RightButton;
}

// Which path file a save without a player kind writes; nothing when the user cancels.
std::optional<PlayerKind> askPlayerKind()
{
    switch (platform::dialogs().messageBox(
        QStringLiteral("Which player is this? Yes: RealPlayer (Real.txt). No: Windows Media Player (MediaPlay.txt)."),
        platform::MessageButtons::YesNoCancel, platform::MessageIcon::Question)) {
    case platform::MessageAnswer::Yes: return PlayerKind::RealPlayer;
    case platform::MessageAnswer::No: return PlayerKind::MediaPlayer;
    default: return std::nullopt;
    }
}

} // namespace

PlayerSearchWindow::PlayerSearchWindow() : ProgramWindow(ToolbarButton{kToolbarButton, kToolbarActiveEntry})
{
    setWindowTitle(QStringLiteral("Search for Media Players"));
    setMinimumWidth(twips(kMinimumWidthTwips));
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(createSharedMenuBar(this));

    explanationBanner_ = new QLabel(this);
    explanationBanner_->setWordWrap(true);
    explanationBanner_->setTextFormat(Qt::PlainText);
    explanationBanner_->setStyleSheet(QStringLiteral("color: #ffff00; background-color: #004040; padding: 4px;"));
    layout->addWidget(explanationBanner_);

    auto* top = new QHBoxLayout;
    auto* help = new QVBoxLayout;
    firstSolutionButton_ = new QPushButton(QStringLiteral("Solution 1"), this);
    secondSolutionButton_ = new QPushButton(QStringLiteral("Solution 2"), this);
    streamPlayerPageButton_ = new QPushButton(QStringLiteral("Get Free Real Player"), this);
    mediaPlayerPageButton_ = new QPushButton(QStringLiteral("Get Free Media Player"), this);
    for (QPushButton* button :
         {firstSolutionButton_, secondSolutionButton_, streamPlayerPageButton_, mediaPlayerPageButton_})
        help->addWidget(button);
    help->addStretch();
    top->addLayout(help);

    auto* searchFor = new QGroupBox(QStringLiteral("Search for File"), this);
    auto* searchForLayout = new QGridLayout(searchFor);
    searchText_ = new QLineEdit(searchFor);
    mediaPlayerPreset_ = new QPushButton(QStringLiteral("WMP"), searchFor);
    streamPlayerPreset_ = new QPushButton(QStringLiteral("Real"), searchFor);
    exactMatchBox_ = new QCheckBox(QStringLiteral("Exact Match"), searchFor);
    searchForLayout->addWidget(searchText_, 0, 0, 1, 3);
    searchForLayout->addWidget(mediaPlayerPreset_, 1, 0);
    searchForLayout->addWidget(streamPlayerPreset_, 1, 1);
    searchForLayout->addWidget(exactMatchBox_, 1, 2);
    top->addWidget(searchFor, 1);

    auto* drive = new QGridLayout;
    auto* driveLabel = new QLabel(QStringLiteral("Searching Drive:"), this);
    startFolderBox_ = new QComboBox(this);
    startFolderBox_->setEditable(true);
    searchButton_ = searchStyleButton(QString(), this);
    cancelButton_ = searchStyleButton(QStringLiteral("Cancel"), this);
    drive->addWidget(driveLabel, 0, 0);
    drive->addWidget(startFolderBox_, 0, 1);
    drive->addWidget(searchButton_, 1, 0, 1, 2);
    drive->addWidget(cancelButton_, 2, 0, 1, 2);
    top->addLayout(drive, 1);
    layout->addLayout(top);

    resultList_ = new QTreeWidget(this);
    resultList_->setRootIsDecorated(false);
    resultList_->setHeaderLabels({QStringLiteral("File Name"), QStringLiteral("Path")});
    resultList_->header()->resizeSection(0, twips(2999));
    resultList_->header()->resizeSection(1, twips(4919));
    layout->addWidget(resultList_, 1);

    auto* selection = new QHBoxLayout;
    selectionBox_ = new QLineEdit(this);
    saveButton_ = new QPushButton(QStringLiteral("Save the Selection"), this);
    selection->addWidget(new QLabel(QStringLiteral("Selection:"), this));
    selection->addWidget(selectionBox_, 1);
    selection->addWidget(saveButton_);
    layout->addLayout(selection);

    auto* looking = new QHBoxLayout;
    auto* lookingLabel = new QLabel(QStringLiteral("Searching:"), this);
    searchingLabel_ = new QLabel(this);
    searchingLabel_->setTextFormat(Qt::PlainText);
    looking->addWidget(lookingLabel);
    looking->addWidget(searchingLabel_, 1);
    layout->addLayout(looking);

    auto* filter = new QGroupBox(this);
    auto* filterLayout = new QHBoxLayout(filter);
    dateFilterBox_ = new QCheckBox(QStringLiteral("Use Filter"), filter);
    modifiedDate_ = new QDateEdit(filter);
    modifiedDate_->setCalendarPopup(true);
    filterLayout->addWidget(dateFilterBox_);
    filterLayout->addWidget(new QLabel(QStringLiteral("Modified:"), filter));
    filterLayout->addWidget(modifiedDate_);
    filterLayout->addStretch();
    layout->addWidget(filter);

    // A right press on these opens the window's help page.
    for (QWidget* widget : std::initializer_list<QWidget*>{
             searchFor, driveLabel, lookingLabel, explanationBanner_, searchingLabel_, searchButton_, cancelButton_,
             firstSolutionButton_, secondSolutionButton_, streamPlayerPageButton_, mediaPlayerPageButton_,
             mediaPlayerPreset_, streamPlayerPreset_})
        widget->installEventFilter(this);

    connect(searchButton_, &QPushButton::clicked, this, &PlayerSearchWindow::startSearch);
    connect(cancelButton_, &QPushButton::clicked, this, &PlayerSearchWindow::cancelSearch);
    connect(saveButton_, &QPushButton::clicked, this, &PlayerSearchWindow::saveSelection);
    connect(firstSolutionButton_, &QPushButton::clicked, this, &PlayerSearchWindow::showFirstSolution);
    connect(secondSolutionButton_, &QPushButton::clicked, this, &PlayerSearchWindow::showSecondSolution);
    connect(streamPlayerPageButton_, &QPushButton::clicked, this, &PlayerSearchWindow::openStreamPlayerPage);
    connect(mediaPlayerPageButton_, &QPushButton::clicked, this, &PlayerSearchWindow::openMediaPlayerPage);
    connect(mediaPlayerPreset_, &QPushButton::clicked, this, &PlayerSearchWindow::presetMediaPlayer);
    connect(streamPlayerPreset_, &QPushButton::clicked, this, &PlayerSearchWindow::presetStreamPlayer);
    connect(resultList_, &QTreeWidget::itemClicked, this, &PlayerSearchWindow::chooseRow);
    // Any change of the selection, also to the empty text, can be saved.
    connect(selectionBox_, &QLineEdit::textChanged, saveButton_, [this] { saveButton_->setEnabled(true); });

    connect(searchText_, &QLineEdit::textChanged, this, &PlayerSearchWindow::followCriteria);
    connect(exactMatchBox_, &QCheckBox::stateChanged, this, &PlayerSearchWindow::followCriteria);
    connect(dateFilterBox_, &QCheckBox::stateChanged, this, &PlayerSearchWindow::followCriteria);
    connect(modifiedDate_, &QDateEdit::dateChanged, this, &PlayerSearchWindow::followCriteria);

    connect(&search_, &PlayerSearch::searchingFolder, searchingLabel_, &QLabel::setText);
    connect(&search_, &PlayerSearch::fileFound, this, &PlayerSearchWindow::listFoundFile);
    connect(&search_, &PlayerSearch::finished, this, [this] {
        searchingLabel_->setText(
            QStringLiteral("Search finished with %1 files found.").arg(resultList_->topLevelItemCount()));
        searchEnded();
    });
    connect(&blinkTimer_, &platform::Timer::tick, this, &PlayerSearchWindow::blinkSearchCaption);

    ui::giveObjectNames({
        {explanationBanner_, "Label7"},
        {firstSolutionButton_, "Command2"},
        {secondSolutionButton_, "Command3"},
        {streamPlayerPageButton_, "Command4"},
        {mediaPlayerPageButton_, "Command5"},
        {mediaPlayerPreset_, "Command6"},
        {streamPlayerPreset_, "Command7"},
        {searchText_, "txtSearch"},
        {exactMatchBox_, "chkMatch"},
        {startFolderBox_, "Combo1"},
        {searchButton_, "cmdSearch"},
        {cancelButton_, "cmdCancel"},
        {resultList_, "lstvSearch"},
        {selectionBox_, "txtRealPath"},
        {searchingLabel_, "lblLooking"},
        {dateFilterBox_, "chkFilter"},
        {modifiedDate_, "dtpModified"},
        {saveButton_, "CmdSave"},
    });
}

void PlayerSearchWindow::load()
{
    search_.cancel();
    unsetCursor();
    blinkTimer_.setEnabled(false);
    blinkTimer_.setInterval(0);
    captionBlanked_ = false;
    resize(twips(kWidthTwips), twips(kHeightTwips));
    explanationBanner_->clear();
    searchText_->setText(playerProgramName(PlayerKind::RealPlayer));
    exactMatchBox_->setChecked(true);
    startFolderBox_->clear();
    startFolderBox_->addItems(mountedDrives());
    startFolderBox_->setCurrentIndex(0);
    searchButton_->setText(QStringLiteral("Search for RealPlayer"));
    searchButton_->setEnabled(true);
    cancelButton_->setEnabled(false);
    resultList_->clear();
    selectionBox_->clear();
    saveButton_->setEnabled(false);
    searchingLabel_->clear();
    dateFilterBox_->setChecked(false);
    modifiedDate_->setDate(kFilterDay);
}

PlayerSearchCriteria PlayerSearchWindow::currentCriteria() const
{
    PlayerSearchCriteria criteria;
    criteria.fileName = searchText_->text();
    criteria.exactMatch = exactMatchBox_->isChecked();
    if (dateFilterBox_->isChecked())
        criteria.changedSince = modifiedDate_->date();
    return criteria;
}

void PlayerSearchWindow::followCriteria()
{
    if (search_.isRunning())
        search_.setCriteria(currentCriteria());
}

void PlayerSearchWindow::startSearch()
{
    if (searchText_->text().isEmpty())
        return;
    cancelButton_->setEnabled(true);
    searchButton_->setEnabled(false);
    resultList_->clear();
    setCursor(Qt::WaitCursor);
    // A start folder that cannot be opened ends the search at once, without a word.
    if (!search_.start(startFolderBox_->currentText(), currentCriteria()))
        searchEnded();
}

void PlayerSearchWindow::searchEnded()
{
    unsetCursor();
    searchButton_->setEnabled(true);
    cancelButton_->setEnabled(false);
}

void PlayerSearchWindow::cancelSearch()
{
    search_.cancel();
    searchEnded();
    blinkTimer_.setInterval(0);
    blinkTimer_.setEnabled(false);
}

// The latest hit is always the selection.
void PlayerSearchWindow::listFoundFile(const FoundPlayerFile& file)
{
    auto* row = new QTreeWidgetItem(resultList_, {file.name, file.folder});
    row->setData(0, kKeyRole, file.key);
    row->setData(0, kPathRole, file.path);
    row->setForeground(0, kFoundColour);
    row->setForeground(1, kFoundColour);
    selectionBox_->setText(file.path);
}

void PlayerSearchWindow::chooseRow(QTreeWidgetItem* row)
{
    if (row)
        selectionBox_->setText(row->data(0, kPathRole).toString());
}

void PlayerSearchWindow::saveSelection()
{
    std::optional<PlayerKind> kind = playerKind_;
    if (!kind)
        kind = askPlayerKind();
    if (!kind)
        return;
    platform::dialogs().messageBox(*kind == PlayerKind::RealPlayer
                                       ? QStringLiteral("Inserting RealPlayer into Program settings...")
                                       : QStringLiteral("Inserting Windows Media Player into Program settings..."));
    const platform::FileWriteResult written = writePlayerPathFile(*kind, platform::toCp1252(selectionBox_->text()));
    if (!written) {
        platform::dialogs().messageBox(written.errorDescription);
        return;
    }
    cancelSearch();
    platform::dialogs().messageBox(QStringLiteral("Path to Player saved..."));
    close();
}

void PlayerSearchWindow::showFirstSolution()
{
    explanationBanner_->setText(QStringLiteral(
        "If there are multiple entries listed at the end of the search. Select the file located under the "
        "'C:\\Program Files folder'. It is the one that will work the best."));
    const KindTexts* texts = textsOfKind(playerKind_);
    if (!texts)
        return;
    searchButton_->setText(texts->searchCaption);
    explanationBanner_->setText(texts->firstSolution);
    blinkTimer_.setEnabled(true);
    blinkTimer_.setInterval(kBlinkIntervalMs);
}

void PlayerSearchWindow::showSecondSolution()
{
    const KindTexts* texts = textsOfKind(playerKind_);
    if (!texts)
        return;
    explanationBanner_->setText(texts->secondSolution);
    platform::dialogs().messageBox(texts->secondSolutionNote);
}

void PlayerSearchWindow::blinkSearchCaption()
{
    const KindTexts* texts = textsOfKind(playerKind_);
    if (!texts)
        return;
    captionBlanked_ = !captionBlanked_;
    searchButton_->setText(captionBlanked_ ? QString() : texts->blinkCaption);
}

// The presets change what is looked for, not the file a save writes.
void PlayerSearchWindow::presetMediaPlayer()
{
    searchButton_->setText(QStringLiteral("Search for Media Player"));
    searchText_->setText(playerProgramName(PlayerKind::MediaPlayer));
}

void PlayerSearchWindow::presetStreamPlayer()
{
    searchButton_->setText(QStringLiteral("Search for Real Player"));
    searchText_->setText(playerProgramName(PlayerKind::RealPlayer));
}

void PlayerSearchWindow::openStreamPlayerPage()
{
    platform::launcher().openPage(QUrl(QString::fromLatin1(kStreamPlayerPage)));
}

void PlayerSearchWindow::openMediaPlayerPage()
{
    platform::launcher().openPage(QUrl(QString::fromLatin1(kMediaPlayerPage)));
}

void PlayerSearchWindow::openHelpPage()
{
    platform::launcher().openPage(QUrl(platform::webServerPage(QString::fromLatin1(kHelpPage))));
}

bool PlayerSearchWindow::event(QEvent* event)
{
    const bool handled = ProgramWindow::event(event);
    if (isRightButtonPress(event) && !childAt(static_cast<QMouseEvent*>(event)->position().toPoint()))
        openHelpPage(); // on the background itself, not passed on by a control
    return handled;
}

bool PlayerSearchWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (isRightButtonPress(event)) {
        openHelpPage();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void PlayerSearchWindow::closed()
{
    load();
}

void PlayerSearchWindow::showForMissingPlayer(PlayerKind kind, const QString& explanation, const QString& searchCaption)
{
    setPlayerKind(kind);
    show();
    explanationBanner_->setText(explanation);
    searchText_->setText(playerProgramName(kind));
    searchButton_->setText(searchCaption);
}

void PlayerSearchWindow::showForSearchCommand()
{
    explanationBanner_->setText(QStringLiteral("Search for the Real Player"));
    setWindowState(Qt::WindowNoState);
    show();
}
