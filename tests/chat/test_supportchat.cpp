// The support chat window against the fake support side on 127.0.0.1: the listener
// (one support host at a time, refused addresses, a failed listen, closing the
// window), the chat lines both ways, the channels and the offline message byte for
// byte, and the sender details file.
#include "FileContent.h"
#include "RealTimeWait.h"
#include "SupportChatWorld.h"

#include "chat/ChatLines.h"
#include "chat/PicturePanel.h"
#include "chat/SupportChatWindow.h"
#include "directory/MainWindow.h"
#include "linkwindows/StatusWindow.h"
#include "platform/Services.h"
#include "platform/SocketControl.h"

#include "ui/SharedMenuBar.h"
#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTcpServer>

#include <QMenuBar>
#include <QTest>

using platform::SocketControl;
using SupportState = FakeSupportPeer::SupportState;

namespace {

constexpr int kLimitMs = SupportChatWorld::kLimitMs;

QColor lampColour(const QLabel* lamp)
{
    return lamp->palette().color(QPalette::Window);
}

bool listening(SupportChatWorld& chat)
{
    return chat.window().supportConnection().State() == SocketControl::StateListening;
}

} // namespace

class TestSupportChat : public QObject {
    Q_OBJECT

private slots:
    void oneSupportHostAtATime()
    {
        SupportChatWorld chat;
        QVERIFY(chat.connectSupport());
        const quint16 port = chat.listenPort();

        FakeSupportPeer second;
        second.connectToProgram(port);
        QVERIFY(!second.waitForSupportConnection());
        QCOMPARE(second.supportState(), SupportState::Refused);

        chat.support.disconnectFromProgram();
        QVERIFY(waitRealTime([&] { return listening(chat); }, kLimitMs));
        QCOMPARE(chat.listenPort(), port);
        second.connectToProgram(port);
        QVERIFY(second.waitForSupportConnection());
        QVERIFY(second.sendToProgram("/SHOW/"));
        QVERIFY(waitRealTime([&] { return chat.window().isVisible(); }, kLimitMs));
    }

    void peerFromAnotherAddressIsRefused()
    {
        SupportChatWorld chat;
        FakeSupportPeer stranger;
        stranger.connectToProgram(chat.listenPort(), QHostAddress(QStringLiteral("127.0.0.2")));
        QVERIFY(waitRealTime(
            [&] {
                return stranger.supportState() == SupportState::EndedByProgram
                    || stranger.supportState() == SupportState::Refused;
            },
            kLimitMs));
        QVERIFY(waitRealTime([&] { return listening(chat); }, kLimitMs));
        QVERIFY(ui::form<StatusWindow>().logText().contains("Support chat refused a connection from 127.0.0.2"));
        // Whatever it managed to send was not taken.
        stranger.sendToProgram("/SHOW/");
        QVERIFY(chat.connectSupport()); // the listener is still there for the support side
        QVERIFY(!chat.window().isVisible());
    }

    void theSupportHostItselfIsAccepted()
    {
        SupportChatWorld chat;
        chat.window().supportHostBox->setText(QStringLiteral("127.0.0.2"));
        FakeSupportPeer host;
        host.connectToProgram(chat.listenPort(), QHostAddress(QStringLiteral("127.0.0.2")));
        QVERIFY(host.waitForSupportConnection());
        QVERIFY(host.sendToProgram("/SHOW/"));
        QVERIFY(waitRealTime([&] { return chat.window().isVisible(); }, kLimitMs));
    }

    void failedListenIsLoggedAndShown()
    {
        QTcpServer taken;
        QVERIFY(taken.listen(QHostAddress::Any));
        SupportChatWorld chat(QByteArray::number(taken.serverPort()));
        const QString expected = QStringLiteral("Support chat cannot listen on port %1").arg(taken.serverPort());
        QVERIFY2(chat.window().chatStateLabel->text().startsWith(expected),
                 qPrintable(chat.window().chatStateLabel->text()));
        QVERIFY(ui::form<StatusWindow>().logText().contains(expected.toLatin1()));
        // Closing the window tries again.
        taken.close();
        chat.window().close();
        QVERIFY(listening(chat));
    }

    void closingTheWindowHidesItAndEndsTheSupportConnection()
    {
        SupportChatWorld chat;
        chat.window().show();
        QVERIFY(chat.connectSupport());
        chat.window().close();
        QVERIFY(!chat.window().isVisible());
        QVERIFY(listening(chat));
        QVERIFY(waitRealTime([&] { return chat.support.supportState() == SupportState::EndedByProgram; }, kLimitMs));
        QVERIFY(chat.connectSupport());
    }

    void chatLinesOnTheSupportConnection()
    {
        SupportChatWorld chat;
        SupportChatWindow& window = chat.window();
        QVERIFY(chat.connectSupport());

        QVERIFY(chat.sendChunk("Hello there\r\n"));
        QVERIFY(chat.sendChunk("/IDENT/,Alice"));
        QVERIFY(chat.sendChunk("How can I help?"));
        QCOMPARE(window.transcriptText(), QByteArray(" Says > Hello there\r\nAlice Says > How can I help?"));
        QCOMPARE(window.supportName(), QByteArray("Alice"));

        window.inputBox->setText(QStringLiteral("hi"));
        window.sendButton->click();
        QVERIFY(waitRealTime([&] { return chat.support.receivedFromProgram() == "ann Says > hi\r\n"; }, kLimitMs));
        QVERIFY(window.transcriptText().endsWith(" You Say > hi\r\n"));
        QVERIFY(window.inputBox->text().isEmpty());
        // An empty line is still sent.
        window.sendLine();
        QVERIFY(waitRealTime([&] { return chat.support.receivedFromProgram().endsWith("hi\r\nann Says > \r\n"); },
                             kLimitMs));
    }

    void sendingWithNobodyConnectedOnlyEchoes()
    {
        SupportChatWorld chat;
        SupportChatWindow& window = chat.window();
        window.inputBox->setText(QStringLiteral("anyone?"));
        window.sendLine();
        QCOMPARE(window.transcriptText(), QByteArray(" You Say > anyone?\r\n"));
        QVERIFY(window.inputBox->text().isEmpty());
    }

    void pickingAChannelClosesTheOthers()
    {
        SupportChatWorld chat;
        SupportChatWindow& window = chat.window();
        window.channelButtons[0]->click();
        QCOMPARE(window.chatStateLabel->text(), QStringLiteral("Connection complete..."));
        QCOMPARE(lampColour(window.chatLamp), SupportChatWindow::kConnectedColour);
        QVERIFY(
            waitRealTime([&] { return chat.support.connectionsTo(FakeSupportPeer::Channel1).size() == 1; }, kLimitMs));

        window.pickChannel(3);
        QCOMPARE(window.channelSocket(1).State(), int(SocketControl::StateClosed));
        QCOMPARE(window.channelSocket(3).State(), int(SocketControl::StateConnected));
        QVERIFY(window.channelButtons[2]->isChecked() && !window.channelButtons[0]->isChecked());
        QVERIFY(waitRealTime([&] { return chat.support.connections()[0].endedByProgram; }, kLimitMs));

        // "Send" on a channel keeps the text; Enter empties the box.
        window.inputBox->setText(QStringLiteral("hello"));
        window.sendButton->click();
        QCOMPARE(window.inputBox->text(), QStringLiteral("hello"));
        QTest::keyClick(window.inputBox, Qt::Key_Return);
        QVERIFY(window.inputBox->text().isEmpty());
        QVERIFY(waitRealTime(
            [&] {
                return chat.support.receivedOn(FakeSupportPeer::Channel3) == "ann Says > hello\r\nann Says > hello\r\n";
            },
            kLimitMs));
        QVERIFY(chat.support.receivedOn(FakeSupportPeer::Channel1).isEmpty());

        // What the channel sends runs on in the transcript as it comes.
        const int channel3 = chat.support.connectionsTo(FakeSupportPeer::Channel3).first();
        chat.support.send(channel3, "Support: hel");
        QVERIFY(waitRealTime([&] { return window.transcriptText().endsWith("Support: hel"); }, kLimitMs));
        chat.support.send(channel3, "lo\r\n");
        QVERIFY(waitRealTime([&] { return window.transcriptText().endsWith("Support: hello\r\n"); }, kLimitMs));

        chat.support.closeConnection(channel3);
        QVERIFY(waitRealTime([&] { return window.chatStateLabel->text() == QStringLiteral("Connection Closed"); },
                             kLimitMs));
        QCOMPARE(lampColour(window.chatLamp), SupportChatWindow::kClosedColour);
    }

    void aChannelThatIsNotThereIsOffLine()
    {
        SupportChatWorld chat;
        chat.support.stopListening(FakeSupportPeer::Channel2);
        chat.window().pickChannel(2);
        QCOMPARE(chat.window().chatStateLabel->text(), QStringLiteral("Support is off line..."));
        QCOMPARE(lampColour(chat.window().chatLamp), SupportChatWindow::kOffLineColour);
        QCOMPARE(lampColour(chat.window().chatStateLabel), SupportChatWindow::kOffLineColour);
    }

    void offlineMessageBytesExactly()
    {
        SupportChatWorld chat;
        SupportChatWindow& window = chat.window();
        window.senderNameBox->setText(QStringLiteral("  "));
        window.senderIdBox->setText(QStringLiteral("42 "));
        window.senderEMailBox->setText(QStringLiteral("bob@example.com"));
        window.offlineMessageBox->setPlainText(QStringLiteral("Hi"));
        window.sendMessageButton->click();
        QVERIFY(waitRealTime(
            [&] { return window.messageStateLabel->text() == QStringLiteral("Message Received ... "); }, kLimitMs));
        QCOMPARE(lampColour(window.messageLamp), SupportChatWindow::kMessageSentColour);
        QVERIFY(waitRealTime(
            [&] {
                return chat.support.receivedOn(FakeSupportPeer::OfflineMessage) == "  //42 //bob@example.com//Hi\r\n";
            },
            kLimitMs));
        // The support host's answer shows in the message box.
        chat.support.send(chat.support.connectionsTo(FakeSupportPeer::OfflineMessage).first(), "Thanks");
        QVERIFY(waitRealTime([&] { return window.offlineMessageText() == "Thanks"; }, kLimitMs));
        QVERIFY(window.offlineMessageBox->toPlainText().endsWith(QStringLiteral("Thanks")));
    }

    void offlineMessageNeedsTheSenderDetails_data()
    {
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("message");
        QTest::newRow("no name") << QStringList{"", "42", "b@e"} << "Please put your Name into the Name Text Box.";
        QTest::newRow("no user ID") << QStringList{"Bob", "", ""}
                                    << "Please put your User ID into the User ID Text Box.";
        QTest::newRow("no address") << QStringList{"Bob", "42", ""}
                                    << "Please put your EMail Address into the EMail Address Text Box.";
    }

    void offlineMessageNeedsTheSenderDetails()
    {
        QFETCH(QStringList, boxes);
        QFETCH(QString, message);
        SupportChatWorld chat;
        SupportChatWindow& window = chat.window();
        window.senderNameBox->setText(boxes[0]);
        window.senderIdBox->setText(boxes[1]);
        window.senderEMailBox->setText(boxes[2]);
        window.sendOfflineMessage();
        QCOMPARE(chat.world.folder().dialogs().messageTexts(), QStringList{message});
        QCOMPARE(window.offlineMessageSocket().State(), int(SocketControl::StateClosed));
    }

    void offlineMessageToNobodyIsOffLine()
    {
        SupportChatWorld chat;
        const quint16 port = chat.support.port(FakeSupportPeer::OfflineMessage);
        chat.support.stopListening(FakeSupportPeer::OfflineMessage);
        SupportChatWindow& window = chat.window();
        window.senderNameBox->setText(QStringLiteral("Bob"));
        window.senderIdBox->setText(QStringLiteral("42"));
        window.senderEMailBox->setText(QStringLiteral("b@e"));
        window.sendOfflineMessage();
        QCOMPARE(window.messageStateLabel->text(), QStringLiteral("Support is off line..."));
        QCOMPARE(lampColour(window.messageLamp), SupportChatWindow::kOffLineColour);
        // The next one waits for its own connection and goes.
        QVERIFY(chat.support.listen(FakeSupportPeer::OfflineMessage, port));
        window.sendOfflineMessage();
        QVERIFY(waitRealTime(
            [&] { return chat.support.receivedOn(FakeSupportPeer::OfflineMessage) == "Bob//42//b@e//\r\n"; },
            kLimitMs));
    }

    void senderDetailsAreSavedTrimmedAndReadBack()
    {
        {
            SupportChatWorld chat;
            SupportChatWindow& window = chat.window();
            window.senderNameBox->setText(QStringLiteral(" Smith, Bob "));
            window.senderIdBox->setText(QStringLiteral("42"));
            window.senderEMailBox->setText(QStringLiteral("bob@example.com"));
            window.saveSettingsButton->click();
            QCOMPARE(chat.world.folder().dialogs().messageTexts(), QStringList{"Settings Saved..."});
            QCOMPARE(fileContent(chat.world.folder().filePath("EMessageSettings.txt")),
                     QByteArray("Smith, Bob\r\n42\r\nbob@example.com\r\n"));
            // A fresh window reads them back; the comma splits the name.
            ui::destroyAllForms();
            SupportChatWindow& again = ui::form<SupportChatWindow>();
            QCOMPARE(again.senderNameBox->text(), QStringLiteral("Smith"));
            QCOMPARE(again.senderIdBox->text(), QStringLiteral("Bob"));
            QCOMPARE(again.senderEMailBox->text(), QStringLiteral("42"));
        }
    }

    void theMainWindowsMenuShowsTheChat()
    {
        SupportChatWorld chat;
        auto* item = menuAction(*ui::form<MainWindow>().findChild<QMenuBar*>(), QStringLiteral("mnuSupport"));
        QVERIFY(item && item->isEnabled());
        QVERIFY(!chat.window().isVisible());
        item->trigger();
        QVERIFY(chat.window().isVisible());
    }

    void rightClickOpensTheHelpPageOnce()
    {
        SupportChatWorld chat;
        SupportChatWindow& window = chat.window();
        window.show();
        QTest::mouseClick(window.chatStateLabel, Qt::RightButton);
        QTest::mouseClick(&window.upperPicture(), Qt::RightButton);
        QTest::mouseClick(window.inputBox, Qt::RightButton); // no help on a text box
        const QUrl help(platform::webServerPage(QStringLiteral("/help/Chat.htm")));
        QCOMPARE(chat.world.folder().launcher().pages(), (QList<QUrl>{help, help}));
    }

    void whatAPeerSendsStaysBounded()
    {
        SupportChatWorld chat;
        QVERIFY(chat.connectSupport());
        // Read in pieces of at most the unread limit, each kept as chat text.
        const int pieces = 1024 * 1024 / int(SupportChatWindow::kUnreadLimitBytes);
        QVERIFY(chat.support.sendToProgram(QByteArray(pieces * SupportChatWindow::kUnreadLimitBytes, 'x')));
        QVERIFY(waitRealTime([&] { return chat.chunksRead >= pieces; }, 200 * kLimitMs));
        QVERIFY(chat.window().transcriptText().size() <= chat::AppendedText::kCapacity);
        QVERIFY(chat.window().transcriptText().endsWith("xxx"));
    }
};

QTEST_MAIN(TestSupportChat)
#include "test_supportchat.moc"
