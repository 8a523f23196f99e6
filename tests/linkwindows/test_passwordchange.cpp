// The password change window against the fake reflector, over real sockets: the
// request it sends, plain and enciphered, the new passwords it refuses, its failures
// (socket error, no connection in time, a send that never finishes), and the
// reflector's answers, with the window open and already closed, down to the user
// settings file.
#include "Control.h"
#include "RefusingPort.h"
#include "RequestWorld.h"
#include "RightPressHelp.h"
#include "SessionSettled.h"
#include "StallingPort.h"

#include "TestWindows.h"
#include "link/ReflectorSession.h"
#include "link/UserSettingsFile.h"
#include "linkwindows/PasswordChangeWindow.h"
#include "linkwindows/StatusWindow.h"
#include "linkwindows/UserSettingsWindow.h"
#include "platform/Codec.h"
#include "ui/PanelStatusBar.h"
#include "ui/ToolbarState.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTcpServer>
#include <QTest>

#include <optional>

namespace {

constexpr int kWaitMs = 5000;
const QByteArray kWaiting = "Waiting for acknowledgement ...";
const QByteArray kUpdated = "Password Update was successful...";
const QByteArray kNotUpdated = "Password Update was NOT successful...";

// The password that UserSettings.txt gives back.
QByteArray storedPassword()
{
    return passwordFromCodeList(readUserSettingsFile().passwordCodes);
}

} // namespace

class PasswordChangeTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(world_.emplace().listening());
        reflectorSession().state().encryptTraffic = false;
        UserSettingsWindow& user = testWindows().link.userSettings();
        control<QLineEdit>(user, "txtUserName")->setText(QStringLiteral("alice"));
        control<QLineEdit>(user, "txtUserID")->setText(QStringLiteral("42"));
        control<QLineEdit>(user, "txtPassword")->setText(QStringLiteral("old1"));
        user.save();
        QCOMPARE(storedPassword(), QByteArray("old1"));
    }

    void cleanup()
    {
        reflectorSession().state().encryptTraffic = false;
        world_.reset();
    }

    void theRequest_data()
    {
        QTest::addColumn<bool>("encrypt");
        QTest::addColumn<QString>("oldPassword"); // empty: as the window filled it
        QTest::addColumn<QString>("newPassword");
        QTest::addColumn<QByteArray>("text");
        for (bool encrypt : {false, true}) {
            const char* form = encrypt ? "enciphered" : "plain";
            QTest::addRow("%s", form) << encrypt << QString() << QStringLiteral("new2")
                                      << QByteArray("/ChangePass/,alice,new2,old1");
            QTest::addRow("%s, old password overwritten", form)
                << encrypt << QStringLiteral("typed") << QStringLiteral("n\u00e9w \u20ac")
                << QByteArray("/ChangePass/,alice,n\xe9w \x80,typed");
        }
        QTest::newRow("empty new password")
            << false << QString() << QString() << QByteArray("/ChangePass/,alice,,old1");
    }

    // The user settings' Change Password opens the window with the stored password as the
    // old one; Send update sends user name, new and old password on a connection of
    // their own, and the window waits for the answer.
    void theRequest()
    {
        QFETCH(bool, encrypt);
        QFETCH(QString, oldPassword);
        QFETCH(QString, newPassword);
        QFETCH(QByteArray, text);
        reflectorSession().state().encryptTraffic = encrypt;
        world_->reflector().setEnciphered(encrypt);

        control<QPushButton>(testWindows().link.userSettings(), "Command2")->click();
        PasswordChangeWindow& window = testWindows().link.passwordChange();
        QVERIFY(window.isVisible());
        QCOMPARE(control<QLineEdit>(window, "txtOldPassword")->text(), QStringLiteral("old1"));
        QCOMPARE(control<QLineEdit>(window, "txtOldPassword")->echoMode(), QLineEdit::Password);
        if (!oldPassword.isEmpty())
            control<QLineEdit>(window, "txtOldPassword")->setText(oldPassword);
        control<QLineEdit>(window, "txtNewPassword")->setText(newPassword);
        control<QPushButton>(window, "Command1")->click();
        QVERIFY(sessionSettled());

        QCOMPARE(control<PanelStatusBar>(window, "StatusBar1")->panelText(1), kWaiting);
        QVERIFY(QTest::qWaitFor([&] { return world_->reflector().requests().size() == 1; }, kWaitMs));
        QCOMPARE(world_->reflector().requests()[0].text, text);
        QCOMPARE(world_->reflector().requests()[0].received, encrypt ? world_->reflector().encipher(text) : text);
        QVERIFY(world_->frame().folder().dialogs().messageTexts().isEmpty());
        // Nothing is stored before the reflector answers.
        QCOMPARE(storedPassword(), QByteArray("old1"));
        QVERIFY(window.isVisible());
    }

    void refusedNewPasswords_data()
    {
        QTest::addColumn<QString>("newPassword");
        QTest::addColumn<QString>("message");
        const QString fields =
            QStringLiteral("A password cannot contain a double quote (\"), a comma or a line break.");
        QTest::newRow("double quote") << QStringLiteral("a\"b") << fields;
        QTest::newRow("comma") << QStringLiteral("a,b") << fields;
        QTest::newRow("line feed") << QStringLiteral("a\nb") << fields;
        QTest::newRow("carriage return") << QStringLiteral("a\rb") << fields;
        QTest::newRow("code 255") << QStringLiteral("a\u00ffb")
                                  << QStringLiteral("A password cannot contain the character \u00FF (code 255).");
        QTest::newRow("outside Windows-1252")
            << QStringLiteral("a\u03a9b")
            << QStringLiteral("A password can only hold characters of the Windows-1252 character set.");
    }

    // A new password that could not be kept is refused with a message: nothing is sent.
    void refusedNewPasswords()
    {
        QFETCH(QString, newPassword);
        QFETCH(QString, message);
        PasswordChangeWindow& window = testWindows().link.passwordChange();
        window.open();
        control<QLineEdit>(window, "txtNewPassword")->setText(newPassword);
        control<QPushButton>(window, "Command1")->click();
        QCOMPARE(world_->frame().folder().dialogs().messageTexts(), QStringList{message});
        QTest::qWait(100);
        QVERIFY(world_->reflector().connections().isEmpty());
        QCOMPARE(control<PanelStatusBar>(window, "StatusBar1")->panelText(1), QByteArray());
    }

    void failures_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QString>("box");
        QTest::newRow("refused") << "refused"
                                 << "Connection failed";
        QTest::newRow("no login yet") << "no login yet"
                                      << "Connection failed";
        QTest::newRow("no connection in time") << "no connection in time"
                                               << "Could not connect to Reflector Server";
        QTest::newRow("send never finishes") << "send never finishes"
                                             << "Connection failed";
    }

    // Each failure shows its box and stores nothing; a connection that never came
    // leaves the lamp and the status line as they were.
    void failures()
    {
        QFETCH(QString, failure);
        QFETCH(QString, box);
        std::optional<StallingPort> stalling;
        QTcpServer mute;
        QByteArray newPassword = "new2";
        RefusingPort refusing;
        if (failure == "refused") {
            useReflector(refusing.port());
        } else if (failure == "no login yet") {
            reflectorSession().state().reflectorAddress.clear();
        } else if (failure == "no connection in time") {
            QVERIFY(stalling.emplace().port());
            useReflector(stalling->port());
        } else {
            // Far more than the connection's buffers hold, while nobody reads.
            QVERIFY(mute.listen(QHostAddress::LocalHost));
            mute.pauseAccepting();
            useReflector(mute.serverPort());
            newPassword = QByteArray(16 * 1024 * 1024, 'x');
        }
        PasswordChangeWindow& window = testWindows().link.passwordChange();
        window.open();
        control<PanelStatusBar>(window, "StatusBar1")->setPanelText(1, "before");

        // The window's box holds no such length: the session's sender is what it calls.
        reflectorSession().sendPasswordChange("alice", newPassword, "old1");
        QVERIFY(sessionSettled());

        QCOMPARE(world_->frame().folder().dialogs().messageTexts(), QStringList{box});
        if (failure == "send never finishes")
            QCOMPARE(control<PanelStatusBar>(window, "StatusBar1")->panelText(1),
                     QByteArray("Sending Request to change password..."));
        else
            QCOMPARE(control<PanelStatusBar>(window, "StatusBar1")->panelText(1), QByteArray("before"));
        QCOMPARE(storedPassword(), QByteArray("old1"));
        QCOMPARE(control<QLineEdit>(testWindows().link.userSettings(), "txtPassword")->text(), QStringLiteral("old1"));
    }

    void theAnswers_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<bool>("closedBefore");
        QTest::addColumn<QByteArray>("outcome");
        QTest::addColumn<QByteArray>("password");
        for (bool closed : {false, true}) {
            const char* state = closed ? "window closed" : "window open";
            QTest::addRow("updated, %s", state)
                << QByteArray("/PasswordUpdated/,new2") << closed << kUpdated << QByteArray("new2");
            QTest::addRow("not updated, %s", state)
                << QByteArray("/PasswordUpdatedFailed/") << closed << kNotUpdated << QByteArray("old1");
        }
        QTest::newRow("updated without the password")
            << QByteArray("/PasswordUpdated/") << false << kUpdated << QByteArray("old1");
    }

    // The answer reaches the log and, when the change was
    // confirmed, the user settings and their file, also when the window was closed
    // meanwhile. An open window shows the outcome and closes; a closed one takes nothing
    // and stays closed.
    void theAnswers()
    {
        QFETCH(QByteArray, answer);
        QFETCH(bool, closedBefore);
        QFETCH(QByteArray, outcome);
        QFETCH(QByteArray, password);
        world_->reflector().script("/ChangePass/", FakeReflector::Reply::text(answer, 20));
        PasswordChangeWindow& window = testWindows().link.passwordChange();
        window.open();
        control<QLineEdit>(window, "txtNewPassword")->setText(QStringLiteral("new2"));
        ui::toolbarState().setActive(ui::ToolbarEntry::UserSettings, true);
        control<QPushButton>(window, "Command1")->click();
        if (closedBefore) {
            window.close();
            control<PanelStatusBar>(window, "StatusBar1")->setPanelText(1, "closed");
        }

        const QString logged = platform::fromCp1252(outcome);
        QVERIFY(QTest::qWaitFor(
            [&] {
                return control<QPlainTextEdit>(testWindows().link.status(), "txtStatus")
                    ->toPlainText()
                    .contains(logged);
            },
            kWaitMs));

        QVERIFY(!window.isVisible());
        QVERIFY(!ui::toolbarState().isActive(ui::ToolbarEntry::UserSettings));
        QCOMPARE(control<PanelStatusBar>(window, "StatusBar1")->panelText(1),
                 closedBefore ? QByteArray("closed") : outcome);
        QCOMPARE(control<QLineEdit>(testWindows().link.userSettings(), "txtPassword")->text(),
                 platform::fromCp1252(password));
        QCOMPARE(storedPassword(), password);
        QCOMPARE(readUserSettingsFile().userName, QByteArray("alice"));
        QCOMPARE(readUserSettingsFile().userId, QByteArray("42"));
        QVERIFY(world_->frame().folder().dialogs().messageTexts().isEmpty());

        // The confirmed password is the one the next start logs in with.
        testWindows().destroyAll();
        QCOMPARE(control<QLineEdit>(testWindows().link.userSettings(), "txtPassword")->text(),
                 platform::fromCp1252(password));
    }

    // Each opening after a close takes the stored password afresh and starts empty.
    void eachOpeningLoadsAfresh()
    {
        PasswordChangeWindow& window = testWindows().link.passwordChange();
        window.open();
        control<QLineEdit>(window, "txtOldPassword")->setText(QStringLiteral("typed"));
        control<QLineEdit>(window, "txtNewPassword")->setText(QStringLiteral("new2"));
        window.open(); // still open: kept
        QCOMPARE(control<QLineEdit>(window, "txtOldPassword")->text(), QStringLiteral("typed"));
        window.close();
        control<QLineEdit>(testWindows().link.userSettings(), "txtPassword")->setText(QStringLiteral("other"));
        window.open();
        QCOMPARE(control<QLineEdit>(window, "txtOldPassword")->text(), QStringLiteral("other"));
        QCOMPARE(control<QLineEdit>(window, "txtNewPassword")->text(), QString());
    }

    // A right press anywhere on the window opens its help page; a left one nothing.
    void theHelpPage()
    {
        PasswordChangeWindow& window = testWindows().link.passwordChange();
        window.open();
        QTest::mouseClick(control<QLineEdit>(window, "txtNewPassword"), Qt::LeftButton);
        QVERIFY(world_->frame().folder().launcher().pages().isEmpty());
        const QList<QWidget*> controls{
            &window, control<QLineEdit>(window, "txtOldPassword"), control<QLineEdit>(window, "txtNewPassword"),
            control<QPushButton>(window, "Command1"), control<PanelStatusBar>(window, "StatusBar1")};
        QCOMPARE(helpPathsOnRightPress(world_->frame().folder().launcher(), controls),
                 QStringList(controls.size(), QStringLiteral("/help/Chngpass.htm")));
    }

private:
    std::optional<RequestWorld> world_;
};

QTEST_MAIN(PasswordChangeTest)
#include "test_passwordchange.moc"
