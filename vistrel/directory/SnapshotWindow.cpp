#include "directory/SnapshotWindow.h"

#include "directory/PictureFile.h"
#include "directory/RefreshInterval.h"
#include "directory/SnapshotFiles.h"
#include "directory/SnapshotWindows.h"
#include "platform/Dialogs.h"
#include "platform/OneShotTimer.h"
#include "platform/PrivateTempFolder.h"
#include "platform/TextFiles.h"
#include "platform/Timer.h"
#include "ui/GraphicalButton.h"
#include "ui/ObjectNames.h"

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
#include <utility>

namespace {

constexpr int kClientWidthTwips = 5250;
constexpr int kClientHeightTwips = 4875;

constexpr int kToolbarButton = 7; // "Media": the snapshot windows give it back on close
constexpr ui::ToolbarEntry kToolbarActiveEntry = ui::ToolbarEntry::MediaPlayer;

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
    : ProgramWindow(ToolbarButton{kToolbarButton, kToolbarActiveEntry}),
      placement_(kClientWidthTwips, kClientHeightTwips), addressChord_(addressChordKeys())
{
    setWindowTitle(QStringLiteral("Vistrel"));
    createControls();
    placeControls();
    resize(placement_.designSize());

    statusClearTimer_ = new platform::OneShotTimer(this);
    statusClearTimer_->setEnabled(false);
    connect(statusClearTimer_, &platform::Timer::tick, this, &SnapshotWindow::clearStatus);
    refreshTimer_ = new platform::Timer(this);
    refreshTimer_->setEnabled(false);
    connect(refreshTimer_, &platform::Timer::tick, this, &SnapshotWindow::refresh);

    pictureTransfer_ = newTransfer();
    animationTransfer_ = newTransfer();

    ui::giveObjectNames({
        {picture_, "Image1"},
        {animation_, "AniGIF1"},
        {refreshButton_, "Command1"},
        {addressLabel_, "Label1"},
        {addressBox_, "txtURL"},
        {intervalLabel_, "Label3"},
        {automaticRefreshBox_, "Check1"},
        {intervalBox_, "Text1"},
        {autoSaveBox_, "chkAutoSave"},
        {resetButton_, "Command3"},
        {saveButton_, "Command2"},
        {statusLine_, "Label2"},
        {statusClearTimer_, "Timer1"},
        {refreshTimer_, "Timer3"},
    });
}

void SnapshotWindow::createControls()
{
    // The controls' sizes were made for a small font; a larger one would be cut off.
    QFont small = font();
    small.setPointSizeF(kControlFontPoints);
    setFont(small);

    picture_ = new QLabel(this);
    picture_->setScaledContents(true);
    animation_ = new QLabel(this);
    animation_->setScaledContents(true);
    animation_->hide();

    refreshButton_ = new QPushButton(QStringLiteral("Refresh"), this);
    makeSnapshotButton(*refreshButton_);
    connect(refreshButton_, &QPushButton::clicked, this, &SnapshotWindow::refresh);

    const QString whiteLabel = QStringLiteral("QLabel { color: white; background: transparent; }");
    addressLabel_ = new QLabel(QStringLiteral("Url:"), this);
    addressLabel_->setStyleSheet(whiteLabel);
    addressLabel_->hide();
    addressBox_ = new QLineEdit(this);
    addressBox_->hide();
    intervalLabel_ = new QLabel(QStringLiteral("Time to Refresh in Seconds - Max=60"), this);
    intervalLabel_->setStyleSheet(whiteLabel);
    intervalLabel_->setWordWrap(true);

    automaticRefreshBox_ = new QCheckBox(QStringLiteral("Automatic Refresh Interval"), this);
    makeBandCheckBox(*automaticRefreshBox_, Qt::white);
    connect(automaticRefreshBox_, &QCheckBox::stateChanged, this, &SnapshotWindow::switchAutomaticRefresh);
    intervalBox_ = new QLineEdit(this);
    intervalBox_->setMaxLength(2);
    intervalBox_->setToolTip(QStringLiteral("Enter time in seconds 1 to 60"));
    intervalBox_->installEventFilter(this);

    autoSaveBox_ = new QCheckBox(QStringLiteral("Auto Save"), this);
    makeBandCheckBox(*autoSaveBox_, palette().color(QPalette::HighlightedText));
    resetButton_ = new QPushButton(QStringLiteral("< Reset"), this);
    connect(resetButton_, &QPushButton::clicked, this, &SnapshotWindow::restartImageNumbering);
    saveButton_ = new QPushButton(QStringLiteral("Save Single Image"), this);
    makeSnapshotButton(*saveButton_);
    connect(saveButton_, &QPushButton::clicked, this, &SnapshotWindow::saveSingleImage);

    statusLine_ = new QLabel(this);
    statusLine_->setStyleSheet(QStringLiteral("QLabel { background-color: #326b6a; color: white; }"));

    // The window sees every key release before its controls do.
    for (QWidget* control : findChildren<QWidget*>())
        control->installEventFilter(this);
}

void SnapshotWindow::placeControls()
{
    placement_.place(picture_, 240, 120, 4800, 2880);
    placement_.place(animation_, 240, 120, 4815, 2895);
    placement_.place(refreshButton_, 240, 3120, 4815, 255);
    placement_.place(addressLabel_, 240, 3480, 375, 255);
    placement_.place(addressBox_, 240, 3480, 4815, 285);
    placement_.place(intervalLabel_, 2760, 3840, 1695, 375);
    placement_.place(automaticRefreshBox_, 240, 3960, 2295, 255);
    placement_.place(intervalBox_, 4440, 3960, 615, 285);
    placement_.place(autoSaveBox_, 240, 4320, 2295, 255);
    placement_.place(resetButton_, 2640, 4320, 735, 255);
    placement_.place(saveButton_, 3480, 4320, 1575, 255);
    placement_.place(statusLine_, 0, 4680, 5295, 255);
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

void SnapshotWindow::setAddress(const QString& address)
{
    addressBox_->setText(address);
}

void SnapshotWindow::refresh()
{
    fetchPicture(addressBox_->text(), *picture_);
}

void SnapshotWindow::fetchPicture(const QString& url, QLabel& picture)
{
    // A slow camera never stacks fetches: the running one ends within its limit.
    if (fetching_)
        return;
    statusLine_->clear();
    fetchFolder_ = downloadFolder();
    if (fetchFolder_.isEmpty()) {
        statusLine_->setText(kLoadError);
        return;
    }
    const QString download = fetchFolder_ + QLatin1String(kSnapshotDownloadName);
    if (QFile::exists(download) && !QFile::remove(download)) {
        statusLine_->setText(kLoadError);
        return;
    }
    fetching_ = true;
    fetchTarget_ = &picture;
    pictureTransfer_->start(url);
}

QString SnapshotWindow::downloadFolder()
{
    statusLine_->setText(kTrying);
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
        const bool shown = platform::dialogs().showMessage(QStringLiteral("snapshot auto save %1").arg(quintptr(this)),
                                                           platform::messageRequest(autoSaveFailure),
                                                           [alive, generation](platform::MessageAnswer) {
                                                               // Closed meanwhile: a fetch of its next use may be running.
                                                               if (alive && generation == alive->fetchGeneration_)
                                                                   alive->fetching_ = false;
                                                           });
        if (shown)
            return;
    }
    fetching_ = false;
}

QString SnapshotWindow::showFetchedPicture(const platform::HttpTransfer::Result& result)
{
    const QString download = fetchFolder_ + QLatin1String(kSnapshotDownloadName);
    if (!result.ok || !platform::writeFileAtomically(download, result.body)) {
        statusLine_->setText(kLoadError);
        return {};
    }
    const QImage image = readPictureFile(download);
    if (image.isNull()) {
        // The download stays until the next fetch replaces it.
        statusLine_->setText(kNotAPicture);
        statusClearTimer_->setEnabled(true);
        statusClearTimer_->setInterval(kFailedStatusMs);
        return {};
    }
    const QString autoSaveFailure = keepCopies(download, result.body);
    if (fetchTarget_)
        fetchTarget_->setPixmap(QPixmap::fromImage(image));
    QFile::remove(download);
    statusLine_->setText(kLoaded);
    return autoSaveFailure;
}

// The copies of a picture that loaded: the last picture for "Save Single Image", and
// the next numbered auto-save when "Auto Save" is ticked, into the "images" folder,
// made when missing. A failed auto-save still uses up its number and unticks "Auto
// Save", so that its failure is reported once and not at every refresh.
QString SnapshotWindow::keepCopies(const QString& target, const QByteArray& picture)
{
    SharedSnapshotFiles& shared = snapshotWindows().sharedFiles();
    if (platform::writeFileAtomically(target + QStringLiteral(".jpg"), picture))
        shared.snapshotTempDir = fetchFolder_;
    if (!autoSaveBox_->isChecked())
        return {};
    QDir().mkpath(imagesFolder()); // a failure shows in the write's result
    const platform::FileWriteResult saved =
        platform::writeFileAtomically(autoSavePath(shared.nextImageNumber()), picture);
    if (saved)
        return {};
    autoSaveBox_->setChecked(false);
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
    auto pictureData = std::make_unique<QBuffer>(this);
    pictureData->setData(result.body);
    auto movie = std::make_unique<QMovie>(pictureData.get(), QByteArray(), this);
    // What is not an animated picture leaves the shown one alone.
    if (!movie->isValid())
        return;
    dropAnimatedPicture();
    movieData_ = pictureData.release();
    movie_ = movie.release();
    animation_->setMovie(movie_);
    animation_->show();
    animation_->raise();
    movie_->start();
}

void SnapshotWindow::dropAnimatedPicture()
{
    animation_->setMovie(nullptr);
    animation_->hide();
    delete std::exchange(movie_, nullptr);
    delete std::exchange(movieData_, nullptr);
}

void SnapshotWindow::clearStatus()
{
    statusLine_->clear();
}

void SnapshotWindow::switchAutomaticRefresh()
{
    if (!automaticRefreshBox_->isChecked()) {
        refreshTimer_->setEnabled(false);
        refreshTimer_->setInterval(0);
        return;
    }
    // The entry is read here only: a new entry counts when the box is ticked again.
    const RefreshInterval interval = refreshIntervalFrom(intervalBox_->text());
    intervalBox_->setText(interval.entryText);
    refreshTimer_->setEnabled(true);
    refreshTimer_->setInterval(interval.intervalMs);
}

void SnapshotWindow::saveSingleImage()
{
    const QString lastPictureFolder = snapshotWindows().sharedFiles().snapshotTempDir;
    if (lastPictureFolder.isEmpty())
        return;
    const std::optional<QByteArray> picture =
        platform::readFile(lastPictureFolder + QLatin1String(kSnapshotLastPictureName));
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

void SnapshotWindow::restartImageNumbering()
{
    snapshotWindows().sharedFiles().imageCounter = 0;
}

bool SnapshotWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        watchAddressChord(key);
        if (watched == intervalBox_)
            checkIntervalKey(key);
    }
    return ProgramWindow::eventFilter(watched, event);
}

void SnapshotWindow::keyReleaseEvent(QKeyEvent* event)
{
    // Also the releases that a control let through: seeing a key twice changes nothing.
    watchAddressChord(event);
    ProgramWindow::keyReleaseEvent(event);
}

void SnapshotWindow::watchAddressChord(QKeyEvent* event)
{
    if (!event->isAutoRepeat() && addressChord_.keyReleased(event->key()))
        addressBox_->show();
}

void SnapshotWindow::checkIntervalKey(QKeyEvent* event)
{
    if (!isMainKeyboardDigit(*event))
        intervalBox_->clear();
}

// A window closed by the user is gone when it was opened for a node (it deletes itself
// on close), so the close is accepted after the base has hidden the window.
void SnapshotWindow::closeEvent(QCloseEvent* event)
{
    ProgramWindow::closeEvent(event);
    event->accept();
}

// Closing stops the timers and leaves the window as a new one: the next use starts from
// the start state. A fetch still running is dropped. The base gives the Media button back.
void SnapshotWindow::closing()
{
    statusClearTimer_->setEnabled(false);
    statusClearTimer_->setInterval(0);
    refreshTimer_->setEnabled(false);
    refreshTimer_->setInterval(0);
    resetToLoadState();
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
    picture_->clear();
    dropAnimatedPicture();
    automaticRefreshBox_->setChecked(false);
    autoSaveBox_->setChecked(false);
    intervalBox_->clear();
    statusLine_->clear();
    addressBox_->clear();
    addressBox_->hide();
    setWindowTitle(QStringLiteral("Vistrel"));
    addressChord_ = KeyChord(addressChordKeys());
}

void SnapshotWindow::resizeEvent(QResizeEvent* event)
{
    placement_.apply(size());
    ProgramWindow::resizeEvent(event);
}
