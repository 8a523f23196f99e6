// The support chat window's layout: its two frames in the frames' dark colour with
// their marks, boxes, buttons and lamp rows, and the lower picture panel below them.
// The sizes and places are the design's, in twips.
#include "chat/SupportChatWindow.h"

#include "chat/PicturePanel.h"
#include "platform/Twips.h"
#include "ui/ObjectNames.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

using platform::twips;

namespace {

const QColor kFrameColour(0, 64, 64);

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

QLabel* lampLabel(QWidget* parent)
{
    auto* lamp = new QLabel(parent);
    lamp->setFrameShape(QFrame::Box);
    lamp->setAutoFillBackground(true);
    // It starts in the frame's colour.
    setLampColour(*lamp, kFrameColour);
    return lamp;
}

QLineEdit* lineBox(QWidget* parent, int left, int top, int width)
{
    auto* box = new QLineEdit(parent);
    place(box, left, top, width, 315);
    return box;
}

QPushButton* pushButton(const char* caption, QWidget* parent, int left, int top, int width)
{
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    place(button, left, top, width, 345);
    return button;
}

QGroupBox* colouredFrame(const char* title, QWidget* parent, int top, int height)
{
    auto* frame = new QGroupBox(QString::fromLatin1(title), parent);
    frame->setAutoFillBackground(true);
    QPalette colours = frame->palette();
    colours.setColor(QPalette::Window, kFrameColour);
    colours.setColor(QPalette::WindowText, Qt::white); // the title
    frame->setPalette(colours);
    place(frame, 120, top, 7410, height);
    return frame;
}

struct LampRow {
    QLabel* statusMark;
    QLabel* lamp;
    QLabel* messageMark;
    QLabel* state;
};

// The lamp row at the foot of a frame: "Status" and the lamp, "Message" and the
// state caption, which is a second lamp.
LampRow lampRow(QWidget* frame, int top)
{
    constexpr int kGap = 60;
    constexpr int kRight = 7290;
    QLabel* status = markLabel("Status", frame, 120, top, 540);
    QLabel* lamp = lampLabel(frame);
    const int lampLeft = std::max(720, rightTwips(status) + kGap);
    place(lamp, lampLeft, top, 300, 255);
    QLabel* message = markLabel("Message", frame, std::max(1200, lampLeft + 300 + 3 * kGap), top, 780);
    QLabel* state = lampLabel(frame);
    const int stateLeft = std::max(2040, rightTwips(message) + kGap);
    place(state, stateLeft, top - 30, kRight - stateLeft, 285);
    return {status, lamp, message, state};
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

QGroupBox* SupportChatWindow::createChatFrame()
{
    QGroupBox* frame = colouredFrame("Support Chat", this, 60, 4620);

    upperPicture_ = new chat::PicturePanel(frame);
    place(upperPicture_, 120, 300, 1800, 1260);

    QLabel* hostMark = markLabel("Support Server", frame, 2040, 300, 1300);
    // The host box begins after its mark and ends where the design has it.
    const int hostLeft = std::max(3360, rightTwips(hostMark) + 60);
    supportHostBox_ = lineBox(frame, hostLeft, 270, 5760 - hostLeft);
    supportHostBox_->setEnabled(false);
    listenPortBox_ = lineBox(frame, 5880, 270, 1380);
    listenPortBox_->setText(QString::number(chat::SupportChatPorts{}.listener)); // until the listener is up
    listenPortBox_->setEnabled(false);
    for (int i = 0; i < 4; ++i) {
        auto* button = new QRadioButton(QStringLiteral("Connect to Channel %1").arg(i + 1), frame);
        button->setObjectName(QStringLiteral("Option%1").arg(i + 1));
        giveFrameText(button);
        place(button, 2040 + (i % 2) * 2640, 720 + (i / 2) * 360, 2520, 300);
        connect(button, &QRadioButton::clicked, this, [this, i] { pickChannel(i + 1); });
        channelButtons_[size_t(i)] = button;
    }

    transcript_ = new QPlainTextEdit(frame);
    transcript_->setReadOnly(true);
    transcript_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    place(transcript_, 120, 1680, 7170, 2160);

    inputBox_ = lineBox(frame, 120, 3900, 5940);
    // Enter sends and empties the box, whatever the target.
    connect(inputBox_, &QLineEdit::returnPressed, this, [this] {
        sendLine();
        inputBox_->clear();
    });
    sendButton_ = pushButton("Send", frame, 6180, 3885, 1110);
    connect(sendButton_, &QPushButton::clicked, this, &SupportChatWindow::sendLine);

    const LampRow lamps = lampRow(frame, 4290);
    chatLamp_ = lamps.lamp;
    chatStateLabel_ = lamps.state;

    ui::giveObjectNames({
        {frame, "Frame1"},
        {upperPicture_, "AniGIF1"},
        {hostMark, "Label2"},
        {supportHostBox_, "txtChatIP"},
        {listenPortBox_, "txtPort"},
        {transcript_, "txtOutput"},
        {inputBox_, "txtSendData"},
        {sendButton_, "Command1"},
        {lamps.statusMark, "Label3"},
        {chatLamp_, "Label1"},
        {lamps.messageMark, "Label4"},
        {chatStateLabel_, "lblConnectionState"},
    });
    return frame;
}

QGroupBox* SupportChatWindow::createOfflineMessageFrame()
{
    QGroupBox* frame = colouredFrame("EMessage", this, 4740, 3120);

    QLabel* explanationMark =
        markLabel("If you can't get through using live chat, then send an EMessage.", frame, 120, 270, 7170);
    QLabel* nameMark = markLabel("Name", frame, 120, 600, 2280);
    QLabel* idMark = markLabel("User ID", frame, 2520, 600, 2280);
    QLabel* eMailMark = markLabel("EMail Address", frame, 4920, 600, 2370);
    senderNameBox_ = lineBox(frame, 120, 870, 2280);
    senderIdBox_ = lineBox(frame, 2520, 870, 2280);
    senderEMailBox_ = lineBox(frame, 4920, 870, 2370);
    saveSettingsButton_ = pushButton("Save Settings", frame, 5880, 1260, 1410);
    connect(saveSettingsButton_, &QPushButton::clicked, this, &SupportChatWindow::saveSenderDetails);

    offlineMessageBox_ = new QPlainTextEdit(frame);
    place(offlineMessageBox_, 120, 1680, 5640, 960);
    sendMessageButton_ = pushButton("Send", frame, 5880, 2295, 1410);
    connect(sendMessageButton_, &QPushButton::clicked, this, &SupportChatWindow::sendOfflineMessage);

    const LampRow lamps = lampRow(frame, 2760);
    messageLamp_ = lamps.lamp;
    messageStateLabel_ = lamps.state;

    ui::giveObjectNames({
        {frame, "Frame2"},
        {explanationMark, "Label5"},
        {nameMark, "Label6"},
        {idMark, "Label7"},
        {eMailMark, "Label8"},
        {senderNameBox_, "txtName"},
        {senderIdBox_, "txtID"},
        {senderEMailBox_, "txtEMail"},
        {saveSettingsButton_, "Command4"},
        {offlineMessageBox_, "txtMessage"},
        {sendMessageButton_, "Command3"},
        {lamps.statusMark, "Label9"},
        {messageLamp_, "Label11"},
        {lamps.messageMark, "Label10"},
        {messageStateLabel_, "lblMessage"},
    });
    return frame;
}

void SupportChatWindow::createLowerPicture()
{
    lowerPicture_ = new chat::PicturePanel(this);
    place(lowerPicture_, 210, 7920, 7215, 2655);
    // Its upper part shows below the frames before any picture comes: as an empty
    // panel in the frames' colour, not as a bare strip of the gradient's darkest band.
    lowerPicture_->setFrameShape(QFrame::Box);
    lowerPicture_->setAutoFillBackground(true);
    setLampColour(*lowerPicture_, kFrameColour);
}
