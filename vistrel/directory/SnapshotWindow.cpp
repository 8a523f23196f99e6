#include "directory/SnapshotWindow.h"

#include "directory/PictureFile.h"
#include "directory/RefreshInterval.h"
#include "directory/SnapshotFiles.h"
#include "platform/Dialogs.h"
#include "platform/OneShotTimer.h"
#include "platform/PrivateTempFolder.h"
#include "platform/TextFiles.h"
#include "platform/Timer.h"
#include "ui/Gradient.h"
#include "ui/GraphicalButton.h"
#include "ui/ToolbarGiveBack.h"

#include <QBuffer>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMovie>
#include <QPalette>
#include <QPushButton>

#include <memory>

namespace {

constexpr int kClientWidthTwips = 5250;
constexpr int kClientHeightTwips = 4875;

constexpr int kToolbarButton = 7;      // "Media": the snapshot windows give it back on close
constexpr int kToolbarActiveEntry = 5; // the Media entry of gToolbarActive

const QString kTrying = QStringLiteral("Trying to connect to Webcam...");
const QString kLoaded = QStringLiteral("Image Load Successful");
const QString kNotAPicture = QStringLiteral("Image failed to load please retry..");
const QString kLoadError = QStringLiteral("Error loading image...");

// The hidden chord that shows the address box: Ctrl, Alt, Shift and U released together.
QList<int> addressChordKeys()
{
    return {Qt::Key_Control, Qt::Key_Alt, Qt::Key_Shift, Qt::Key_U};
}

constexpr double kControlFontPoints = 7.5;

// The window's coloured buttons, with no room lost to padding.
void makeSnapshotButton(QPushButton& button)
{
    makeGraphicalButton(button, PressedLook::Darker);
    button.setStyleSheet(button.styleSheet() + QStringLiteral("QPushButton { padding: 0px 2px; }"));
}

// A check box on a dark band of its own: light text, and a light box with a dark tick,
// so that an unticked box stays visible on the dark band and on the gradient.
void makeBandCheckBox(QCheckBox& box, const QColor& text)
{
    QPalette palette = box.palette();
    palette.setColor(QPalette::Window, QColor(0x00, 0x40, 0x40));
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    box.setPalette(palette);
    box.setBackgroundRole(QPalette::Window);
    box.setAutoFillBackground(true);
}

// A failed file write as the window reports it: the description, then the number with
// four blanks before it.
QString fileErrorText(const platform::FileWriteResult& failure)
{
    return failure.errorDescription + QStringLiteral("    ") + QString::number(failure.errorNumber);
}

// A digit key of the main keyboard (not of the numeric keypad).
bool isMainKeyboardDigit(const QKeyEvent& event)
{
    return event.key() >= Qt::Key_0 && event.key() <= Qt::Key_9 && !(event.modifiers() & Qt::KeypadModifier);
}

} // namespace

SnapshotWindow::SnapshotWindow()
    : placement_(kClientWidthTwips, kClientHeightTwips), addressChord_(addressChordKeys())
{
    setWindowTitle(QStringLiteral("Vistrel"));
    createControls();
    placeControls();
    resize(placement_.designSize());

    Timer1 = new platform::OneShotTimer(this);
    Timer1->setEnabled(false);
    connect(Timer1, &platform::Timer::tick, this, &SnapshotWindow::Timer1_Timer);
    Timer3 = new platform::Timer(this);
    Timer3->setEnabled(false);
    connect(Timer3, &platform::Timer::tick, this, &SnapshotWindow::Timer3_Timer);

    pictureTransfer_ = newTransfer();
    animationTransfer_ = newTransfer();
}

void SnapshotWindow::createControls()
{
    // The controls' sizes were made for a small font; a larger one would be cut off.
    QFont small = font();
    small.setPointSizeF(kControlFontPoints);
    setFont(small);

    Image1 = new QLabel(this);
    Image1->setScaledContents(true);
    AniGIF1 = new QLabel(this);
    AniGIF1->setScaledContents(true);
    AniGIF1->hide();

    Command1 = new QPushButton(QStringLiteral("Refresh"), this);
    makeSnapshotButton(*Command1);
    connect(Command1, &QPushButton::clicked, this, &SnapshotWindow::Command1_Click);

    const QString whiteLabel = QStringLiteral("QLabel { color: white; background: transparent; }");
    Label1 = new QLabel(QStringLiteral("Url:"), this);
    Label1->setStyleSheet(whiteLabel);
    Label1->hide();
    txtURL = new QLineEdit(this);
    txtURL->hide();
    Label3 = new QLabel(QStringLiteral("Time to Refresh in Seconds - Max=60"), this);
    Label3->setStyleSheet(whiteLabel);
    Label3->setWordWrap(true);

    Check1 = new QCheckBox(QStringLiteral("Automatic Refresh Interval"), this);
    makeBandCheckBox(*Check1, Qt::white);
    connect(Check1, &QCheckBox::stateChanged, this, &SnapshotWindow::Check1_Click);
    Text1 = new QLineEdit(this);
    Text1->setMaxLength(2);
    Text1->setToolTip(QStringLiteral("Enter time in seconds 1 to 60"));
    Text1->installEventFilter(this);

    chkAutoSave = new QCheckBox(QStringLiteral("Auto Save"), this);
    makeBandCheckBox(*chkAutoSave, palette().color(QPalette::HighlightedText));
    Command3 = new QPushButton(QStringLiteral("< Reset"), this);
    connect(Command3, &QPushButton::clicked, this, &SnapshotWindow::Command3_Click);
    Command2 = new QPushButton(QStringLiteral("Save Single Image"), this);
    makeSnapshotButton(*Command2);
    connect(Command2, &QPushButton::clicked, this, &SnapshotWindow::Command2_Click);

    Label2 = new QLabel(this);
    Label2->setStyleSheet(QStringLiteral("QLabel { background-color: #326b6a; color: white; }"));

    // The window sees every key release before its controls do.
    for (QWidget* control : findChildren<QWidget*>())
        control->installEventFilter(this);
}

void SnapshotWindow::placeControls()
{
    placement_.place(Image1, 240, 120, 4800, 2880);
    placement_.place(AniGIF1, 240, 120, 4815, 2895);
    placement_.place(Command1, 240, 3120, 4815, 255);
    placement_.place(Label1, 240, 3480, 375, 255);
    placement_.place(txtURL, 240, 3480, 4815, 285);
    placement_.place(Label3, 2760, 3840, 1695, 375);
    placement_.place(Check1, 240, 3960, 2295, 255);
    placement_.place(Text1, 4440, 3960, 615, 285);
    placement_.place(chkAutoSave, 240, 4320, 2295, 255);
    placement_.place(Command3, 2640, 4320, 735, 255);
    placement_.place(Command2, 3480, 4320, 1575, 255);
    placement_.place(Label2, 0, 4680, 5295, 255);
}

platform::HttpTransfer* SnapshotWindow::newTransfer()
{
    auto* transfer = new platform::HttpTransfer(this);
    transfer->setTimeLimitMs(kFetchLimitMs);
    transfer->setSizeCap(kFetchSizeCap);
    connect(transfer, &platform::HttpTransfer::finished, this,
            [this, transfer](const platform::HttpTransfer::Result& result) {
                // Handled from the event loop, not inside the transfer's signal, so that
                // a message box on the way may let the window close and drop the transfer.
                const quint64 generation = fetchGeneration_;
                const bool ofPicture = transfer == pictureTransfer_;
                QMetaObject::invokeMethod(
                    this,
                    [this, result, generation, ofPicture] {
                        if (generation != fetchGeneration_)
                            return; // the window closed meanwhile
                        if (ofPicture)
                            pictureFetched(result);
                        else
                            animatedPictureFetched(result);
                    },
                    Qt::QueuedConnection);
            });
    return transfer;
}

void SnapshotWindow::Command1_Click()
{
    URL_To_Picture(txtURL->text(), *Image1);
}

void SnapshotWindow::URL_To_Picture(const QString& url, QLabel& picture)
{
    // A slow camera never stacks fetches: the running one ends within its limit.
    if (fetching_)
        return;
    Label2->clear();
    fetchFolder_ = Temp_Folder();
    if (fetchFolder_.isEmpty()) {
        Label2->setText(kLoadError);
        return;
    }
    const QString download = fetchFolder_ + QLatin1String(kSnapshotDownloadName);
    if (QFile::exists(download) && !QFile::remove(download)) {
        Label2->setText(kLoadError);
        return;
    }
    fetching_ = true;
    fetchTarget_ = &picture;
    pictureTransfer_->start(url);
}

QString SnapshotWindow::Temp_Folder()
{
    Label2->setText(kTrying);
    return platform::privateTempFolder();
}

void SnapshotWindow::pictureFetched(const platform::HttpTransfer::Result& result)
{
    const QString autoSaveFailure = showFetchedPicture(result);
    if (!autoSaveFailure.isEmpty()) {
        // The fetch counts as running until its box is answered: refresh ticks meanwhile
        // are skipped, so a failing auto-save never piles up boxes.
        const QPointer<SnapshotWindow> alive(this);
        const quint64 generation = fetchGeneration_;
        platform::dialogs().messageBox(autoSaveFailure);
        if (!alive || generation != fetchGeneration_)
            return; // closed meanwhile: a fetch of its next use may be running
    }
    fetching_ = false;
}

QString SnapshotWindow::showFetchedPicture(const platform::HttpTransfer::Result& result)
{
    const QString download = fetchFolder_ + QLatin1String(kSnapshotDownloadName);
    if (!result.ok || !platform::writeFileAtomically(download, result.body)) {
        Label2->setText(kLoadError);
        return {};
    }
    const QImage image = readPictureFile(download);
    if (image.isNull()) {
        // The download stays until the next fetch replaces it.
        Label2->setText(kNotAPicture);
        Timer1->setEnabled(true);
        Timer1->setInterval(kFailedStatusMs);
        return {};
    }
    const QString autoSaveFailure = keepCopies(download, result.body);
    if (fetchTarget_)
        fetchTarget_->setPixmap(QPixmap::fromImage(image));
    QFile::remove(download);
    Label2->setText(kLoaded);
    return autoSaveFailure;
}

// The copies of a picture that loaded: the last picture for "Save Single Image", and
// the next numbered auto-save when "Auto Save" is ticked, into the "images" folder,
// made when missing. A failed auto-save still uses up its number and unticks "Auto
// Save", so that its failure is reported once and not at every refresh.
QString SnapshotWindow::keepCopies(const QString& target, const QByteArray& picture)
{
    if (platform::writeFileAtomically(target + QStringLiteral(".jpg"), picture))
        gSnapshotTempDir = fetchFolder_;
    if (!chkAutoSave->isChecked())
        return {};
    QDir().mkpath(imagesFolder()); // a failure shows in the write's result
    const platform::FileWriteResult saved = platform::writeFileAtomically(autoSavePath(nextImageNumber()), picture);
    if (saved)
        return {};
    chkAutoSave->setChecked(false);
    return fileErrorText(saved);
}

void SnapshotWindow::loadAnimatedPicture(const QString& address)
{
    // The newest address wins over one still coming in.
    if (animationTransfer_->busy()) {
        delete animationTransfer_;
        animationTransfer_ = newTransfer();
    }
    animationTransfer_->start(address);
}

void SnapshotWindow::animatedPictureFetched(const platform::HttpTransfer::Result& result)
{
    if (!result.ok)
        return;
    auto data = std::make_unique<QBuffer>(this);
    data->setData(result.body);
    auto movie = std::make_unique<QMovie>(data.get(), QByteArray(), this);
    // What is not an animated picture leaves the shown one alone.
    if (!movie->isValid())
        return;
    dropAnimatedPicture();
    movieData_ = data.release();
    movie_ = movie.release();
    AniGIF1->setMovie(movie_);
    AniGIF1->show();
    AniGIF1->raise();
    movie_->start();
}

void SnapshotWindow::dropAnimatedPicture()
{
    AniGIF1->setMovie(nullptr);
    AniGIF1->hide();
    delete std::exchange(movie_, nullptr);
    delete std::exchange(movieData_, nullptr);
}

void SnapshotWindow::Timer1_Timer()
{
    Label2->clear();
}

void SnapshotWindow::Timer3_Timer()
{
    Command1_Click();
}

void SnapshotWindow::Check1_Click()
{
    if (!Check1->isChecked()) {
        Timer3->setEnabled(false);
        Timer3->setInterval(0);
        return;
    }
    // The entry is read here only: a new entry counts when the box is ticked again.
    const RefreshInterval interval = refreshIntervalFrom(Text1->text());
    Text1->setText(interval.entryText);
    Timer3->setEnabled(true);
    Timer3->setInterval(interval.intervalMs);
}

void SnapshotWindow::Command2_Click()
{
    if (gSnapshotTempDir.isEmpty())
        return;
    const std::optional<QByteArray> picture =
        platform::readFile(gSnapshotTempDir + QLatin1String(kSnapshotLastPictureName));
    if (!picture)
        return;
    QString path = platform::dialogs().saveFileName(QStringLiteral("Save As"), QStringLiteral("All Files (*.jpg)"),
                                                    imagesFolder() + QLatin1Char('/'));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".jpg");
    const platform::FileWriteResult saved = platform::writeFileAtomically(path, *picture);
    if (!saved)
        platform::dialogs().messageBox(fileErrorText(saved));
}

void SnapshotWindow::Command3_Click()
{
    gImageCounter = 0;
}

bool SnapshotWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        Form_KeyUp(key);
        if (watched == Text1)
            Text1_KeyUp(key);
    }
    return QWidget::eventFilter(watched, event);
}

void SnapshotWindow::keyReleaseEvent(QKeyEvent* event)
{
    // Also the releases that a control let through: seeing a key twice changes nothing.
    Form_KeyUp(event);
    QWidget::keyReleaseEvent(event);
}

void SnapshotWindow::Form_KeyUp(QKeyEvent* event)
{
    if (!event->isAutoRepeat() && addressChord_.keyReleased(event->key()))
        txtURL->show();
}

void SnapshotWindow::Text1_KeyUp(QKeyEvent* event)
{
    if (!isMainKeyboardDigit(*event))
        Text1->clear();
}

void SnapshotWindow::closeEvent(QCloseEvent* event)
{
    Form_QueryUnload(event);
}

// Closing stops the timers, gives the Media button back and leaves the window as a new
// one: the next use starts from the start state. A fetch still running is dropped.
void SnapshotWindow::Form_QueryUnload(QCloseEvent* event)
{
    hide();
    Timer1->setEnabled(false);
    Timer1->setInterval(0);
    Timer3->setEnabled(false);
    Timer3->setInterval(0);
    giveBackToolbarButton(kToolbarButton, kToolbarActiveEntry);
    resetToLoadState();
    event->accept();
}

void SnapshotWindow::resetToLoadState()
{
    ++fetchGeneration_;
    for (platform::HttpTransfer** transfer : {&pictureTransfer_, &animationTransfer_}) {
        if ((*transfer)->busy()) {
            delete *transfer;
            *transfer = newTransfer();
        }
    }
    fetching_ = false;
    Image1->clear();
    dropAnimatedPicture();
    Check1->setChecked(false);
    chkAutoSave->setChecked(false);
    Text1->clear();
    Label2->clear();
    txtURL->clear();
    txtURL->hide();
    setWindowTitle(QStringLiteral("Vistrel"));
    addressChord_ = KeyChord(addressChordKeys());
}

bool SnapshotWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    return QWidget::event(event);
}

void SnapshotWindow::Form_Activate()
{
    paintWindowGradient(*this);
}

void SnapshotWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void SnapshotWindow::Form_Resize()
{
    placement_.apply(size());
    paintWindowGradient(*this);
}
