#include "linkwindows/StatusWindow.h"

#include "link/ReflectorSession.h"
#include "platform/Codec.h"
#include "platform/HttpTransfer.h"
#include "platform/Launcher.h"
#include "platform/ProgramFolder.h"
#include "platform/Services.h"
#include "platform/Twips.h"
#include "ui/LampPiece.h"
#include "ui/ObjectNames.h"
#include "ui/SharedMenuBar.h"
#include "ui/TrafficMarker.h"

#include <QBuffer>
#include <QCheckBox>
#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QMovie>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>

#include <utility>
#include <vector>

using platform::twips;
using Lamp = ReflectorSession::Lamp;

namespace {

constexpr int kWidthTwips = 10965;
constexpr int kHeightTwips = 6930;
constexpr int kToolbarButton = 6; // "Status"
constexpr ui::ToolbarEntry kToolbarActiveEntry = ui::ToolbarEntry::Status;

constexpr char kStatusPage[] = "/support.php";
constexpr char kHelpPage[] = "/help/StatusWi.htm";
// The pictures of the server's state, in the program's folder.
constexpr char kServerUpPicture[] = "icons/ServerUp.gif";
constexpr char kServerDownPicture[] = "icons/ServerDown.gif";
constexpr int kFetchTimeLimitMs = 10000;
constexpr qint64 kStatusPageSizeCap = 64 * 1024;
constexpr qint64 kPictureSizeCap = 1024 * 1024;

const QString kHelpToolTip = QStringLiteral("System Status Window right click for more information...");

const QColor kBlue(0, 90, 255);
const QColor kGreen(0, 200, 60);
const QColor kRed(230, 20, 20);

// Diagram geometry, in twips inside the diagram.
constexpr int kDiagramWidthTwips = 6840;
constexpr int kDiagramHeightTwips = 3720;
constexpr int kPictureTwips = 720;

using Shape = LampPiece::Shape;

struct Piece {
    Shape shape;
    int x, y, width, height; // twips
};

// The lamps of one segment: for every piece of the segment, the index of its lamp
// in each colour's array.
struct Segment {
    std::vector<Piece> pieces;
    std::vector<int> blue;
    std::vector<int> green;
    std::vector<int> red;
};

// Segments 1 to 5. Blue lamp 10 belongs to segments 4 and 5 alike; it lies where
// segment 4 has it.
const std::array<Segment, 5>& segments()
{
    static const std::array<Segment, 5> table{{
        {{{Shape::Horizontal, 1080, 540, 4800, 120}}, {0}, {1}, {8}},
        {{{Shape::Horizontal, 1080, 900, 4800, 120}}, {1}, {0}, {9}},
        {{{Shape::Vertical, 6300, 1140, 120, 1740},
          {Shape::CornerTopToLeft, 6060, 2880, 360, 360},
          {Shape::Horizontal, 3960, 3120, 2100, 120}},
         {2, 3, 4},
         {2, 3, 4},
         {5, 6, 7}},
        {{{Shape::Vertical, 480, 1140, 120, 1860},
          {Shape::CornerTopToRight, 480, 3000, 360, 360},
          {Shape::Horizontal, 840, 3240, 2400, 120}},
         {8, 9, 10},
         {6, 7, 8},
         {2, 3, 4}},
        {{{Shape::Vertical, 720, 1140, 120, 1620},
          {Shape::CornerTopToRight, 720, 2760, 360, 360},
          {Shape::Horizontal, 1080, 3000, 2160, 120}},
         {6, 7, 10},
         {5, 9, 10},
         {0, 1, 11}},
    }};
    return table;
}

QRect twipsRect(int x, int y, int width, int height)
{
    return {twips(x), twips(y), twips(width), twips(height)};
}

QLabel* diagramPicture(QWidget* diagram, QStyle::StandardPixmap picture, int x, int y)
{
    auto* label = new QLabel(diagram);
    const int size = twips(kPictureTwips);
    label->setPixmap(diagram->style()->standardIcon(picture).pixmap(size, size));
    label->setGeometry(twips(x), twips(y), size, size);
    label->setAlignment(Qt::AlignCenter);
    label->setAttribute(Qt::WA_NoMousePropagation);
    return label;
}

bool isRightButtonPress(const QEvent* event)
{
    return event->type() == QEvent::MouseButtonPress
        && static_cast<const QMouseEvent*>(event)->button() == Qt::RightButton;
}

// The number of line ends in text: CR LF, a lone CR or a lone LF each count once, as
// the log's view breaks its blocks at them.
int lineEndCount(QByteArrayView text)
{
    int count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')))
            ++count;
    }
    return count;
}

// Log text as its view shows it: one block a line, whichever line end the text uses.
QString viewText(QByteArray text)
{
    text.replace("\r\n", "\n");
    text.replace('\r', '\n');
    return platform::fromCp1252(text);
}

} // namespace

StatusWindow::StatusWindow() : ProgramWindow(ToolbarButton{kToolbarButton, kToolbarActiveEntry})
{
    setWindowTitle(QStringLiteral("System Status"));

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(createSharedMenuBar(this));

    auto* top = new QHBoxLayout;
    top->addWidget(createDiagram(), 0, Qt::AlignTop);
    top->addWidget(createServerPanel(), 1);
    layout->addLayout(top);

    auto* logHeader = new QHBoxLayout;
    logHeader->addWidget(new QLabel(QStringLiteral("Status Log"), this));
    logHeader->addStretch(1);
    logLevelHighBox_ = new QCheckBox(QStringLiteral("Log Level = High "), this);
    logHeader->addWidget(logLevelHighBox_);
    layout->addLayout(logHeader);

    logView_ = new QPlainTextEdit(this);
    logView_->setReadOnly(true);
    logView_->setLineWrapMode(QPlainTextEdit::NoWrap);
    logView_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    logView_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    layout->addWidget(logView_, 1);

    statusPageFetch_ = new platform::HttpTransfer(this);
    statusPageFetch_->setTimeLimitMs(kFetchTimeLimitMs);
    statusPageFetch_->setSizeCap(kStatusPageSizeCap);

    ui::giveObjectNames({
        {logView_, "txtStatus"},
        {reflectorAddressLabel_, "lblReflectorAddr"},
        {reflectorPortLabel_, "lblReflectorPort"},
        {directoryServerAddressLabel_, "lblDBServerIPAddr"},
        {segment1Marker_, "imgSegment1SendData"},
        {segment2Marker_, "imgSegment2SendData"},
        {segment4aMarker_, "imgSegment4aSendData"},
        {segment4bMarker_, "imgSegment4bSendData"},
        {segment5aMarker_, "imgSegment5aSendData"},
        {segment5bMarker_, "imgSegment5bSendData"},
        {logLevelHighBox_, "Check1"},
        {refreshButton_, "Command1"},
        {serverStateText_, "Label8"},
        {reflectorPicture_, "Image1"},
        {clientPicture_, "Image2"},
        {bottomPicture_, "Image3"},
        {serverPicture_, "AniGIF1"},
        {statusPageFetch_, "Inet1"},
    });
    connect(logLevelHighBox_, &QCheckBox::stateChanged, this, &StatusWindow::setLogLevel);
    connect(refreshButton_, &QPushButton::clicked, this, &StatusWindow::refresh);
    connect(statusPageFetch_, &platform::HttpTransfer::finished, this,
            [this](const platform::HttpTransfer::Result& result) { onStatusPage(result.ok, result.body); });
}

StatusWindow::~StatusWindow()
{
    serverPicture_->setMovie(nullptr);
}

QWidget* StatusWindow::createDiagram()
{
    auto* diagram = new QWidget(this);
    diagram->setFixedSize(twips(kDiagramWidthTwips), twips(kDiagramHeightTwips));

    clientPicture_ = diagramPicture(diagram, QStyle::SP_ComputerIcon, 240, 360);
    reflectorPicture_ = diagramPicture(diagram, QStyle::SP_DriveNetIcon, 6000, 360);
    bottomPicture_ = diagramPicture(diagram, QStyle::SP_ComputerIcon, 3240, 2820);
    for (QLabel* picture : {clientPicture_, bottomPicture_}) {
        picture->setToolTip(kHelpToolTip);
        picture->installEventFilter(this);
    }
    createLamps(diagram);
    createMarkers(diagram);
    return diagram;
}

void StatusWindow::createLamps(QWidget* diagram)
{
    for (std::size_t s = 0; s < segments().size(); ++s) {
        const Segment& segment = segments()[s];
        // Only segments 1 to 3 show their lamps before the window is loaded.
        const bool shownAtStart = s < 3;
        for (std::size_t p = 0; p < segment.pieces.size(); ++p) {
            const Piece& piece = segment.pieces[p];
            // All lamps of one colour share one object name, arrayName, and carry their
            // index in the colour's array.
            const auto place = [&](auto& lamps, int index, QColor colour, const char* arrayName) {
                LampPiece*& slot = lamps[std::size_t(index)];
                if (slot)
                    return;
                slot = new LampPiece(piece.shape, colour, diagram);
                slot->setObjectName(QString::fromLatin1(arrayName));
                slot->setProperty("index", index);
                slot->setGeometry(twipsRect(piece.x, piece.y, piece.width, piece.height));
                slot->setVisible(shownAtStart);
            };
            place(blueLamps, segment.blue[p], kBlue, "ImgBlue1");
            place(greenLamps, segment.green[p], kGreen, "ImgGreen3");
            place(redLamps, segment.red[p], kRed, "ImgRed2");
        }
    }
    for (LampPiece* green : greenLamps)
        green->installEventFilter(this);
}

void StatusWindow::createMarkers(QWidget* diagram)
{
    using Direction = TrafficMarker::Direction;
    const auto marker = [diagram](Direction direction, QRect twipsArea) {
        auto* created = new TrafficMarker(direction, diagram);
        created->setGeometry(twipsArea);
        created->hide();
        return created;
    };
    segment1Marker_ = marker(Direction::Right, twipsRect(3180, 420, 720, 360));
    segment2Marker_ = marker(Direction::Left, twipsRect(3180, 780, 720, 360));
    segment4aMarker_ = marker(Direction::Left, twipsRect(1680, 3120, 720, 360));
    segment4bMarker_ = marker(Direction::Up, twipsRect(360, 1680, 360, 720));
    segment5aMarker_ = marker(Direction::Right, twipsRect(1680, 2880, 720, 360));
    segment5bMarker_ = marker(Direction::Down, twipsRect(600, 2040, 360, 720));
    for (TrafficMarker* withHelp : {segment2Marker_, segment5aMarker_, segment5bMarker_})
        withHelp->installEventFilter(this);
}

QWidget* StatusWindow::createServerPanel()
{
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);

    column->addWidget(new QLabel(QStringLiteral("Server Status"), panel));
    serverPicture_ = new QLabel(panel);
    serverPicture_->setFixedSize(twips(1440), twips(960));
    serverPicture_->setAlignment(Qt::AlignCenter);
    column->addWidget(serverPicture_);
    serverStateText_ = new QLabel(panel);
    column->addWidget(serverStateText_);
    refreshButton_ = new QPushButton(QStringLiteral("Refresh"), panel);
    column->addWidget(refreshButton_, 0, Qt::AlignLeft);
    column->addSpacing(twips(240));

    auto* lastAttempt = new QFormLayout;
    reflectorAddressLabel_ = new QLabel(panel);
    reflectorAddressLabel_->setWordWrap(true);
    reflectorPortLabel_ = new QLabel(panel);
    lastAttempt->addRow(QStringLiteral("Relector Address = "), reflectorAddressLabel_);
    lastAttempt->addRow(QStringLiteral("Reflector Port ="), reflectorPortLabel_);
    column->addLayout(lastAttempt);
    column->addStretch(1);

    directoryServerAddressLabel_ = new QLabel(panel);
    directoryServerAddressLabel_->hide();
    return panel;
}

void StatusWindow::load()
{
    hide();
    resize(twips(kWidthTwips), twips(kHeightTwips));
    for (LampPiece* red : redLamps) {
        if (red)
            red->hide();
    }
    for (LampPiece* green : greenLamps)
        green->hide();
    segment1Marker_->hide();
    segment4aMarker_->hide();
    segment4bMarker_->hide();
    setWindowState(Qt::WindowMinimized);
}

void StatusWindow::showLamp(int segment, ReflectorSession::Lamp colour)
{
    const Segment& lamps = segments()[segment - 1];
    // Segments 4 and 5 never show a colour.
    const bool lit = segment <= 3;
    for (const int red : lamps.red)
        redLamps[red]->setVisible(lit && colour == Lamp::Red);
    for (const int green : lamps.green)
        greenLamps[green]->setVisible(lit && colour == Lamp::Green);
    for (const int blue : lamps.blue)
        blueLamps[blue]->setVisible(lit && colour == Lamp::Blue);
}

void StatusWindow::showMarker(ReflectorSession::Marker which, bool visible)
{
    marker(which)->setVisible(visible);
}

void StatusWindow::showAttemptAddress(const QString& address)
{
    reflectorAddressLabel_->setText(address);
}

void StatusWindow::showAttemptPort(const QString& port)
{
    reflectorPortLabel_->setText(port);
}

void StatusWindow::showOutsideAddress(const QByteArray& address)
{
    directoryServerAddressLabel_->setText(platform::fromCp1252(address));
}

TrafficMarker* StatusWindow::marker(ReflectorSession::Marker which) const
{
    using Marker = ReflectorSession::Marker;
    switch (which) {
    case Marker::Segment1: return segment1Marker_;
    case Marker::Segment2: return segment2Marker_;
    case Marker::Segment4Left: return segment4aMarker_;
    case Marker::Segment4Up: return segment4bMarker_;
    case Marker::Segment5Right: return segment5aMarker_;
    case Marker::Segment5Down: return segment5bMarker_;
    }
    return nullptr;
}

void StatusWindow::appendLogLine(const QByteArray& line)
{
    log_ += line + "\r\n";
    logView_->appendPlainText(viewText(line));
    if (log_.size() <= kLogCapacityBytes)
        return;

    // Drop the oldest lines: cut after the first line end that leaves at most the
    // capacity, or, when only the newest line is left that long, keep its end.
    const qsizetype mustDrop = log_.size() - kLogCapacityBytes;
    const qsizetype lineEnd = log_.indexOf("\r\n", std::max<qsizetype>(0, mustDrop - 2));
    if (lineEnd >= 0 && lineEnd + 2 < log_.size()) {
        const qsizetype cut = lineEnd + 2;
        QTextCursor dropped(logView_->document());
        dropped.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor,
                             lineEndCount(QByteArrayView(log_).first(cut)));
        dropped.removeSelectedText();
        log_.remove(0, cut);
    } else {
        log_.remove(0, mustDrop);
        logView_->setPlainText(viewText(log_.chopped(2)));
    }
    logView_->moveCursor(QTextCursor::End);
}

void StatusWindow::setLogLevel()
{
    reflectorSession().state().logLevelHigh = logLevelHighBox_->checkState() == Qt::Checked ? 1 : 0;
}

void StatusWindow::refresh()
{
    if (refreshRunning_)
        return;
    refreshRunning_ = statusPageFetch_->start(platform::webServerPage(QString::fromLatin1(kStatusPage)));
}

void StatusWindow::onStatusPage(bool ok, const QByteArray& page)
{
    if (!ok) {
        refreshRunning_ = false;
        return;
    }
    const bool serverUp = page.contains("Server is up");
    serverStateText_->setText(serverUp ? QStringLiteral("Server is Up..") : QStringLiteral("Server is Down.."));
    showServerPicture(serverUp);
}

// A picture that is missing, too large or damaged leaves the place empty rather than
// showing the other state's picture beside the new text; nothing is reported.
void StatusWindow::showServerPicture(bool serverUp)
{
    refreshRunning_ = false;
    QFile file(platform::programFile(QString::fromLatin1(serverUp ? kServerUpPicture : kServerDownPicture)));
    const bool readable = file.open(QIODevice::ReadOnly) && file.size() <= kPictureSizeCap;
    playServerPicture(readable ? file.readAll() : QByteArray());
}

void StatusWindow::playServerPicture(const QByteArray& picture)
{
    serverPicture_->setMovie(nullptr);
    serverPicture_->clear();
    pictureMovie_.reset();
    pictureData_.reset();
    if (picture.isEmpty())
        return;
    pictureData_ = std::make_unique<QBuffer>();
    pictureData_->setData(picture);
    pictureMovie_ = std::make_unique<QMovie>(pictureData_.get(), QByteArray("gif"));
    if (!pictureMovie_->isValid())
        return;
    serverPicture_->setMovie(pictureMovie_.get());
    pictureMovie_->start();
}

void StatusWindow::activated()
{
    refresh();
}

void StatusWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton)
        openHelpPage();
}

// The client and bottom computer pictures, the green lamps and three of the markers
// open the help page on a right click, as the window's background does.
bool StatusWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (isRightButtonPress(event)) {
        openHelpPage();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void StatusWindow::openHelpPage()
{
    platform::launcher().openPage(QUrl(platform::webServerPage(QString::fromLatin1(kHelpPage))));
}
