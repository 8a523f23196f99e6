#pragma once
// The main window: the program's start-up window, shown inside the frame. It holds the
// topic tree, the status bar, the two image lists of the tree, the transmitter
// controls and the timers that other windows arm as time limits and delayed steps.
// Its public menu handlers are the program's command set.
#include "directory/KeyChord.h"
#include "ui/ImageList.h"

#include <QWidget>

class PanelStatusBar;
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
class TreeNode;

namespace platform {
class OneShotTimer;
class SocketControl;
} // namespace platform

class MainWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kStartupStepMs = 3000;

    MainWindow();

    // Shows the frame (whose load is the start-up sequence), takes its place in the
    // frame and arms the start-up step.
    void Form_Load();

    // The command set, as far as its windows exist.
    // File > Connect: the login, then the topic tree.
    void mnuConnect_Click();
    // File > Disconnect: empties the tree and sends the logout.
    void mnuDisconnect_Click();
    // File > Exit: the logout, at most 5000 ms for its send, then the end of the program.
    void mnuExit_Click();
    void mnuServerSettings_Click();
    void mnuSettings_Click();
    void mnuSystem_Click();
    // View > Vistrel: the default snapshot window.
    void mnuWebCam_Click();
    void mnuAddWebCams_Click();
    void mnuQuickStart_Click();

    // The start-up step, 3000 ms after the load: the user settings' start-up choice.
    void Timer9_Timer();

    // A click on a node of the topic tree: the node's directory queries, then its webcam.
    void tvwMain_NodeClick(TreeNode& node);

    // The transmitter's "Connect" can be pressed exactly while the address box holds text.
    void txtRemoteIP_Change();

    QTreeWidget* tvwMain = nullptr;
    QLabel* Label6 = nullptr;
    PanelStatusBar* stsWorld = nullptr;
    ImageList imlIconsRemote;
    ImageList imlIconsLocal;
    QProgressBar* ProgressBar1 = nullptr;
    QComboBox* cboAddress = nullptr; // the relay address of the chosen webcam

    // The transmitter controls.
    QGroupBox* Frame1 = nullptr;
    QLineEdit* txtRemoteIP = nullptr;
    QPushButton* Command7 = nullptr; // "Connect"
    QPushButton* Command8 = nullptr; // "Stop Transmission"
    QListWidget* List1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QRadioButton* optModem = nullptr;
    QRadioButton* optCable = nullptr;
    platform::SocketControl* TCPTalkToTransmitter = nullptr;

    QMenuBar* menuBar = nullptr;
    QAction* mnuConnect = nullptr;
    QAction* mnuDisconnect = nullptr;

    platform::OneShotTimer* Timer1 = nullptr;  // after a media player start
    platform::OneShotTimer* Timer4 = nullptr;  // empties status panel 1
    platform::OneShotTimer* Timer6 = nullptr;  // the shut-down wait: the session's wait timeout flag
    platform::OneShotTimer* Timer9 = nullptr;  // the start-up step
    platform::OneShotTimer* Timer10 = nullptr; // transmitter file-list limit: gReplyTimeout
    platform::OneShotTimer* Timer11 = nullptr; // ends the program
    platform::OneShotTimer* Timer12 = nullptr; // after a webcam opens in the browser

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
    void createTimers();

    void Form_QueryUnload(QCloseEvent* event);
    void Form_Resize();
    void Form_MouseMove();
    void Frame1_MouseMove(Qt::MouseButtons buttons);
    void Command7_MouseMove();
    void tvwMain_ItemClicked(QTreeWidgetItem* item);

    KeyChord shellDetectChord_;
    // The station help page opens once per hold of the right button, not on every move.
    bool stationHelpOpened_ = false;
};
