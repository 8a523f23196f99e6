// The toolbar: hit-testing by the fixed twip ranges, the left press that runs a
// command and marks it current, the right press that opens the help page, the picture
// reset, the give-back of closing windows and captions that fit their buttons.
#include "Control.h"
#include "FrameWorld.h"
#include "RefusingPort.h"
#include "TestWindows.h"
#include "ToolbarEntries.h"
#include "frame/AboutBox.h"
#include "frame/FrameWindow.h"
#include "frame/ToolbarControl.h"
#include "frame/ToolbarPositions.h"
#include "linkwindows/ServerSettingsWindow.h"
#include "linkwindows/StatusWindow.h"
#include "linkwindows/UserSettingsWindow.h"
#include "platform/Services.h"
#include "platform/Timer.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLineEdit>
#include <QTest>

namespace {

constexpr int kLeft = 1;
constexpr int kRight = 2;

const QList<int>& commandButtons()
{
    static const QList<int> buttons = {1, 2, 3, 5, 6, 7, 8, 9, 11, 12, 13, 15, 16};
    return buttons;
}

QList<int> pictures(const ToolbarControl& toolbar)
{
    QList<int> shown;
    for (int button : commandButtons())
        shown << toolbar.buttonImage(button);
    return shown;
}

} // namespace

class TestToolbar : public QObject {
    Q_OBJECT
private slots:
    void init() { ui::toolbarState() = {}; }
    void hitTest_data();
    void hitTest();
    void leftPressMarksOnlyThePressedCommand();
    void disabledButtonRunsNothing();
    void rightPressOpensHelpForEveryCommand();
    void pictureResetKeepsWorking();
    void giveBack_data();
    void giveBack();
    void everyCaptionFitsItsButton();
    void commandBoxIsRaisedAfterThePress();
};

void TestToolbar::hitTest_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("position"); // 0: nothing
    const QList<std::pair<double, int>> edges = {
        {-1, 0},    {0, 1},     {855, 1},  {856, 0},    {884, 0},    {885, 2},    {1740, 2},   {1741, 0},    {1770, 3},
        {2640, 3},  {2641, 0},  {2799, 0}, {2800, 5},   {3630, 5},   {3660, 6},   {4515, 6},   {4545, 7},    {5400, 7},
        {5415, 8},  {6285, 8},  {6315, 9}, {7185, 9},   {7186, 0},   {7335, 11},  {8175, 11},  {8220, 12},   {9060, 12},
        {9090, 13}, {9945, 13}, {9946, 0}, {10110, 15}, {10950, 15}, {10980, 16}, {11850, 16}, {11850.5, 0}, {11851, 0},
    };
    for (const auto& [x, position] : edges)
        QTest::addRow("x=%g", x) << x << position;
}

// Both buttons find the same button; only the right press is run here, since it
// changes nothing but the pages opened.
void TestToolbar::hitTest()
{
    QFETCH(double, x);
    QFETCH(int, position);
    QCOMPARE(toolbarButtonAt(x).value_or(0), position);

    FrameWorld world;
    FrameWindow& frame = testWindows().frames.frame();
    frame.pressToolbar(kRight, 0, float(x), 0);
    frame.pressToolbar(3, 0, float(x), 0); // both buttons at once: nothing
    const QList<QUrl>& pages = world.folder().launcher().pages();
    QCOMPARE(pages.size(), position == 0 ? 0 : 1);
    if (position != 0)
        QVERIFY(pages[0].path().endsWith(QString::fromLatin1(toolbarPosition(position).helpPage)));
}

void TestToolbar::leftPressMarksOnlyThePressedCommand()
{
    FrameWorld world;
    FrameWindow& frame = testWindows().frames.frame();
    setCommandToolbarEntries(true);
    ui::toolbarState().setActive(ui::ToolbarEntry::Update, true);

    frame.pressToolbar(kLeft, 0, 8220, 0); // Serv Set

    QVERIFY(testWindows().link.serverSettings().isVisible());
    // No button sets or clears NoButton: it stays as it was.
    for (ui::ToolbarEntry entry : commandToolbarEntries())
        QCOMPARE(ui::toolbarState().isActive(entry),
                 entry == ui::ToolbarEntry::ServerSettings || entry == ui::ToolbarEntry::NoButton);
    QVERIFY(!ui::toolbarState().isActive(ui::ToolbarEntry::Update));
    QList<int> expected(commandButtons().size(), ToolbarControl::PictureNormal);
    expected[commandButtons().indexOf(12)] = ToolbarControl::PictureActive;
    QCOMPARE(pictures(*control<ToolbarControl>(frame, "Toolbar1")), expected);

    // A gap changes nothing.
    frame.pressToolbar(kLeft, 0, 870, 0);
    QCOMPARE(pictures(*control<ToolbarControl>(frame, "Toolbar1")), expected);
    QVERIFY(ui::toolbarState().isActive(ui::ToolbarEntry::ServerSettings));

    // About runs its command and takes over as the current one.
    frame.pressToolbar(kLeft, 0, 10110, 0);
    QVERIFY(testWindows().frames.about().isVisible());
    QVERIFY(ui::toolbarState().isActive(ui::ToolbarEntry::About));
    QVERIFY(!ui::toolbarState().isActive(ui::ToolbarEntry::ServerSettings));
    expected[commandButtons().indexOf(12)] = ToolbarControl::PictureNormal;
    expected[commandButtons().indexOf(15)] = ToolbarControl::PictureActive;
    QCOMPARE(pictures(*control<ToolbarControl>(frame, "Toolbar1")), expected);
}

void TestToolbar::disabledButtonRunsNothing()
{
    FrameWorld world;
    FrameWindow& frame = testWindows().frames.frame();
    control<ToolbarControl>(frame, "Toolbar1")->setButtonEnabled(6, false);
    frame.pressToolbar(kLeft, 0, 3700, 0); // Status
    QVERIFY(!testWindows().link.status.isMade());
    QVERIFY(!ui::toolbarState().isActive(ui::ToolbarEntry::Status));
    QCOMPARE(control<ToolbarControl>(frame, "Toolbar1")->buttonImage(6), int(ToolbarControl::PictureNormal));
}

void TestToolbar::rightPressOpensHelpForEveryCommand()
{
    FrameWorld world;
    FrameWindow& frame = testWindows().frames.frame();
    const QList<QByteArray> helpPages = {"Connect.htm",  "Disconne.htm", "ExitButt.htm", "Locator.htm", "Status.htm",
                                         "MediaPla.htm", "RealPlay.htm", "Searchme.htm", "Options.htm", "ServerSe.htm",
                                         "UserSett.htm", "About.htm",    "Update.htm"};
    QStringList expected;
    for (int i = 0; i < commandButtons().size(); ++i) {
        frame.pressToolbar(kRight, 0, float(toolbarPosition(commandButtons()[i]).fromTwips), 0);
        expected << platform::services().webServerBase + QStringLiteral("/help/") + QString::fromLatin1(helpPages[i]);
    }
    QStringList opened;
    for (const QUrl& page : world.folder().launcher().pages())
        opened << page.toString();
    QCOMPARE(opened, expected);
    QVERIFY(world.folder().endProcessCalls().isEmpty()); // Exit did not run
    QVERIFY(!testWindows().link.serverSettings.isMade());
    QVERIFY(!testWindows().link.status.isMade());
    const QList<ui::ToolbarEntry> entries = commandToolbarEntries();
    QCOMPARE(std::count_if(entries.begin(), entries.end(),
                           [](ui::ToolbarEntry e) { return ui::toolbarState().isActive(e); }),
             0);
}

void TestToolbar::pictureResetKeepsWorking()
{
    FrameWorld world;
    FrameWindow& frame = testWindows().frames.frame();
    ToolbarControl& toolbar = *control<ToolbarControl>(frame, "Toolbar1");
    ui::toolbarState().setActive(ui::ToolbarEntry::Options, true); // Options is current
    for (int round = 0; round < 10; ++round) {
        for (int button : commandButtons())
            toolbar.setButtonImage(button,
                                   button == 11 ? ToolbarControl::PictureActive : ToolbarControl::PictureHighlighted);
        ui::toolbarState().setHighlightCleared(false);
        control<platform::Timer>(frame, "toolbarPictureReset")->setEnabled(true);
        control<platform::Timer>(frame, "toolbarPictureReset")->setInterval(100);
        frame.resetToolbarPictures();
        QVERIFY(ui::toolbarState().highlightCleared());
        QVERIFY(!control<platform::Timer>(frame, "toolbarPictureReset")->isEnabled());
        for (int button : commandButtons())
            QCOMPARE(toolbar.buttonImage(button),
                     int(button == 11 ? ToolbarControl::PictureActive : ToolbarControl::PictureNormal));
    }
    // Without a pending reset a tick changes nothing.
    toolbar.setButtonImage(1, ToolbarControl::PictureHighlighted);
    frame.resetToolbarPictures();
    QCOMPARE(toolbar.buttonImage(1), int(ToolbarControl::PictureHighlighted));
}

void TestToolbar::giveBack_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("entry");
    QTest::newRow("status") << 0 << 6 << int(ui::ToolbarEntry::Status);
    QTest::newRow("server settings") << 1 << 12 << int(ui::ToolbarEntry::ServerSettings);
    QTest::newRow("user settings") << 2 << 13 << int(ui::ToolbarEntry::UserSettings);
}

void TestToolbar::giveBack()
{
    QFETCH(int, window);
    QFETCH(int, button);
    QFETCH(int, entry);
    FrameWorld world;
    FrameWindow& frame = testWindows().frames.frame();
    QWidget* closing = nullptr;
    switch (window) {
    case 0: closing = &testWindows().link.status(); break;
    case 1: closing = &testWindows().link.serverSettings(); break;
    default: closing = &testWindows().link.userSettings(); break;
    }
    closing->show();
    setCommandToolbarEntries(true);
    for (int b : commandButtons())
        control<ToolbarControl>(frame, "Toolbar1")->setButtonImage(b, ToolbarControl::PictureActive);

    closing->close();

    for (ui::ToolbarEntry e : commandToolbarEntries())
        QCOMPARE(ui::toolbarState().isActive(e), e != ui::ToolbarEntry(entry));
    for (int b : commandButtons())
        QCOMPARE(control<ToolbarControl>(frame, "Toolbar1")->buttonImage(b),
                 int(b == button ? ToolbarControl::PictureNormal : ToolbarControl::PictureActive));
}

// A box that the toolbar's command raises while the press is still being handled
// opens under the toolbar's mouse grab: it is never shown, and every click goes to
// the toolbar. The command runs once the press has been handled, as a menu item's does.
void TestToolbar::commandBoxIsRaisedAfterThePress()
{
    FrameWorld world;
    FrameWindow& frame = testWindows().frames.frame();
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    RefusingPort refusing;
    QVERIFY(refusing.port() != 0);
    ServerSettingsWindow& settings = testWindows().link.serverSettings();
    control<QLineEdit>(settings, "txtIPAddress")->setText("127.0.0.1");
    control<QLineEdit>(settings, "txtIPAddressBackUp")->setText("127.0.0.1");
    control<QLineEdit>(settings, "txtPort")->setText(QString::number(refusing.port()));

    struct Shown {
        QString text;
        QWidget* grabber = nullptr;
        Qt::MouseButtons buttons;
    };
    QList<Shown> shown;
    // The press reaches the toolbar as a user's does.
    bool pressed = false;
    const QPoint connectButton(platform::twips(400), control<ToolbarControl>(frame, "Toolbar1")->height() / 2);
    struct PressWatch : QObject {
        bool* pressed;
        explicit PressWatch(bool* flag) : pressed(flag) {}
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::MouseButtonPress)
                *pressed = true;
            return false;
        }
    } watch(&pressed);
    control<ToolbarControl>(frame, "Toolbar1")->installEventFilter(&watch);
    world.folder().dialogs().whileOpen([&](const platform::MessageBoxRequest& box) {
        shown << Shown{box.text, QWidget::mouseGrabber(), QApplication::mouseButtons()};
    });

    QTest::mouseClick(control<ToolbarControl>(frame, "Toolbar1"), Qt::LeftButton, {}, connectButton);
    QVERIFY(pressed);

    // The login's box: neither reflector address answers.
    QTRY_COMPARE(shown.size(), 1);
    QCOMPARE(shown[0].text, QStringLiteral("Can't connect to DB Server or BackUp Server"));
    QCOMPARE(shown[0].grabber, nullptr);
    QCOMPARE(shown[0].buttons, Qt::NoButton);
    // The press still counts as the toolbar's: Connect is the current command.
    QTRY_VERIFY(ui::toolbarState().isActive(ui::ToolbarEntry::Connect));
    QCOMPARE(control<ToolbarControl>(frame, "Toolbar1")->buttonImage(1), int(ToolbarControl::PictureActive));
}

QTEST_MAIN(TestToolbar)
// In the installed fonts: a caption wider than its button is drawn cut at both ends
// ("Disconnect" came out as "isconnec").
void TestToolbar::everyCaptionFitsItsButton()
{
    constexpr int kMarginPixels = 2; // clear of the button's rounded border on each side
    ToolbarControl toolbar;
    const QFontMetrics metrics(toolbar.font());
    QVERIFY2(metrics.height() >= 10, qPrintable(QString("caption font %1 px high").arg(metrics.height())));
    for (int button : commandButtons()) {
        const ToolbarPosition& position = toolbarPosition(button);
        const int buttonWidth = platform::twips(position.toTwips) - platform::twips(position.fromTwips) + 1;
        const int captionWidth = metrics.horizontalAdvance(position.caption);
        QVERIFY2(captionWidth + 2 * kMarginPixels <= buttonWidth,
                 qPrintable(QString("\"%1\": %2 px in a %3 px button (%4)")
                                .arg(position.caption)
                                .arg(captionWidth)
                                .arg(buttonWidth)
                                .arg(toolbar.font().toString())));
    }
}

#include "test_toolbar.moc"
