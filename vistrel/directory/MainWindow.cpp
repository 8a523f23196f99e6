#include "directory/MainWindow.h"

#include "common/Globals.h"
#include "directory/ConnectCommands.h"
#include "directory/NodeClick.h"
#include "directory/ShutDown.h"
#include "directory/TreeNodes.h"
#include "directory/SnapshotWindow.h"
#include "frame/FrameWindow.h"
#include "frame/QuickStartGuide.h"
#include "link/ReflectorSession.h"
#include "link/ShowformFile.h"
#include "linkwindows/ServerSettingsWindow.h"
#include "linkwindows/StatusWindow.h"
#include "linkwindows/UserSettingsWindow.h"
#include "platform/Codec.h"
#include "platform/Dialogs.h"
#include "platform/Launcher.h"
#include "platform/OneShotTimer.h"
#include "platform/ProcessEnd.h"
#include "platform/Services.h"
#include "platform/SocketControl.h"
#include "platform/Twips.h"
#include "ui/Forms.h"
#include "ui/Gradient.h"
#include "ui/TreePictures.h"
#include "ui/PanelStatusBar.h"
#include "ui/SharedMenuBar.h"

#include <QAction>
#include <QCheckBox>
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

using ui::form;
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

const QString kTreeToolTip = QStringLiteral(
    "Use the Locator to find where the Webcams are. Then use the TreeView to navigate to the webcams. "
    "Right click for more Info...");
const QString kStationHelpPage = QStringLiteral("/help/StationR.htm");
const QString kAddWebCamsPage = QStringLiteral("/worldwatch.php");
const QByteArray kTransmitterHint = "Connect To a Remote Webcam Transmitter Site";

bool openWebServerPage(const QString& path)
{
    return platform::launcher().openPage(QUrl(platform::webServerPage(path)));
}

void armToolbarReset(int intervalMs)
{
    platform::Timer& reset = *form<FrameWindow>().Timer3;
    reset.setInterval(intervalMs);
    reset.setEnabled(true);
}

} // namespace

MainWindow::MainWindow()
    : imlIconsRemote(kTreeImageSize), imlIconsLocal(kTreeImageSize),
      shellDetectChord_({Qt::Key_Control, Qt::Key_Alt, Qt::Key_Shift, Qt::Key_P})
{
    setWindowTitle(QStringLiteral("Larkspire Vistrel"));
    setMouseTracking(true);
    for (ImageList* list : {&imlIconsRemote, &imlIconsLocal}) {
        list->setMaskColour(kImageMaskColour);
        addBuiltInPictures(*list);
    }

    auto* layout = new QVBoxLayout(this);
    menuBar = createMainMenuBar(this);
    layout->setMenuBar(menuBar);
    mnuConnect = menuBar->findChild<QAction*>(QStringLiteral("mnuConnect"));
    mnuDisconnect = menuBar->findChild<QAction*>(QStringLiteral("mnuDisconnect"));

    auto* body = new QGridLayout;
    Label6 = new QLabel(QStringLiteral("Internet TreeView"), this);
    tvwMain = new QTreeWidget(this);
    tvwMain->setHeaderHidden(true);
    tvwMain->setToolTip(kTreeToolTip);
    tvwMain->setIconSize(kTreeImageSize);
    connect(tvwMain, &QTreeWidget::itemClicked, this, &MainWindow::tvwMain_ItemClicked);
    // Return or Enter on the current node clicks it, so the tree works from the keyboard.
    // Not the tree's activation signal: a mouse double click activates too, after its
    // first click already ran.
    tvwMain->installEventFilter(this);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setValue(0);
    cboAddress = new QComboBox(this);
    cboAddress->setEditable(true);
    body->addWidget(Label6, 0, 0);
    body->addWidget(tvwMain, 1, 0);
    body->addWidget(ProgressBar1, 2, 0);
    body->addWidget(cboAddress, 3, 0);
    body->addWidget(createTransmitterFrame(), 0, 1, 4, 1);
    body->setColumnStretch(0, 3);
    body->setColumnStretch(1, 2);
    layout->addLayout(body, 1);

    stsWorld = new PanelStatusBar(2, this);
    layout->addWidget(stsWorld);

    createTimers();
}

QWidget* MainWindow::createTransmitterFrame()
{
    Frame1 = new QGroupBox(QStringLiteral("Station Remote Controls"), this);
    Frame1->setMouseTracking(true);
    Frame1->installEventFilter(this);
    auto* grid = new QGridLayout(Frame1);
    Label5 = new QLabel(QStringLiteral("Station"), Frame1);
    txtRemoteIP = new QLineEdit(Frame1);
    connect(txtRemoteIP, &QLineEdit::textChanged, this, &MainWindow::txtRemoteIP_Change);
    Command7 = new QPushButton(QStringLiteral("Connect"), Frame1);
    Command7->setEnabled(false);
    Command7->setMouseTracking(true);
    Command7->installEventFilter(this);
    Command8 = new QPushButton(QStringLiteral("Stop Transmission"), Frame1);
    Label4 = new QLabel(QStringLiteral("Select a Video to View"), Frame1);
    List1 = new QListWidget(Frame1);
    List1->viewport()->setMouseTracking(true);
    List1->viewport()->installEventFilter(this);
    Label2 = new QLabel(QStringLiteral("Transmitter Replies:"), Frame1);
    Label3 = new QLabel(Frame1);
    Frame2 = new QGroupBox(QStringLiteral("Connection Speed"), Frame1);
    auto* speeds = new QVBoxLayout(Frame2);
    optModem = new QRadioButton(QStringLiteral("Modem"), Frame2);
    optCable = new QRadioButton(QStringLiteral("Cable / DSL"), Frame2);
    speeds->addWidget(optModem);
    speeds->addWidget(optCable);
    TCPTalkToTransmitter = new platform::SocketControl(this);

    grid->addWidget(Label5, 0, 0);
    grid->addWidget(txtRemoteIP, 0, 1);
    grid->addWidget(Command7, 1, 0);
    grid->addWidget(Command8, 1, 1);
    grid->addWidget(Label4, 2, 0, 1, 2);
    grid->addWidget(List1, 3, 0, 1, 2);
    grid->addWidget(Frame2, 4, 0, 1, 2);
    grid->addWidget(Label2, 5, 0, 1, 2);
    grid->addWidget(Label3, 6, 0, 1, 2);
    return Frame1;
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
    // Timer1 and Timer12 only mark a time after a player or the browser started.
    create(Timer1, nullptr);
    create(Timer12, nullptr);
    create(Timer4, nullptr);
    connect(Timer4, &platform::Timer::tick, this, [this] { stsWorld->setPanelText(1, {}); });
    create(Timer6, nullptr);
    connect(Timer6, &platform::Timer::tick, [] { reflectorSession().state().waitTimeout = true; });
    create(Timer9, &MainWindow::Timer9_Timer);
    create(Timer10, nullptr);
    connect(Timer10, &platform::Timer::tick, [] { gReplyTimeout = true; });
    create(Timer11, nullptr);
    connect(Timer11, &platform::Timer::tick, [] { platform::endProcess(0); });
}

void MainWindow::Form_Load()
{
    FrameWindow& frame = form<FrameWindow>();
    frame.show();
    QMdiSubWindow* place = frame.adoptMainWindow(*this);
    connect(&frame, &FrameWindow::statusClearDue, this, [this] { stsWorld->setPanelText(1, {}); });
    connect(&frame, &FrameWindow::connectionButtonPressed, this, &showConnectedState);
    Timer9->setEnabled(true);
    Timer9->setInterval(kStartupStepMs);
    place->setGeometry(twips(kLeftTwips), twips(kTopTwips), twips(kWidthTwips), twips(kHeightTwips));
    tvwMain->clear();
    imlIconsRemote.setImageSize(kTreeImageSize);
}

void MainWindow::Timer9_Timer()
{
    const QByteArray choice = readShowformFile();

    UserSettingsWindow& settings = form<UserSettingsWindow>();
    settings.hide();
    if (!choice.isEmpty()) {
        bool isNumber = false;
        const int value = platform::trimBlanks(choice).toShort(&isNumber);
        // Only 0 and 1 are states of the box; any other text leaves it as it is.
        if (isNumber && (value == 0 || value == 1))
            settings.Check1->setChecked(value == 1);
        settings.hide();
    }
    if (settings.Check1->isChecked()) {
        settings.showNormal();
        settings.raise();
        settings.activateWindow();
    } else {
        settings.hide();
    }
}

void MainWindow::tvwMain_ItemClicked(QTreeWidgetItem* item)
{
    if (item && item->type() == TreeNode::kType)
        tvwMain_NodeClick(*static_cast<TreeNode*>(item));
}

void MainWindow::tvwMain_NodeClick(TreeNode& node)
{
    runNodeClick(*this, node);
}

void MainWindow::mnuConnect_Click()
{
    connectCommand(CommandOrigin::MainWindow);
}

void MainWindow::mnuDisconnect_Click()
{
    disconnectCommand(CommandOrigin::MainWindow);
}

void MainWindow::mnuExit_Click()
{
    shutDownAfterLogout();
}

void MainWindow::mnuServerSettings_Click()
{
    form<ServerSettingsWindow>().showNormal();
}

void MainWindow::mnuSettings_Click()
{
    form<UserSettingsWindow>().showNormal();
}

void MainWindow::mnuSystem_Click()
{
    form<StatusWindow>().showNormal();
}

void MainWindow::mnuWebCam_Click()
{
    form<SnapshotWindow>().showNormal();
}

void MainWindow::mnuQuickStart_Click()
{
    form<QuickStartGuide>().show();
}

void MainWindow::mnuAddWebCams_Click()
{
    if (!openWebServerPage(kAddWebCamsPage))
        platform::dialogs().messageBox(QStringLiteral("The page %1 could not be opened.")
                                           .arg(platform::webServerPage(kAddWebCamsPage)));
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    Form_QueryUnload(event);
}

// The window never closes on its own: either the program goes on as it was, or it ends.
void MainWindow::Form_QueryUnload(QCloseEvent* event)
{
    event->ignore();
    if (shutDownRunning())
        return;
    const platform::MessageAnswer answer =
        platform::dialogs().messageBox(QStringLiteral("Would you like to shutdown now?"), platform::MessageButtons::YesNo,
                                       platform::MessageIcon::None, QStringLiteral("Shutdown Larkspire Vistrel"));
    if (answer == platform::MessageAnswer::Yes)
        shutDownAfterLogout();
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void MainWindow::Form_Resize()
{
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
    Form_MouseMove();
    QWidget::mouseMoveEvent(event);
}

void MainWindow::Form_MouseMove()
{
    armToolbarReset(kToolbarResetFromBackgroundMs);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == tvwMain && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            tvwMain_ItemClicked(tvwMain->currentItem());
            return true;
        }
    }
    const bool overStation = watched == Frame1 || watched == List1->viewport();
    if (overStation && event->type() == QEvent::MouseButtonPress)
        stationHelpOpened_ = false;
    if (event->type() == QEvent::MouseMove) {
        if (overStation)
            Frame1_MouseMove(static_cast<QMouseEvent*>(event)->buttons());
        else if (watched == Command7)
            Command7_MouseMove();
    }
    return QWidget::eventFilter(watched, event);
}

// Also List1_MouseMove: the transmitter frame and its list behave alike.
void MainWindow::Frame1_MouseMove(Qt::MouseButtons buttons)
{
    if (buttons != Qt::RightButton)
        stationHelpOpened_ = false;
    else if (!std::exchange(stationHelpOpened_, true))
        openWebServerPage(kStationHelpPage);
    gToolbarHighlightCleared = false;
    armToolbarReset(kToolbarResetFromControlsMs);
}

void MainWindow::txtRemoteIP_Change()
{
    // Blanks count as text: only an empty box disables the button.
    Command7->setEnabled(!txtRemoteIP->text().isEmpty());
}

void MainWindow::Command7_MouseMove()
{
    stsWorld->setPanelText(1, kTransmitterHint);
}
