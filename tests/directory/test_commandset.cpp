// The main window's command set as its menu items run it: the window each one shows
// (in the normal state, also after it was minimized), the program it starts or the
// page it opens; the players' process ids; the same action from the main window's
// menu, a secondary window's menu and the toolbar. Connect, Disconnect and Exit have
// tests of their own (test_connect).
#include "Control.h"
#include "FrameWorld.h"
#include "TestWindows.h"
#include "chat/SupportChatWindow.h"
#include "directory/MainWindow.h"
#include "directory/SnapshotWindow.h"
#include "frame/AboutBox.h"
#include "frame/FrameWindow.h"
#include "frame/PlayerWatcherWindow.h"
#include "frame/QuickStartGuide.h"
#include "frame/ToolbarPositions.h"
#include "linkwindows/ServerSettingsWindow.h"
#include "linkwindows/StatusWindow.h"
#include "linkwindows/UserSettingsWindow.h"
#include "tools/LocatorWindow.h"
#include "tools/OptionsWindow.h"
#include "tools/PlayerProgramSettings.h"
#include "tools/PlayerSearchWindow.h"
#include "tools/UpdateWindow.h"
#include "ui/SharedMenuBar.h"
#include "ui/ToolbarState.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QTest>

#include <functional>

namespace {

constexpr int kLeft = 1;

struct WindowCommand {
    const char* item;
    std::function<QWidget&()> window;
    bool opensInNormalState; // a minimized window comes back
};

const QList<WindowCommand>& windowCommands()
{
    static const QList<WindowCommand> table = {
        {"mnuSummary", []() -> QWidget& { return testWindows().tools.locator(); }, true},
        {"mnuSystem", []() -> QWidget& { return testWindows().link.status(); }, true},
        {"mnuWebCam", []() -> QWidget& { return testWindows().snapshot(); }, true},
        {"mnusearch", []() -> QWidget& { return testWindows().tools.playerSearch(); }, true},
        {"mnuOptions", []() -> QWidget& { return testWindows().tools.options(); }, true},
        {"mnuServerSettings", []() -> QWidget& { return testWindows().link.serverSettings(); }, true},
        {"mnuSettings", []() -> QWidget& { return testWindows().link.userSettings(); }, true},
        {"mnuUpdates", []() -> QWidget& { return testWindows().tools.update(); }, true},
        {"mnuAbout", []() -> QWidget& { return testWindows().frames.about(); }, false},
        {"mnuQuickStart", []() -> QWidget& { return testWindows().frames.guide(); }, false},
        {"mnuSupport", []() -> QWidget& { return testWindows().chat.supportChat(); }, false},
    };
    return table;
}

void runMainMenuItem(const char* item)
{
    QAction* action = menuAction(*testWindows().main().menuBar, QString::fromLatin1(item));
    QVERIFY2(action, item);
    QVERIFY2(action->isEnabled(), item);
    action->trigger();
}

void pressToolbarButton(int position)
{
    testWindows().frames.frame().pressToolbar(kLeft, 0, float(toolbarPosition(position).fromTwips), 0);
}

} // namespace

class TestCommandSet : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        watchPlayer(PlayerWindowWatcher::Player::Media, 0);
        watchPlayer(PlayerWindowWatcher::Player::Real, 0);
    }
    void windowCommandShowsItsWindow_data();
    void windowCommandShowsItsWindow();
    void playerCommandStartsTheConfiguredPlayer_data();
    void playerCommandStartsTheConfiguredPlayer();
    void addNewWebcamsOpensItsPage();
    void addNewWebcamsReportsAPageThatCannotOpen();
    void theSameActionRunsFromEveryPlace();
    void aPlayerThatCannotStartKeepsItsIdWithoutABox();
};

void TestCommandSet::windowCommandShowsItsWindow_data()
{
    QTest::addColumn<int>("row");
    for (int row = 0; row < windowCommands().size(); ++row)
        QTest::newRow(windowCommands()[row].item) << row;
}

void TestCommandSet::windowCommandShowsItsWindow()
{
    QFETCH(int, row);
    const WindowCommand& command = windowCommands()[row];
    FrameWorld world;
    QWidget& window = command.window();
    if (command.opensInNormalState) {
        window.show();
        window.setWindowState(Qt::WindowMinimized);
    }

    runMainMenuItem(command.item);

    QVERIFY(window.isVisible());
    QVERIFY(!window.isMinimized());
    if (QByteArray(command.item) == "mnusearch")
        QCOMPARE(control<QLabel>(testWindows().tools.playerSearch(), "Label7")->text(),
                 QStringLiteral("Search for the Real Player"));
    QVERIFY(world.folder().launcher().starts().isEmpty());
    QVERIFY(world.folder().dialogs().messageBoxes().isEmpty());
}

void TestCommandSet::playerCommandStartsTheConfiguredPlayer_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QByteArray>("storedPath"); // empty: the default
    QTest::addColumn<QString>("program");
    QTest::newRow("Media Player") << "mnuMediaPlayer" << QByteArray() << "/usr/bin/vlc";
    QTest::newRow("Real Player") << "mnuRealPlayer" << QByteArray() << "/usr/bin/mpv";
    QTest::newRow("Media Player, stored") << "mnuMediaPlayer" << QByteArray("/opt/fake/media") << "/opt/fake/media";
    QTest::newRow("Real Player, stored") << "mnuRealPlayer" << QByteArray("/opt/fake/stream") << "/opt/fake/stream";
}

void TestCommandSet::playerCommandStartsTheConfiguredPlayer()
{
    QFETCH(QString, item);
    QFETCH(QByteArray, storedPath);
    QFETCH(QString, program);
    FrameWorld world;
    const bool media = item == QStringLiteral("mnuMediaPlayer");
    if (!storedPath.isEmpty())
        world.folder().settings().save("Vistrel", kPlayersSection, media ? "Media Player" : "Stream Player",
                                       storedPath);

    runMainMenuItem(qPrintable(item));

    const auto& starts = world.folder().launcher().starts();
    QCOMPARE(starts.size(), 1);
    QCOMPARE(starts[0].program, program);
    QVERIFY(starts[0].arguments.isEmpty());
    QCOMPARE(media ? watchedPlayer(PlayerWindowWatcher::Player::Media)
                   : watchedPlayer(PlayerWindowWatcher::Player::Real),
             1000);
    QCOMPARE(media ? watchedPlayer(PlayerWindowWatcher::Player::Real)
                   : watchedPlayer(PlayerWindowWatcher::Player::Media),
             0);
}

void TestCommandSet::addNewWebcamsOpensItsPage()
{
    FrameWorld world;
    runMainMenuItem("mnuAddWebCams");
    const QList<QUrl>& pages = world.folder().launcher().pages();
    QCOMPARE(pages.size(), 1);
    QCOMPARE(pages[0].toString(), platform::services().webServerBase + QStringLiteral("/worldwatch.php"));
    QVERIFY(world.folder().dialogs().messageBoxes().isEmpty());
}

void TestCommandSet::addNewWebcamsReportsAPageThatCannotOpen()
{
    FrameWorld world;
    world.folder().launcher().setPagesOpen(false);
    runMainMenuItem("mnuAddWebCams");
    const QStringList boxes = world.folder().dialogs().messageTexts();
    QCOMPARE(boxes.size(), 1);
    QVERIFY2(boxes[0].contains(QStringLiteral("/worldwatch.php")), qPrintable(boxes[0]));
}

// One action per command: the main window's item, a secondary window's item and the
// toolbar button all run it. Each media player start replaces the id kept before.
void TestCommandSet::theSameActionRunsFromEveryPlace()
{
    FrameWorld world;
    runMainMenuItem("mnuMediaPlayer");
    QMenuBar* secondary = testWindows().link.serverSettings().findChild<QMenuBar*>();
    QVERIFY(secondary);
    menuAction(*secondary, QStringLiteral("mnuMediaPlayer"))->trigger();
    pressToolbarButton(kToolbarMediaButton);

    const auto& starts = world.folder().launcher().starts();
    QCOMPARE(starts.size(), 3);
    for (const RecordingLauncher::Start& start : starts)
        QCOMPARE(start.program, QStringLiteral("/usr/bin/vlc"));
    QCOMPARE(watchedPlayer(PlayerWindowWatcher::Player::Media), 1002);
    QVERIFY(testWindows().frames.playerWatcher().watcher().isRunning()); // the toolbar's press watches it

    // The buttons that had no command before run theirs too.
    pressToolbarButton(kToolbarRealButton);
    QCOMPARE(watchedPlayer(PlayerWindowWatcher::Player::Real), 1003);
    pressToolbarButton(15); // About
    QVERIFY(testWindows().frames.about().isVisible());
    QVERIFY(ui::toolbarState().isActive(ui::ToolbarEntry::About));
    pressToolbarButton(9); // Players
    QVERIFY(testWindows().tools.playerSearch().isVisible());
    pressToolbarButton(16); // Update
    QVERIFY(testWindows().tools.update().isVisible());
    QVERIFY(ui::toolbarState().isActive(ui::ToolbarEntry::Update));
}

void TestCommandSet::aPlayerThatCannotStartKeepsItsIdWithoutABox()
{
    FrameWorld world;
    runMainMenuItem("mnuRealPlayer");
    QCOMPARE(watchedPlayer(PlayerWindowWatcher::Player::Real), 1000);
    world.folder().launcher().setStartsSucceed(false);
    runMainMenuItem("mnuRealPlayer");
    pressToolbarButton(kToolbarRealButton);
    QCOMPARE(watchedPlayer(PlayerWindowWatcher::Player::Real), 1000);
    QVERIFY(world.folder().dialogs().messageBoxes().isEmpty());
}

QTEST_MAIN(TestCommandSet)
#include "test_commandset.moc"
