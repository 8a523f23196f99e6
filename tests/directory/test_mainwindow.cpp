// The main window: the closing prompt, the shut-down paths and their wait limit, the
// delayed start-up step with the user settings' start-up choice, and the key chord.
#include "Control.h"
#include "FrameWorld.h"
#include "TestWindows.h"
#include "directory/MainWindow.h"
#include "frame/FrameWindow.h"
#include "link/ReflectorSession.h"
#include "linkwindows/UserSettingsWindow.h"
#include "platform/OneShotTimer.h"
#include "ui/ToolbarState.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <optional>

using platform::MessageAnswer;

Q_DECLARE_METATYPE(std::optional<QByteArray>)

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void loadArmsTheStartupStep();
    void closingPrompt_data();
    void closingPrompt();
    void frameCloseEndsWithinTheWaitLimit();
    void secondCloseDuringTheWaitIsIgnored();
    void startupChoice_data();
    void startupChoice();
    void keyChord();
    void transmitterConnectFollowsTheAddressBox();
    void stationHelpOpensOncePerRightButtonHold();
};

void TestMainWindow::loadArmsTheStartupStep()
{
    FrameWorld world;
    MainWindow& main = testWindows().main();
    QVERIFY(testWindows().frames.frame().isVisible());
    QVERIFY(main.startupStep->isEnabled());
    QCOMPARE(main.startupStep->interval(), MainWindow::kStartupStepMs);
    QCOMPARE(main.remoteIcons.count(), 7);
    QCOMPARE(main.localIcons.tag(7), QByteArray("IEStream"));
    QCOMPARE(main.windowTitle(), QStringLiteral("Larkspire Vistrel"));
}

void TestMainWindow::closingPrompt_data()
{
    QTest::addColumn<MessageAnswer>("answer");
    QTest::addColumn<bool>("ends");
    QTest::newRow("No") << MessageAnswer::No << false;
    QTest::newRow("Yes") << MessageAnswer::Yes << true;
}

void TestMainWindow::closingPrompt()
{
    QFETCH(MessageAnswer, answer);
    QFETCH(bool, ends);
    FrameWorld world;
    MainWindow& main = testWindows().main();
    main.show();
    world.folder().dialogs().queueAnswer(answer);

    main.close();

    QCOMPARE(world.folder().dialogs().messageBoxes().size(), 1);
    const platform::MessageBoxRequest& box = world.folder().dialogs().messageBoxes()[0];
    QCOMPARE(box.text, QStringLiteral("Would you like to shutdown now?"));
    QCOMPARE(box.title, QStringLiteral("Shutdown Larkspire Vistrel"));
    QCOMPARE(box.buttons, platform::MessageButtons::YesNo);
    QCOMPARE(box.icon, platform::MessageIcon::None);
    QTRY_COMPARE(world.folder().endProcessCalls(), ends ? QList<int>{0} : QList<int>{});
    QVERIFY(main.isVisible());
}

void TestMainWindow::frameCloseEndsWithinTheWaitLimit()
{
    FrameWorld world;
    testWindows().main();
    QElapsedTimer clock;
    clock.start();
    testWindows().frames.frame().close();
    QTRY_COMPARE(world.folder().endProcessCalls(), QList<int>{0});
    QVERIFY(clock.elapsed() < 5000);
}

void TestMainWindow::secondCloseDuringTheWaitIsIgnored()
{
    FrameWorld world;
    testWindows().main();
    int promptsDuringWait = -1;
    QTimer::singleShot(1, [&] {
        testWindows().frames.frame().close();
        testWindows().main().close();
        promptsDuringWait = int(world.folder().dialogs().messageBoxes().size());
    });
    testWindows().frames.frame().close();
    QTRY_COMPARE(promptsDuringWait, 0);
    QTRY_COMPARE(world.folder().endProcessCalls(), QList<int>{0});
}

void TestMainWindow::startupChoice_data()
{
    QTest::addColumn<std::optional<QByteArray>>("showform");
    QTest::addColumn<bool>("shown");
    QTest::newRow("1") << std::optional<QByteArray>("1\r\n") << true;
    QTest::newRow("0") << std::optional<QByteArray>("0\r\n") << false;
    QTest::newRow("missing") << std::optional<QByteArray>() << true;
}

void TestMainWindow::startupChoice()
{
    QFETCH(std::optional<QByteArray>, showform);
    QFETCH(bool, shown);
    FrameWorld world;
    if (showform)
        world.writeProgramFile(QStringLiteral("Showform.txt"), *showform);
    MainWindow& main = testWindows().main();
    QVERIFY(!testWindows().link.userSettings.isMade());

    QTRY_VERIFY(testWindows().link.userSettings.isMade()); // the step runs by itself
    QCOMPARE(testWindows().link.userSettings().isVisible(), shown);
    QCOMPARE(control<QCheckBox>(testWindows().link.userSettings(), "Check1")->isChecked(), shown);
    QVERIFY(!main.startupStep->isEnabled());
}

void TestMainWindow::keyChord()
{
    FrameWorld world;
    MainWindow& main = testWindows().main();
    QSignalSpy requested(&main, &MainWindow::shellDetectRequested);
    const QList<Qt::Key> chord = {Qt::Key_Control, Qt::Key_Alt, Qt::Key_Shift, Qt::Key_P};

    for (Qt::Key key : chord.mid(0, 3))
        QTest::keyRelease(&main, key);
    QTest::keyRelease(&main, Qt::Key_A); // another key clears the flags
    QTest::keyRelease(&main, Qt::Key_P);
    QCOMPARE(requested.count(), 0);

    QTest::keyRelease(&main, Qt::Key_A);
    for (Qt::Key key : chord)
        QTest::keyRelease(&main, key);
    QCOMPARE(requested.count(), 1);
}

// "Connect" of the transmitter controls can be pressed exactly while the address box
// holds text, whether the user types it or the node click fills it.
void TestMainWindow::transmitterConnectFollowsTheAddressBox()
{
    FrameWorld world;
    MainWindow& main = testWindows().main();
    const QPushButton* connectButton = main.findChild<QPushButton*>(QStringLiteral("Command7"));
    QVERIFY(connectButton);
    QVERIFY(!connectButton->isEnabled());

    main.transmitterAddressBox->setText(QStringLiteral("10.1.2.3"));
    QVERIFY(connectButton->isEnabled());
    main.transmitterAddressBox->clear();
    QVERIFY(!connectButton->isEnabled());

    QTest::keyClick(main.transmitterAddressBox, Qt::Key_1);
    QVERIFY(connectButton->isEnabled());
    QTest::keyClick(main.transmitterAddressBox, Qt::Key_Backspace);
    QVERIFY(!connectButton->isEnabled());

    main.transmitterAddressBox->setText(QStringLiteral(" ")); // blanks count as text
    QVERIFY(connectButton->isEnabled());
}

namespace {

void sendMouse(QWidget* target, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held)
{
    const QPointF at(5, 5);
    QMouseEvent event(type, at, target->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

} // namespace

// Moving over the transmitter frame or its list with the right button held opens the
// station help page once for the hold, not once for every move.
void TestMainWindow::stationHelpOpensOncePerRightButtonHold()
{
    FrameWorld world;
    MainWindow& main = testWindows().main();
    const QList<QUrl>& pages = world.folder().launcher().pages();
    for (QWidget* over :
         QList<QWidget*>{main.findChild<QWidget*>(QStringLiteral("Frame1")), main.fileList->viewport()}) {
        const qsizetype before = pages.size();
        sendMouse(over, QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton);
        for (int move = 0; move < 5; ++move)
            sendMouse(over, QEvent::MouseMove, Qt::NoButton, Qt::RightButton);
        QCOMPARE(pages.size(), before + 1);
        QVERIFY(pages.last().toString().endsWith(QStringLiteral("/help/StationR.htm")));
        QVERIFY(!ui::toolbarState().highlightCleared());

        sendMouse(over, QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton);
        sendMouse(over, QEvent::MouseMove, Qt::NoButton, Qt::NoButton);
        sendMouse(over, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton);
        QCOMPARE(pages.size(), before + 1); // no page without the right button alone

        sendMouse(over, QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton);
        sendMouse(over, QEvent::MouseMove, Qt::NoButton, Qt::RightButton);
        QCOMPARE(pages.size(), before + 2); // a new hold opens it again
        sendMouse(over, QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton);
    }
}

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
