// The windows that open in front of the frame, the tip of the day and (on a first run)
// the quick-start guide at start-up, and these two and the about box on command: each is the frame's own dialog window, so that its
// native window is the frame's transient and stacks above it with or without a window
// manager, and each is centred over the frame, below the menu bar and the toolbar,
// where it hides none of the toolbar's buttons.
#include "Control.h"
#include "FrameWorld.h"
#include "TestWindows.h"
#include "frame/AboutBox.h"
#include "frame/FirstRunMarker.h"
#include "frame/FrameWindow.h"
#include "frame/QuickStartGuide.h"
#include "frame/TipOfTheDayWindow.h"
#include "frame/ToolbarControl.h"
#include "platform/SettingsStore.h"
#include "tools/OptionSwitches.h"
#include "ui/CommandRegistry.h"

#include <QMenuBar>
#include <QTest>
#include <QWindow>

namespace {

void verifyInFrontOfTheFrame(QWidget& window, FrameWindow& frame)
{
    QVERIFY(window.isVisible());
    QVERIFY(window.isWindow());
    QCOMPARE(window.parentWidget(), &frame);
    QCOMPARE(window.windowType(), Qt::Dialog);
    QVERIFY(window.windowHandle() && frame.windowHandle());
    QCOMPARE(window.windowHandle()->transientParent(), frame.windowHandle());
    // The window's border is known only once it shows, after it was placed.
    const QPoint offset = window.frameGeometry().center() - frame.frameGeometry().center();
    QVERIFY2(offset.manhattanLength() <= 8,
             qPrintable(QStringLiteral("off centre by %1").arg(offset.manhattanLength())));
    const int toolbarBottom = frame.y() + frame.menuBar()->sizeHint().height()
        + control<ToolbarControl>(frame, "Toolbar1")->sizeHint().height();
    QVERIFY(window.frameGeometry().top() > toolbarBottom);
}

} // namespace

class TestOwnedWindows : public QObject {
    Q_OBJECT
private slots:
    void startupOpensTheTipAndTheGuideInFrontOfTheFrame();
    void commandsOpenThemInFrontOfTheFrame();
};

void TestOwnedWindows::startupOpensTheTipAndTheGuideInFrontOfTheFrame()
{
    FrameWorld world; // a first run: no marker yet
    FrameWindow& frame = testWindows().frames.frame();

    verifyInFrontOfTheFrame(testWindows().frames.tipOfTheDay(), frame);
    verifyInFrontOfTheFrame(testWindows().frames.guide(), frame);
}

void TestOwnedWindows::commandsOpenThemInFrontOfTheFrame()
{
    FrameWorld world;
    QVERIFY(writeFirstRunMarker());
    QVERIFY(world.folder().settings().save(kProgramSettingsApplication, "Options", "Show Tips at Startup", "0"));
    FrameWindow& frame = testWindows().frames.frame();
    QVERIFY(!testWindows().frames.tipOfTheDay.isMade() || !testWindows().frames.tipOfTheDay().isVisible());

    QVERIFY(!testWindows().frames.guide.isMade());

    QVERIFY(ui::commands().run(ui::command::kShowTipOfTheDay));
    verifyInFrontOfTheFrame(testWindows().frames.tipOfTheDay(), frame);
    QVERIFY(ui::commands().run(ui::command::kShowQuickStart));
    verifyInFrontOfTheFrame(testWindows().frames.guide(), frame);
    QVERIFY(ui::commands().run(ui::command::kShowAbout));
    verifyInFrontOfTheFrame(testWindows().frames.about(), frame);
}

QTEST_MAIN(TestOwnedWindows)
#include "test_ownedwindows.moc"
