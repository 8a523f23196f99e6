// The watcher of started players as the program holds it: a player handed over by its
// starter gets its toolbar button back once its window has closed, on an X server of
// the test's own; the other player's button stays as it is.
#include "Control.h"
#include "FrameWorld.h"
#include "TestWindows.h"
#include "VirtualDisplay.h"
#include "WindowOwner.h"
#include "directory/MainWindow.h"
#include "frame/FrameWindow.h"
#include "frame/PlayerWatcherWindow.h"
#include "frame/ToolbarControl.h"
#include "ui/ToolbarState.h"

#include <QPushButton>
#include <QTest>

using Player = PlayerWindowWatcher::Player;

namespace {

constexpr int kMediaButton = 7;
constexpr int kRealButton = 8;
constexpr ui::ToolbarEntry kMediaEntry = ui::ToolbarEntry::MediaPlayer;
constexpr ui::ToolbarEntry kRealEntry = ui::ToolbarEntry::RealPlayer;
// Real time for the window to go on a busy machine; the wait ends as soon as it has.
constexpr int kPatienceMs = 20000;

// Puts DISPLAY to a display for the object's lifetime.
class DisplayVariable {
public:
    explicit DisplayVariable(const QByteArray& name) : earlier_(qgetenv("DISPLAY")) { qputenv("DISPLAY", name); }
    ~DisplayVariable() { qputenv("DISPLAY", earlier_); }

private:
    QByteArray earlier_;
};

} // namespace

class TestPlayerWatcherWindow : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        watchPlayer(PlayerWindowWatcher::Player::Media, 0);
        watchPlayer(PlayerWindowWatcher::Player::Real, 0);
    }

    void handedOverPlayerGetsItsButtonBack()
    {
        VirtualDisplay display;
        if (!display.isRunning())
            QSKIP(qPrintable(QStringLiteral("no X display for this test: %1").arg(display.failure())));
        DisplayVariable onDisplay(display.name());
        WindowOwner media(display.name());
        QVERIFY2(media.isReady(), qPrintable(media.failure()));
        FrameWorld world;
        FrameWindow& frame = testWindows().frames.frame();
        // As the toolbar leaves them after a Media press that also started RealPlayer
        // earlier.
        for (int button : {kMediaButton, kRealButton})
            control<ToolbarControl>(frame, "Toolbar1")->setButtonImage(button, ToolbarControl::PictureActive);
        ui::toolbarState().setActive(kMediaEntry, true);
        ui::toolbarState().setActive(kRealEntry, true);

        watchPlayer(Player::Media, media.processId());
        QCOMPARE(watchedPlayer(PlayerWindowWatcher::Player::Media), media.processId());
        testWindows().frames.playerWatcher().watcher().start();
        PlayerWatcherWindow& watcherWindow = testWindows().frames.playerWatcher();
        QVERIFY(!watcherWindow.isVisible());
        QVERIFY(watcherWindow.watcher().isRunning());
        QTest::qWait(100);
        QCOMPARE(control<ToolbarControl>(frame, "Toolbar1")->buttonImage(kMediaButton),
                 int(ToolbarControl::PictureActive));

        QVERIFY(media.closeWindow());
        QVERIFY(QTest::qWaitFor([] { return watchedPlayer(PlayerWindowWatcher::Player::Media) == 0; }, kPatienceMs));
        QCOMPARE(control<ToolbarControl>(frame, "Toolbar1")->buttonImage(kMediaButton),
                 int(ToolbarControl::PictureNormal));
        QVERIFY(!ui::toolbarState().isActive(kMediaEntry));
        QCOMPARE(control<ToolbarControl>(frame, "Toolbar1")->buttonImage(kRealButton),
                 int(ToolbarControl::PictureActive));
        QVERIFY(ui::toolbarState().isActive(kRealEntry));
        QVERIFY(QTest::qWaitFor([&] { return !watcherWindow.watcher().isRunning(); }, kPatienceMs));
    }

    // "Go" checks once by hand, with the timer at rest.
    void goChecksOnce()
    {
        FrameWorld world;
        PlayerWatcherWindow& watcherWindow = testWindows().frames.playerWatcher();
        QCOMPARE(watcherWindow.findChild<QPushButton*>("Command1")->text(), QStringLiteral("Go"));
        QCOMPARE(watcherWindow.windowTitle(), QStringLiteral("Program ID Detection"));
        ui::toolbarState().setActive(kRealEntry, true);
        watchPlayer(Player::Real, 999999999); // beyond any process number: gone
        watcherWindow.findChild<QPushButton*>("Command1")->click();
        QCOMPARE(watchedPlayer(PlayerWindowWatcher::Player::Real), 0);
        QVERIFY(!ui::toolbarState().isActive(kRealEntry));
        QVERIFY(!watcherWindow.watcher().isRunning());
    }

    // The main window's hidden key chord is the only thing that shows the window.
    void keyChordShowsTheWindow()
    {
        FrameWorld world;
        MainWindow& main = testWindows().main();
        QVERIFY(!testWindows().frames.playerWatcher.isMade());
        emit main.shellDetectRequested();
        QVERIFY(testWindows().frames.playerWatcher().isVisible());
    }
};

QTEST_MAIN(TestPlayerWatcherWindow)
#include "test_playerwatcherwindow.moc"
