// Every command of the menus has one action: the main window's menu bar and a
// secondary window's menu bar hold the same object, and the toolbar's button follows
// it, so that disabling it disables it everywhere.
#include "Control.h"
#include "FrameWorld.h"
#include "TestWindows.h"
#include "directory/MainWindow.h"
#include "frame/FrameWindow.h"
#include "frame/ToolbarControl.h"
#include "linkwindows/ServerSettingsWindow.h"
#include "ui/CommandRegistry.h"
#include "ui/SharedMenuBar.h"

#include <QAction>
#include <QList>
#include <QMenuBar>
#include <QTest>

class TestCommandActions : public QObject {
    Q_OBJECT
private slots:
    void everyMenuHoldsTheCommandsOneAction_data();
    void everyMenuHoldsTheCommandsOneAction();
};

void TestCommandActions::everyMenuHoldsTheCommandsOneAction_data()
{
    namespace c = ui::command;
    QTest::addColumn<QString>("item");
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<bool>("inMainWindow");
    QTest::addColumn<bool>("inSecondaryWindow");
    QTest::addColumn<int>("toolbarButton"); // 0: none
    // The File items of a secondary window are that window's own commands.
    QTest::newRow("Connect") << "mnuConnect" << QByteArray(c::kConnect) << true << false << 1;
    QTest::newRow("Disconnect") << "mnuDisconnect" << QByteArray(c::kDisconnect) << true << false << 2;
    QTest::newRow("Exit") << "mnuExit" << QByteArray(c::kExit) << true << false << 3;
    QTest::newRow("secondary Connect") << "mnuConnect" << QByteArray(c::kConnectFromSecondaryWindow) << false << true
                                       << 0;
    QTest::newRow("secondary Disconnect")
        << "mnuDisconnect" << QByteArray(c::kDisconnectFromSecondaryWindow) << false << true << 0;
    QTest::newRow("secondary Exit") << "mnuExit" << QByteArray(c::kExitWithoutWaiting) << false << true << 0;
    QTest::newRow("Cam Locator") << "mnuSummary" << QByteArray(c::kShowLocator) << true << true << 5;
    QTest::newRow("System Status") << "mnuSystem" << QByteArray(c::kShowSystemStatus) << true << true << 6;
    QTest::newRow("Vistrel") << "mnuWebCam" << QByteArray(c::kShowSnapshotWindow) << true << true << 0;
    QTest::newRow("Media Player") << "mnuMediaPlayer" << QByteArray(c::kStartMediaPlayer) << true << true << 7;
    QTest::newRow("Real Player") << "mnuRealPlayer" << QByteArray(c::kStartRealPlayer) << true << true << 8;
    QTest::newRow("Search") << "mnusearch" << QByteArray(c::kShowPlayerSearch) << true << true << 9;
    QTest::newRow("Add New Webcams") << "mnuAddWebCams" << QByteArray(c::kAddNewWebcams) << true << false << 0;
    QTest::newRow("Options") << "mnuOptions" << QByteArray(c::kShowOptions) << true << true << 11;
    QTest::newRow("Server Settings") << "mnuServerSettings" << QByteArray(c::kShowServerSettings) << true << true << 12;
    QTest::newRow("User Settings") << "mnuSettings" << QByteArray(c::kShowUserSettings) << true << true << 13;
    QTest::newRow("About") << "mnuAbout" << QByteArray(c::kShowAbout) << true << true << 15;
    QTest::newRow("Quick Start") << "mnuQuickStart" << QByteArray(c::kShowQuickStart) << true << false << 0;
    QTest::newRow("Support Chat") << "mnuSupport" << QByteArray(c::kShowSupportChat) << true << false << 0;
    QTest::newRow("Updates") << "mnuUpdates" << QByteArray(c::kShowUpdateCheck) << true << true << 16;
}

void TestCommandActions::everyMenuHoldsTheCommandsOneAction()
{
    QFETCH(QString, item);
    QFETCH(QByteArray, command);
    QFETCH(bool, inMainWindow);
    QFETCH(bool, inSecondaryWindow);
    QFETCH(int, toolbarButton);
    FrameWorld world;
    ToolbarControl& toolbar = *control<ToolbarControl>(testWindows().frames.frame(), "Toolbar1");
    QList<QMenuBar*> bars;
    if (inMainWindow)
        bars << testWindows().main().menuBar;
    if (inSecondaryWindow)
        bars << testWindows().link.serverSettings().findChild<QMenuBar*>();
    QAction* shared = ui::commands().action(command);

    const bool enabled = shared->isEnabled();
    for (QMenuBar* bar : bars) {
        QVERIFY(bar);
        QCOMPARE(menuAction(*bar, item), shared);
    }
    shared->setEnabled(false);
    for (QMenuBar* bar : bars)
        QVERIFY(!menuAction(*bar, item)->isEnabled());
    if (toolbarButton)
        QVERIFY(!toolbar.isButtonEnabled(toolbarButton));
    shared->setEnabled(enabled);
    for (QMenuBar* bar : bars)
        QCOMPARE(menuAction(*bar, item)->isEnabled(), enabled);
    if (toolbarButton)
        QCOMPARE(toolbar.isButtonEnabled(toolbarButton), enabled);
}

QTEST_MAIN(TestCommandActions)
#include "test_commandactions.moc"
