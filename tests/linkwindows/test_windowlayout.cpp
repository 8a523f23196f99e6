// The three link windows at their fixed sizes: every caption, label and box fits
// inside its window at its full size, and no two controls overlap, so the text the
// user must read is never cut off or covered.
//
// With VISTREL_SCREENSHOT_DIR set, each window is also saved there as a PNG picture,
// as the display shows it (tests/screenshots/link-windows.sh runs this under Xvfb).
#include "Control.h"
#include "FakeWebServer.h"
#include "OpenForm.h"
#include "TempProgramFolder.h"
#include "TestWindows.h"
#include "WindowScreenshot.h"
#include "linkwindows/ServerSettingsWindow.h"
#include "linkwindows/StatusWindow.h"
#include "linkwindows/UserSettingsWindow.h"
#include "platform/Services.h"
#include "platform/Wait.h"
#include "ui/TrafficMarker.h"

#include <QAbstractButton>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <optional>

namespace {

// The controls whose text or content the user reads, outside the status diagram.
QList<QWidget*> readableControls(QWidget& window, const QWidget* diagram)
{
    QList<QWidget*> controls;
    for (QWidget* child : window.findChildren<QWidget*>()) {
        if (!child->isVisibleTo(&window) || (diagram && (child == diagram || diagram->isAncestorOf(child))))
            continue;
        if (qobject_cast<QLabel*>(child) || qobject_cast<QAbstractButton*>(child) || qobject_cast<QLineEdit*>(child)
            || qobject_cast<QPlainTextEdit*>(child))
            controls << child;
    }
    return controls;
}

QRect inWindow(QWidget* control, QWidget& window)
{
    return QRect(control->mapTo(&window, QPoint(0, 0)), control->size());
}

void checkEveryControlIsReadable(QWidget& window, const QWidget* diagram = nullptr)
{
    const QList<QWidget*> controls = readableControls(window, diagram);
    QVERIFY(!controls.isEmpty());
    for (QWidget* control : controls) {
        const QString name =
            QString("%1 \"%2\"").arg(control->metaObject()->className(), control->property("text").toString());
        const QRect area = inWindow(control, window);
        QVERIFY2(window.rect().contains(area), qPrintable(name + " lies outside the window"));
        const QSize needed = control->minimumSizeHint();
        QVERIFY2(control->width() >= needed.width() && control->height() >= needed.height(),
                 qPrintable(QString("%1 is cut: %2x%3 of %4x%5")
                                .arg(name)
                                .arg(control->width())
                                .arg(control->height())
                                .arg(needed.width())
                                .arg(needed.height())));
        for (QWidget* other : controls) {
            if (other != control && !control->isAncestorOf(other) && !other->isAncestorOf(control))
                QVERIFY2(!area.intersects(inWindow(other, window)), qPrintable(name + " overlaps another control"));
        }
    }
}

// Shows the window as its menu command does and waits until the display has it.
template <typename Window>
void open(ui::WindowSlot<Window>& slot)
{
    Window& window = openForm(slot);
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
}

} // namespace

class WindowLayoutTest : public QObject {
    Q_OBJECT

private:
    std::optional<TempProgramFolder> folder;

private slots:
    void init() { folder.emplace(); }
    void cleanup()
    {
        testWindows().destroyAll();
        folder.reset();
    }

    void serverSettings()
    {
        ServerSettingsWindow& window = testWindows().link.serverSettings();
        control<QLineEdit>(window, "txtIPAddress")->setText("reflector.example.net");
        control<QLineEdit>(window, "txtIPAddressBackUp")->setText("192.168.100.200");
        open(testWindows().link.serverSettings);
        checkEveryControlIsReadable(window);
        saveScreenshot(window, "ServerSettingsWindow");
    }

    void userSettings()
    {
        UserSettingsWindow& window = testWindows().link.userSettings();
        control<QLineEdit>(window, "txtUserName")->setText("WWWWWWWWWWWWWWW"); // the longest name that can be typed
        control<QLineEdit>(window, "txtUserID")->setText("4711");
        control<QLineEdit>(window, "txtPassword")->setText("0123456789");
        control<QLabel>(window, "lblWarning")->show();
        control<QPushButton>(window, "cmdRetry")->show();
        open(testWindows().link.userSettings);
        checkEveryControlIsReadable(window);
        saveScreenshot(window, "UserSettingsWindow");
    }

    void systemStatus()
    {
        folder->copyShippedFolder("icons");
        FakeWebServer web;
        web.serve("/support.php", 200, "Server is up");
        platform::services().webServerBase = web.url("");

        StatusWindow& window = testWindows().link.status();
        window.showLamp(1, ReflectorSession::Lamp::Green);
        window.showLamp(2, ReflectorSession::Lamp::Red);
        control<TrafficMarker>(window, "imgSegment1SendData")->show();
        control<TrafficMarker>(window, "imgSegment2SendData")->show();
        control<QLabel>(window, "lblReflectorAddr")->setText("reflector.example.net");
        control<QLabel>(window, "lblReflectorPort")->setText("80");
        window.appendLogLine("Connecting to reflector.example.net ...");
        window.appendLogLine("Connected OK ...");
        window.appendLogLine("Login Successful ...");
        open(testWindows().link.status); // the activation fetches the server's state
        QVERIFY(platform::waitUntil(
            [&] { return !control<QLabel>(window, "Label8")->text().isEmpty() && !window.refreshing(); }, 5000));
        QCOMPARE(control<QLabel>(window, "Label8")->text(), QString("Server is Up.."));
        checkEveryControlIsReadable(window, control<QLabel>(window, "Image2")->parentWidget());
        saveScreenshot(window, "StatusWindow");
    }
};

QTEST_MAIN(WindowLayoutTest)
#include "test_windowlayout.moc"
