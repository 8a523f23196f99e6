// The frame window itself: its size limits, the status clearing and the hold-off
// that each activation starts afresh.
#include "Control.h"
#include "FrameWorld.h"
#include "TestWindows.h"
#include "directory/MainWindow.h"
#include "frame/FrameWindow.h"
#include "platform/Timer.h"
#include "platform/Twips.h"
#include "ui/PanelStatusBar.h"

#include <QTest>

using platform::twips;

class TestFrameWindow : public QObject {
    Q_OBJECT
private slots:
    void sizeLimits_data();
    void sizeLimits();
    void statusClearingRunsForTheWholeRun();
};

void TestFrameWindow::sizeLimits_data()
{
    QTest::addColumn<int>("widthTwips");
    QTest::addColumn<int>("heightTwips");
    QTest::addColumn<int>("limitedWidthTwips");
    QTest::addColumn<int>("limitedHeightTwips");
    QTest::newRow("within") << 13500 << 9000 << 13500 << 9000;
    QTest::newRow("too narrow") << 9000 << 9000 << 12045 << 9000;
    QTest::newRow("too wide") << 18000 << 9000 << 15675 << 9000;
    QTest::newRow("too high") << 13500 << 15000 << 13500 << 13290;
    QTest::newRow("low stays") << 13500 << 3000 << 13500 << 3000;
    QTest::newRow("too wide and too high") << 18000 << 15000 << 15675 << 13290;
}

void TestFrameWindow::sizeLimits()
{
    QFETCH(int, widthTwips);
    QFETCH(int, heightTwips);
    QFETCH(int, limitedWidthTwips);
    QFETCH(int, limitedHeightTwips);
    FrameWorld world;
    world.writeProgramFile(QStringLiteral("ServerSettings.txt"), "m\r\nb\r\n");
    FrameWindow& frame = testWindows().frames.frame();
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));

    // The limits hold for the outer size, title bar and borders included.
    const QSize border = frame.frameGeometry().size() - frame.size();
    frame.resize(twips(widthTwips) - border.width(), twips(heightTwips) - border.height());

    QTRY_COMPARE(frame.frameGeometry().width(), twips(limitedWidthTwips));
    QTRY_COMPARE(frame.frameGeometry().height(), twips(limitedHeightTwips));
}

void TestFrameWindow::statusClearingRunsForTheWholeRun()
{
    FrameWorld world;
    world.writeProgramFile(QStringLiteral("ServerSettings.txt"), "m\r\nb\r\n");
    FrameWindow& frame = testWindows().frames.frame();
    MainWindow& main = testWindows().main();
    QVERIFY(control<platform::Timer>(frame, "statusClearTimer")->isEnabled());
    QCOMPARE(control<platform::Timer>(frame, "statusClearTimer")->interval(), 5000);
    for (int round = 0; round < 3; ++round) {
        main.statusBar->setPanelText(1, "Logging in...");
        QTRY_VERIFY(main.statusBar->panelText(1).isEmpty());
    }
    QVERIFY(control<platform::Timer>(frame, "statusClearTimer")->isEnabled());
}

QTEST_MAIN(TestFrameWindow)
#include "test_framewindow.moc"
