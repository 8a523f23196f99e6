// A stream webcam whose player is missing: the node click opens the player search,
// which finds the player's program in a folder, saves its path, and the next click
// starts it with the webcam's address.
#include "Control.h"
#include "FrameWorld.h"
#include "RealTimeWait.h"
#include "TestWindows.h"
#include "directory/MainWindow.h"
#include "directory/TreeNodes.h"
#include "directory/WebCamOpening.h"
#include "directory/WebCamRecord.h"
#include "platform/RuntimeError.h"
#include "platform/Wait.h"
#include "tools/PlayerSearchWindow.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

class TestMissingPlayerSearch : public QObject {
    Q_OBJECT

private slots:
    void theSavedPlayerStartsAtTheNextClick()
    {
        FrameWorld world;
        QTemporaryDir disk;
        QVERIFY(QDir().mkpath(disk.filePath(QStringLiteral("opt/players"))));
        QFile player(disk.filePath(QStringLiteral("opt/players/mpv")));
        QVERIFY(player.open(QIODevice::WriteOnly));
        player.close();

        MainWindow& main = testWindows().main();
        TreeNode& node = TreeNodes::of(*main.directoryTree).addTopLevel("node 1", "Cam", {}, nullptr);
        node.webCam = WebCamRecord{"1", "http://h/a.rm", {}, "Cam", "N", {}, "France", "RealPlay"};
        try {
            openWebCamOfNode(testWindows(), node);
        } catch (const platform::RuntimeError&) {
            // Real.txt is missing: the node click says so as well.
        }
        PlayerSearchWindow& search = testWindows().tools.playerSearch();
        QVERIFY(search.isVisible());
        QCOMPARE(control<QLineEdit>(search, "txtSearch")->text(), QStringLiteral("mpv"));

        control<QComboBox>(search, "Combo1")->setCurrentText(disk.path());
        control<QPushButton>(search, "cmdSearch")->click();
        QVERIFY(waitRealTime([&search] { return !search.isSearching(); }, 20000));
        QCOMPARE(control<QTreeWidget>(search, "lstvSearch")->topLevelItemCount(), 1);
        QCOMPARE(control<QLineEdit>(search, "txtRealPath")->text(), player.fileName());
        control<QPushButton>(search, "CmdSave")->click();
        QVERIFY(!search.isVisible());

        openWebCamOfNode(testWindows(), node);
        const QList<RecordingLauncher::Start>& starts = world.folder().launcher().starts();
        QCOMPARE(starts.size(), 1);
        QCOMPARE(starts.first().program, player.fileName());
        QCOMPARE(starts.first().arguments, QStringList{QStringLiteral("http://h/a.rm")});
    }
};

QTEST_MAIN(TestMissingPlayerSearch)
#include "test_missingplayersearch.moc"
