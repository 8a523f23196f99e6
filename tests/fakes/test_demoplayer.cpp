// The demo's stand-in player says what it was asked to play.
#include "DemoPlayerWindow.h"

#include <QLabel>
#include <QTest>

class TestDemoPlayer : public QObject {
    Q_OBJECT
private slots:
    void windowNamesWhatItPlays_data();
    void windowNamesWhatItPlays();
};

void TestDemoPlayer::windowNamesWhatItPlays_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("shown");
    QTest::newRow("a stream") << QStringList{"http://127.0.0.1:4002/"} << "Playing http://127.0.0.1:4002/";
    QTest::newRow("a stream with blanks")
        << QStringList{"mms://cams.example/key west.asx"} << "Playing mms://cams.example/key west.asx";
    QTest::newRow("nothing") << QStringList{} << "Started without a stream to play.";
}

void TestDemoPlayer::windowNamesWhatItPlays()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, shown);
    DemoPlayerWindow window(arguments);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.windowTitle(), QStringLiteral("Demo Player"));
    QCOMPARE(window.findChild<QLabel*>("playingLabel")->text(), shown);
    QVERIFY(window.findChild<QLabel*>("playingLabel")->isVisible());
}

QTEST_MAIN(TestDemoPlayer)
#include "test_demoplayer.moc"
