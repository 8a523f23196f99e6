// The tip of the day: whether the start-up shows it by the stored switch (and goes on
// either way), the box that stores the switch at once and holds it across runs, and
// the picture from the product web server, whose failure shows nothing.
#include "Control.h"
#include "FakeWebServer.h"
#include "FrameWorld.h"
#include "StartedFrame.h"

#include "TestWindows.h"
#include "common/SeenRepliesCache.h"
#include "frame/DebugLog.h"
#include "frame/FirstRunMarker.h"
#include "frame/FrameWindow.h"
#include "frame/TipOfTheDayWindow.h"
#include "linkwindows/ServerSettingsWindow.h"
#include "platform/HttpTransfer.h"
#include "platform/Services.h"
#include "platform/SettingsStore.h"
#include "platform/Timer.h"
#include "tools/OptionSwitches.h"
#include "ui/CommandRegistry.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMovie>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <optional>

Q_DECLARE_METATYPE(std::optional<QByteArray>)

namespace {

const QByteArray kSection = "Options";
const QByteArray kKey = "Show Tips at Startup";
const QByteArray kPicturePath = "/ToolTips/WCradiotowerMessage.gif";

// A one-pixel GIF picture.
const QByteArray kPicture = QByteArray::fromHex("47494638396101000100800000ffffff00000021f90401000000002c00000000"
                                                "010001000002024401003b");

std::optional<QByteArray> storedSwitch(platform::SettingsStore& store)
{
    const QByteArray absent = "absent";
    const QByteArray value = store.get(kProgramSettingsApplication, kSection, kKey, absent);
    return value == absent ? std::nullopt : std::optional<QByteArray>(value);
}

bool tipShown()
{
    return testWindows().frames.tipOfTheDay.isMade() && testWindows().frames.tipOfTheDay().isVisible();
}

} // namespace

class TestTipOfTheDay : public QObject {
    Q_OBJECT
private slots:
    void startupShowsTheTipByTheSwitch_data();
    void startupShowsTheTipByTheSwitch();
    void untickingStoresTheSwitchAtOnce();
    void picture_data();
    void picture();
    void commandShowsTheTipWhateverTheSwitch();
};

void TestTipOfTheDay::startupShowsTheTipByTheSwitch_data()
{
    QTest::addColumn<std::optional<QByteArray>>("stored");
    QTest::addColumn<bool>("shown");
    QTest::newRow("none stored") << std::optional<QByteArray>() << true;
    QTest::newRow("1") << std::optional<QByteArray>("1") << true;
    QTest::newRow("another number means on") << std::optional<QByteArray>("7") << true;
    QTest::newRow("blanks around") << std::optional<QByteArray>(" 1 ") << true;
    QTest::newRow("0") << std::optional<QByteArray>("0") << false;
    QTest::newRow("rounds to 0") << std::optional<QByteArray>("0.4") << false;
    QTest::newRow("not a number") << std::optional<QByteArray>("yes") << false;
}

// A tip that does not show is a failure of its step: one line in the debug log, and
// the start-up goes on with the first-run marker, the status clearing and the address.
void TestTipOfTheDay::startupShowsTheTipByTheSwitch()
{
    QFETCH(std::optional<QByteArray>, stored);
    QFETCH(bool, shown);
    FrameWorld world;
    // No other step fails: not a first run, a cache to delete, an address to read.
    QVERIFY(writeFirstRunMarker());
    QFile cache(seenRepliesCachePath());
    QVERIFY(cache.open(QIODevice::WriteOnly));
    cache.close();
    world.writeProgramFile(QStringLiteral("ServerSettings.txt"), "m\r\nb\r\n");
    platform::SettingsStore& store = world.folder().settings();
    if (stored)
        QVERIFY(store.save(kProgramSettingsApplication, kSection, kKey, *stored));

    FrameWindow& frame = startedFrame();

    QCOMPARE(tipShown(), shown);
    if (shown)
        QVERIFY(control<QCheckBox>(testWindows().frames.tipOfTheDay(), "chkLoadTipsAtStartup")->isChecked());
    // Showing the tip stores nothing.
    QCOMPARE(storedSwitch(store), stored);
    // What the options window's "Show Tool Tips" box reads: ticked unless switched off
    // (a text it cannot read leaves the box as it is).
    const std::optional<int> optionsBox = OptionSwitches(store).tipBoxState();
    if (!stored || *stored == "1")
        QCOMPARE(optionsBox, std::optional<int>(1));
    else if (*stored == "0")
        QCOMPARE(optionsBox, std::optional<int>(0));
    const QString debugLog = control<QPlainTextEdit>(testWindows().frames.debugLog(), "Text1")->toPlainText();
    QCOMPARE(debugLog.isEmpty(), shown);
    QVERIFY(control<platform::Timer>(frame, "statusClearTimer")->isEnabled());
    QCOMPARE(control<QLineEdit>(testWindows().link.serverSettings(), "txtIPAddressBackUp")->text(),
             QStringLiteral("b"));
    QVERIFY(!frame.holdOffOver());
}

void TestTipOfTheDay::untickingStoresTheSwitchAtOnce()
{
    FrameWorld world;
    const QString storePath = world.folder().settings().filePath();
    world.writeProgramFile(QStringLiteral("ServerSettings.txt"), "m\r\nb\r\n");
    testWindows().frames.frame();
    TipOfTheDayWindow& tip = testWindows().frames.tipOfTheDay();
    QVERIFY(tip.isVisible());

    control<QCheckBox>(tip, "chkLoadTipsAtStartup")->click();
    QCOMPARE(storedSwitch(world.folder().settings()), std::optional<QByteArray>("0"));
    QVERIFY(tip.isVisible());
    control<QCheckBox>(tip, "chkLoadTipsAtStartup")->click();
    QCOMPARE(storedSwitch(world.folder().settings()), std::optional<QByteArray>("1"));
    control<QCheckBox>(tip, "chkLoadTipsAtStartup")->click();

    // The next run reads the switch from the store's file.
    platform::SettingsStore nextRun(storePath);
    QCOMPARE(nextRun.get(kProgramSettingsApplication, kSection, kKey), QByteArray("0"));
    testWindows().destroyAll();
    platform::Services services = platform::services();
    services.settings = &nextRun;
    platform::ScopedServices installed(services);
    testWindows().frames.frame();
    QVERIFY(!tipShown());
    testWindows().destroyAll();
}

void TestTipOfTheDay::picture_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("shown");
    QTest::newRow("a GIF picture") << 200 << kPicture << true;
    QTest::newRow("no such page") << 404 << kPicture << false;
    QTest::newRow("not a picture") << 200 << QByteArray("<html>moved</html>") << false;
    QTest::newRow("too large") << 200 << (kPicture + QByteArray(TipOfTheDayWindow::kPictureSizeCap, '\0')) << false;
}

void TestTipOfTheDay::picture()
{
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(bool, shown);
    FakeWebServer web;
    web.serve(kPicturePath, status, body);
    FrameWorld world(web.url(""));

    testWindows().frames.frame();
    TipOfTheDayWindow& tip = testWindows().frames.tipOfTheDay();
    QVERIFY(tip.isVisible());
    QTRY_VERIFY(!control<platform::HttpTransfer>(tip, "pictureFetch")->busy());

    // The start-up's address fetch goes to the same server meanwhile, in either order.
    const auto requests = web.requests();
    QCOMPARE(
        std::any_of(requests.begin(), requests.end(), [](const auto& request) { return request.path == kPicturePath; }),
        true);
    QCOMPARE(control<QLabel>(tip, "AniGIF1")->movie() != nullptr, shown);
    if (shown)
        QCOMPARE(control<QLabel>(tip, "AniGIF1")->movie()->frameRect().size(), QSize(1, 1));
    QVERIFY(world.folder().dialogs().messageBoxes().isEmpty());
}

void TestTipOfTheDay::commandShowsTheTipWhateverTheSwitch()
{
    FrameWorld world;
    QVERIFY(world.folder().settings().save(kProgramSettingsApplication, kSection, kKey, "0"));
    testWindows().frames.frame();
    QVERIFY(!tipShown());

    QVERIFY(ui::commands().run(ui::command::kShowTipOfTheDay));
    QVERIFY(tipShown());
    QVERIFY(!control<QCheckBox>(testWindows().frames.tipOfTheDay(), "chkLoadTipsAtStartup")->isChecked());
    QCOMPARE(storedSwitch(world.folder().settings()), std::optional<QByteArray>("0"));
    control<QPushButton>(testWindows().frames.tipOfTheDay(), "cmdOK")->click();
    QVERIFY(!tipShown());
}

QTEST_MAIN(TestTipOfTheDay)
#include "test_tipoftheday.moc"
