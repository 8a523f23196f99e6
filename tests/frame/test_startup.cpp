// The frame's start-up sequence: the reflector address from the product web server or
// from ServerSettings.txt, the first-run marker and guide, the error policy, and the
// pause while the address is fetched.
#include "Control.h"
#include "FakeWebServer.h"
#include "FrameWorld.h"
#include "StartedFrame.h"
#include "TestWindows.h"
#include "chat/SupportChatWindow.h"
#include "frame/DebugLog.h"
#include "frame/FirstRunMarker.h"
#include "frame/FrameWindow.h"
#include "frame/QuickStartGuide.h"
#include "frame/StartupSequence.h"
#include "linkwindows/ServerSettingsWindow.h"
#include "platform/RuntimeError.h"
#include "platform/Services.h"
#include "tools/OptionsWindow.h"

#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <optional>

using Region = StartupSequence::Region;

Q_DECLARE_METATYPE(std::optional<QByteArray>)

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void addressSources_data();
    void addressSources();
    void missingServerSettingsLeavesTheWindowUnloaded();
    void firstRunMarker_data();
    void firstRunMarker();
    void unwritableMarkerStillShowsTheGuide();
    void errorPolicy_data();
    void errorPolicy();
    void aPausedSequenceGoesOnWhereItStopped();
};

void TestStartup::addressSources_data()
{
    QTest::addColumn<int>("status"); // 0: no server at all
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<std::optional<QByteArray>>("serverSettings");
    QTest::addColumn<QByteArray>("primary");
    QTest::addColumn<QByteArray>("backup");
    QTest::addColumn<QByteArray>("chatHost");

    const std::optional<QByteArray> twoLines = QByteArray("file-main\r\nfile-backup\r\n");
    QTest::newRow("host CR LF") << 200 << QByteArray("h\r\n") << twoLines << QByteArray("h") << QByteArray("h")
                                << QByteArray("h");
    QTest::newRow("host blank CR LF") << 200 << QByteArray("h \r\n") << twoLines << QByteArray("h") << QByteArray("h")
                                      << QByteArray("h");
    QTest::newRow("host lone LF") << 200 << QByteArray("h\n") << twoLines << QByteArray("h") << QByteArray("h")
                                  << QByteArray("h\n");
    QTest::newRow("blanks only") << 200 << QByteArray("   ") << twoLines << QByteArray() << QByteArray()
                                 << QByteArray();
    QTest::newRow("404 page") << 404 << QByteArray("h") << twoLines << QByteArray("file-main")
                              << QByteArray("file-backup") << QByteArray();
    QTest::newRow("no server") << 0 << QByteArray() << twoLines << QByteArray("file-main") << QByteArray("file-backup")
                               << QByteArray();
    QTest::newRow("one-line file") << 0 << QByteArray() << std::optional<QByteArray>("file-main\r\n")
                                   << QByteArray("file-main") << QByteArray() << QByteArray();
    QTest::newRow("two names on line 1") << 0 << QByteArray() << std::optional<QByteArray>("a, b\r\nc\r\n")
                                         << QByteArray("a") << QByteArray("b") << QByteArray();
    QTest::newRow("blanks around the names") << 0 << QByteArray() << std::optional<QByteArray>("a , b \r\nc\r\n")
                                             << QByteArray("a") << QByteArray("b") << QByteArray();
    QTest::newRow("blanks after each line") << 0 << QByteArray() << std::optional<QByteArray>("m  \r\nb \r\n")
                                            << QByteArray("m") << QByteArray("b") << QByteArray();
}

void TestStartup::addressSources()
{
    QFETCH(int, status);
    QFETCH(QByteArray, answer);
    QFETCH(std::optional<QByteArray>, serverSettings);
    QFETCH(QByteArray, primary);
    QFETCH(QByteArray, backup);
    QFETCH(QByteArray, chatHost);

    FakeWebServer web;
    if (status != 0)
        web.serve("/sys/serverip.txt", status, answer);
    FrameWorld world(status != 0 ? web.url("") : QString());
    if (serverSettings)
        world.writeProgramFile(QStringLiteral("ServerSettings.txt"), *serverSettings);

    FrameWindow& frame = startedFrame();

    QCOMPARE(control<QLineEdit>(testWindows().link.serverSettings(), "txtIPAddress")->text().toLatin1(), primary);
    QCOMPARE(control<QLineEdit>(testWindows().link.serverSettings(), "txtIPAddressBackUp")->text().toLatin1(), backup);
    QCOMPARE(control<QLineEdit>(testWindows().chat.supportChat(), "txtChatIP")->text().toLatin1(), chatHost);
    QVERIFY(!testWindows().link.serverSettings().isVisible());
    QVERIFY(!testWindows().chat.supportChat().isVisible());
    QVERIFY(testWindows().tools.options.isMade() && !testWindows().tools.options().isVisible());
    QVERIFY(!frame.holdOffOver()); // the final steps ran
    QTRY_VERIFY(frame.holdOffOver());
}

void TestStartup::missingServerSettingsLeavesTheWindowUnloaded()
{
    FrameWorld world;
    FrameWindow& frame = startedFrame();
    QVERIFY(!testWindows().link.serverSettings.isMade());
    QVERIFY(!frame.holdOffOver());
    QVERIFY(control<QPlainTextEdit>(testWindows().frames.debugLog(), "Text1")
                ->toPlainText()
                .contains(QStringLiteral("MdiLoad = line 1000 in error handler...")));
    QVERIFY(!testWindows().frames.debugLog().isVisible());
}

void TestStartup::firstRunMarker_data()
{
    QTest::addColumn<bool>("markerPresent");
    QTest::newRow("absent") << false;
    QTest::newRow("present") << true;
}

void TestStartup::firstRunMarker()
{
    QFETCH(bool, markerPresent);
    FrameWorld world;
    world.writeProgramFile(QStringLiteral("ServerSettings.txt"), "m\r\nb\r\n");
    const QByteArray earlier = "written by an earlier run\r\n";
    if (markerPresent) {
        QVERIFY(writeFirstRunMarker());
        QFile marker(firstRunMarkerPath());
        QVERIFY(marker.open(QIODevice::WriteOnly));
        marker.write(earlier);
    }

    startedFrame();

    QFile marker(firstRunMarkerPath());
    QVERIFY(marker.open(QIODevice::ReadOnly));
    QCOMPARE(marker.readAll(), markerPresent ? earlier : QByteArray("Complete\r\n"));
    QCOMPARE(testWindows().frames.guide.isMade() && testWindows().frames.guide().isVisible(), !markerPresent);
    QCOMPARE(control<QLineEdit>(testWindows().link.serverSettings(), "txtIPAddress")->text(), QStringLiteral("m"));
}

void TestStartup::unwritableMarkerStillShowsTheGuide()
{
    FrameWorld world;
    world.writeProgramFile(QStringLiteral("ServerSettings.txt"), "m\r\nb\r\n");
    // The settings store's folder is a plain file, so no marker can be written there.
    world.writeProgramFile(QStringLiteral("blocker"), "not a folder");
    platform::SettingsStore blocked(world.folder().filePath(QStringLiteral("blocker/settings.ini")));
    platform::Services services = platform::services();
    services.settings = &blocked;
    platform::ScopedServices installed(services);

    FrameWindow& frame = startedFrame();

    QVERIFY(!QFile::exists(firstRunMarkerPath()));
    QVERIFY(testWindows().frames.guide().isVisible());
    QCOMPARE(control<QLineEdit>(testWindows().link.serverSettings(), "txtIPAddressBackUp")->text(),
             QStringLiteral("b"));
    QVERIFY(!frame.holdOffOver());
    testWindows().destroyAll();
}

void TestStartup::errorPolicy_data()
{
    QTest::addColumn<int>("failingStep");
    QTest::addColumn<int>("error");
    QTest::addColumn<QList<int>>("completed");
    QTest::addColumn<bool>("firstRun");

    QTest::newRow("no failure") << 0 << 0 << QList<int>{1, 7, 8, 11, 12, 33, 34} << false;
    QTest::newRow("not found in A") << 1 << 53 << QList<int>{33, 34} << false;
    QTest::newRow("not found in B") << 7 << 53 << QList<int>{1, 8, 11, 12, 33, 34} << true;
    QTest::newRow("not found in C") << 11 << 53 << QList<int>{1, 7, 8, 12, 33, 34} << false;
    QTest::newRow("bad file number in A") << 1 << 52 << QList<int>{33, 34} << false;
    QTest::newRow("bad file number in B") << 8 << 52 << QList<int>{1, 7, 33, 34} << false;
    QTest::newRow("bad file number in C") << 11 << 52 << QList<int>{1, 7, 8, 33, 34} << false;
    QTest::newRow("already open in A") << 1 << 55 << QList<int>{} << false;
    QTest::newRow("already open in C") << 12 << 55 << QList<int>{1, 7, 8, 11} << false;
    QTest::newRow("other failure in A") << 1 << 5 << QList<int>{7, 8, 11, 12, 33, 34} << false;
    QTest::newRow("other failure in B") << 7 << 62 << QList<int>{1, 8, 11, 12, 33, 34} << false;
    QTest::newRow("other failure in final steps") << 33 << 52 << QList<int>{1, 7, 8, 11, 12, 34} << false;
}

void TestStartup::errorPolicy()
{
    QFETCH(int, failingStep);
    QFETCH(int, error);
    QFETCH(QList<int>, completed);
    QFETCH(bool, firstRun);

    QList<StartupSequence::Step> steps;
    const QList<std::pair<int, Region>> layout = {{1, Region::A},     {7, Region::B},  {8, Region::B},
                                                  {11, Region::C},    {12, Region::C}, {33, Region::Final},
                                                  {34, Region::Final}};
    for (const auto& [number, region] : layout) {
        steps.append({number, region, [number, failingStep, error] {
                          if (number == failingStep)
                              throw platform::RuntimeError(error, QStringLiteral("injected"));
                          return 0;
                      }});
    }
    int failures = 0;
    int firstRuns = 0;
    StartupSequence sequence;
    sequence.onFailure = [&failures] { ++failures; };
    sequence.onFirstRun = [&firstRuns] { ++firstRuns; };

    QCOMPARE(sequence.run(steps), completed);
    QCOMPARE(failures, failingStep == 0 ? 0 : 1);
    QCOMPARE(firstRuns, firstRun ? 1 : 0);
}

// A step that waits for a fetch pauses the sequence; resuming goes on with the next
// step, under the same error policy.
void TestStartup::aPausedSequenceGoesOnWhereItStopped()
{
    int failures = 0;
    const QList<StartupSequence::Step> steps = {
        {1, Region::A, [] { return 0; }},
        {13, Region::C, [] { return StartupSequence::kPause; }},
        {15, Region::C, []() -> int { throw platform::RuntimeError(52, QStringLiteral("injected")); }},
        {16, Region::C, [] { return 0; }},
        {33, Region::Final, [] { return 0; }},
    };
    StartupSequence sequence;
    sequence.onFailure = [&failures] { ++failures; };

    QCOMPARE(sequence.run(steps), (QList<int>{1, 13}));
    QVERIFY(!sequence.finished());
    QCOMPARE(failures, 0);
    QCOMPARE(sequence.resume(), (QList<int>{1, 13, 33}));
    QVERIFY(sequence.finished());
    QCOMPARE(failures, 1);
}

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
