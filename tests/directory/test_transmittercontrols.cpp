// The main window's transmitter controls joined to the control channel, against the
// fake transmitter site on 127.0.0.1: Connect lists the site's files, a click on a
// file asks for the chosen speed and then the file, the replies label follows the
// site, Stop and Disconnect; the help pages of a right press.
#include "Control.h"
#include "FakeTransmitter.h"
#include "FrameWorld.h"
#include "RefusingPort.h"
#include "RightPressHelp.h"
#include "TestWindows.h"
#include "directory/MainWindow.h"
#include "linkwindows/ServerSettingsWindow.h"
#include "linkwindows/StatusWindow.h"
#include "platform/Wait.h"
#include "ui/CommandRegistry.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

// 5 s of real time at the world's time scale.
constexpr int kEventLimitMs = int(5000 / FrameWorld::kTimeScale);

bool waitFor(const std::function<bool()>& condition)
{
    return platform::waitUntil(condition, kEventLimitMs);
}

QStringList listed(const QListWidget& list)
{
    QStringList names;
    for (int row = 0; row < list.count(); ++row)
        names << list.item(row)->text();
    return names;
}

template <typename T>
T* control(const MainWindow& main, const char* name)
{
    return main.findChild<T*>(QString::fromLatin1(name));
}

void clickFile(QListWidget& list, int row)
{
    QListWidgetItem* item = list.item(row);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(item).center());
}

} // namespace

class TestTransmitterControls : public QObject {
    Q_OBJECT

    std::unique_ptr<FrameWorld> world;
    std::unique_ptr<FakeTransmitter> site;

    // The main window, shown, with the site's address and port in their boxes, after
    // its Connect has listed the site's files.
    MainWindow& connectedMainWindow()
    {
        MainWindow& main = testWindows().main();
        main.show();
        control<QLineEdit>(testWindows().link.serverSettings(), "txtViewerPort")
            ->setText(QString::number(site->port()));
        main.transmitterAddressBox->setText(QStringLiteral("127.0.0.1"));
        QTest::mouseClick(control<QPushButton>(main, "Command7"), Qt::LeftButton);
        waitFor([&] { return main.fileList->count() == 2; });
        return main;
    }

private slots:
    void init()
    {
        world = std::make_unique<FrameWorld>();
        site = std::make_unique<FakeTransmitter>();
        QVERIFY(site->listen());
        site->setFiles({"Countdown.avi", "Liftoff.avi"});
    }

    void cleanup()
    {
        site.reset();
        world.reset();
    }

    void connectListsTheSitesFiles()
    {
        MainWindow& main = connectedMainWindow();
        QCOMPARE(listed(*main.fileList), QStringList({"Countdown.avi", "Liftoff.avi"}));
        QCOMPARE(control<QLabel>(main, "Label3")->text(), QStringLiteral("Current state = Connected"));
        QCOMPARE(site->requestTexts(), QList<QByteArray>{"/FileList/"});
        QVERIFY(world->folder().dialogs().messageBoxes().isEmpty());
    }

    // A list in pieces cut inside names, the last name far too long: the list box shows
    // each name whole as it ends, the long one at its bound, and the status log says why.
    void listInPiecesShowsInTheListBox()
    {
        const QByteArray longName(3000, 'x');
        site->script("/FileList/", FakeTransmitter::Reply::inPieces({"Count", "down.avi/Lift", "off.avi/" + longName}));
        MainWindow& main = testWindows().main();
        main.show();
        control<QLineEdit>(testWindows().link.serverSettings(), "txtViewerPort")
            ->setText(QString::number(site->port()));
        main.transmitterAddressBox->setText(QStringLiteral("127.0.0.1"));
        QTest::mouseClick(control<QPushButton>(main, "Command7"), Qt::LeftButton);

        const QByteArray logLine = "Transmitter file name longer than 1024 bytes: the rest of the list is dropped\r\n";
        QVERIFY(waitFor([&] { return testWindows().link.status().logText().contains(logLine); }));
        QCOMPARE(listed(*main.fileList), QStringList({"Countdown.avi", "Liftoff.avi", QString(1024, u'x')}));
        QCOMPARE(testWindows().link.status().logText().count(logLine), 1);
    }

    void controlsCarryTheirToolTips_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("tip");
        QTest::newRow("Connect") << "Command7"
                                 << "This button connects you too Transmitters within the Larkspire network. Right "
                                    "click for more Info...";
        QTest::newRow("Stop Transmission") << "Command8"
                                           << "This will stop the video transmission. Right click for more Info...";
        QTest::newRow("file list") << "List1"
                                   << "Select a Video and it will Start Automatically";
        QTest::newRow("Modem") << "optModem"
                               << "This modem option sets the speed  of transmission to be compatible with modem "
                                  "connections. Right click for more info...";
        QTest::newRow("Cable") << "optCable"
                               << "This cable option sets the speed  of transmission to be compatible with DSL/Cable "
                                  "connections. Right click for more info...";
    }

    void controlsCarryTheirToolTips()
    {
        QFETCH(QString, name);
        QFETCH(QString, tip);
        const QWidget* widget = testWindows().main().findChild<QWidget*>(name);
        QVERIFY(widget);
        QCOMPARE(widget->toolTip(), tip);
    }

    void clickOnAFileSendsTheSpeedThenTheName_data()
    {
        QTest::addColumn<bool>("modem");
        QTest::addColumn<QByteArray>("speedRequest");
        QTest::newRow("Cable / DSL, as the window opens") << false << QByteArray("/Cable/");
        QTest::newRow("Modem") << true << QByteArray("/Modem/");
    }

    void clickOnAFileSendsTheSpeedThenTheName()
    {
        QFETCH(bool, modem);
        QFETCH(QByteArray, speedRequest);
        MainWindow& main = connectedMainWindow();
        QVERIFY(main.cableSpeedOption->isChecked());
        if (modem)
            main.modemSpeedOption->setChecked(true);

        clickFile(*main.fileList, 1);

        QVERIFY(waitFor([&] { return site->requestTexts().size() == 3; }));
        QCOMPARE(site->requestTexts(), QList<QByteArray>({"/FileList/", speedRequest, "/VF/Liftoff.avi"}));
        QCOMPARE(site->connections().size(), 1);
        QLabel* replies = control<QLabel>(main, "Label3");
        QVERIFY(waitFor([&] { return replies->text() == QStringLiteral("Transmitting Video"); }));
    }

    void encodingFailureShowsOnTheLabel()
    {
        site->script("/VF/", FakeTransmitter::Reply::text("/Failed Encoding/"));
        MainWindow& main = connectedMainWindow();
        clickFile(*main.fileList, 0);
        QLabel* replies = control<QLabel>(main, "Label3");
        QVERIFY(waitFor([&] { return replies->text() == QStringLiteral("Transmitter Failed to Start"); }));
    }

    void stopAndDisconnect()
    {
        MainWindow& main = connectedMainWindow();
        QTest::mouseClick(control<QPushButton>(main, "Command8"), Qt::LeftButton);
        QLabel* replies = control<QLabel>(main, "Label3");
        QVERIFY(waitFor([&] { return replies->text() == QStringLiteral("Stop command was successful"); }));
        QCOMPARE(site->requestTexts().last(), QByteArray("/Stop/"));

        ui::commands().run(ui::command::kDisconnect);
        QCOMPARE(main.fileList->count(), 0);
    }

    void offLineSiteShowsTheBox()
    {
        MainWindow& main = testWindows().main();
        const RefusingPort refusing; // held, so that no program beside this one can listen there
        control<QLineEdit>(testWindows().link.serverSettings(), "txtViewerPort")
            ->setText(QString::number(refusing.port()));
        main.transmitterAddressBox->setText(QStringLiteral("127.0.0.1"));
        QTest::mouseClick(control<QPushButton>(main, "Command7"), Qt::LeftButton);
        QTRY_COMPARE(world->folder().dialogs().messageTexts(), QStringList{"Transmitter is Off Line"});
        QCOMPARE(main.fileList->count(), 0);
    }

    void rightPressOpensTheHelpPages()
    {
        MainWindow& main = testWindows().main();
        main.show();
        main.transmitterAddressBox->setText(QStringLiteral("127.0.0.1")); // Connect takes presses only with an address
        const QList<QWidget*> station = {control<QWidget>(main, "Command7"), control<QWidget>(main, "Command8"),
                                         control<QWidget>(main, "Label3"), control<QWidget>(main, "Label4"),
                                         control<QWidget>(main, "Label5")};
        const QList<QWidget*> speed = {control<QWidget>(main, "Frame2"), main.modemSpeedOption, main.cableSpeedOption};
        const QStringList paths = helpPathsOnRightPress(world->folder().launcher(), station + speed);
        QStringList expected;
        for (int i = 0; i < station.size(); ++i)
            expected << QStringLiteral("/help/StationR.htm");
        for (int i = 0; i < speed.size(); ++i)
            expected << QStringLiteral("/help/Connecti.htm");
        QCOMPARE(paths, expected);
        // A right press on the window's background opens nothing.
        QTest::mousePress(&main, Qt::RightButton, {}, QPoint(1, 1));
        QCOMPARE(world->folder().launcher().pages().size(), expected.size());
    }
};

QTEST_MAIN(TestTransmitterControls)
#include "test_transmittercontrols.moc"
