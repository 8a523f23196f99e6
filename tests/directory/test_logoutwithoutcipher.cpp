// The logout with the traffic cipher switched on while the string library cannot be
// reached: building the message is a failing step like any other, so nothing is sent,
// a secondary window's Disconnect shows the error's number, and Exit still ends the
// program. The library is out of reach for this whole program (its registry file is
// missing), so the only other test here is the cipher's own result without it.
#include "Control.h"
#include "FakeReflector.h"
#include "FrameWorld.h"
#include "SessionSettled.h"
#include "TestWindows.h"
#include "common/Lexmara.h"
#include "directory/ConnectCommands.h"
#include "directory/MainWindow.h"
#include "directory/ShutDown.h"
#include "link/ReflectorSession.h"
#include "link/TrafficCipher.h"
#include "linkwindows/ServerSettingsWindow.h"
#include "platform/RuntimeError.h"
#include "ui/PanelStatusBar.h"

#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>
#include <optional>

class TestLogoutWithoutCipher : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void disconnectShowsTheFailedStepAndSendsNothing();
    void exitEndsAllTheSame();
    void theCipherHandsOnTheLibrarysError();

private:
    QTemporaryDir registryFolder_;
    std::optional<FrameWorld> world_;
    std::optional<FakeReflector> reflector_;
};

void TestLogoutWithoutCipher::initTestCase()
{
    qputenv("LEXMARA_REGISTRY", registryFolder_.filePath(QStringLiteral("missing.ini")).toLocal8Bit());
    QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, gLexmara.StringEncrypt("x", "key"));
}

void TestLogoutWithoutCipher::init()
{
    world_.emplace();
    reflector_.emplace();
    QVERIFY(reflector_->listen());
    control<QLineEdit>(testWindows().link.serverSettings(), "txtPort")->setText(QString::number(reflector_->port()));
    testWindows().main();
    LinkState& state = reflectorSession().state();
    state.reflectorAddress = "127.0.0.1";
    state.encryptTraffic = true;
    state.loggedIn = true;
    showConnectedState(true);
}

void TestLogoutWithoutCipher::cleanup()
{
    world_.reset();
    reflector_.reset();
}

void TestLogoutWithoutCipher::disconnectShowsTheFailedStepAndSendsNothing()
{
    disconnectCommand(testWindows(), CommandOrigin::SecondaryWindow);
    QVERIFY(sessionSettled());

    QCOMPARE(world_->folder().dialogs().messageTexts().size(), 1);
    QVERIFY(world_->folder().dialogs().messageTexts()[0].startsWith(QLatin1Char(' ')));
    QCOMPARE(testWindows().main().statusBar->panelText(1),
             QByteArray("Sending disconnect request to Reflector failed..."));
    QVERIFY(!reflectorSession().state().loggedIn);
    QTest::qWait(100);
    QVERIFY(reflector_->requests().isEmpty());
}

void TestLogoutWithoutCipher::exitEndsAllTheSame()
{
    exitWithoutWaiting(testWindows().main());
    QTRY_COMPARE(world_->folder().endProcessCalls(), QList<int>{0});
    shutDownAfterLogout(testWindows().main());
    QTRY_COMPARE(world_->folder().endProcessCalls(), (QList<int>{0, 0}));
    QVERIFY(reflector_->requests().isEmpty());
}

// Every enciphered or deciphered form carries the library's error instead of a text;
// the plain forms need no library.
void TestLogoutWithoutCipher::theCipherHandsOnTheLibrarysError()
{
    int number = 0;
    try {
        gLexmara.StringEncrypt("x", "key");
    } catch (const platform::RuntimeError& error) {
        number = error.number();
    }
    QVERIFY(number != 0);
    for (const TrafficText& failed : {requestOnWire(true, "Travel,Paris"), loginOnWire(true, "1", "ann", "pw"),
                                      logoutOnWire(true, "9.8.7.6"), replyInClear(true, "/NDF/")}) {
        QVERIFY(!failed.ok());
        QCOMPARE(failed.errorNumber, number);
        QVERIFY(!failed.errorDescription.isEmpty());
        QVERIFY(failed.text.isEmpty());
    }
    QCOMPARE(requestOnWire(false, "Travel,Paris").text, QByteArray("Travel,Paris"));
    QCOMPARE(loginOnWire(false, "1", "ann", "pw").text, QByteArray("/Login/1,ann,pw"));
    QCOMPARE(replyInClear(false, "/NDF/").text, QByteArray("/NDF/"));
}

QTEST_MAIN(TestLogoutWithoutCipher)
#include "test_logoutwithoutcipher.moc"
