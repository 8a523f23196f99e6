// The snapshot window: fetching and showing a picture, the failure texts and the time
// limit, the refresh interval rules, auto-save numbering, "Save Single Image", the
// hidden address box, closing (also during a fetch) and the View menu's window.
#include "Control.h"
#include "FakeWebServer.h"
#include "FileContent.h"
#include "FrameWorld.h"
#include "TestWindows.h"
#include "directory/MainWindow.h"
#include "directory/SnapshotFiles.h"
#include "directory/SnapshotWindow.h"
#include "directory/SnapshotWindows.h"
#include "frame/FrameWindow.h"
#include "frame/ToolbarControl.h"
#include "platform/Dialogs.h"
#include "platform/OneShotTimer.h"
#include "platform/Services.h"
#include "platform/Timer.h"
#include "platform/Wait.h"
#include "ui/CommandRegistry.h"
#include "ui/SharedMenuBar.h"
#include "ui/ToolbarState.h"

#include <QAction>
#include <QBuffer>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMovie>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

using platform::waitUntil;

namespace {

// The last picture's folder and the auto-save numbers that every snapshot window shares.
SharedSnapshotFiles& sharedFiles()
{
    return snapshotWindows().sharedFiles();
}

const QString kLoaded = QStringLiteral("Image Load Successful");
const QString kNotAPicture = QStringLiteral("Image failed to load please retry..");
const QString kLoadError = QStringLiteral("Error loading image...");

// Every wait of a test ends well within this; waits are scaled too, so this is 10 s.
constexpr int kWaitMs = 1000000;

QByteArray pictureBytes(const char* format, QColor colour, QSize size = {64, 48})
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return buffer.data();
}

// A 1 x 1 GIF: Qt reads GIF but does not write it.
QByteArray gifBytes()
{
    return QByteArray::fromHex(
        "47494638396101000100800000000000ffffff21f90401000000002c00000000010001000002024401003b");
}

// The window's controls, found by their object names.
struct SnapshotControls {
    QLabel* picture;
    QLabel* animation;
    QPushButton* refreshButton;
    QLabel* addressLabel;
    QLineEdit* address;
    QCheckBox* automaticRefresh;
    QLineEdit* interval;
    QCheckBox* autoSave;
    QLabel* statusLine;
    platform::OneShotTimer* statusClearTimer;
    platform::Timer* refreshTimer;
};

SnapshotControls controls(SnapshotWindow& window)
{
    return {window.findChild<QLabel*>("Image1"),         window.findChild<QLabel*>("AniGIF1"),
            window.findChild<QPushButton*>("Command1"),  window.findChild<QLabel*>("Label1"),
            window.findChild<QLineEdit*>("txtURL"),      window.findChild<QCheckBox*>("Check1"),
            window.findChild<QLineEdit*>("Text1"),       window.findChild<QCheckBox*>("chkAutoSave"),
            window.findChild<QLabel*>("Label2"),         window.findChild<platform::OneShotTimer*>("Timer1"),
            window.findChild<platform::Timer*>("Timer3")};
}

// A fresh snapshot window whose address box holds url.
std::unique_ptr<SnapshotWindow> windowFor(const QString& url)
{
    auto window = std::make_unique<SnapshotWindow>();
    window->setAddress(url);
    return window;
}

bool fetchEndsWith(SnapshotWindow& window, const QString& status)
{
    window.refresh();
    return waitUntil([&] { return !window.fetching() && controls(window).statusLine->text() == status; }, kWaitMs);
}

} // namespace

class TestSnapshotWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void pictureIsFetchedAndShown_data();
    void pictureIsFetchedAndShown();
    void failedFetchKeepsThePicture_data();
    void failedFetchKeepsThePicture();
    void notAPictureClearsAfterItsInterval();
    void silentServerEndsAtTheTimeLimit();
    void refreshTickDuringAFetchIsSkipped();
    void refreshInterval_data();
    void refreshInterval();
    void intervalEntryTakesOnlyMainKeyboardDigits();
    void autoSaveNumbersAndReset();
    void autoSaveWithoutImagesFolder();
    void refreshWaitsForTheAutoSaveFailureBox();
    void saveSingleImage();
    void addressChord();
    void closeGivesBackTheMediaButtonAndResets();
    void closeOrDeleteDuringAFetch();
    void animatedPicture();
    void viewMenuShowsTheDefaultWindow();

private:
    std::unique_ptr<FrameWorld> world_;
    std::unique_ptr<FakeWebServer> server_;
    QByteArray jpeg_;
};

void TestSnapshotWindow::cleanup()
{
    server_.reset();
    world_.reset();
}

void TestSnapshotWindow::init()
{
    world_ = std::make_unique<FrameWorld>();
    server_ = std::make_unique<FakeWebServer>();
    jpeg_ = pictureBytes("JPG", Qt::darkCyan);
    server_->serve("/cam.jpg", 200, jpeg_);
    server_->serve("/junk", 200, QByteArray("<html>no picture here</html>").repeated(20));
    server_->serve("/gone.jpg", 404, "Not Found");
    server_->serveSilently("/silent.jpg");
    snapshotWindows() = SnapshotWindows();
    ui::toolbarState() = {};
}

void TestSnapshotWindow::pictureIsFetchedAndShown_data()
{
    QTest::addColumn<QByteArray>("picture");
    QTest::newRow("JPEG") << pictureBytes("JPG", Qt::red);
    QTest::newRow("PNG") << pictureBytes("PNG", Qt::green);
    QTest::newRow("BMP") << pictureBytes("BMP", Qt::blue);
    QTest::newRow("GIF") << gifBytes();
}

void TestSnapshotWindow::pictureIsFetchedAndShown()
{
    QFETCH(QByteArray, picture);
    server_->serve("/picture", 200, picture);
    const auto window = windowFor(server_->url("/picture"));

    window->refresh();
    QCOMPARE(controls(*window).statusLine->text(), QStringLiteral("Trying to connect to Webcam..."));
    QVERIFY(waitUntil([&] { return controls(*window).statusLine->text() == kLoaded; }, kWaitMs));

    QImage expected;
    QVERIFY(expected.loadFromData(picture));
    QCOMPARE(controls(*window).picture->pixmap().size(), expected.size());
    QVERIFY(!sharedFiles().snapshotTempDir.isEmpty());
    QVERIFY(!sharedFiles().snapshotTempDir.startsWith(world_->folder().path()));
    QCOMPARE(fileContent(sharedFiles().snapshotTempDir + "dummy.jpg"), picture);
    QVERIFY(!QFile::exists(sharedFiles().snapshotTempDir + "dummy"));
}

void TestSnapshotWindow::failedFetchKeepsThePicture_data()
{
    QTest::addColumn<QByteArray>("path"); // empty: an empty address
    QTest::addColumn<QString>("status");
    QTest::newRow("empty address") << QByteArray() << kLoadError;
    QTest::newRow("404") << QByteArray("/gone.jpg") << kLoadError;
    QTest::newRow("not an HTTP address") << QByteArray("file:///etc/hostname") << kLoadError;
    QTest::newRow("junk") << QByteArray("/junk") << kNotAPicture;
}

void TestSnapshotWindow::failedFetchKeepsThePicture()
{
    QFETCH(QByteArray, path);
    QFETCH(QString, status);
    const auto window = windowFor(server_->url("/cam.jpg"));
    QVERIFY(fetchEndsWith(*window, kLoaded));
    const QImage shown = controls(*window).picture->pixmap().toImage();
    const QString lastPictureDir = sharedFiles().snapshotTempDir;

    window->setAddress(path.isEmpty() || path.contains(':') ? QString::fromLatin1(path) : server_->url(path));
    QVERIFY(fetchEndsWith(*window, status));

    QCOMPARE(controls(*window).picture->pixmap().toImage(), shown);
    QCOMPARE(sharedFiles().snapshotTempDir, lastPictureDir);
    QCOMPARE(fileContent(sharedFiles().snapshotTempDir + "dummy.jpg"), jpeg_);
}

void TestSnapshotWindow::notAPictureClearsAfterItsInterval()
{
    const auto window = windowFor(server_->url("/junk"));
    QVERIFY(fetchEndsWith(*window, kNotAPicture));
    QVERIFY(controls(*window).statusClearTimer->isEnabled());
    QCOMPARE(controls(*window).statusClearTimer->interval(), SnapshotWindow::kFailedStatusMs);
    QVERIFY(waitUntil([&] { return controls(*window).statusLine->text().isEmpty(); }, kWaitMs));
    QVERIFY(!controls(*window).statusClearTimer->isEnabled());
    QCOMPARE(controls(*window).statusClearTimer->interval(), 0);
}

void TestSnapshotWindow::silentServerEndsAtTheTimeLimit()
{
    const auto window = windowFor(server_->url("/silent.jpg"));
    QElapsedTimer clock;
    clock.start();
    QVERIFY(fetchEndsWith(*window, kLoadError));
    const double limitMs = SnapshotWindow::kFetchLimitMs * FrameWorld::kTimeScale;
    QVERIFY2(clock.elapsed() >= limitMs * 0.9, qPrintable(QString::number(clock.elapsed())));
    QVERIFY2(clock.elapsed() < limitMs * 10, qPrintable(QString::number(clock.elapsed())));
}

void TestSnapshotWindow::refreshTickDuringAFetchIsSkipped()
{
    const auto window = windowFor(server_->url("/silent.jpg"));
    controls(*window).interval->setText("1");
    controls(*window).automaticRefresh->setChecked(true);
    // Ticks come every 10 ms at the test's time scale, while one fetch waits 300 ms.
    QSignalSpy ticks(controls(*window).refreshTimer, &platform::Timer::tick);
    QVERIFY(waitUntil([&] { return ticks.count() >= 5; }, kWaitMs));
    QVERIFY(window->fetching());
    QCOMPARE(server_->requests().size(), 1);
    QVERIFY(waitUntil([&] { return server_->requests().size() >= 2; }, kWaitMs));
    controls(*window).automaticRefresh->setChecked(false);
    QVERIFY(!controls(*window).refreshTimer->isEnabled());
    QCOMPARE(controls(*window).refreshTimer->interval(), 0);
}

void TestSnapshotWindow::refreshInterval_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("intervalMs");
    QTest::newRow("above the maximum") << "75"
                                       << "60" << 60000;
    QTest::newRow("the maximum") << "60"
                                 << "60" << 60000;
    QTest::newRow("zero") << "0"
                          << "1" << 1000;
    QTest::newRow("empty") << ""
                           << "1" << 1000;
    QTest::newRow("in range") << "7"
                              << "7" << 7000;
    QTest::newRow("leading number") << "5s"
                                    << "5s" << 5000;
    QTest::newRow("no number") << "x"
                               << "1" << 1000;
    QTest::newRow("negative") << "-3"
                              << "1" << 1000;
}

void TestSnapshotWindow::refreshInterval()
{
    QFETCH(QString, entry);
    QFETCH(QString, shown);
    QFETCH(int, intervalMs);
    const auto window = windowFor(server_->url("/cam.jpg"));
    controls(*window).interval->setText(entry);
    controls(*window).automaticRefresh->setChecked(true);
    QCOMPARE(controls(*window).interval->text(), shown);
    QVERIFY(controls(*window).refreshTimer->isEnabled());
    QCOMPARE(controls(*window).refreshTimer->interval(), intervalMs);
}

void TestSnapshotWindow::intervalEntryTakesOnlyMainKeyboardDigits()
{
    const auto window = windowFor({});
    window->show();
    QTest::keyClick(controls(*window).interval, Qt::Key_7);
    QTest::keyClick(controls(*window).interval, Qt::Key_5);
    QCOMPARE(controls(*window).interval->text(), QStringLiteral("75"));
    QTest::keyClick(controls(*window).interval, Qt::Key_A);
    QCOMPARE(controls(*window).interval->text(), QString());
    QTest::keyClick(controls(*window).interval, Qt::Key_4, Qt::KeypadModifier);
    QCOMPARE(controls(*window).interval->text(), QString());
    QTest::keyClick(controls(*window).interval, Qt::Key_3);
    QTest::keyClick(controls(*window).interval, Qt::Key_Backspace);
    QCOMPARE(controls(*window).interval->text(), QString());
}

void TestSnapshotWindow::autoSaveNumbersAndReset()
{
    QVERIFY(QDir(world_->folder().path()).mkdir("images"));
    const auto window = windowFor(server_->url("/cam.jpg"));
    controls(*window).autoSave->setChecked(true);
    for (int fetch = 1; fetch <= 3; ++fetch)
        QVERIFY(fetchEndsWith(*window, kLoaded));
    const QString images = world_->folder().filePath("images/");
    for (const char* name : {"Img1.jpg", "Img2.jpg", "Img3.jpg"})
        QCOMPARE(fileContent(images + name), jpeg_);
    QVERIFY(!QFile::exists(images + "Img4.jpg"));

    // Junk is not numbered; after "< Reset" the next picture replaces Img1.jpg.
    window->setAddress(server_->url("/junk"));
    QVERIFY(fetchEndsWith(*window, kNotAPicture));
    const QByteArray other = pictureBytes("JPG", Qt::yellow);
    server_->serve("/cam.jpg", 200, other);
    window->setAddress(server_->url("/cam.jpg"));
    window->restartImageNumbering();
    QVERIFY(fetchEndsWith(*window, kLoaded));
    QCOMPARE(fileContent(images + "Img1.jpg"), other);
    QCOMPARE(fileContent(images + "Img2.jpg"), jpeg_);
    QCOMPARE(QDir(images).entryList(QDir::Files).size(), 3);
    QVERIFY(world_->folder().dialogs().messageBoxes().isEmpty());
}

void TestSnapshotWindow::autoSaveWithoutImagesFolder()
{
    // A missing "images" folder is made.
    const auto window = windowFor(server_->url("/cam.jpg"));
    controls(*window).autoSave->setChecked(true);
    QVERIFY(fetchEndsWith(*window, kLoaded));
    QCOMPARE(fileContent(world_->folder().filePath("images/Img1.jpg")), jpeg_);
    QVERIFY(world_->folder().dialogs().messageBoxes().isEmpty());

    // One that cannot be made (a file has its name): the failure shows once, and Auto
    // Save is unticked so the next refreshes show no box. The failed number is used up.
    QVERIFY(QDir(world_->folder().filePath("images")).removeRecursively());
    world_->writeProgramFile(QStringLiteral("images"), "a file");
    QVERIFY(fetchEndsWith(*window, kLoaded));
    QCOMPARE(world_->folder().dialogs().messageTexts(), QStringList{QStringLiteral("Path not found    76")});
    QVERIFY(!controls(*window).autoSave->isChecked());
    QVERIFY(!controls(*window).picture->pixmap().isNull());
    QCOMPARE(sharedFiles().imageCounter, 2);
    QVERIFY(fetchEndsWith(*window, kLoaded));
    QCOMPARE(world_->folder().dialogs().messageTexts().size(), 1);
    QCOMPARE(sharedFiles().imageCounter, 2);
}

namespace {

// Message boxes that stay up for a while without blocking, as a real one does.
class LingeringDialogs final : public platform::Dialogs {
public:
    explicit LingeringDialogs(const FakeWebServer& server) : server_(server) {}

    int shown = 0;
    bool up = false;
    qsizetype requestsWhileUp = 0; // fetches that began while the first box was up

protected:
    platform::MessageAnswer showMessageBox(const platform::MessageBoxRequest&) override
    {
        ++shown;
        return platform::MessageAnswer::Ok;
    }
    void openMessageBox(const platform::MessageBoxRequest&, AnswerHandler answered) override
    {
        ++shown;
        up = true;
        const qsizetype before = server_.requests().size();
        // About 30 refresh ticks at the tests' time scale.
        QTimer::singleShot(300, &context_, [this, before, answered = std::move(answered)] {
            requestsWhileUp += server_.requests().size() - before;
            up = false;
            answered(platform::MessageAnswer::Ok);
        });
    }
    QString showInputBox(const platform::InputBoxRequest&) override { return {}; }
    QString showSaveFileDialog(const platform::SaveFileRequest&) override { return {}; }

private:
    const FakeWebServer& server_;
    QObject context_;
};

} // namespace

// With a refresh every second and an "images" folder that cannot be made, the first
// fetch reports its failed auto-save; while that box is up the refresh starts no
// further fetches, and after it the refreshes go on without boxes.
void TestSnapshotWindow::refreshWaitsForTheAutoSaveFailureBox()
{
    world_->writeProgramFile(QStringLiteral("images"), "a file");
    LingeringDialogs lingering(*server_);
    platform::Services replaced = platform::services();
    replaced.dialogs = &lingering;
    const platform::ScopedServices installed(replaced);
    const auto window = windowFor(server_->url("/cam.jpg"));
    controls(*window).autoSave->setChecked(true);
    controls(*window).interval->setText("1");
    controls(*window).automaticRefresh->setChecked(true);

    QVERIFY(waitUntil([&] { return lingering.shown >= 1 && !lingering.up; }, kWaitMs));
    const qsizetype afterTheBox = server_->requests().size();
    QVERIFY(waitUntil([&] { return server_->requests().size() >= afterTheBox + 2 && !window->fetching(); }, kWaitMs));
    controls(*window).automaticRefresh->setChecked(false);
    QCOMPARE(lingering.shown, 1);
    QCOMPARE(lingering.requestsWhileUp, 0);
}

void TestSnapshotWindow::saveSingleImage()
{
    ScriptedDialogs& dialogs = world_->folder().dialogs();
    const auto first = windowFor(server_->url("/cam.jpg"));

    // Nothing downloaded yet: no dialog, nothing saved.
    first->saveSingleImage();
    QVERIFY(dialogs.saveFileDialogs().isEmpty());

    QVERIFY(fetchEndsWith(*first, kLoaded));
    // The last picture of any window is saved: here the second window's.
    const QByteArray second = pictureBytes("PNG", Qt::magenta);
    server_->serve("/second.png", 200, second);
    const auto other = windowFor(server_->url("/second.png"));
    QVERIFY(fetchEndsWith(*other, kLoaded));

    dialogs.queueSaveFileName(world_->folder().filePath("shot"));
    first->saveSingleImage();
    QCOMPARE(dialogs.saveFileDialogs().size(), 1);
    QCOMPARE(dialogs.saveFileDialogs()[0].filter, QStringLiteral("All Files (*.jpg)"));
    QCOMPARE(dialogs.saveFileDialogs()[0].initialName, world_->folder().filePath("images") + '/');
    QCOMPARE(fileContent(world_->folder().filePath("shot.jpg")), second);

    // Cancel saves nothing; a file that cannot be written is reported.
    first->saveSingleImage();
    QCOMPARE(QDir(world_->folder().path()).entryList({"*.jpg"}, QDir::Files).size(), 1);
    dialogs.queueSaveFileName(world_->folder().filePath("missing/shot.jpg"));
    first->saveSingleImage();
    QCOMPARE(dialogs.messageTexts(), QStringList{QStringLiteral("Path not found    76")});
}

void TestSnapshotWindow::addressChord()
{
    const auto window = windowFor({});
    window->show();
    QVERIFY(!controls(*window).address->isVisible());
    // Another key between the chord's keys clears them.
    for (Qt::Key key : {Qt::Key_Control, Qt::Key_Alt, Qt::Key_B, Qt::Key_Shift, Qt::Key_U})
        QTest::keyRelease(controls(*window).interval, key);
    QVERIFY(!controls(*window).address->isVisible());
    for (Qt::Key key : {Qt::Key_U, Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt})
        QTest::keyRelease(controls(*window).refreshButton, key);
    QVERIFY(controls(*window).address->isVisible());
    QVERIFY(!controls(*window).addressLabel->isVisible());
}

void TestSnapshotWindow::closeGivesBackTheMediaButtonAndResets()
{
    ToolbarControl& toolbar = *control<ToolbarControl>(testWindows().frames.frame(), "Toolbar1");
    toolbar.setButtonImage(7, ToolbarControl::PictureActive);
    ui::toolbarState().setActive(ui::ToolbarEntry::MediaPlayer, true);
    const auto window = windowFor(server_->url("/cam.jpg"));
    window->setWindowTitle("Harbour cam NoStream");
    window->show();
    QVERIFY(fetchEndsWith(*window, kLoaded));
    controls(*window).autoSave->setChecked(true);
    controls(*window).interval->setText("9");
    controls(*window).automaticRefresh->setChecked(true);

    window->close();

    QVERIFY(!window->isVisible());
    QCOMPARE(toolbar.buttonImage(7), int(ToolbarControl::PictureNormal));
    QVERIFY(!ui::toolbarState().isActive(ui::ToolbarEntry::MediaPlayer));
    QVERIFY(!controls(*window).refreshTimer->isEnabled());
    QCOMPARE(controls(*window).refreshTimer->interval(), 0);
    QVERIFY(!controls(*window).statusClearTimer->isEnabled());
    QVERIFY(!controls(*window).automaticRefresh->isChecked());
    QVERIFY(!controls(*window).autoSave->isChecked());
    QVERIFY(controls(*window).interval->text().isEmpty());
    QVERIFY(controls(*window).address->text().isEmpty());
    QVERIFY(controls(*window).statusLine->text().isEmpty());
    QVERIFY(controls(*window).picture->pixmap().isNull());
    QCOMPARE(window->windowTitle(), QStringLiteral("Vistrel"));
}

void TestSnapshotWindow::closeOrDeleteDuringAFetch()
{
    auto deleted = windowFor(server_->url("/silent.jpg"));
    deleted->refresh();
    QVERIFY(waitUntil([&] { return !server_->requests().isEmpty(); }, kWaitMs));
    deleted.reset();

    auto closed = windowFor(server_->url("/silent.jpg"));
    closed->show();
    closed->refresh();
    QVERIFY(closed->fetching());
    closed->close();
    QVERIFY(!closed->fetching());

    // Past the time limit nothing of the dropped fetches reaches the closed window.
    QTest::qWait(int(SnapshotWindow::kFetchLimitMs * FrameWorld::kTimeScale * 2));
    QVERIFY(controls(*closed).statusLine->text().isEmpty());

    // The closed window fetches again at once.
    closed->setAddress(server_->url("/cam.jpg"));
    QVERIFY(fetchEndsWith(*closed, kLoaded));
}

void TestSnapshotWindow::animatedPicture()
{
    server_->serve("/anim.gif", 200, gifBytes());
    const auto window = windowFor({});
    window->show();
    window->loadAnimatedPicture(server_->url("/anim.gif"));
    QVERIFY(waitUntil([&] { return controls(*window).animation->isVisible(); }, kWaitMs));
    QVERIFY(controls(*window).animation->movie() && controls(*window).animation->movie()->isValid());

    // Junk leaves the shown animation alone.
    window->loadAnimatedPicture(server_->url("/junk"));
    QTest::qWait(100);
    QVERIFY(controls(*window).animation->isVisible());
}

void TestSnapshotWindow::viewMenuShowsTheDefaultWindow()
{
    MainWindow& main = testWindows().main();
    auto* item = menuAction(*main.menuBar, QStringLiteral("mnuWebCam"));
    QVERIFY(item && item->isEnabled());
    item->trigger();
    SnapshotWindow& window = testWindows().snapshot();
    QVERIFY(window.isVisible());
    QCOMPARE(window.windowTitle(), QStringLiteral("Vistrel"));
    QVERIFY(controls(window).address->text().isEmpty());
    QVERIFY(!controls(window).automaticRefresh->isChecked());

    // Closed, it is the same window in its start state the next time.
    controls(window).interval->setText("5");
    window.close();
    main.showSnapshotWindow();
    QVERIFY(&testWindows().snapshot() == &window && window.isVisible());
    QVERIFY(controls(window).interval->text().isEmpty());
}

QTEST_MAIN(TestSnapshotWindow)
#include "test_snapshotwindow.moc"
