#include "chat/SupportChatWindow.h"

#include "chat/ChatLines.h"
#include "chat/ConnectWait.h"
#include "chat/EMessageSettingsFile.h"
#include "chat/PicturePanel.h"
#include "chat/SupportHostAddresses.h"
#include "chatprotocol/RemoteCommands.h"
#include "linkwindows/LinkWindows.h"
#include "platform/Codec.h"
#include "platform/Dialogs.h"
#include "platform/Launcher.h"
#include "platform/Services.h"
#include "platform/SocketControl.h"
#include "platform/Twips.h"
#include "ui/ObjectNames.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QUrl>

#include <algorithm>

using platform::fromCp1252;
using platform::SocketControl;
using platform::toCp1252;
using platform::twips;

namespace {

const QString kHelpPage = QStringLiteral("/help/Chat.htm");

} // namespace

SupportChatWindow::SupportChatWindow(LinkWindows& linkWindows, ui::WindowSlot<LocatorWindow>& locator)
    : linkWindows_(linkWindows), locator_(locator)
{
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
    createLowerPicture();
    for (chat::PicturePanel* panel : {upperPicture_, lowerPicture_}) {
        connect(panel, &chat::PicturePanel::clicked, this, [this, panel] { openPictureHost(*panel); });
        connect(panel, &chat::PicturePanel::rightPressed, this, &SupportChatWindow::openHelpPage);
    }
    // The text boxes keep the usual colours for their scroll bars' arrows.
    for (QPlainTextEdit* box : {transcript_, offlineMessageBox_}) {
        QPalette colours = box->palette();
        colours.setColor(QPalette::WindowText, QApplication::palette().color(QPalette::WindowText));
        box->setPalette(colours);
    }
    transcriptText_ = std::make_unique<chat::AppendedText>(*transcript_);
    offlineMessageText_ = std::make_unique<chat::AppendedText>(*offlineMessageBox_);

    supportHost_ = new chat::SupportHostAddresses(this);
    connect(supportHostBox_, &QLineEdit::textChanged, supportHost_, &chat::SupportHostAddresses::setHost);
    createSockets();

    ui::giveObjectNames({
        {this, "frmChat"},
        {lowerPicture_, "AniGIF2"},
        {supportSocket_, "tcpServer"},
        {offlineMessageSocket_, "tcpClient5"},
    });
}

SupportChatWindow::~SupportChatWindow() = default;

void SupportChatWindow::createSockets()
{
    createSupportConnection();

    for (int channel = 1; channel <= 4; ++channel) {
        auto* socket = new SocketControl(this);
        socket->setObjectName(QStringLiteral("tcpClient%1").arg(channel));
        socket->setReceiveLimit(kUnreadLimitBytes);
        channelSockets_[size_t(channel) - 1] = socket;
        connect(socket, &SocketControl::peerClosed, this, &SupportChatWindow::onChannelClosed);
        connect(socket, &SocketControl::socketError, this, &SupportChatWindow::onChannelClosed);
        connect(socket, &SocketControl::dataArrival, this, [this, socket] { appendToTranscript(socket->readAll()); });
    }
    channelWait_ = new chat::ConnectWait(*chatStateLabel_, *chatLamp_, this);
    connect(channelWait_, &chat::ConnectWait::connected, this, [this] { inputBox_->setFocus(); });

    offlineMessageSocket_ = new SocketControl(this);
    offlineMessageSocket_->setReceiveLimit(kUnreadLimitBytes);
    connect(offlineMessageSocket_, &SocketControl::peerClosed, this, &SupportChatWindow::onOfflineMessageClosed);
    connect(offlineMessageSocket_, &SocketControl::socketError, this, &SupportChatWindow::onOfflineMessageClosed);
    connect(offlineMessageSocket_, &SocketControl::dataArrival, this,
            [this] { appendToOfflineMessage(offlineMessageSocket_->readAll()); });
    connect(offlineMessageSocket_, &SocketControl::sendComplete, this, [this] {
        messageStateLabel_->setText(QStringLiteral("Message Received ... "));
        setLampColour(*messageLamp_, kMessageSentColour);
        setLampColour(*messageStateLabel_, kMessageSentColour);
    });
    offlineMessageWait_ = new chat::ConnectWait(*messageStateLabel_, *messageLamp_, this);
    connect(offlineMessageWait_, &chat::ConnectWait::connected, this, &SupportChatWindow::sendOfflineMessageText);
}

void SupportChatWindow::load()
{
    ports_ = chat::supportChatPorts();
    listen();
    if (const std::optional<chat::SenderDetails> details = chat::readSenderDetails()) {
        senderNameBox_->setText(fromCp1252(details->name));
        senderIdBox_->setText(fromCp1252(details->userId));
        senderEMailBox_->setText(fromCp1252(details->eMail));
    }
}

void SupportChatWindow::logLine(const QByteArray& line)
{
    linkWindows_.status().appendLogLine(line);
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
    const QByteArray text = toCp1252(inputBox_->text());
    appendToTranscript(chat::echoLine(text));
    SocketControl* target = supportSocket_;
    for (int channel = 1; channel <= 4; ++channel) {
        if (channelButtons_[size_t(channel) - 1]->isChecked()) {
            target = &channelSocket(channel);
            break;
        }
    }
    const QByteArray userName = toCp1252(linkWindows_.userSettings().userName());
    // A target that is not connected refuses the bytes; nothing more is said.
    target->send(chat::userLine(userName, text));
    if (target == supportSocket_)
        inputBox_->clear();
}

void SupportChatWindow::pickChannel(int channel)
{
    channelButtons_[size_t(channel) - 1]->setChecked(true);
    // A pick while an earlier one still waits closes that connect too: this one's wait
    // takes the lamp row over.
    for (SocketControl* socket : channelSockets_)
        socket->close();
    SocketControl& socket = channelSocket(channel);
    const bool started = socket.connectToHost(supportHostBox_->text(), ports_.channels[size_t(channel) - 1]).ok();
    channelWait_->start(socket, started);
}

void SupportChatWindow::onChannelClosed()
{
    setLampColour(*chatLamp_, kClosedColour);
    setLampColour(*chatStateLabel_, kClosedColour);
    chatStateLabel_->setText(QStringLiteral("Connection Closed"));
}

void SupportChatWindow::onOfflineMessageClosed()
{
    setLampColour(*messageLamp_, kClosedColour);
    setLampColour(*messageStateLabel_, kClosedColour);
    messageStateLabel_->setText(QStringLiteral("Connection Closed"));
}

void SupportChatWindow::sendOfflineMessage()
{
    struct Check {
        QLineEdit* box;
        const char* message;
    };
    for (const Check& check :
         {Check{senderNameBox_, "Please put your Name into the Name Text Box."},
          Check{senderIdBox_, "Please put your User ID into the User ID Text Box."},
          Check{senderEMailBox_, "Please put your EMail Address into the EMail Address Text Box."}}) {
        if (check.box->text().isEmpty()) {
            platform::dialogs().messageBox(QString::fromLatin1(check.message));
            return;
        }
    }
    offlineMessageSocket_->close();
    const bool started = offlineMessageSocket_->connectToHost(supportHostBox_->text(), ports_.offlineMessage).ok();
    offlineMessageWait_->start(*offlineMessageSocket_, started);
}

void SupportChatWindow::sendOfflineMessageText()
{
    offlineMessageSocket_->send(chat::offlineMessage(toCp1252(senderNameBox_->text()), toCp1252(senderIdBox_->text()),
                                                     toCp1252(senderEMailBox_->text()),
                                                     toCp1252(offlineMessageBox_->toPlainText())));
}

void SupportChatWindow::saveSenderDetails()
{
    chat::writeSenderDetails(
        {toCp1252(senderNameBox_->text()), toCp1252(senderIdBox_->text()), toCp1252(senderEMailBox_->text())});
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
