// The Connect, Disconnect and Exit commands against a fake reflector on real sockets:
// the logout's exact bytes, the tree and the menus and toolbar they switch, the
// failures of the logout, and the end of the program within its limits whatever the
// reflector does. The login and the tree loaders are replaced by steps that leave
// what they would leave (flags, nodes).
#include "Control.h"
#include "FakeReflector.h"
#include "FrameWorld.h"
#include "RealTimeWait.h"
#include "RefusingPort.h"
#include "SessionSettled.h"
#include "StallingPort.h"
#include "TestWindows.h"
#include "common/SeenRepliesCache.h"
#include "directory/ConnectCommands.h"
#include "directory/MainWindow.h"
#include "directory/ShutDown.h"
#include "frame/FrameWindow.h"
#include "frame/ToolbarControl.h"
#include "frame/ToolbarPositions.h"
#include "link/ReflectorSession.h"
#include "link/TrafficCipher.h"
#include "linkwindows/ServerSettingsWindow.h"
#include "linkwindows/StatusWindow.h"
#include "linkwindows/UserSettingsWindow.h"
#include "platform/OneShotTimer.h"
#include "platform/Wait.h"
#include "tools/LocatorWindow.h"
#include "tools/OptionsWindow.h"
#include "tools/PlayerSearchWindow.h"
#include "tools/RestrictedTopicsFrame.h"
#include "tools/UpdateWindow.h"
#include "ui/CommandRegistry.h"
#include "ui/PanelStatusBar.h"
#include "ui/SharedMenuBar.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTest>
#include <QTreeWidget>

#include <algorithm>

namespace {

enum class Reflector { Silent, Refusing, Closing, Stalling };

// The menus and toolbar as Connect (true) or Disconnect (false) leaves them.
bool inConnectedState()
{
    ToolbarControl& toolbar = *control<ToolbarControl>(testWindows().frames.frame(), "Toolbar1");
    const bool connected =
        !ui::commands().action(ui::command::kConnect)->isEnabled() && !toolbar.isButtonEnabled(kToolbarConnectButton);
    const bool disconnected = !ui::commands().action(ui::command::kDisconnect)->isEnabled()
        && !toolbar.isButtonEnabled(kToolbarDisconnectButton);
    if (connected == disconnected)
        qFatal("the menus and the toolbar disagree");
    return connected;
}

QByteArray status()
{
    return testWindows().main().statusBar->panelText(1);
}

bool passwordBoxesEnabled()
{
    return testWindows().tools.options().passwordBoxesEnabled();
}

void addNodes(const QStringList& texts)
{
    for (const QString& text : texts)
        testWindows().main().directoryTree->addTopLevelItem(new QTreeWidgetItem(QStringList{text}));
}

QStringList topLevelTexts()
{
    QStringList texts;
    QTreeWidget& tree = *testWindows().main().directoryTree;
    for (int i = 0; i < tree.topLevelItemCount(); ++i)
        texts << tree.topLevelItem(i)->text(0);
    return texts;
}

void writeSeenRepliesCache()
{
    QFile cache(seenRepliesCachePath());
    QVERIFY(cache.open(QIODevice::WriteOnly));
    cache.write("seen");
}

// The seven windows that carry the secondary menu bar, by their captions.
struct SecondaryWindow {
    const char* caption;
    QWidget& (*window)();
};

const QList<SecondaryWindow> kSecondaryWindows = {
    {"Server Settings", []() -> QWidget& { return testWindows().link.serverSettings(); }},
    {"User Settings", []() -> QWidget& { return testWindows().link.userSettings(); }},
    {"System Status", []() -> QWidget& { return testWindows().link.status(); }},
    {"Program Options", []() -> QWidget& { return testWindows().tools.options(); }},
    {"Search for Media Players", []() -> QWidget& { return testWindows().tools.playerSearch(); }},
    {"WebCam Locator", []() -> QWidget& { return testWindows().tools.locator(); }},
    {"Check for Updated Version", []() -> QWidget& { return testWindows().tools.update(); }},
};

// The options window's restricted-topics controls that its own File items switch
// besides the password boxes.
QList<QWidget*> restrictedTopicControls()
{
    const RestrictedTopicsFrame& frame = *control<RestrictedTopicsFrame>(testWindows().tools.options(), "Frame2");
    return {control<QPushButton>(frame, "Command1"),
            control<QPushButton>(frame, "Command3"),
            control<QPushButton>(frame, "Command2"),
            control<QPushButton>(frame, "Command4"),
            control<RestrictedTopicChoiceBox>(frame, "Combo1"),
            control<QListWidget>(frame, "List1")};
}

bool allEnabled(const QList<QWidget*>& controls)
{
    return std::ranges::all_of(controls, [](const QWidget* control) { return control->isEnabled(); });
}

} // namespace

// Each test gets a frame and main window in a temporary program folder and a fake
// reflector whose port is in the port box; the last login "reached" it (a test that
// logs out marks the session logged in, as that login would have).
class TestConnect : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void disconnectSendsExactlyTheLogoutAndClearsTheTree_data();
    void disconnectSendsExactlyTheLogoutAndClearsTheTree();
    void disconnectReopensASocketLeftOpen();
    void disconnectThatCannotSendKeepsTheConnectedState_data();
    void disconnectThatCannotSendKeepsTheConnectedState();
    void disconnectWithNothingToLogOutFrom_data();
    void disconnectWithNothingToLogOutFrom();
    void exitEndsWithinItsLimit_data();
    void exitEndsWithinItsLimit();
    void connectOutcomes_data();
    void connectOutcomes();
    void connectWithIconsSwitchedOff();
    void iconsLoadFromTheEventLoop_data();
    void iconsLoadFromTheEventLoop();
    void retryLoginRunsConnect();
    void retryInsideTheRejectionWindowLogsInAfterIt_data();
    void retryInsideTheRejectionWindowLogsInAfterIt();
    void toolbarDisconnect();
    void secondaryMenuBar();
    void disconnectLeavesTheLocatorOnlyFromASecondaryWindow_data();
    void disconnectLeavesTheLocatorOnlyFromASecondaryWindow();
    void secondaryWindowFileMenus_data();
    void secondaryWindowFileMenus();

private:
    void setUpReflector(Reflector kind);
    std::optional<FrameWorld> world_;
    std::optional<FakeReflector> reflector_;
    std::optional<StallingPort> stalling_;
};

void TestConnect::init()
{
    reflectorSession().state().loggedIn = reflectorSession().state().connectFailed =
        reflectorSession().state().encryptTraffic = false;
    world_.emplace();
    reflector_.emplace();
    QVERIFY(reflector_->listen());
    reflectorSession().state().reflectorAddress = "127.0.0.1";
    control<QLineEdit>(testWindows().link.serverSettings(), "txtPort")->setText(QString::number(reflector_->port()));
    testWindows().main();
}

void TestConnect::cleanup()
{
    world_.reset();
    reflector_.reset();
    stalling_.reset();
    reflectorSession().state().encryptTraffic = false;
}

void TestConnect::setUpReflector(Reflector kind)
{
    switch (kind) {
    case Reflector::Silent: break;
    case Reflector::Refusing: reflector_->stopListening(); break;
    case Reflector::Closing: reflector_->setCloseOnAccept(true); break;
    case Reflector::Stalling:
        stalling_.emplace();
        QVERIFY(stalling_->port() != 0);
        control<QLineEdit>(testWindows().link.serverSettings(), "txtPort")->setText(QString::number(stalling_->port()));
        break;
    }
}

void TestConnect::disconnectSendsExactlyTheLogoutAndClearsTheTree_data()
{
    QTest::addColumn<bool>("enciphered");
    QTest::addColumn<QByteArray>("clearText");
    QTest::newRow("plain") << false << QByteArray("DeleteConnection*/");
    QTest::newRow("enciphered") << true << QByteArray("DeleteConnection*/203.0.113.7");
}

// Also with a socket left failed by an earlier connect: its error decides nothing.
void TestConnect::disconnectSendsExactlyTheLogoutAndClearsTheTree()
{
    QFETCH(bool, enciphered);
    QFETCH(QByteArray, clearText);
    reflectorSession().state().encryptTraffic = enciphered;
    reflector_->setEnciphered(enciphered);
    control<QLineEdit>(testWindows().link.userSettings(), "txtIPAddress")->setText(QStringLiteral("203.0.113.7"));
    reflectorSession().state().loggedIn = true;
    RefusingPort refusing;
    platform::SocketControl& socket = reflectorSession().connection().socket();
    QVERIFY(socket.connectToHost(QStringLiteral("127.0.0.1"), refusing.port()).ok());
    QVERIFY(waitRealTime([&] { return socket.state() == platform::SocketControl::State::Error; }, 5000));
    showConnectedState(true);
    addNodes({"Internet"});
    testWindows().tools.options().setPasswordBoxesEnabled(true);
    writeSeenRepliesCache();

    testWindows().main().disconnectFromReflector();
    QVERIFY(sessionSettled());

    QVERIFY(!reflectorSession().state().loggedIn);
    QCOMPARE(testWindows().main().directoryTree->topLevelItemCount(), 0);
    QVERIFY(!passwordBoxesEnabled());
    QVERIFY(!QFile::exists(seenRepliesCachePath()));
    QVERIFY(!inConnectedState());
    QCOMPARE(status(), QByteArray("Disconnected from Reflector Server..."));
    QCOMPARE(testWindows().link.status().logText(),
             QByteArray("Sending disconnect request to Reflector...\r\n"
                        "Sending disconnect request to Reflector Successfull...\r\n"
                        "Disconnect from Server...\r\n"));
    QTRY_COMPARE(reflector_->requests().size(), 1);
    QCOMPARE(reflector_->requests()[0].received, logoutOnWire(enciphered, "203.0.113.7").text);
    QCOMPARE(reflector_->requestTexts(), QList<QByteArray>{clearText});
    QCOMPARE(reflector_->connections().size(), 1);
    QVERIFY(!reflectorSession().logoutConnectLimit().isEnabled());
}

void TestConnect::disconnectReopensASocketLeftOpen()
{
    reflectorSession().state().loggedIn = true;
    platform::SocketControl& socket = reflectorSession().connection().socket();
    socket.connectToHost(QStringLiteral("127.0.0.1"), reflector_->port());
    QVERIFY(waitRealTime([&] { return socket.state() == platform::SocketControl::State::Connected; }, 5000));

    testWindows().main().disconnectFromReflector();
    QVERIFY(sessionSettled());

    QCOMPARE(status(), QByteArray("Disconnected from Reflector Server..."));
    QTRY_COMPARE(reflector_->requestTexts(), QList<QByteArray>{"DeleteConnection*/"});
    QCOMPARE(reflector_->connections().size(), 2);
    QCOMPARE(reflector_->requests()[0].connection, 1);
}

void TestConnect::disconnectThatCannotSendKeepsTheConnectedState_data()
{
    QTest::addColumn<Reflector>("reflector");
    QTest::addColumn<QByteArray>("statusText");
    QTest::addColumn<QByteArray>("lastLogLine");
    const QByteArray sending = "Sending disconnect request to Reflector...";
    const QByteArray failed = "Sending disconnect request to Reflector failed...";
    QTest::newRow("refusing") << Reflector::Refusing << QByteArray("Disconnected") << sending;
    QTest::newRow("stalling") << Reflector::Stalling << failed << failed;
}

void TestConnect::disconnectThatCannotSendKeepsTheConnectedState()
{
    QFETCH(Reflector, reflector);
    QFETCH(QByteArray, statusText);
    QFETCH(QByteArray, lastLogLine);
    setUpReflector(reflector);
    reflectorSession().state().loggedIn = true;
    showConnectedState(true);
    addNodes({"Internet"});
    writeSeenRepliesCache();

    testWindows().main().disconnectFromReflector();
    QVERIFY(sessionSettled());

    // The local state is torn down; the menus still offer Disconnect again.
    QVERIFY(!reflectorSession().state().loggedIn);
    QCOMPARE(testWindows().main().directoryTree->topLevelItemCount(), 0);
    QVERIFY(!QFile::exists(seenRepliesCachePath()));
    QVERIFY(inConnectedState());
    QCOMPARE(status(), statusText);
    QVERIFY(testWindows().link.status().logText().endsWith(lastLogLine + "\r\n"));
    QVERIFY(!reflectorSession().logoutConnectLimit().isEnabled());
    QVERIFY(reflector_->requests().isEmpty());

    // The logout is still owed: once a reflector answers, Disconnect sends it.
    FakeReflector answering;
    QVERIFY(answering.listen());
    control<QLineEdit>(testWindows().link.serverSettings(), "txtPort")->setText(QString::number(answering.port()));
    testWindows().main().disconnectFromReflector();
    QVERIFY(sessionSettled());
    QVERIFY(!inConnectedState());
    QTRY_COMPARE(answering.requestTexts(), QList<QByteArray>{"DeleteConnection*/"});
}

void TestConnect::disconnectWithNothingToLogOutFrom_data()
{
    QTest::addColumn<bool>("loggedIn");
    QTest::addColumn<QByteArray>("reflectorAddress");
    QTest::newRow("before any login") << false << QByteArray();
    QTest::newRow("after a Connect that reached no reflector") << false << QByteArray("127.0.0.1");
    QTest::newRow("no reflector address") << true << QByteArray();
}

// Nothing is sent, and the menus and toolbar go back to the disconnected state.
void TestConnect::disconnectWithNothingToLogOutFrom()
{
    QFETCH(bool, loggedIn);
    QFETCH(QByteArray, reflectorAddress);
    reflectorSession().state().loggedIn = loggedIn;
    reflectorSession().state().reflectorAddress = reflectorAddress;
    showConnectedState(true);
    addNodes({"Internet"});
    writeSeenRepliesCache();

    testWindows().main().disconnectFromReflector();

    QVERIFY(!inConnectedState());
    QVERIFY(!reflectorSession().state().loggedIn);
    QCOMPARE(testWindows().main().directoryTree->topLevelItemCount(), 0);
    QVERIFY(!QFile::exists(seenRepliesCachePath()));
    QCOMPARE(status(), QByteArray("Disconnected"));
    QVERIFY(!reflectorSession().logoutConnectLimit().isEnabled());
    QVERIFY(world_->folder().dialogs().messageTexts().isEmpty());
    QTest::qWait(100);
    QVERIFY(reflector_->connections().isEmpty());
}

void TestConnect::exitEndsWithinItsLimit_data()
{
    QTest::addColumn<Reflector>("reflector");
    QTest::addColumn<bool>("fromSecondaryWindow");
    for (bool secondary : {false, true}) {
        const char* from = secondary ? "secondary window" : "main window";
        QTest::addRow("%s, silent", from) << Reflector::Silent << secondary;
        QTest::addRow("%s, refusing", from) << Reflector::Refusing << secondary;
        QTest::addRow("%s, closing", from) << Reflector::Closing << secondary;
        QTest::addRow("%s, stalling", from) << Reflector::Stalling << secondary;
    }
}

void TestConnect::exitEndsWithinItsLimit()
{
    QFETCH(Reflector, reflector);
    QFETCH(bool, fromSecondaryWindow);
    reflectorSession().state().loggedIn = true;
    setUpReflector(reflector);
    // The connect limit, the send limit and the end's own wait, at the tests' time scale.
    const int limitMs = int((kLogoutConnectLimitMs + kLogoutSendLimitMs + 5000) * FrameWorld::kTimeScale);

    QElapsedTimer clock;
    clock.start();
    if (fromSecondaryWindow)
        exitWithoutWaiting(testWindows().main());
    else
        testWindows().main().exitProgram();

    QTRY_COMPARE_WITH_TIMEOUT(world_->folder().endProcessCalls(), QList<int>{0}, limitMs + 1000);
    QVERIFY2(clock.elapsed() < limitMs + 1000, qPrintable(QString::number(clock.elapsed())));
    if (reflector == Reflector::Silent)
        QTRY_COMPARE(reflector_->requestTexts(), QList<QByteArray>{"DeleteConnection*/"});
}

void TestConnect::connectOutcomes_data()
{
    QTest::addColumn<CommandOrigin>("origin");
    QTest::addColumn<bool>("loggedIn");
    QTest::addColumn<bool>("connectFailed");
    QTest::addColumn<QList<QByteArray>>("statuses"); // at the login, at each loader, at the end
    QTest::addColumn<QStringList>("boxes");
    const QByteArray mainLogin = "Logging into Larkspire Server...";
    const QStringList noBox;
    QTest::newRow("logged in") << CommandOrigin::MainWindow << true << false
                               << QList<QByteArray>{mainLogin, "Loading icons...", "Building Nodes...",
                                                    "Login Successful..."}
                               << noBox;
    QTest::newRow("logged in, secondary window")
        << CommandOrigin::SecondaryWindow << true << false
        << QList<QByteArray>{"Logging into Reflector Server...", "Loading icons...", "Building Nodes...",
                             "Login Successful..."}
        << noBox;
    QTest::newRow("connect failed") << CommandOrigin::MainWindow << true << true
                                    << QList<QByteArray>{mainLogin, "Login Failed..."}
                                    << QStringList{"Failed to connect to the Larkspire Server..."};
    QTest::newRow("rejected or unreachable")
        << CommandOrigin::MainWindow << false << false << QList<QByteArray>{mainLogin, mainLogin} << noBox;
}

// The menus switch to the connected state before the login, whatever its outcome; the
// tree is built and sorted only after a login that got through.
void TestConnect::connectOutcomes()
{
    QFETCH(CommandOrigin, origin);
    QFETCH(bool, loggedIn);
    QFETCH(bool, connectFailed);
    QFETCH(QList<QByteArray>, statuses);
    QFETCH(QStringList, boxes);
    reflectorSession().state().connectFailed = true; // left from an earlier attempt: cleared before the login
    writeSeenRepliesCache();
    addNodes({"stale"});

    QList<QByteArray> seen;
    ConnectSteps steps;
    steps.login = [&] {
        seen << status();
        QVERIFY(!reflectorSession().state().connectFailed);
        QVERIFY(inConnectedState());
        QVERIFY(!QFile::exists(seenRepliesCachePath()));
        reflectorSession().state().loggedIn = loggedIn;
        reflectorSession().state().connectFailed = connectFailed;
    };
    steps.loadIcons = [&](ProgramWindows&, const std::function<void()>& loaded) {
        seen << status();
        loaded();
    };
    steps.buildNodes = [&](ProgramWindows&) {
        seen << status();
        QCOMPARE(topLevelTexts(), QStringList{}); // the old tree went first
        addNodes({"Zulu", "Internet", "Alpha"});
    };

    connectCommand(testWindows(), origin, steps);

    seen << status();
    QCOMPARE(seen, statuses);
    QCOMPARE(world_->folder().dialogs().messageTexts(), boxes);
    QVERIFY(inConnectedState());
    const bool built = loggedIn && !connectFailed;
    const QStringList sorted = {"Alpha", "Internet", "Zulu"};
    QCOMPARE(topLevelTexts(), built ? sorted : QStringList{"stale"});
    QCOMPARE(passwordBoxesEnabled(), built);
    QVERIFY(!testWindows().tools.options().isVisible());
}

void TestConnect::iconsLoadFromTheEventLoop_data()
{
    QTest::addColumn<bool>("disconnectMeanwhile");
    QTest::newRow("the tree follows the icons") << false;
    QTest::newRow("a Disconnect meanwhile leaves the tree empty") << true;
}

void TestConnect::iconsLoadFromTheEventLoop()
{
    QFETCH(bool, disconnectMeanwhile);
    QVERIFY(QDir().mkpath(world_->folder().filePath(QStringLiteral("icons"))));
    for (const char* name : {"icons/a_1.ico", "icons/b_1.ico", "icons/c_1.ico"})
        world_->writeProgramFile(QString::fromLatin1(name), "not a picture");
    ConnectSteps steps;
    steps.login = [] { reflectorSession().state().loggedIn = true; };
    bool built = false;
    steps.buildNodes = [&built](ProgramWindows&) { built = true; };

    connectCommand(testWindows(), CommandOrigin::MainWindow, steps);
    // The command has returned while the pictures are still to come.
    QVERIFY(connectRunning());
    QCOMPARE(status(), QByteArray("Loading icons..."));
    if (disconnectMeanwhile)
        disconnectCommand(testWindows(), CommandOrigin::MainWindow);
    QTRY_VERIFY(!connectRunning());

    QCOMPARE(built, !disconnectMeanwhile);
    QCOMPARE(testWindows().main().topicIcons.count(), qint16(4));
    QCOMPARE(status() == "Login Successful...", !disconnectMeanwhile);
}

void TestConnect::connectWithIconsSwitchedOff()
{
    control<QCheckBox>(testWindows().tools.options(), "Check1")->setChecked(true);
    ConnectSteps steps;
    steps.login = [] { reflectorSession().state().loggedIn = true; };
    steps.loadIcons = [](ProgramWindows&, const std::function<void()>& loaded) { loaded(); };
    steps.buildNodes = [](ProgramWindows&) {};
    connectCommand(testWindows(), CommandOrigin::MainWindow, steps);
    QVERIFY(testWindows().main().directoryModel.noIcons);

    // Unchecking later does not switch the icons back on here (the box's own rules,
    // which ask first, are left out).
    {
        const QSignalBlocker quiet(control<QCheckBox>(testWindows().tools.options(), "Check1"));
        control<QCheckBox>(testWindows().tools.options(), "Check1")->setChecked(false);
    }
    connectCommand(testWindows(), CommandOrigin::MainWindow, steps);
    QVERIFY(testWindows().main().directoryModel.noIcons);
}

void TestConnect::retryLoginRunsConnect()
{
    ConnectSteps steps;
    steps.login = [] {};
    connectCommand(testWindows(), CommandOrigin::MainWindow, steps); // joins the retry button once
    connectCommand(testWindows(), CommandOrigin::MainWindow, steps); // and not twice
    reflector_->acceptLogin("42");
    control<QLineEdit>(testWindows().link.serverSettings(), "txtIPAddress")->setText(QStringLiteral("127.0.0.1"));
    showConnectedState(false);
    int connects = 0;
    const QMetaObject::Connection counting =
        QObject::connect(&testWindows().link.userSettings(), &UserSettingsWindow::retryLogin, [&] { ++connects; });

    control<QPushButton>(testWindows().link.userSettings(), "cmdRetry")->click();

    QObject::disconnect(counting);
    QCOMPARE(connects, 1);
    QVERIFY(inConnectedState()); // Connect ran
}

void TestConnect::retryInsideTheRejectionWindowLogsInAfterIt_data()
{
    QTest::addColumn<QByteArray>("secondReply");
    QTest::addColumn<bool>("loggedIn");
    QTest::newRow("accepted") << QByteArray("/Login Successful/,7\\") << true;
    QTest::newRow("rejected again") << QByteArray("/Login Failed/") << false;
}

// "Retry Login" pressed while the rejected login still holds its window runs a whole
// Connect once that login has ended; the menus and toolbar then match its outcome.
void TestConnect::retryInsideTheRejectionWindowLogsInAfterIt()
{
    QFETCH(QByteArray, secondReply);
    QFETCH(bool, loggedIn);
    control<QLineEdit>(testWindows().link.serverSettings(), "txtIPAddress")->setText(QStringLiteral("127.0.0.1"));
    control<QLineEdit>(testWindows().link.serverSettings(), "txtIPAddressBackUp")->setText(QStringLiteral("127.0.0.1"));
    reflector_->setQuietGapMs(5);
    reflector_->script("/Login/",
                       {FakeReflector::Reply::text("/Login Failed/"), FakeReflector::Reply::text(secondReply)});
    bool retriedInsideTheWindow = false;
    QObject::connect(&*reflector_, &FakeReflector::requestReceived, [&](int request) {
        // The rejection's logout has been sent: press Retry, once.
        if (request != 1)
            return;
        retriedInsideTheWindow = reflectorSession().loginRejectionWindow().isEnabled();
        control<QPushButton>(testWindows().link.userSettings(), "cmdRetry")->click();
    });

    testWindows().main().connectToReflector();

    QTRY_VERIFY(retriedInsideTheWindow);
    const QByteArray login = "/Login/,,";
    QList<QByteArray> requests = {login, "DeleteConnection*/", login};
    if (!loggedIn)
        requests << "DeleteConnection*/";
    QTRY_COMPARE(reflector_->requestTexts(), requests);
    QVERIFY(sessionSettled());
    QCOMPARE(reflectorSession().state().loggedIn, loggedIn);
    QCOMPARE(inConnectedState(), loggedIn);
}

void TestConnect::toolbarDisconnect()
{
    reflectorSession().state().loggedIn = true;
    showConnectedState(true);
    addNodes({"Internet"});
    testWindows().frames.frame().pressToolbar(1, 0, 1000, 0);
    QVERIFY(!reflectorSession().state().loggedIn);
    QVERIFY(sessionSettled());
    QVERIFY(!inConnectedState());
    QCOMPARE(testWindows().main().directoryTree->topLevelItemCount(), 0);
    QTRY_COMPARE(reflector_->requestTexts(), QList<QByteArray>{"DeleteConnection*/"});

    // A disabled Disconnect button runs nothing.
    testWindows().frames.frame().pressToolbar(1, 0, 1000, 0);
    QTest::qWait(100);
    QCOMPARE(reflector_->requests().size(), 1);
}

// A secondary window's bar lacks three of the main window's items, keeps its File
// items enabled, and its Disconnect reports a failing step with the error's number.
void TestConnect::secondaryMenuBar()
{
    QMenuBar* bar = testWindows().link.serverSettings().findChild<QMenuBar*>();
    QVERIFY(bar);
    const QList<const char*> mainWindowOnly = {"mnuAddWebCams", "mnuQuickStart", "mnuSupport"};
    for (const char* name : mainWindowOnly) {
        QVERIFY(!menuAction(*bar, QString::fromLatin1(name)));
        QVERIFY(menuAction(*testWindows().main().menuBar, QString::fromLatin1(name)));
    }
    showConnectedState(true);
    QAction* disconnect = menuAction(*bar, QStringLiteral("mnuDisconnect"));
    QAction* connect = menuAction(*bar, QStringLiteral("mnuConnect"));
    QVERIFY(disconnect->isEnabled() && connect->isEnabled());

    control<QLineEdit>(testWindows().link.serverSettings(), "txtPort")->setText(QStringLiteral("port"));
    reflector_->stopListening();
    reflectorSession().state().loggedIn = true;
    disconnect->trigger();
    QVERIFY(sessionSettled());
    const QStringList numberBox = {QStringLiteral(" 13")};
    QCOMPARE(world_->folder().dialogs().messageTexts(), numberBox);
    QVERIFY(inConnectedState());

    // The main window's Disconnect skips the same failure silently.
    testWindows().main().disconnectFromReflector();
    QVERIFY(sessionSettled());
    QCOMPARE(world_->folder().dialogs().messageTexts(), numberBox);
}

void TestConnect::disconnectLeavesTheLocatorOnlyFromASecondaryWindow_data()
{
    QTest::addColumn<CommandOrigin>("origin");
    QTest::addColumn<bool>("locatorStaysOpen");
    QTest::newRow("main window") << CommandOrigin::MainWindow << false;
    QTest::newRow("secondary window") << CommandOrigin::SecondaryWindow << true;
}

// Both empty and disable the locator's topic list; only the main window's command also
// hides the locator window.
void TestConnect::disconnectLeavesTheLocatorOnlyFromASecondaryWindow()
{
    QFETCH(CommandOrigin, origin);
    QFETCH(bool, locatorStaysOpen);
    LocatorWindow& locator = testWindows().tools.locator();
    control<QComboBox>(locator, "cmbTopics")->addItem(QStringLiteral("Travel"));
    control<QComboBox>(locator, "cmbTopics")->setEnabled(true);
    locator.show();
    reflectorSession().state().loggedIn = true;

    disconnectCommand(testWindows(), origin);
    QVERIFY(sessionSettled());

    QCOMPARE(locator.isVisible(), locatorStaysOpen);
    QCOMPARE(control<QComboBox>(locator, "cmbTopics")->count(), 0);
    QVERIFY(!control<QComboBox>(locator, "cmbTopics")->isEnabled());
    QCOMPARE(status(), QByteArray("Disconnected from Reflector Server..."));
}

void TestConnect::secondaryWindowFileMenus_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<QString>("item");
    for (int window = 0; window < kSecondaryWindows.size(); ++window) {
        for (const char* item : {"mnuConnect", "mnuDisconnect", "mnuExit"})
            QTest::addRow("%s, %s", kSecondaryWindows[window].caption, item) << window << QString::fromLatin1(item);
    }
}

// Each window's own File menu logs in to the fake reflector and out again, switches
// the main window's items and the toolbar's buttons, and ends the program on Exit
// even when the logout cannot be sent. Only the options window's own items switch
// its restricted-topics controls besides the password boxes.
void TestConnect::secondaryWindowFileMenus()
{
    QFETCH(int, window);
    QFETCH(QString, item);
    const SecondaryWindow& secondary = kSecondaryWindows[window];
    QWidget& carrier = secondary.window();
    QCOMPARE(carrier.windowTitle(), QString::fromLatin1(secondary.caption));
    QMenuBar* bar = carrier.findChild<QMenuBar*>();
    QVERIFY(bar);
    QAction* connect = menuAction(*bar, QStringLiteral("mnuConnect"));
    QAction* disconnect = menuAction(*bar, QStringLiteral("mnuDisconnect"));
    QAction* exit = menuAction(*bar, QStringLiteral("mnuExit"));
    QVERIFY(connect && disconnect && exit);
    const bool ownControls = QLatin1String(secondary.caption) == QLatin1String("Program Options");
    world_->writeProgramFile(QStringLiteral("Nodes.lst"), "\"Top\",\"Sports\",\"Sports\",\"Closed\"\r\n");
    control<QLineEdit>(testWindows().link.serverSettings(), "txtIPAddress")->setText(QStringLiteral("127.0.0.1"));
    reflector_->acceptLogin("42");
    reflectorSession().state().reflectorAddress.clear();
    LocatorWindow& locator = testWindows().tools.locator();
    locator.show();

    connect->trigger();
    QVERIFY(sessionSettled());
    QTRY_VERIFY(!connectRunning()); // the icons load from the event loop

    QVERIFY(reflectorSession().state().loggedIn);
    QVERIFY(inConnectedState());
    QCOMPARE(status(), QByteArray("Login Successful..."));
    QCOMPARE(topLevelTexts(), QStringList{"Internet"});
    QVERIFY(!locator.isVisible());
    QVERIFY(passwordBoxesEnabled());
    QCOMPARE(allEnabled(restrictedTopicControls()), ownControls);
    QVERIFY(connect->isEnabled() && disconnect->isEnabled() && exit->isEnabled());
    QVERIFY(world_->folder().dialogs().messageTexts().isEmpty());
    if (item == QLatin1String("mnuConnect"))
        return;

    locator.show();
    if (item == QLatin1String("mnuDisconnect")) {
        control<QListWidget>(*control<RestrictedTopicsFrame>(testWindows().tools.options(), "Frame2"), "List1")
            ->addItem(QStringLiteral("Golf"));
        control<RestrictedTopicsFrame>(testWindows().tools.options(), "Frame2")->setAllControlsEnabled(true);
        disconnect->trigger();
        QVERIFY(!reflectorSession().state().loggedIn);
        QVERIFY(sessionSettled());
        QVERIFY(!inConnectedState());
        QCOMPARE(status(), QByteArray("Disconnected from Reflector Server..."));
        QCOMPARE(testWindows().main().directoryTree->topLevelItemCount(), 0);
        QVERIFY(locator.isVisible()); // left as it was
        QVERIFY(!control<QComboBox>(locator, "cmbTopics")->isEnabled());
        QVERIFY(!passwordBoxesEnabled());
        QCOMPARE(allEnabled(restrictedTopicControls()), !ownControls);
        QCOMPARE(testWindows().tools.options().restrictedTopics(), QList<QByteArray>{"Golf"});
        QVERIFY(connect->isEnabled() && disconnect->isEnabled() && exit->isEnabled());
        QTRY_COMPARE(reflector_->requestTexts().size(), 2);
        QCOMPARE(reflector_->requestTexts().last(), QByteArray("DeleteConnection*/"));
        return;
    }

    // The logout cannot be sent: the program ends all the same.
    reflector_->stopListening();
    exit->trigger();
    QTRY_COMPARE(world_->folder().endProcessCalls(), QList<int>{0});
    QCOMPARE(reflector_->requestTexts().size(), 1);
}

QTEST_MAIN(TestConnect)
#include "test_connect.moc"
