// The login against the fake reflector over real sockets: the primary and the backup
// address, the rejection window, the bytes of the login, the flags it leaves, what it
// shows and logs, and a login that is already running.
#include "Control.h"
#include "FakeReflector.h"
#include "FrameWorld.h"
#include "RefusingPort.h"

#include "TestWindows.h"
#include "directory/MainWindow.h"
#include "link/ReflectorSession.h"
#include "linkwindows/ServerSettingsWindow.h"
#include "linkwindows/StatusWindow.h"
#include "linkwindows/UserSettingsWindow.h"
#include "platform/OneShotTimer.h"
#include "platform/TimeScale.h"
#include "platform/Wait.h"
#include "ui/LampPiece.h"
#include "ui/PanelStatusBar.h"
#include "ui/TrafficMarker.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <optional>

using platform::SocketControl;

namespace {

// Long enough that the fake's reply, which comes a quiet gap after the request,
// falls well inside the rejection window (250 ms) and a connect limit (500 ms).
constexpr double kTimeScale = 0.05;
constexpr int kReplyWaitMs = 60000; // for the test's own waits; 3 s once scaled

const QString kAnswering = QStringLiteral("127.0.0.1");
// Loopback too, but the fake does not listen on it: connecting there is refused.
const QString kRefusing = QStringLiteral("127.0.0.2");

QList<QByteArray> logLines(const QByteArray& log)
{
    QList<QByteArray> lines = log.split('\n');
    lines.removeLast(); // after the last line end
    for (QByteArray& line : lines)
        line.chop(1); // the CR
    return lines;
}

bool segment1Green()
{
    StatusWindow& status = testWindows().link.status();
    return !control<LampPiece>(status, "ImgGreen3", 1)->isHidden()
        && control<LampPiece>(status, "ImgRed2", 8)->isHidden();
}

bool segment1Red()
{
    StatusWindow& status = testWindows().link.status();
    return !control<LampPiece>(status, "ImgRed2", 8)->isHidden()
        && control<LampPiece>(status, "ImgGreen3", 1)->isHidden();
}

QByteArray mainStatus()
{
    return testWindows().main().statusBar->panelText(1);
}

} // namespace

class LoginTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        world_.emplace();
        platform::setTimeScale(kTimeScale);
        testWindows().main();
        QVERIFY(reflector_.emplace().listen());
        reflector_->setQuietGapMs(10);
        useAddresses(kAnswering, kAnswering, reflector_->port());
        UserSettingsWindow& user = testWindows().link.userSettings();
        control<QLineEdit>(user, "txtUserID")->setText("42");
        control<QLineEdit>(user, "txtUserName")->setText("ann");
        control<QLineEdit>(user, "txtPassword")->setText("secret");

        reflectorSession().state().loggedIn = false;
        reflectorSession().state().connectFailed = false;
        reflectorSession().state().loginFailed = false;
        reflectorSession().state().reflectorAddress.clear();
        reflectorSession().state().encryptTraffic = false;
        reflectorSession().state().logLevelHigh = 0;
        logBefore_ = testWindows().link.status().logText().size();
    }

    void cleanup()
    {
        reflectorSession().state().encryptTraffic = false;
        reflectorSession().state().logLevelHigh = 0;
        reflector_.reset();
        testWindows().destroyAll();
        world_.reset();
    }

    // The primary accepts: the whole rejection window passes, the flags say logged in,
    // the marker shows, and the detailed steps are logged only at the high level.
    void primaryAnswers_data()
    {
        QTest::addColumn<int>("logLevel");
        QTest::addColumn<QList<QByteArray>>("log");
        QTest::newRow("normal level") << 0 << QList<QByteArray>{"Login Successful...", "Login Successful..."};
        QTest::newRow("high level") << 1
                                    << QList<QByteArray>{"Remote IP = 127.0.0.1",
                                                         "Attempting to Connect to Reflector... 127.0.0.1",
                                                         "Connection complete to reflector...",
                                                         "Login Successful...",
                                                         "Login Successful...",
                                                         "Sending data...",
                                                         "Now Waiting for Vistrel's External IP to be Returned "};
    }

    void primaryAnswers()
    {
        QFETCH(int, logLevel);
        QFETCH(QList<QByteArray>, log);
        reflectorSession().state().logLevelHigh = logLevel;
        reflector_->acceptLogin("77");
        testWindows().link.status().show(); // hidden again by the login

        QElapsedTimer clock;
        clock.start();
        logInAndWait();

        QVERIFY(clock.elapsed() >= platform::scaledMs(kLoginRejectionWindowMs));
        QVERIFY(reflectorSession().state().loggedIn);
        QVERIFY(!reflectorSession().state().connectFailed);
        QVERIFY(!reflectorSession().state().loginFailed);
        QCOMPARE(reflectorSession().state().reflectorAddress, QByteArray("127.0.0.1"));
        QCOMPARE(mainStatus(), QByteArray("Now Waiting for Vistrel's External IP to be Returned "));
        QCOMPARE(reflector_->requestTexts(), QList<QByteArray>{"/Login/42,ann,secret"});
        QCOMPARE(control<QLineEdit>(testWindows().link.userSettings(), "txtUserID")->text(), QStringLiteral("77"));
        QVERIFY(segment1Green());
        QVERIFY(!control<TrafficMarker>(testWindows().link.status(), "imgSegment1SendData")->isHidden());
        QVERIFY(!testWindows().link.status().isVisible());
        QCOMPARE(control<QLabel>(testWindows().link.status(), "lblReflectorAddr")->text(), kAnswering);
        QCOMPARE(control<QLabel>(testWindows().link.status(), "lblReflectorPort")->text(),
                 QString::number(reflector_->port()));
        QCOMPARE(logLines(testWindows().link.status().logText().mid(logBefore_)), log);
        // Nothing of the login is left armed.
        QVERIFY(!reflectorSession().loginSendLimit().isEnabled());
        QVERIFY(!reflectorSession().loginRejectionWindow().isEnabled());
        QCOMPARE(reflectorSession().status(), ReflectorSession::Status::LoggedIn);
    }

    // A refused primary only gives way once its time is up; the backup then carries
    // the login, and the primary's error does not count against the backup's send.
    void backupAnswersWhenThePrimaryRefuses()
    {
        useAddresses(kRefusing, kAnswering, reflector_->port());
        reflectorSession().state().logLevelHigh = 1;
        reflector_->acceptLogin("77");

        QElapsedTimer clock;
        clock.start();
        logInAndWait();

        QVERIFY(clock.elapsed() >= platform::scaledMs(kLoginConnectLimitMs + kLoginRejectionWindowMs));
        QVERIFY(reflectorSession().state().loggedIn);
        QVERIFY(!reflectorSession().state().connectFailed);
        QCOMPARE(reflectorSession().state().reflectorAddress, QByteArray("127.0.0.1"));
        QCOMPARE(reflector_->requestTexts(), QList<QByteArray>{"/Login/42,ann,secret"});
        QVERIFY(segment1Green());
        QCOMPARE(control<QLabel>(testWindows().link.status(), "lblReflectorAddr")->text(), kAnswering);
        QCOMPARE(logLines(testWindows().link.status().logText().mid(logBefore_)),
                 (QList<QByteArray>{"Remote IP = 127.0.0.2", "Attempting to Connect to Reflector... 127.0.0.2",
                                    "Socket Error..", "Remote IP = 127.0.0.1",
                                    "Attempting to Connect to Back Up Reflector... 127.0.0.1",
                                    "Connection complete to reflector...", "Login Successful...", "Login Successful...",
                                    "Sending data...", "Now Waiting for Vistrel's External IP to be Returned "}));
    }

    // Neither address answers: the box, the flags as they were apart from logged in,
    // the last attempt on the labels, segment 1 red.
    void bothRefused_data()
    {
        QTest::addColumn<bool>("connectFailedBefore");
        QTest::newRow("reflectorSession().state().connectFailed false") << false;
        QTest::newRow("reflectorSession().state().connectFailed true") << true;
    }

    void bothRefused()
    {
        QFETCH(bool, connectFailedBefore);
        RefusingPort refusing;
        useAddresses(kAnswering, kRefusing, refusing.port());
        reflectorSession().state().connectFailed = connectFailedBefore;
        reflectorSession().state().loggedIn = true;
        reflectorSession().state().reflectorAddress = "10.0.0.9"; // from an earlier login

        logInAndWait();

        ScriptedDialogs& dialogs = world_->folder().dialogs();
        QCOMPARE(dialogs.messageTexts(), QStringList{"Can't connect to DB Server or BackUp Server"});
        QCOMPARE(dialogs.messageBoxes()[0].title, QStringLiteral("Vistrel"));
        QCOMPARE(dialogs.messageBoxes()[0].buttons, platform::MessageButtons::Ok);
        QCOMPARE(dialogs.messageBoxes()[0].icon, platform::MessageIcon::None);
        QVERIFY(!reflectorSession().state().loggedIn);
        QCOMPARE(reflectorSession().state().connectFailed, connectFailedBefore);
        QCOMPARE(reflectorSession().state().reflectorAddress, QByteArray("10.0.0.9"));
        QCOMPARE(mainStatus(), QByteArray("Can't connect to DB Server..."));
        QCOMPARE(control<QLabel>(testWindows().link.status(), "lblReflectorAddr")->text(), kRefusing);
        QCOMPARE(control<QLabel>(testWindows().link.status(), "lblReflectorPort")->text(),
                 QString::number(refusing.port()));
        QVERIFY(segment1Red());
        QVERIFY(testWindows().link.status().logText().size() == logBefore_); // normal log level
    }

    // "/Login Failed/" cancels the login only while the window is open.
    void rejectionWindow_data()
    {
        QTest::addColumn<bool>("rejected");
        QTest::newRow("inside the window") << true;
        QTest::newRow("after the window") << false;
    }

    void rejectionWindow()
    {
        QFETCH(bool, rejected);
        const int replyDelayMs = rejected ? 0 : 2 * platform::scaledMs(kLoginRejectionWindowMs);
        reflector_->script("/Login/", FakeReflector::Reply::text("/Login Failed/", replyDelayMs));

        logInAndWait();

        QCOMPARE(reflectorSession().state().loggedIn, !rejected);
        QVERIFY(!reflectorSession().state().connectFailed);
        QCOMPARE(reflectorSession().state().reflectorAddress, QByteArray("127.0.0.1"));
        QCOMPARE(reflector_->requestTexts().value(0), QByteArray("/Login/42,ann,secret"));
        if (rejected) {
            QVERIFY(reflectorSession().state().loginFailed);
            QVERIFY(logLines(testWindows().link.status().logText()).contains("Login Failed..."));
            QVERIFY(testWindows().link.userSettings().isVisible());
            QVERIFY(!control<QLabel>(testWindows().link.userSettings(), "lblWarning")->isHidden());
            QVERIFY(!control<QPushButton>(testWindows().link.userSettings(), "cmdRetry")->isHidden());
            QVERIFY(segment1Green());
            QVERIFY(control<TrafficMarker>(testWindows().link.status(), "imgSegment1SendData")->isHidden());
        } else {
            QCOMPARE(mainStatus(), QByteArray("Now Waiting for Vistrel's External IP to be Returned "));
            // The late reply is still handled as a reply, after the login has ended.
            QVERIFY(platform::waitUntil([] { return reflectorSession().state().loginFailed; }, kReplyWaitMs));
        }
    }

    // Both handlings of an accepted login report it in the status text.
    void loginRepliesWriteTheStatusText()
    {
        QSignalSpy texts(&reflectorSession(), &ReflectorSession::statusText);
        reflectorSession().connection().receiveChunk("/Login Successful/,5\\");
        QCOMPARE(mainStatus(), QByteArray("Login Successful..."));
        QList<QByteArray> shown;
        for (const QList<QVariant>& text : texts)
            shown << text.at(0).toByteArray();
        QCOMPARE(shown.count("Login Successful..."), 2);
    }

    // The bytes on the wire: no terminator, empty fields and commas as they are, and
    // one comma more inside the cipher text.
    void loginBytes_data()
    {
        QTest::addColumn<bool>("encrypt");
        QTest::addColumn<QString>("userId");
        QTest::addColumn<QString>("userName");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QByteArray>("plain");
        const auto row = [](const char* name, bool encrypt, const char* userId, const char* userName,
                            const char* password, const QByteArray& plain) {
            QTest::newRow(name) << encrypt << QString::fromUtf8(userId) << QString::fromUtf8(userName)
                                << QString::fromUtf8(password) << plain;
        };
        row("plain", false, "42", "ann", "secret", "/Login/42,ann,secret");
        row("plain, empty fields", false, "", "", "", "/Login/,,");
        row("plain, comma and accent", false, "7", "a,b", "p\u00e9", "/Login/7,a,b,p\xe9");
        row("enciphered", true, "42", "ann", "secret", "/Login/42,ann,secret,");
        row("enciphered, empty fields", true, "", "", "", "/Login/,,,");
    }

    void loginBytes()
    {
        QFETCH(bool, encrypt);
        QFETCH(QString, userId);
        QFETCH(QString, userName);
        QFETCH(QString, password);
        QFETCH(QByteArray, plain);
        reflectorSession().state().encryptTraffic = encrypt;
        reflector_->setEnciphered(encrypt);
        reflector_->acceptLogin("42");
        UserSettingsWindow& user = testWindows().link.userSettings();
        control<QLineEdit>(user, "txtUserID")->setText(userId);
        control<QLineEdit>(user, "txtUserName")->setText(userName);
        control<QLineEdit>(user, "txtPassword")->setText(password);

        logInAndWait();

        QVERIFY(reflectorSession().state().loggedIn);
        QCOMPARE(reflector_->requests().size(), 1);
        QCOMPARE(reflector_->requests()[0].received, encrypt ? reflector_->encipher(plain) : plain);
        QCOMPARE(reflector_->requests()[0].text, plain);
    }

    // A socket error left over from before the login decides nothing.
    void staleSocketErrorIsIgnored()
    {
        reflector_->acceptLogin("42");
        RefusingPort refusing;
        SocketControl& socket = reflectorSession().connection().socket();
        QVERIFY(socket.connectToHost(kAnswering, refusing.port()).ok());
        QVERIFY(platform::waitUntil([&] { return socket.state() == SocketControl::State::Error; }, kReplyWaitMs));

        logInAndWait();

        QVERIFY(reflectorSession().state().loggedIn);
        QVERIFY(!reflectorSession().state().connectFailed);
        QCOMPARE(reflector_->requestTexts(), QList<QByteArray>{"/Login/42,ann,secret"});
    }

    // A socket still connected from an earlier request is closed and opened afresh.
    void socketLeftOpenIsReopened()
    {
        reflector_->acceptLogin("42");
        SocketControl& socket = reflectorSession().connection().socket();
        QVERIFY(socket.connectToHost(kAnswering, reflector_->port()).ok());
        QVERIFY(platform::waitUntil([&] { return socket.state() == SocketControl::State::Connected; }, kReplyWaitMs));

        logInAndWait();

        QVERIFY(reflectorSession().state().loggedIn);
        QVERIFY(!reflectorSession().state().connectFailed);
        QVERIFY(world_->folder().dialogs().messageBoxes().isEmpty());
        QCOMPARE(reflector_->connections().size(), 2);
        QCOMPARE(reflector_->requestTexts(), QList<QByteArray>{"/Login/42,ann,secret"});
    }

    // A port box that is no port ends the login with the error's box.
    void unusablePort_data()
    {
        QTest::addColumn<QString>("portText");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << QString() << QStringLiteral("Type mismatch = 13");
        QTest::newRow("letters") << QStringLiteral("eighty") << QStringLiteral("Type mismatch = 13");
        QTest::newRow("beyond 32 bits") << QStringLiteral("99999999999") << QStringLiteral("Overflow = 6");
        QTest::newRow("beyond the ports") << QStringLiteral("70000") << QStringLiteral("Invalid port number = 380");
    }

    void unusablePort()
    {
        QFETCH(QString, portText);
        QFETCH(QString, message);
        control<QLineEdit>(testWindows().link.serverSettings(), "txtPort")->setText(portText);

        logInAndWait();

        QCOMPARE(world_->folder().dialogs().messageTexts(), QStringList{message});
        QVERIFY(reflectorSession().state().connectFailed);
        QVERIFY(!reflectorSession().state().loggedIn);
        QVERIFY(reflector_->connections().isEmpty());
        QCOMPARE(control<QLabel>(testWindows().link.status(), "lblReflectorPort")->text(), portText);
    }

    // A Connect while a login waits (here: as soon as the login reached the reflector)
    // returns at once and leaves the running login alone.
    void secondConnectDuringALoginIsIgnored()
    {
        reflector_->acceptLogin("42");
        int nestedCalls = 0;
        bool nestedReturnedAtOnce = false;
        const QMetaObject::Connection nested = connect(&*reflector_, &FakeReflector::requestReceived, this, [&] {
            ++nestedCalls;
            QElapsedTimer clock;
            clock.start();
            reflectorSession().logIn();
            nestedReturnedAtOnce = clock.elapsed() < platform::scaledMs(kLoginRejectionWindowMs);
        });

        logInAndWait();

        QCOMPARE(nestedCalls, 1);
        QVERIFY(nestedReturnedAtOnce);
        QVERIFY(reflectorSession().state().loggedIn);
        QVERIFY(!reflectorSession().state().connectFailed);
        QCOMPARE(reflector_->connections().size(), 1);
        QCOMPARE(mainStatus(), QByteArray("Now Waiting for Vistrel's External IP to be Returned "));
        disconnect(nested);

        // Once the login has ended, Connect logs in again.
        reflectorSession().logIn();
        QTRY_COMPARE(reflector_->connections().size(), 2);
    }

private:
    // Starts the login and returns as soon as it has ended, as the call did while it
    // waited: the frame may empty the status text soon after.
    static void logInAndWait()
    {
        QSignalSpy ended(&reflectorSession(), &ReflectorSession::loginEnded);
        reflectorSession().logIn();
        if (ended.isEmpty())
            QVERIFY(ended.wait(kReplyWaitMs));
    }

    static void useAddresses(const QString& primary, const QString& backup, quint16 port)
    {
        ServerSettingsWindow& server = testWindows().link.serverSettings();
        control<QLineEdit>(server, "txtIPAddress")->setText(primary);
        control<QLineEdit>(server, "txtIPAddressBackUp")->setText(backup);
        control<QLineEdit>(server, "txtPort")->setText(QString::number(port));
    }

    std::optional<FrameWorld> world_;
    std::optional<FakeReflector> reflector_;
    qsizetype logBefore_ = 0;
};

QTEST_MAIN(LoginTest)
#include "test_login.moc"
