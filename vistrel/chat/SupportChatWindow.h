#pragma once
// The support chat window "Larkspire Support Chat", loaded hidden at start-up and
// kept for the whole run (closing it only hides it). It reaches the support side
// three ways:
//
// - the support connection: a listener, open from the window's load on, takes one
//   support host at a time (while one is connected nothing listens); what it sends is
//   a remote command or chat text (RemoteCommandRunner.h), and the user's lines go
//   back on it while no channel is picked;
// - four chat channels on the support host, of which the user picks one;
// - the offline message (EMessage) to the support host, with the sender details kept
//   in EMessageSettings.txt.
//
// Only this machine's loopback address and the support host's own addresses may take
// the support side; any other peer is closed at once, before anything it sent is
// handled, and logged in the status log. The support host's name is resolved in the
// background beforehand (SupportHostAddresses.h), so the decision never waits.
// Every connect waits at most kConnectLimitMs.
#include "chat/SupportChatPorts.h"
#include "chat/SupportHostAddresses.h"
#include "ui/ProgramWindow.h"
#include "ui/WindowSlot.h"

#include <QByteArray>
#include <QColor>

#include <array>
#include <functional>
#include <memory>

class LinkWindows;
class LocatorWindow;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace platform {
class SocketControl;
}

namespace chat {
class AppendedText;
class ConnectWait;
class PicturePanel;
} // namespace chat

class SupportChatWindow : public ProgramWindow {
    Q_OBJECT
public:
    static constexpr int kClientWidthTwips = 7650;
    static constexpr int kClientHeightTwips = 8925; // also the least height /HEIGHT/ leaves
    static constexpr int kEnlargeTwips = 3000;      // what the lower picture adds once
    static constexpr int kConnectLimitMs = 15000;
    // The most bytes a peer's connection holds unread; more waits in the network.
    static constexpr qint64 kUnreadLimitBytes = 64 * 1024;

    // The lamp colours.
    static inline const QColor kConnectedColour{0, 192, 0};
    static inline const QColor kOffLineColour{255, 0, 0};
    static inline const QColor kClosedColour{192, 0, 0};
    static inline const QColor kMessageSentColour{0, 255, 0};

    // The status window takes the chat's log lines, the user settings give the user's
    // name; the support side's Connect and Disconnect also reach the locator.
    SupportChatWindow(LinkWindows& linkWindows, ui::WindowSlot<LocatorWindow>& locator);
    ~SupportChatWindow() override;

    // Starts the listener and fills the sender details from their file.
    void load();

    // "Send" in the chat frame: echoes the line in the transcript and sends it on the
    // picked channel, or on the support connection when none is picked (then the input
    // box is emptied).
    void sendLine();
    // Picks chat channel 1 to 4: closes all four and connects that one; the lamp row
    // follows the connect (chat::ConnectWait).
    void pickChannel(int channel);
    // "Send" in the offline message frame: connects, and sends once connected.
    void sendOfflineMessage();
    // "Save Settings": writes the sender details, then "Settings Saved...".
    void saveSenderDetails();
    // Runs a step of the program that the support side asked for (a command, a clip)
    // from the event loop, after the chunk's handling: such a step may wait for the
    // reflector or show a box. One runs at a time; one that comes while another is
    // still due or running is dropped, and the status log says so.
    void runProgramStepLater(std::function<void()> step);
    // A chunk from the support side: a remote command or chat text.
    void handleSupportChunk(const QByteArray& chunk);

    // What the remote commands work on.
    chat::PicturePanel& upperPicture() const { return *upperPicture_; }
    chat::PicturePanel& lowerPicture() const { return *lowerPicture_; }
    const QByteArray& supportName() const { return supportName_; }
    void setSupportName(const QByteArray& name) { supportName_ = name; }
    bool enlarged() const { return enlarged_; }
    void setEnlarged(bool enlarged) { enlarged_ = enlarged; }
    // The window's height in twips; a change keeps it between kClientHeightTwips and
    // the screen's height.
    int heightTwips() const { return heightTwips_; }
    void changeHeight(int twipsChange);
    // Appends to the transcript; a line longer than the box takes is cut, and the
    // status log says so (chat::AppendedText).
    void appendToTranscript(const QByteArray& text);
    // The transcript and the offline message box as their bytes came.
    const QByteArray& transcriptText() const;
    const QByteArray& offlineMessageText() const;
    // The support connection, the four channels and the offline message socket.
    platform::SocketControl& supportConnection() const { return *supportSocket_; }
    platform::SocketControl& channelSocket(int channel) const { return *channelSockets_[size_t(channel) - 1]; }
    platform::SocketControl& offlineMessageSocket() const { return *offlineMessageSocket_; }
    // The waits for the channels' connects and for the offline message's.
    chat::ConnectWait& channelConnectWait() const { return *channelWait_; }
    chat::ConnectWait& offlineMessageConnectWait() const { return *offlineMessageWait_; }
    // The port the listener uses (the one it was asked for while it cannot listen).
    int listenPort() const;
    // How the support host's name is resolved from its next change on (tests hold the
    // answer back with it).
    void setSupportHostLookup(chat::HostLookup lookup);
    // Puts the support host (one of the program's 8-bit texts) into its box, which the
    // user cannot change.
    void setSupportHost(const QByteArray& host);

protected:
    void closing() override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool programStepDue_ = false; // a step the support side asked for is due or running

    // The layout (SupportChatLayout.cpp).
    QGroupBox* createChatFrame();
    QGroupBox* createOfflineMessageFrame();
    void createLowerPicture();
    // The support connection (SupportConnection.cpp).
    void createSupportConnection();
    void listen();
    void onConnectionRequest(int requestId);

    void createSockets();
    void onChannelClosed();
    void onOfflineMessageClosed();
    void sendOfflineMessageText();
    void openHelpPage();
    void openPictureHost(const chat::PicturePanel& panel);
    void logLine(const QByteArray& line);
    void appendToOfflineMessage(const QByteArray& text);
    void logOverlongLine(const char* box);

    QLineEdit* supportHostBox_ = nullptr;           // txtChatIP: the support host, filled at start-up
    QLineEdit* listenPortBox_ = nullptr;            // txtPort: the port the listener uses
    std::array<QRadioButton*, 4> channelButtons_{}; // Option1 to Option4
    QPlainTextEdit* transcript_ = nullptr;          // txtOutput
    QLineEdit* inputBox_ = nullptr;                 // txtSendData
    QPushButton* sendButton_ = nullptr;             // Command1
    QLabel* chatLamp_ = nullptr;                    // Label1
    QLabel* chatStateLabel_ = nullptr;              // lblConnectionState, also a lamp
    QLineEdit* senderNameBox_ = nullptr;            // txtName
    QLineEdit* senderIdBox_ = nullptr;              // txtID
    QLineEdit* senderEMailBox_ = nullptr;           // txtEMail
    QPushButton* saveSettingsButton_ = nullptr;     // Command4
    QPlainTextEdit* offlineMessageBox_ = nullptr;   // txtMessage
    QPushButton* sendMessageButton_ = nullptr;      // Command3
    QLabel* messageLamp_ = nullptr;                 // Label11
    QLabel* messageStateLabel_ = nullptr;           // lblMessage, also a lamp
    chat::PicturePanel* upperPicture_ = nullptr;
    chat::PicturePanel* lowerPicture_ = nullptr;
    platform::SocketControl* supportSocket_ = nullptr;
    std::array<platform::SocketControl*, 4> channelSockets_{};
    platform::SocketControl* offlineMessageSocket_ = nullptr;
    chat::ConnectWait* channelWait_ = nullptr;
    chat::ConnectWait* offlineMessageWait_ = nullptr;
    chat::SupportHostAddresses* supportHost_ = nullptr;
    std::unique_ptr<chat::AppendedText> transcriptText_;
    std::unique_ptr<chat::AppendedText> offlineMessageText_;

    LinkWindows& linkWindows_;
    ui::WindowSlot<LocatorWindow>& locator_;
    chat::SupportChatPorts ports_;
    bool enlarged_ = false;
    QByteArray supportName_;
    int heightTwips_ = kClientHeightTwips;
};

// Sets a lamp label's background colour.
void setLampColour(QLabel& lamp, const QColor& colour);
