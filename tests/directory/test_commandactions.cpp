// Every command of the menus has one action: the main window's menu bar and a
// secondary window's menu bar hold the same object, so that disabling it disables it
// everywhere.
#include "FrameWorld.h"
#include "directory/MainWindow.h"
#include "linkwindows/ServerSettingsWindow.h"
#include "ui/CommandRegistry.h"
#include "ui/Forms.h"
#include "ui/SharedMenuBar.h"

#include <QAction>
#include <QList>
#include <QMenuBar>
#include <QTest>

using ui::form;

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
    // The File items of a secondary window are that window's own commands.
    QTest::newRow("Connect") << "mnuConnect" << QByteArray(c::kConnect) << true << false;
    QTest::newRow("Disconnect") << "mnuDisconnect" << QByteArray(c::kDisconnect) << true << false;
    QTest::newRow("Exit") << "mnuExit" << QByteArray(c::kExit) << true << false;
    QTest::newRow("secondary Connect") << "mnuConnect" << QByteArray(c::kConnectFromSecondaryWindow) << false << true;
    QTest::newRow("secondary Disconnect")
        << "mnuDisconnect" << QByteArray(c::kDisconnectFromSecondaryWindow) << false << true;
    QTest::newRow("secondary Exit") << "mnuExit" << QByteArray(c::kExitWithoutWaiting) << false << true;
    QTest::newRow("Cam Locator") << "mnuSummary" << QByteArray(c::kShowLocator) << true << true;
    QTest::newRow("System Status") << "mnuSystem" << QByteArray(c::kShowSystemStatus) << true << true;
    QTest::newRow("Vistrel") << "mnuWebCam" << QByteArray(c::kShowSnapshotWindow) << true << true;
    QTest::newRow("Media Player") << "mnuMediaPlayer" << QByteArray(c::kStartMediaPlayer) << true << true;
    QTest::newRow("Real Player") << "mnuRealPlayer" << QByteArray(c::kStartRealPlayer) << true << true;
    QTest::newRow("Search") << "mnusearch" << QByteArray(c::kShowPlayerSearch) << true << true;
    QTest::newRow("Add New Webcams") << "mnuAddWebCams" << QByteArray(c::kAddNewWebcams) << true << false;
    QTest::newRow("Options") << "mnuOptions" << QByteArray(c::kShowOptions) << true << true;
    QTest::newRow("Server Settings") << "mnuServerSettings" << QByteArray(c::kShowServerSettings) << true << true;
    QTest::newRow("User Settings") << "mnuSettings" << QByteArray(c::kShowUserSettings) << true << true;
    QTest::newRow("About") << "mnuAbout" << QByteArray(c::kShowAbout) << true << true;
    QTest::newRow("Quick Start") << "mnuQuickStart" << QByteArray(c::kShowQuickStart) << true << false;
    QTest::newRow("Support Chat") << "mnuSupport" << QByteArray(c::kShowSupportChat) << true << false;
    QTest::newRow("Updates") << "mnuUpdates" << QByteArray(c::kShowUpdateCheck) << true << true;
}

void TestCommandActions::everyMenuHoldsTheCommandsOneAction()
{
    QFETCH(QString, item);
    QFETCH(QByteArray, command);
    QFETCH(bool, inMainWindow);
    QFETCH(bool, inSecondaryWindow);
    FrameWorld world;
    QList<QMenuBar*> bars;
    if (inMainWindow)
        bars << form<MainWindow>().menuBar;
    if (inSecondaryWindow)
        bars << form<ServerSettingsWindow>().findChild<QMenuBar*>();
    QAction* shared = ui::commands().action(command);

    const bool enabled = shared->isEnabled();
    for (QMenuBar* bar : bars) {
        QVERIFY(bar);
        QCOMPARE(menuAction(*bar, item), shared);
    }
    shared->setEnabled(false);
    for (QMenuBar* bar : bars)
        QVERIFY(!menuAction(*bar, item)->isEnabled());
    shared->setEnabled(enabled);
    for (QMenuBar* bar : bars)
        QCOMPARE(menuAction(*bar, item)->isEnabled(), enabled);
}

QTEST_MAIN(TestCommandActions)
#include "test_commandactions.moc"
