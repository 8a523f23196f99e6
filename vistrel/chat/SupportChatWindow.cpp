#include "chat/SupportChatWindow.h"

#include "chat/ChatLines.h"
#include "chat/EMessageSettingsFile.h"
#include "chat/PicturePanel.h"
#include "chat/RemoteCommandRunner.h"
#include "chat/SupportHostAddresses.h"
#include "chatprotocol/RemoteCommands.h"
#include "linkwindows/StatusWindow.h"
#include "linkwindows/UserSettingsWindow.h"
#include "platform/Codec.h"
#include "platform/Dialogs.h"
#include "platform/Launcher.h"
#include "platform/Services.h"
#include "platform/SocketControl.h"
#include "platform/Twips.h"
#include "platform/Wait.h"
#include "ui/Forms.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScreen>
#include <QTimer>
#include <QUrl>

#include <algorithm>

using platform::fromCp1252;
using platform::SocketControl;
using platform::toCp1252;
using platform::twips;

namespace {

const QColor kFrameColour(0, 64, 64);
const QString kHelpPage = QStringLiteral("/help/Chat.htm");

// The caption a connect wait shows for each socket state.
const std::array<const char*, 10> kStateCaptions = {
    "Closed",
    "Connection Open...",
    "Connection Listening...",
    "Connection Pending...",
    "Resolving Host...",
    "Host Resolved...",
    "Connecting...",
    "Connection complete...",
    "Peer is closing...",
    "Support is off line...",
};

void place(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(twips(left), twips(top), twips(width), twips(height));
}

// The text of the frames stands on their own dark colour, not on the window's
// gradient: it is white, set on each text so that nothing recolours it for the band
// behind the frame.
void giveFrameText(QWidget* widget)
{
    QPalette colours = widget->palette();
    colours.setColor(QPalette::WindowText, Qt::white);
    widget->setPalette(colours);
}

// The width in twips that a text needs in the widget's font, or the design's width
// when that is more: the design's widths are too narrow for some fonts.
int fittingWidth(const QWidget* widget, const QString& text, int least)
{
    constexpr int kMarginPixels = 4;
    return std::max(least, (widget->fontMetrics().horizontalAdvance(text) + kMarginPixels) * platform::kTwipsPerPixel);
}

// A text that marks a box or a lamp; its width grows to fit the text. Returns the label.
QLabel* markLabel(const char* text, QWidget* parent, int left, int top, int width)
{
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    giveFrameText(label);
    place(label, left, top, fittingWidth(label, label->text(), width), 255);
    return label;
}

// The right edge of a widget, in twips.
int rightTwips(const QWidget* widget)
{
    return widget->geometry().right() * platform::kTwipsPerPixel;
}

QLabel* lampLabel(const char* name, QWidget* parent)
{
    auto* lamp = new QLabel(parent);
    lamp->setObjectName(QString::fromLatin1(name));
    lamp->setFrameShape(QFrame::Box);
    lamp->setAutoFillBackground(true);
    // It starts in the frame's colour.
    setLampColour(*lamp, kFrameColour);
    return lamp;
}

QLineEdit* lineBox(const char* name, QWidget* parent, int left, int top, int width)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    place(box, left, top, width, 315);
    return box;
}

QPushButton* pushButton(const char* caption, const char* name, QWidget* parent, int left, int top, int width)
{
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    place(button, left, top, width, 345);
    return button;
}

QGroupBox* colouredFrame(const char* title, const char* name, QWidget* parent, int top, int height)
{
    auto* frame = new QGroupBox(QString::fromLatin1(title), parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setAutoFillBackground(true);
    QPalette colours = frame->palette();
    colours.setColor(QPalette::Window, kFrameColour);
    colours.setColor(QPalette::WindowText, Qt::white); // the title
    frame->setPalette(colours);
    place(frame, 120, top, 7410, height);
    return frame;
}

struct LampRow {
    QLabel* lamp;
    QLabel* state;
};

// The lamp row at the foot of a frame: "Status" and the lamp, "Message" and the
// state caption, which is a second lamp.
LampRow lampRow(QWidget* frame, int top, const char* statusMark, const char* lampName, const char* messageMark,
                const char* stateName)
{
    constexpr int kGap = 60;
    constexpr int kRight = 7290;
    QLabel* status = markLabel("Status", frame, 120, top, 540);
    status->setObjectName(QString::fromLatin1(statusMark));
    QLabel* lamp = lampLabel(lampName, frame);
    const int lampLeft = std::max(720, rightTwips(status) + kGap);
    place(lamp, lampLeft, top, 300, 255);
    QLabel* message = markLabel("Message", frame, std::max(1200, lampLeft + 300 + 3 * kGap), top, 780);
    message->setObjectName(QString::fromLatin1(messageMark));
    QLabel* state = lampLabel(stateName, frame);
    const int stateLeft = std::max(2040, rightTwips(message) + kGap);
    place(state, stateLeft, top - 30, kRight - stateLeft, 285);
    return {lamp, state};
}

} // namespace

void setLampColour(QLabel& lamp, const QColor& colour)
{
    QPalette palette = lamp.palette();
    palette.setColor(QPalette::Window, colour);
    // A caption on the lamp stays readable: white on the dark colours, black on the light.
    constexpr int kLightGrey = 90;
    palette.setColor(QPalette::WindowText, qGray(colour.rgb()) < kLightGrey ? Qt::white : Qt::black);
    lamp.setPalette(palette);
}

SupportChatWindow::SupportChatWindow()
{
    setObjectName(QStringLiteral("frmChat"));
    setWindowTitle(QStringLiteral("Larkspire Support Chat"));
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(twips(kClientWidthTwips), twips(kClientHeightTwips));

    // A right click on the frames and their labels opens the help page.
    for (QGroupBox* frame : {createChatFrame(), createOfflineMessageFrame()}) {
        frame->installEventFilter(this);
        for (QLabel* label : frame->findChildren<QLabel*>()) {
            if (!qobject_cast<chat::PicturePanel*>(label)) // a panel reports its own right click
                label->installEventFilter(this);
        }
    }
    lowerPicture_ = new chat::PicturePanel(this);
    lowerPicture_->setObjectName(QStringLiteral("AniGIF2"));
    place(lowerPicture_, 210, 7920, 7215, 2655);
    // Its upper part shows below the frames before any picture comes: as an empty
    // panel in the frames' colour, not as a bare strip of the gradient's darkest band.
    lowerPicture_->setFrameShape(QFrame::Box);
    lowerPicture_->setAutoFillBackground(true);
    setLampColour(*lowerPicture_, kFrameColour);
    for (chat::PicturePanel* panel : {upperPicture_, lowerPicture_}) {
        connect(panel, &chat::PicturePanel::clicked, this, [this, panel] { openPictureHost(*panel); });
        connect(panel, &chat::PicturePanel::rightPressed, this, &SupportChatWindow::openHelpPage);
    }
    // The text boxes keep the usual colours for their scroll bars' arrows.
    for (QPlainTextEdit* box : {transcript, offlineMessageBox}) {
        QPalette colours = box->palette();
        colours.setColor(QPalette::WindowText, QApplication::palette().color(QPalette::WindowText));
        box->setPalette(colours);
    }
    transcriptText_ = std::make_unique<chat::AppendedText>(*transcript);
    offlineMessageText_ = std::make_unique<chat::AppendedText>(*offlineMessageBox);

    supportHost_ = new chat::SupportHostAddresses(this);
    connect(supportHostBox, &QLineEdit::textChanged, supportHost_, &chat::SupportHostAddresses::setHost);
    createSockets();
}

SupportChatWindow::~SupportChatWindow() = default;

QGroupBox* SupportChatWindow::createChatFrame()
{
    QGroupBox* frame = colouredFrame("Support Chat", "Frame1", this, 60, 4620);

    upperPicture_ = new chat::PicturePanel(frame);
    upperPicture_->setObjectName(QStringLiteral("AniGIF1"));
    place(upperPicture_, 120, 300, 1800, 1260);

    QLabel* hostMark = markLabel("Support Server", frame, 2040, 300, 1300);
    hostMark->setObjectName(QStringLiteral("Label2"));
    // The host box begins after its mark and ends where the design has it.
    const int hostLeft = std::max(3360, rightTwips(hostMark) + 60);
    supportHostBox = lineBox("txtChatIP", frame, hostLeft, 270, 5760 - hostLeft);
    supportHostBox->setEnabled(false);
    listenPortBox = lineBox("txtPort", frame, 5880, 270, 1380);
    listenPortBox->setText(QString::number(chat::SupportChatPorts{}.listener)); // until the listener is up
    listenPortBox->setEnabled(false);
    for (int i = 0; i < 4; ++i) {
        auto* button = new QRadioButton(QStringLiteral("Connect to Channel %1").arg(i + 1), frame);
        button->setObjectName(QStringLiteral("Option%1").arg(i + 1));
        giveFrameText(button);
        place(button, 2040 + (i % 2) * 2640, 720 + (i / 2) * 360, 2520, 300);
        connect(button, &QRadioButton::clicked, this, [this, i] { pickChannel(i + 1); });
        channelButtons[size_t(i)] = button;
    }

    transcript = new QPlainTextEdit(frame);
    transcript->setObjectName(QStringLiteral("txtOutput"));
    transcript->setReadOnly(true);
    transcript->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    place(transcript, 120, 1680, 7170, 2160);

    inputBox = lineBox("txtSendData", frame, 120, 3900, 5940);
    // Enter sends and empties the box, whatever the target.
    connect(inputBox, &QLineEdit::returnPressed, this, [this] {
        sendLine();
        inputBox->clear();
    });
    sendButton = pushButton("Send", "Command1", frame, 6180, 3885, 1110);
    connect(sendButton, &QPushButton::clicked, this, &SupportChatWindow::sendLine);

    const LampRow lamps = lampRow(frame, 4290, "Label3", "Label1", "Label4", "lblConnectionState");
    chatLamp = lamps.lamp;
    chatStateLabel = lamps.state;
    return frame;
}

QGroupBox* SupportChatWindow::createOfflineMessageFrame()
{
    QGroupBox* frame = colouredFrame("EMessage", "Frame2", this, 4740, 3120);

    markLabel("If you can't get through using live chat, then send an EMessage.", frame, 120, 270, 7170)
        ->setObjectName(QStringLiteral("Label5"));
    markLabel("Name", frame, 120, 600, 2280)->setObjectName(QStringLiteral("Label6"));
    markLabel("User ID", frame, 2520, 600, 2280)->setObjectName(QStringLiteral("Label7"));
    markLabel("EMail Address", frame, 4920, 600, 2370)->setObjectName(QStringLiteral("Label8"));
    senderNameBox = lineBox("txtName", frame, 120, 870, 2280);
    senderIdBox = lineBox("txtID", frame, 2520, 870, 2280);
    senderEMailBox = lineBox("txtEMail", frame, 4920, 870, 2370);
    saveSettingsButton = pushButton("Save Settings", "Command4", frame, 5880, 1260, 1410);
    connect(saveSettingsButton, &QPushButton::clicked, this, &SupportChatWindow::saveSenderDetails);

    offlineMessageBox = new QPlainTextEdit(frame);
    offlineMessageBox->setObjectName(QStringLiteral("txtMessage"));
    place(offlineMessageBox, 120, 1680, 5640, 960);
    sendMessageButton = pushButton("Send", "Command3", frame, 5880, 2295, 1410);
    connect(sendMessageButton, &QPushButton::clicked, this, &SupportChatWindow::sendOfflineMessage);

    const LampRow lamps = lampRow(frame, 2760, "Label9", "Label11", "Label10", "lblMessage");
    messageLamp = lamps.lamp;
    messageStateLabel = lamps.state;
    return frame;
}

void SupportChatWindow::createSockets()
{
    supportSocket_ = new SocketControl(this);
    supportSocket_->setObjectName(QStringLiteral("tcpServer"));
    supportSocket_->setReceiveLimit(kUnreadLimitBytes);
    connect(supportSocket_, &SocketControl::connectionRequest, this, &SupportChatWindow::onConnectionRequest);
    connect(supportSocket_, &SocketControl::dataArrival, this,
            [this] { handleSupportChunk(supportSocket_->GetData()); });
    // The support side has gone: listen for the next one.
    connect(supportSocket_, &SocketControl::peerClosed, this, &SupportChatWindow::listen);
    connect(supportSocket_, &SocketControl::socketError, this, &SupportChatWindow::listen);

    for (int channel = 1; channel <= 4; ++channel) {
        auto* socket = new SocketControl(this);
        socket->setObjectName(QStringLiteral("tcpClient%1").arg(channel));
        socket->setReceiveLimit(kUnreadLimitBytes);
        channelSockets_[size_t(channel) - 1] = socket;
        connect(socket, &SocketControl::peerClosed, this, [this, channel] { onChannelClosed(channel); });
        connect(socket, &SocketControl::socketError, this, [this, channel] {
            channelFailed_[size_t(channel) - 1] = true;
            onChannelClosed(channel);
        });
        connect(socket, &SocketControl::dataArrival, this, [this, socket] { appendToTranscript(socket->GetData()); });
    }

    offlineMessageSocket_ = new SocketControl(this);
    offlineMessageSocket_->setObjectName(QStringLiteral("tcpClient5"));
    offlineMessageSocket_->setReceiveLimit(kUnreadLimitBytes);
    connect(offlineMessageSocket_, &SocketControl::peerClosed, this, &SupportChatWindow::onOfflineMessageClosed);
    connect(offlineMessageSocket_, &SocketControl::socketError, this, [this] {
        offlineMessageFailed_ = true;
        onOfflineMessageClosed();
    });
    connect(offlineMessageSocket_, &SocketControl::dataArrival, this,
            [this] { appendToOfflineMessage(offlineMessageSocket_->GetData()); });
    connect(offlineMessageSocket_, &SocketControl::sendComplete, this, [this] {
        messageStateLabel->setText(QStringLiteral("Message Received ... "));
        setLampColour(*messageLamp, kMessageSentColour);
        setLampColour(*messageStateLabel, kMessageSentColour);
    });
}

void SupportChatWindow::Form_Load()
{
    ports_ = chat::supportChatPorts();
    listen();
    if (const std::optional<chat::SenderDetails> details = chat::readSenderDetails()) {
        senderNameBox->setText(fromCp1252(details->name));
        senderIdBox->setText(fromCp1252(details->userId));
        senderEMailBox->setText(fromCp1252(details->eMail));
    }
}

int SupportChatWindow::listenPort() const
{
    return supportSocket_->LocalPort();
}

void SupportChatWindow::listen()
{
    supportSocket_->Close();
    supportSocket_->setLocalPort(ports_.listener);
    const SocketControl::Result listening = supportSocket_->Listen();
    // A port the system chose stays the listener's for the run.
    if (listening.ok())
        ports_.listener = supportSocket_->LocalPort();
    listenPortBox->setText(QString::number(ports_.listener));
    if (listening.ok())
        return;
    // Ports below 1024 need privilege here: say so instead of staying deaf in silence.
    // The message line shows what fits on it; the reason is in its tip and in the log.
    const QString caption = QStringLiteral("Support chat cannot listen on port %1").arg(ports_.listener);
    const QString problem = caption + QStringLiteral(": ") + listening.description;
    chatStateLabel->setText(caption);
    chatStateLabel->setToolTip(problem);
    logLine(toCp1252(problem));
}

void SupportChatWindow::onConnectionRequest(int requestId)
{
    // One support host at a time: while it is connected nothing listens.
    if (supportSocket_->State() != SocketControl::StateClosed)
        supportSocket_->Close();
    supportSocket_->Accept(requestId);
    // Decided here and now, before any of the peer's bytes are handled: what it has
    // sent so far waits in events that closing the connection drops.
    const QString peer = supportSocket_->RemoteHostIP();
    if (supportHost_->allows(QHostAddress(peer)))
        return;
    QString refusal = QStringLiteral("Support chat refused a connection from %1").arg(peer);
    if (supportHost_->resolving())
        refusal += QStringLiteral(" (the support host's address is not known yet)");
    logLine(toCp1252(refusal));
    supportHost_->refresh();
    listen();
}

void SupportChatWindow::setSupportHostLookup(chat::HostLookup lookup)
{
    supportHost_->setLookup(std::move(lookup));
}

void SupportChatWindow::logLine(const QByteArray& line)
{
    ui::form<StatusWindow>().appendLogLine(line);
}

void SupportChatWindow::runProgramStepLater(std::function<void()> step)
{
    if (programStepDue_) {
        logLine("Support command dropped: the one before it is still running");
        return;
    }
    programStepDue_ = true;
    QTimer::singleShot(0, this, [this, step = std::move(step)] {
        const auto done = qScopeGuard([this] { programStepDue_ = false; });
        step();
    });
}

void SupportChatWindow::handleSupportChunk(const QByteArray& chunk)
{
    runRemoteCommand(*this, chunk);
}

void SupportChatWindow::appendToTranscript(const QByteArray& text)
{
    if (transcriptText_->append(text))
        logOverlongLine("transcript");
}

void SupportChatWindow::appendToOfflineMessage(const QByteArray& text)
{
    if (offlineMessageText_->append(text))
        logOverlongLine("offline message box");
}

void SupportChatWindow::logOverlongLine(const char* box)
{
    logLine("Support chat dropped the rest of a line longer than "
            + QByteArray::number(chat::AppendedText::kLongestLine) + " bytes in the " + box);
}

const QByteArray& SupportChatWindow::transcriptText() const
{
    return transcriptText_->text();
}

const QByteArray& SupportChatWindow::offlineMessageText() const
{
    return offlineMessageText_->text();
}

void SupportChatWindow::sendLine()
{
    const QByteArray text = toCp1252(inputBox->text());
    appendToTranscript(chat::echoLine(text));
    SocketControl* target = supportSocket_;
    for (int channel = 1; channel <= 4; ++channel) {
        if (channelButtons[size_t(channel) - 1]->isChecked()) {
            target = &channelSocket(channel);
            break;
        }
    }
    const QByteArray userName = toCp1252(ui::form<UserSettingsWindow>().userNameBox->text());
    // A target that is not connected refuses the bytes; nothing more is said.
    target->SendData(chat::userLine(userName, text));
    if (target == supportSocket_)
        inputBox->clear();
}

void SupportChatWindow::pickChannel(int channel)
{
    channelButtons[size_t(channel) - 1]->setChecked(true);
    for (SocketControl* socket : channelSockets_)
        socket->Close();
    SocketControl& socket = channelSocket(channel);
    const bool started = socket.Connect(supportHostBox->text(), ports_.channels[size_t(channel) - 1]).ok();
    channelFailed_[size_t(channel) - 1] = false;
    waitForConnection({socket, channelFailed_[size_t(channel) - 1], *chatStateLabel, *chatLamp, true}, started);
}

void SupportChatWindow::waitForConnection(const ConnectWait& wait, bool started)
{
    const auto showOffLine = [&wait] {
        wait.caption.setText(QString::fromLatin1(kStateCaptions[SocketControl::StateError]));
        setLampColour(wait.lamp, kOffLineColour);
        setLampColour(wait.caption, kOffLineColour);
    };
    if (!started) {
        showOffLine();
        return;
    }
    const auto showState = [&wait, this] {
        const int state = wait.socket.State();
        if (state >= 0 && state < int(kStateCaptions.size()))
            wait.caption.setText(QString::fromLatin1(kStateCaptions[size_t(state)]));
        if (state == SocketControl::StateConnected) {
            setLampColour(wait.lamp, kConnectedColour);
            setLampColour(wait.caption, kConnectedColour);
            if (wait.focusInputWhenConnected)
                inputBox->setFocus();
        } else if (state == SocketControl::StateError) {
            setLampColour(wait.lamp, kOffLineColour);
            setLampColour(wait.caption, kOffLineColour);
        }
        return state;
    };
    bool closedMeanwhile = false;
    const bool ended = platform::waitUntil(
        [&] {
            const int state = showState();
            // Closed under the wait (the user picked another channel): that pick waits now.
            closedMeanwhile = state == SocketControl::StateClosed;
            return state == SocketControl::StateConnected || state == SocketControl::StateError || wait.failed
                || closedMeanwhile;
        },
        kConnectLimitMs);
    if (ended && (closedMeanwhile || wait.socket.State() == SocketControl::StateConnected))
        return;
    // At the limit the support host counts as off line; a late connect is not taken.
    if (!ended)
        wait.socket.Close();
    showOffLine();
}

void SupportChatWindow::onChannelClosed(int)
{
    setLampColour(*chatLamp, kClosedColour);
    setLampColour(*chatStateLabel, kClosedColour);
    chatStateLabel->setText(QStringLiteral("Connection Closed"));
}

void SupportChatWindow::onOfflineMessageClosed()
{
    setLampColour(*messageLamp, kClosedColour);
    setLampColour(*messageStateLabel, kClosedColour);
    messageStateLabel->setText(QStringLiteral("Connection Closed"));
}

void SupportChatWindow::sendOfflineMessage()
{
    struct Check {
        QLineEdit* box;
        const char* message;
    };
    for (const Check& check :
         {Check{senderNameBox, "Please put your Name into the Name Text Box."},
          Check{senderIdBox, "Please put your User ID into the User ID Text Box."},
          Check{senderEMailBox, "Please put your EMail Address into the EMail Address Text Box."}}) {
        if (check.box->text().isEmpty()) {
            platform::dialogs().messageBox(QString::fromLatin1(check.message));
            return;
        }
    }
    offlineMessageSocket_->Close();
    const bool started = offlineMessageSocket_->Connect(supportHostBox->text(), ports_.offlineMessage).ok();
    offlineMessageFailed_ = false;
    waitForConnection({*offlineMessageSocket_, offlineMessageFailed_, *messageStateLabel, *messageLamp, false},
                      started);
    offlineMessageSocket_->SendData(chat::offlineMessage(toCp1252(senderNameBox->text()), toCp1252(senderIdBox->text()),
                                                         toCp1252(senderEMailBox->text()),
                                                         toCp1252(offlineMessageBox->toPlainText())));
}

void SupportChatWindow::saveSenderDetails()
{
    chat::writeSenderDetails(
        {toCp1252(senderNameBox->text()), toCp1252(senderIdBox->text()), toCp1252(senderEMailBox->text())});
    platform::dialogs().messageBox(QStringLiteral("Settings Saved..."));
}

void SupportChatWindow::changeHeight(int twipsChange)
{
    const QScreen* shown = screen();
    const int highest = shown
        ? std::max(kClientHeightTwips, shown->availableGeometry().height() * platform::kTwipsPerPixel)
        : kClientHeightTwips + kEnlargeTwips;
    const long long wanted = (long long)heightTwips_ + twipsChange;
    heightTwips_ = int(std::clamp<long long>(wanted, kClientHeightTwips, highest));
    setFixedHeight(twips(heightTwips_));
}

void SupportChatWindow::openHelpPage()
{
    platform::launcher().openPage(QUrl(platform::webServerPage(kHelpPage)));
}

void SupportChatWindow::openPictureHost(const chat::PicturePanel& panel)
{
    // The host of the picture's address (its third part between slashes), as a site.
    const QByteArray host = chat::delimitedField(panel.tag(), 3, '/');
    const QUrl site(QStringLiteral("http://") + fromCp1252(host), QUrl::StrictMode);
    if (!host.isEmpty() && site.isValid() && !site.host().isEmpty() && site.path().isEmpty())
        platform::launcher().openPage(site);
}

void SupportChatWindow::closing()
{
    // The window lives for the whole run: closing it ends an open support connection,
    // and the listener is up again at once.
    listen();
}

void SupportChatWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton)
        openHelpPage();
    ProgramWindow::mousePressEvent(event);
}

bool SupportChatWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Taken here, so that the press does not go on to the frame and the window as well.
    if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        openHelpPage();
        return true;
    }
    return ProgramWindow::eventFilter(watched, event);
}
