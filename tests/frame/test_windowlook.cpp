// What the user must be able to see in the windows on the gradient: every check box's
// and radio button's square or circle stands out from what lies around it, whatever
// colours the window gives its captions and whether or not the window has been active
// yet; the about box shows its texts whole; a window
// that a toolbar command opens comes to the front.
//
// With VISTREL_SCREENSHOT_DIR set, each window is also saved there as a PNG picture, as
// the display shows it (tests/screenshots/frame-windows.sh runs this under Xvfb).
#include "FrameWorld.h"
#include "TestWindows.h"
#include "WindowScreenshot.h"
#include "chat/SupportChatWindow.h"
#include "directory/MainWindow.h"
#include "frame/AboutBox.h"
#include "frame/FirstRunMarker.h"
#include "frame/FrameWindow.h"
#include "linkwindows/StatusWindow.h"
#include "linkwindows/UserSettingsWindow.h"
#include "platform/SettingsStore.h"
#include "tools/OptionSwitches.h"
#include "tools/OptionsWindow.h"
#include "tools/PlayerSearchWindow.h"
#include "ui/CommandRegistry.h"
#include "ui/IndicatorStyle.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include <algorithm>
#include <functional>

namespace {

constexpr int kLeastContrast = 60; // grey levels between an indicator and its surroundings

// The grey that a quarter of the picture's pixels inside area reach or pass: what the
// eye takes for the area's colour, where a tick or a dot covers part of it.
int lightGrey(const QImage& picture, const QRect& area)
{
    const QRect inside = area.intersected(picture.rect());
    if (inside.isEmpty())
        return -1;
    QList<int> greys;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            greys << qGray(picture.pixel(x, y));
    std::sort(greys.begin(), greys.end());
    return greys[greys.size() * 3 / 4];
}

// The square of a check box or the circle of a radio button, in the window.
QRect indicatorIn(QAbstractButton& button, QWidget& window)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    const bool radio = qobject_cast<QRadioButton*>(&button) != nullptr;
    const QRect indicator = button.style()->subElementRect(
        radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &option, &button);
    return QRect(button.mapTo(&window, indicator.topLeft()), indicator.size());
}

void checkIndicatorsStandOut(QWidget& window)
{
    const QImage picture = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const qreal scale = picture.devicePixelRatio();
    QVERIFY(scale == 1.0);
    int checked = 0;
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (!(qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button)) || !button->isVisibleTo(&window)
            || !window.isAncestorOf(button))
            continue;
        const QRect indicator = indicatorIn(*button, window);
        // Inside the square, clear of its border, and the strip just left of it.
        const int inside = lightGrey(picture, indicator.adjusted(2, 2, -2, -2));
        const int around = lightGrey(picture, QRect(indicator.left() - 4, indicator.top(), 3, indicator.height()));
        if (qEnvironmentVariableIsSet("VISTREL_LOOK_DEBUG"))
            qInfo("%s: inside %d around %d at %d,%d %dx%d", qPrintable(button->text()), inside, around, indicator.x(),
                  indicator.y(), indicator.width(), indicator.height());
        QVERIFY2(inside >= 0 && around >= 0, qPrintable(button->objectName() + " lies outside the window"));
        QVERIFY2(std::abs(inside - around) >= kLeastContrast,
                 qPrintable(QString("\"%1\" (%2): its indicator is grey %3 on grey %4")
                                .arg(button->text(), button->objectName())
                                .arg(inside)
                                .arg(around)));
        ++checked;
    }
    QVERIFY(checked > 0);
}

// Shows the frame as the program does, with the main window in it, and makes it the
// active window.
FrameWindow& showFrame(FrameWorld& world)
{
    // Not a first run, no tip and no user settings at start: nothing opens over the frame.
    world.writeProgramFile("Showform.txt", "0\r\n");
    writeFirstRunMarker();
    platform::settingsStore().save(kProgramSettingsApplication, "Options", "Show Tips at Startup", "0");
    MainWindow& main = testWindows().main();
    main.show();
    FrameWindow& frame = testWindows().frames.frame();
    frame.show();
    frame.activateWindow();
    [&] { QVERIFY(QTest::qWaitForWindowActive(&frame)); }();
    return frame;
}

} // namespace

class TestWindowLook : public QObject {
    Q_OBJECT
private slots:
    // The program's style, as its main sets it.
    void initTestCase() { ui::useVisibleIndicators(); }
    void indicatorsStandOutFromTheGradient_data();
    void indicatorsStandOutFromTheGradient();
    void aboutBoxShowsItsTextsWhole();
    void toolbarWindowComesToTheFront_data();
    void toolbarWindowComesToTheFront();
};

void TestWindowLook::indicatorsStandOutFromTheGradient_data()
{
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QString>("name");
    QTest::newRow("options") << QByteArray(ui::command::kShowOptions) << "OptionsWindow";
    QTest::newRow("support chat") << QByteArray(ui::command::kShowSupportChat) << "SupportChatWindow";
    QTest::newRow("status") << QByteArray(ui::command::kShowSystemStatus) << "StatusWindow";
    QTest::newRow("user settings") << QByteArray(ui::command::kShowUserSettings) << "UserSettingsWindow";
    QTest::newRow("player search") << QByteArray(ui::command::kShowPlayerSearch) << "PlayerSearchWindow";
    QTest::newRow("main window") << QByteArray() << "MainWindow";
}

void TestWindowLook::indicatorsStandOutFromTheGradient()
{
    QFETCH(QByteArray, command);
    QFETCH(QString, name);
    FrameWorld world;
    FrameWindow& frame = showFrame(world);
    QWidget* window = &testWindows().main();
    if (!command.isEmpty()) {
        QVERIFY(ui::commands().run(command));
        const std::map<QString, std::function<QWidget*()>> windows = {
            {"OptionsWindow", [] { return &testWindows().tools.options(); }},
            {"SupportChatWindow", [] { return &testWindows().chat.supportChat(); }},
            {"StatusWindow", [] { return &testWindows().link.status(); }},
            {"UserSettingsWindow", [] { return &testWindows().link.userSettings(); }},
            {"PlayerSearchWindow", [] { return &testWindows().tools.playerSearch(); }},
        };
        window = windows.at(name)();
        QTRY_VERIFY(window->isVisible());
        // Before the window's first activation, which paints its gradient.
        checkIndicatorsStandOut(*window);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }
    QTest::qWait(50); // the activation's gradient
    checkIndicatorsStandOut(*window);
    saveScreenshot(command.isEmpty() ? static_cast<QWidget&>(frame) : *window, name);
}

void TestWindowLook::aboutBoxShowsItsTextsWhole()
{
    FrameWorld world;
    showFrame(world);
    QVERIFY(ui::commands().run(ui::command::kShowAbout));
    AboutBox& box = testWindows().frames.about();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    for (QLabel* label : box.findChildren<QLabel*>()) {
        if (label->text().isEmpty())
            continue;
        const QString name = QString("\"%1\" (%2)").arg(label->text(), label->objectName());
        QVERIFY2(box.rect().contains(QRect(label->mapTo(&box, QPoint(0, 0)), label->size())),
                 qPrintable(name + " lies outside the box"));
        const int neededHeight = label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
        QVERIFY2(label->height() >= neededHeight, qPrintable(name + " is cut at its foot"));
        if (!label->wordWrap())
            QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(name + " is cut at its end"));
    }
    saveScreenshot(box, "AboutBox");
}

void TestWindowLook::toolbarWindowComesToTheFront_data()
{
    QTest::addColumn<float>("x");
    QTest::addColumn<QString>("name");
    QTest::newRow("status") << 3700.0f << "StatusWindow";
    QTest::newRow("server settings") << 8300.0f << "ServerSettingsWindow";
    QTest::newRow("user settings") << 9200.0f << "UserSettingsWindow";
}

// A window that is already open, behind the frame, comes forward too.
void TestWindowLook::toolbarWindowComesToTheFront()
{
    QFETCH(float, x);
    QFETCH(QString, name);
    FrameWorld world;
    FrameWindow& frame = showFrame(world);
    for (int round = 0; round < 2; ++round) {
        frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        frame.pressToolbar(1, 0, x, 0);
        QTRY_VERIFY(QApplication::activeWindow() && QApplication::activeWindow() != &frame);
        QCOMPARE(QApplication::activeWindow()->metaObject()->className(), name);
    }
}

QTEST_MAIN(TestWindowLook)
#include "test_windowlook.moc"
