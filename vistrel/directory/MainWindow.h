#pragma once
// The main window: the program's start-up window, shown inside the frame. It holds the
// topic tree with its directory model and topic icons, the status bar, the two image lists of the tree, the transmitter
// controls and the timers that other windows arm as time limits and delayed steps.
// Its public menu handlers are the program's command set.
#include "directory/DirectoryModel.h"
#include "directory/KeyChord.h"
#include "directory/TopicIcons.h"
#include "ui/ImageList.h"

#include <QWidget>

class PanelStatusBar;
class ProgramWindows;
class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenuBar;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTreeWidget;
class QTreeWidgetItem;
class TransmitterChannel;
class TreeNode;

namespace platform {
class OneShotTimer;
} // namespace platform

class MainWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kStartupStepMs = 3000;

    // The main window reaches the other windows through their owner.
    explicit MainWindow(ProgramWindows& windows);

    // Shows the frame (whose load is the start-up sequence), takes its place in the
    // frame and arms the start-up step.
    void load();

    // The command set, as far as its windows exist.
    // File > Connect: the login, then the topic tree.
    void connectToReflector();
    // File > Disconnect: empties the tree and sends the logout.
    void disconnectFromReflector();
    // File > Exit: the logout, at most 5000 ms for its send, then the end of the program.
    void exitProgram();
    void showServerSettings();
    void showUserSettings();
    void showSystemStatus();
    // View > Vistrel: the default snapshot window.
    void showSnapshotWindow();
    void openAddWebCamsPage();
    void showQuickStart();

    // The start-up step, 3000 ms after the load: the user settings' start-up choice.
    void showStartupChoice();

    // A click on a node of the topic tree: the node's directory queries, then its webcam.
    void openNode(TreeNode& node);

    // The transmitter's "Connect" can be pressed exactly while the address box holds text.
    void enableTransmitterConnect();

    // The viewer's play step, which the transmitter asks for a while after it began
    // encoding a file. The player of a webcam starts from the topic tree, so there is
    // nothing left to do here; the step stays as the place the request arrives.
    void playChosenStream() {}

    QTreeWidget* directoryTree = nullptr;
    DirectoryModel directoryModel;
    TopicIcons topicIcons; // the pictures the last icon load listed for remoteIcons
    PanelStatusBar* statusBar = nullptr;
    ImageList remoteIcons;
    ImageList localIcons;
    QProgressBar* progressBar = nullptr;
    QComboBox* relayAddressBox = nullptr; // the relay address of the chosen webcam

    // The transmitter controls.
    QLineEdit* transmitterAddressBox = nullptr;
    QListWidget* fileList = nullptr; // the transmitter's videos
    QRadioButton* modemSpeedOption = nullptr;
    QRadioButton* cableSpeedOption = nullptr;
    TransmitterChannel* transmitter = nullptr; // TCPTalkToTransmitter

    QMenuBar* menuBar = nullptr;

    // The timers that other code arms as time limits and delayed steps.
    platform::OneShotTimer* mediaPlayerStarted = nullptr; // marks a media player start (WebCamOpening)
    platform::OneShotTimer* statusClear = nullptr;        // empties status panel 1 (MainWindowView)
    platform::OneShotTimer* shutDownLimit = nullptr;      // the shut-down's wait, then the end (ShutDown)
    platform::OneShotTimer* startupStep = nullptr;        // the start-up choice, armed by the load
    platform::OneShotTimer* programEnd = nullptr;         // ends the program
    platform::OneShotTimer* browserOpened = nullptr;      // marks a webcam opened in the browser (WebCamOpening)

signals:
    // The hidden key chord (Ctrl, Alt, Shift and P released together): the watcher
    // window of the started players is asked for.
    void shellDetectRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* createTransmitterFrame();
    void wireTransmitterControls();
    void showTransmitterFiles(const QList<QByteArray>& names);
    void createTimers();
    void nameControls();

    void askToShutDown(QCloseEvent* event);
    void transmitterFrameMouseMove(Qt::MouseButtons buttons);
    void hintAtTransmitterConnect();
    void openClickedItem(QTreeWidgetItem* item);

    QLabel* treeCaption = nullptr;
    QGroupBox* transmitterFrame = nullptr;
    QLabel* stationCaption = nullptr;
    QPushButton* connectButton = nullptr; // the transmitter's "Connect"
    QPushButton* stopButton = nullptr;    // "Stop Transmission"
    QLabel* fileListCaption = nullptr;
    QLabel* repliesCaption = nullptr;
    QLabel* transmitterReply = nullptr;
    QGroupBox* speedFrame = nullptr;

    ProgramWindows& windows_;
    KeyChord shellDetectChord_;
    // The station help page opens once per hold of the right button, not on every move.
    bool stationHelpOpened_ = false;
};
