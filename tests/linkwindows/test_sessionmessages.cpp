// The boxes the session asks for, as the link windows show them: each without waiting,
// one of a kind at a time, with the answer taken from the event loop.
#include "TempProgramFolder.h"

#include "link/ReflectorSession.h"

#include <QSignalSpy>
#include <QTest>

#include <optional>

using platform::MessageAnswer;
using platform::MessageBoxRequest;
using platform::MessageButtons;
using platform::MessageIcon;

Q_DECLARE_METATYPE(MessageAnswer)

class SessionMessagesTest : public QObject {
    Q_OBJECT

private slots:
    void init() { world_.emplace(); }
    void cleanup() { world_.reset(); }

    // A message is a plain box under the program's title. The same message again while
    // it is up brings no second box; another message does.
    void aMessageIsAPlainBoxOnceWhileUp()
    {
        ScriptedDialogs& dialogs = world_->dialogs();
        dialogs.holdBoxesOpen(true);
        ReflectorSession& session = reflectorSession();

        emit session.messageDue(QStringLiteral("Connection failed"));
        emit session.messageDue(QStringLiteral("Connection failed"));
        emit session.messageDue(QStringLiteral("Could not connect to DBServer"));

        QCOMPARE(dialogs.messageTexts(),
                 QStringList({QStringLiteral("Connection failed"), QStringLiteral("Could not connect to DBServer")}));
        const MessageBoxRequest& box = dialogs.messageBoxes().first();
        QCOMPARE(box.title, QStringView(platform::kDefaultDialogTitle).toString());
        QCOMPARE(box.buttons, MessageButtons::Ok);
        QCOMPARE(box.icon, MessageIcon::None);
        QVERIFY(!box.defaultButton);

        dialogs.answerHeldBox(MessageAnswer::Ok);
        emit session.messageDue(QStringLiteral("Connection failed"));
        QCOMPARE(dialogs.messageTexts().size(), 3);
    }

    // Only Yes of the hint opens the locator, and only once the box is answered.
    void theHintOpensTheLocatorOnYes_data()
    {
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<int>("opened");
        QTest::newRow("Yes") << MessageAnswer::Yes << 1;
        QTest::newRow("No") << MessageAnswer::No << 0;
        QTest::newRow("Cancel") << MessageAnswer::Cancel << 0;
    }

    void theHintOpensTheLocatorOnYes()
    {
        QFETCH(MessageAnswer, answer);
        QFETCH(int, opened);
        ScriptedDialogs& dialogs = world_->dialogs();
        dialogs.holdBoxesOpen(true);
        ReflectorSession& session = reflectorSession();
        QSignalSpy locatorOpen(&session, &ReflectorSession::locatorOpenDue);

        emit session.locatorHintDue();
        QCOMPARE(dialogs.heldBoxCount(), 1);
        const MessageBoxRequest& box = dialogs.messageBoxes().first();
        QCOMPARE(box.title, QStringLiteral("Helpful Hint"));
        QCOMPARE(box.buttons, MessageButtons::YesNoCancel);
        QCOMPARE(box.icon, MessageIcon::None);
        QCOMPARE(locatorOpen.count(), 0);

        dialogs.answerHeldBox(answer);
        QCOMPARE(locatorOpen.count(), opened);
    }

    // The second login's box is read first; then the client logs out, and the program ends.
    void theSecondLoginLogsOutThenEnds()
    {
        ScriptedDialogs& dialogs = world_->dialogs();
        dialogs.holdBoxesOpen(true);
        ReflectorSession& session = reflectorSession();
        QStringList steps;
        connect(&session, &ReflectorSession::logoutDue, this,
                [&] { steps << QStringLiteral("logout, ended %1").arg(world_->endProcessCalls().size()); });

        emit session.secondLoginReported();
        QCOMPARE(dialogs.heldBoxCount(), 1);
        QCOMPARE(dialogs.messageBoxes().first().buttons, MessageButtons::Ok);
        QVERIFY(steps.isEmpty());
        QVERIFY(world_->endProcessCalls().isEmpty());

        dialogs.answerHeldBox(MessageAnswer::Ok);
        QCOMPARE(steps, QStringList{QStringLiteral("logout, ended 0")});
        QCOMPARE(world_->endProcessCalls(), QList<int>{0});
    }

private:
    std::optional<TempProgramFolder> world_;
};

QTEST_MAIN(SessionMessagesTest)
#include "test_sessionmessages.moc"
