#include "directory/MainWindow.h"

#include "directory/ConnectCommands.h"
#include "directory/NodeClick.h"
#include "directory/ProgramWindows.h"
#include "directory/ShutDown.h"
#include "directory/TransmitterChannel.h"
#include "directory/TreeInteraction.h"
#include "directory/TreeNodes.h"
#include "link/ReflectorSession.h"
#include "link/ShowformFile.h"
#include "platform/Codec.h"
#include "platform/Dialogs.h"
#include "platform/Launcher.h"
#include "platform/OneShotTimer.h"
#include "platform/ProcessEnd.h"
#include "platform/Services.h"
#include "platform/Twips.h"
#include "ui/Gradient.h"
#include "ui/GraphicalButton.h"
#include "ui/ObjectNames.h"
#include "ui/OwnedWindow.h"
#include "ui/PanelStatusBar.h"
#include "ui/RightClickHelp.h"
#include "ui/SharedMenuBar.h"
#include "ui/ToolbarState.h"
#include "ui/TreePictures.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

#include <utility>

using platform::twips;

namespace {

constexpr int kHeightTwips = 7020;
constexpr int kWidthTwips = 10485;
constexpr int kTopTwips = 100;
constexpr int kLeftTwips = 100;
constexpr QSize kTreeImageSize(48, 48);
constexpr QColor kImageMaskColour(0xC0, 0xC0, 0xC0);
constexpr int kToolbarResetFromBackgroundMs = 100;
constexpr int kToolbarResetFromControlsMs = 500;

const QString kTreeToolTip =
    QStringLiteral("Use the Locator to find where the Webcams are. Then use the TreeView to navigate to the webcams. "
                   "Right click for more Info...");
const QString kStationHelpPage = QStringLiteral("/help/StationR.htm");
const QString kSpeedHelpPage = QStringLiteral("/help/Connecti.htm");
const QString kAddWebCamsPage = QStringLiteral("/worldwatch.php");
const QByteArray kTransmitterHint = "Connect To a Remote Webcam Transmitter Site";

bool openWebServerPage(const QString& path)
{
    return platform::launcher().openPage(QUrl(platform::webServerPage(path))).opened;
}

} // namespace

MainWindow::MainWindow(ProgramWindows& windows)
    : remoteIcons(kTreeImageSize), localIcons(kTreeImageSize), windows_(windows),
      shellDetectChord_({Qt::Key_Control, Qt::Key_Alt, Qt::Key_Shift, Qt::Key_P})
{
    setWindowTitle(QStringLiteral("Larkspire Vistrel"));
    setMouseTracking(true);
    for (ImageList* list : {&remoteIcons, &localIcons}) {
        list->setMaskColour(kImageMaskColour);
        addBuiltInPictures(*list);
    }

    auto* layout = new QVBoxLayout(this);
    menuBar = createMainMenuBar(this);
    layout->setMenuBar(menuBar);

    auto* body = new QGridLayout;
    treeCaption = new QLabel(QStringLiteral("Internet TreeView"), this);
    directoryTree = new QTreeWidget(this);
    directoryTree->setHeaderHidden(true);
    directoryTree->setToolTip(kTreeToolTip);
    directoryTree->setIconSize(kTreeImageSize);
    connect(directoryTree, &QTreeWidget::itemClicked, this, &MainWindow::openClickedItem);
    // Return or Enter on the current node clicks it, so the tree works from the keyboard.
    // Not the tree's activation signal: a mouse double click activates too, after its
    // first click already ran.
    directoryTree->installEventFilter(this);
    progressBar = new QProgressBar(this);
    progressBar->setValue(0);
    relayAddressBox = new QComboBox(this);
    relayAddressBox->setEditable(true);
    body->addWidget(treeCaption, 0, 0);
    body->addWidget(directoryTree, 1, 0);
    body->addWidget(progressBar, 2, 0);
    body->addWidget(relayAddressBox, 3, 0);
    body->addWidget(createTransmitterFrame(), 0, 1, 4, 1);
    new TreeInteraction(*directoryTree, *transmitterAddressBox, directoryModel, windows_);
    body->setColumnStretch(0, 3);
    body->setColumnStretch(1, 2);
    layout->addLayout(body, 1);

    statusBar = new PanelStatusBar(2, this);
    layout->addWidget(statusBar);

    createTimers();
    nameControls();
}

// Each control gets its fixed object name, so that findChild and a search for the name
// land on it.
void MainWindow::nameControls()
{
    ui::giveObjectNames({
        {directoryTree, "tvwMain"},
        {treeCaption, "Label6"},
        {statusBar, "stsWorld"},
        {progressBar, "ProgressBar1"},
        {relayAddressBox, "cboAddress"},
        {transmitterFrame, "Frame1"},
        {stationCaption, "Label5"},
        {transmitterAddressBox, "txtRemoteIP"},
        {connectButton, "Command7"},
        {stopButton, "Command8"},
        {fileListCaption, "Label4"},
        {fileList, "List1"},
        {repliesCaption, "Label2"},
        {transmitterReply, "Label3"},
        {speedFrame, "Frame2"},
        {modemSpeedOption, "optModem"},
        {cableSpeedOption, "optCable"},
        {transmitter, "TCPTalkToTransmitter"},
    });
}

QWidget* MainWindow::createTransmitterFrame()
{
    transmitterFrame = new QGroupBox(QStringLiteral("Station Remote Controls"), this);
    transmitterFrame->setMouseTracking(true);
    transmitterFrame->installEventFilter(this);
    auto* grid = new QGridLayout(transmitterFrame);
    stationCaption = new QLabel(QStringLiteral("Station"), transmitterFrame);
    transmitterAddressBox = new QLineEdit(transmitterFrame);
    connect(transmitterAddressBox, &QLineEdit::textChanged, this, &MainWindow::enableTransmitterConnect);
    connectButton = new QPushButton(QStringLiteral("Connect"), transmitterFrame);
    connectButton->setEnabled(false);
    connectButton->setMouseTracking(true);
    connectButton->installEventFilter(this);
    stopButton = new QPushButton(QStringLiteral("Stop Transmission"), transmitterFrame);
    fileListCaption = new QLabel(QStringLiteral("Select a Video to View"), transmitterFrame);
    fileList = new QListWidget(transmitterFrame);
    fileList->viewport()->setMouseTracking(true);
    fileList->viewport()->installEventFilter(this);
    repliesCaption = new QLabel(QStringLiteral("Transmitter Replies:"), transmitterFrame);
    transmitterReply = new QLabel(transmitterFrame);
    speedFrame = new QGroupBox(QStringLiteral("Connection Speed"), transmitterFrame);
    auto* speeds = new QVBoxLayout(speedFrame);
    modemSpeedOption = new QRadioButton(QStringLiteral("Modem"), speedFrame);
    cableSpeedOption = new QRadioButton(QStringLiteral("Cable / DSL"), speedFrame);
    cableSpeedOption->setChecked(true);
    connectButton->setToolTip(QStringLiteral(
        "This button connects you too Transmitters within the Larkspire network. Right click for more Info..."));
    stopButton->setToolTip(QStringLiteral("This will stop the video transmission. Right click for more Info..."));
    fileList->setToolTip(QStringLiteral("Select a Video and it will Start Automatically"));
    modemSpeedOption->setToolTip(QStringLiteral("This modem option sets the speed  of transmission to be compatible "
                                                "with modem connections. Right click for more info..."));
    cableSpeedOption->setToolTip(QStringLiteral("This cable option sets the speed  of transmission to be compatible "
                                                "with DSL/Cable connections. Right click for more info..."));
    speeds->addWidget(modemSpeedOption);
    speeds->addWidget(cableSpeedOption);
    transmitter = new TransmitterChannel(this);
    wireTransmitterControls();

    grid->addWidget(stationCaption, 0, 0);
    grid->addWidget(transmitterAddressBox, 0, 1);
    grid->addWidget(connectButton, 1, 0);
    grid->addWidget(stopButton, 1, 1);
    grid->addWidget(fileListCaption, 2, 0, 1, 2);
    grid->addWidget(fileList, 3, 0, 1, 2);
    grid->addWidget(speedFrame, 4, 0, 1, 2);
    grid->addWidget(repliesCaption, 5, 0, 1, 2);
    grid->addWidget(transmitterReply, 6, 0, 1, 2);
    return transmitterFrame;
}

void MainWindow::wireTransmitterControls()
{
    for (QPushButton* button : {connectButton, stopButton})
        makeGraphicalButton(*button, PressedLook::Darker);
    // The Connect button stands in as the window of its group: a right press on it or
    // on one of the others opens the station's help page.
    openHelpOnRightClick(*connectButton, {stopButton, transmitterReply, fileListCaption, stationCaption},
                         kStationHelpPage);
    openHelpOnRightClick(*speedFrame, {modemSpeedOption, cableSpeedOption}, kSpeedHelpPage);

    connect(connectButton, &QPushButton::clicked, this, [this] {
        const QString port = windows_.link.serverSettings().viewerPortText();
        transmitter->connectAndListFiles(transmitterAddressBox->text(), port.trimmed().toInt());
    });
    connect(stopButton, &QPushButton::clicked, transmitter, &TransmitterChannel::stopTransmission);
    connect(fileList, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const auto speed =
            modemSpeedOption->isChecked() ? TransmitterChannel::Speed::Modem : TransmitterChannel::Speed::Cable;
        transmitter->chooseFile(platform::toCp1252(item->text()), speed);
    });
    connect(transmitter, &TransmitterChannel::stateTextChanged, transmitterReply, &QLabel::setText);
    connect(transmitter, &TransmitterChannel::fileListEmptied, fileList, &QListWidget::clear);
    connect(transmitter, &TransmitterChannel::fileListReplaced, this, [this](const QList<QByteArray>& names) {
        fileList->clear();
        showTransmitterFiles(names);
    });
    connect(transmitter, &TransmitterChannel::fileNamesAdded, this, &MainWindow::showTransmitterFiles);
    connect(transmitter, &TransmitterChannel::lastFileNameChanged, this, [this](const QByteArray& name) {
        if (QListWidgetItem* last = fileList->item(fileList->count() - 1))
            last->setText(platform::fromCp1252(name));
    });
    connect(transmitter, &TransmitterChannel::playRequested, this, &MainWindow::playChosenStream);
    connect(transmitter, &TransmitterChannel::logLine, this,
            [this](const QByteArray& line) { windows_.link.status().appendLogLine(line); });
}

void MainWindow::showTransmitterFiles(const QList<QByteArray>& names)
{
    for (const QByteArray& name : names)
        fileList->addItem(platform::fromCp1252(name));
}

void MainWindow::createTimers()
{
    auto create = [this](platform::OneShotTimer*& timer, void (MainWindow::*tick)()) {
        timer = new platform::OneShotTimer(this);
        timer->setEnabled(false);
        timer->setInterval(0);
        if (tick)
            connect(timer, &platform::Timer::tick, this, tick);
    };
    // mediaPlayerStarted and browserOpened only mark a time after a player or the browser started.
    create(mediaPlayerStarted, nullptr);
    create(browserOpened, nullptr);
    create(statusClear, nullptr);
    connect(statusClear, &platform::Timer::tick, this, [this] { statusBar->setPanelText(1, {}); });
    // The shut-down joins its tick to the end of the program when it arms it.
    create(shutDownLimit, nullptr);
    create(startupStep, &MainWindow::showStartupChoice);
    create(programEnd, nullptr);
    connect(programEnd, &platform::Timer::tick, [] { platform::endProcess(0); });
}

void MainWindow::load()
{
    FrameWindow& frame = windows_.frames.frame();
    frame.show();
    QMdiSubWindow* place = frame.adoptMainWindow(*this);
    connect(&frame, &FrameWindow::statusClearDue, this, [this] { statusBar->setPanelText(1, {}); });
    connect(&frame, &FrameWindow::connectionButtonPressed, this, &showConnectedState);
    connect(this, &MainWindow::shellDetectRequested, this, [this] { windows_.frames.playerWatcher().show(); });
    startupStep->setEnabled(true);
    startupStep->setInterval(kStartupStepMs);
    place->setGeometry(twips(kLeftTwips), twips(kTopTwips), twips(kWidthTwips), twips(kHeightTwips));
    directoryTree->clear();
    remoteIcons.setImageSize(kTreeImageSize);
}

void MainWindow::showStartupChoice()
{
    const QByteArray choice = readShowformFile();
    windows_.link.userSettings().showStartUpChoice(choice);
}

void MainWindow::openClickedItem(QTreeWidgetItem* item)
{
    if (item && item->type() == TreeNode::kType)
        openNode(*static_cast<TreeNode*>(item));
}

void MainWindow::openNode(TreeNode& node)
{
    runNodeClick(windows_, node);
}

void MainWindow::connectToReflector()
{
    connectCommand(windows_, CommandOrigin::MainWindow);
}

void MainWindow::disconnectFromReflector()
{
    disconnectCommand(windows_, CommandOrigin::MainWindow);
}

void MainWindow::exitProgram()
{
    shutDownAfterLogout(*this);
}

void MainWindow::showServerSettings()
{
    windows_.link.serverSettings().showNormal();
}

void MainWindow::showUserSettings()
{
    windows_.link.userSettings().showNormal();
}

void MainWindow::showSystemStatus()
{
    windows_.link.status().showNormal();
}

void MainWindow::showSnapshotWindow()
{
    windows_.snapshot().showNormal();
}

void MainWindow::showQuickStart()
{
    ui::showInFrontOf(windows_.frames.guide(), windows_.frames.frame());
}

void MainWindow::openAddWebCamsPage()
{
    if (!openWebServerPage(kAddWebCamsPage))
        platform::dialogs().messageBox(
            QStringLiteral("The page %1 could not be opened.").arg(platform::webServerPage(kAddWebCamsPage)));
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    askToShutDown(event);
}

// The window never closes on its own: either the program goes on as it was, or it ends.
void MainWindow::askToShutDown(QCloseEvent* event)
{
    event->ignore();
    if (shutDownRunning())
        return;
    const platform::MessageAnswer answer = platform::dialogs().messageBox(
        QStringLiteral("Would you like to shutdown now?"), platform::MessageButtons::YesNo, platform::MessageIcon::None,
        QStringLiteral("Shutdown Larkspire Vistrel"));
    if (answer == platform::MessageAnswer::Yes)
        shutDownAfterLogout(*this);
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    paintWindowGradient(*this);
}

void MainWindow::keyReleaseEvent(QKeyEvent* event)
{
    if (!event->isAutoRepeat() && shellDetectChord_.keyReleased(event->key()))
        emit shellDetectRequested();
    QWidget::keyReleaseEvent(event);
}

void MainWindow::mouseMoveEvent(QMouseEvent* event)
{
    windows_.frames.frame().armToolbarPictureReset(kToolbarResetFromBackgroundMs);
    QWidget::mouseMoveEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == directoryTree && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            openClickedItem(directoryTree->currentItem());
            return true;
        }
    }
    const bool overStation = watched == transmitterFrame || watched == fileList->viewport();
    if (overStation && event->type() == QEvent::MouseButtonPress)
        stationHelpOpened_ = false;
    if (event->type() == QEvent::MouseMove) {
        if (overStation)
            transmitterFrameMouseMove(static_cast<QMouseEvent*>(event)->buttons());
        else if (watched == connectButton)
            hintAtTransmitterConnect();
    }
    return QWidget::eventFilter(watched, event);
}

// A mouse move over the transmitter frame or its file list: both behave alike.
void MainWindow::transmitterFrameMouseMove(Qt::MouseButtons buttons)
{
    if (buttons != Qt::RightButton)
        stationHelpOpened_ = false;
    else if (!std::exchange(stationHelpOpened_, true))
        openWebServerPage(kStationHelpPage);
    ui::toolbarState().setHighlightCleared(false);
    windows_.frames.frame().armToolbarPictureReset(kToolbarResetFromControlsMs);
}

void MainWindow::enableTransmitterConnect()
{
    // Blanks count as text: only an empty box disables the button.
    connectButton->setEnabled(!transmitterAddressBox->text().isEmpty());
}

void MainWindow::hintAtTransmitterConnect()
{
    statusBar->setPanelText(1, kTransmitterHint);
}
