// The support chat window against the fake support side on 127.0.0.1: the listener
// (one support host at a time, refused addresses, also while the support host's name
// is looked up, a failed listen, closing the window), the chat lines both ways, the
// channels and the offline message byte for byte, the connects' lamp rows (off line,
// the limit, a pick during another's connect), overlong lines, the ports from a
// hand-written settings file, and the sender details file.
#include "Control.h"
#include "FileContent.h"
#include "RealTimeWait.h"
#include "StallingPort.h"
#include "SupportChatWorld.h"
#include "TestWindows.h"

#include "chat/ChatLines.h"
#include "chat/ConnectWait.h"
#include "chat/PicturePanel.h"
#include "chat/SupportChatWindow.h"
#include "chat/SupportHostAddresses.h"
#include "directory/MainWindow.h"
#include "linkwindows/StatusWindow.h"
#include "platform/Services.h"
#include "platform/SocketControl.h"

#include "ui/SharedMenuBar.h"
#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
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

bool listening(SupportChatWindow& window)
{
    return window.supportConnection().state() == SocketControl::State::Listening;
}

bool listening(SupportChatWorld& chat)
{
    return listening(chat.window());
}

// The program ended or refused the stranger's connection from 127.0.0.2, listens again
// and logged the refusal.
bool strangerWasRefused(FakeSupportPeer& stranger, SupportChatWorld& chat)
{
    return waitRealTime(
               [&] {
                   return stranger.supportState() == SupportState::EndedByProgram
                       || stranger.supportState() == SupportState::Refused;
               },
               kLimitMs)
        && waitRealTime([&] { return listening(chat); }, kLimitMs)
        && testWindows().link.status().logText().contains("Support chat refused a connection from 127.0.0.2");
}

// What a lamp row shows at the moment its connect's wait ends, before any later event
// (the failed socket's own report, say) changes it.
struct WaitEnd {
    bool ended = false;
    QString caption;
    QColor lamp;
    QColor captionLamp;

    WaitEnd(const WaitEnd&) = delete;
    WaitEnd& operator=(const WaitEnd&) = delete;

    WaitEnd(chat::ConnectWait& wait, QLabel& captionLabel, QLabel& lampLabel)
    {
        const auto record = [this, &captionLabel, &lampLabel] {
            ended = true;
            caption = captionLabel.text();
            lamp = lampColour(&lampLabel);
            captionLamp = lampColour(&captionLabel);
        };
        QObject::connect(&wait, &chat::ConnectWait::connected, &wait, record);
        QObject::connect(&wait, &chat::ConnectWait::offLine, &wait, record);
    }
};

// The chat with channel 1 on a port where a connect neither succeeds nor fails, and
// channel 2 on the fake support side.
struct StalledChannelWorld {
    StallingPort stalling;
    FrameWorld world;
    FakeSupportPeer support;

    StalledChannelWorld()
    {
        support.listen();
        const auto channelKey = [](int channel) {
            return QString::fromLatin1(chat::kChannelPortKeyPattern).arg(channel).toLatin1();
        };
        addSupportChatSection(world.folder().settings().filePath(),
                              {{chat::kListenPortKey, "0"},
                               {channelKey(1), QByteArray::number(stalling.port())},
                               {channelKey(2), QByteArray::number(support.port(FakeSupportPeer::Channel2))}});
        control<QLineEdit>(window(), "txtChatIP")->setText(QStringLiteral("127.0.0.1"));
    }

    SupportChatWindow& window() { return testWindows().chat.supportChat(); }
};

// Longer than a connect's limit at the tests' time scale.
constexpr int kPastTheConnectLimitMs = int(2 * SupportChatWindow::kConnectLimitMs * FrameWorld::kTimeScale);

// A lookup of the support host's name that answers only when the test says so.
struct HeldLookup {
    QStringList names;
    QList<chat::HostAnswer> pending;

    chat::HostLookup function()
    {
        return [this](const QString& name, QObject*, chat::HostAnswer answer) {
            names.append(name);
            pending.append(std::move(answer));
        };
    }
    void answer(const QList<QHostAddress>& addresses)
    {
        for (const chat::HostAnswer& held : std::exchange(pending, {}))
            held(addresses);
    }
};

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
        QVERIFY(strangerWasRefused(stranger, chat));
        // Whatever it managed to send was not taken.
        stranger.sendToProgram("/SHOW/");
        QVERIFY(chat.connectSupport()); // the listener is still there for the support side
        QVERIFY(!chat.window().isVisible());
    }

    void theSupportHostItselfIsAccepted()
    {
        SupportChatWorld chat;
        control<QLineEdit>(chat.window(), "txtChatIP")->setText(QStringLiteral("127.0.0.2"));
        FakeSupportPeer host;
        host.connectToProgram(chat.listenPort(), QHostAddress(QStringLiteral("127.0.0.2")));
        QVERIFY(host.waitForSupportConnection());
        QVERIFY(host.sendToProgram("/SHOW/"));
        QVERIFY(waitRealTime([&] { return chat.window().isVisible(); }, kLimitMs));
    }

    void everyTextOfTheWindowIsShownWhole()
    {
        QTcpServer taken;
        QVERIFY(taken.listen(QHostAddress::Any));
        SupportChatWorld chat(QByteArray::number(taken.serverPort()));
        SupportChatWindow& window = chat.window();
        const QList<QWidget*> texts = window.findChildren<QWidget*>();
        int checked = 0;
        for (QWidget* widget : texts) {
            QString text;
            if (auto* label = qobject_cast<QLabel*>(widget))
                text = label->text();
            else if (auto* button = qobject_cast<QRadioButton*>(widget))
                text = button->text();
            if (text.isEmpty())
                continue;
            ++checked;
            QVERIFY2(widget->width() >= widget->sizeHint().width(),
                     qPrintable(widget->objectName() + QStringLiteral(": ") + text));
            // Nothing of the window lies over it.
            for (QWidget* other : texts) {
                if (other != widget && other->parentWidget() == widget->parentWidget() && other->isVisibleTo(&window))
                    QVERIFY2(!other->geometry().intersects(widget->geometry()),
                             qPrintable(widget->objectName() + QStringLiteral(" under ") + other->objectName()));
            }
        }
        QVERIFY(checked >= 10); // the marks, the options and the failed listen's caption
    }

    void theFramesTextsStandOutFromTheirColour()
    {
        SupportChatWorld chat;
        SupportChatWindow& window = chat.window();
        window.show(); // the window's painting picks text colours for its gradient
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.repaint();
        constexpr int kLeastContrast = 100;
        for (QGroupBox* frame : window.findChildren<QGroupBox*>()) {
            const int background = qGray(frame->palette().color(QPalette::Window).rgb());
            QVERIFY(std::abs(qGray(frame->palette().color(QPalette::WindowText).rgb()) - background) >= kLeastContrast);
            for (QWidget* text : frame->findChildren<QWidget*>()) {
                const bool onTheFrame = (qobject_cast<QLabel*>(text) && !qobject_cast<QLabel*>(text)->text().isEmpty()
                                         && !text->autoFillBackground())
                    || qobject_cast<QRadioButton*>(text);
                if (onTheFrame)
                    QVERIFY2(std::abs(qGray(text->palette().color(QPalette::WindowText).rgb()) - background)
                                 >= kLeastContrast,
                             qPrintable(text->objectName()));
            }
        }
        // A caption on a lamp stands out from the lamp's colour.
        for (const QColor& colour : {SupportChatWindow::kConnectedColour, SupportChatWindow::kOffLineColour,
                                     SupportChatWindow::kClosedColour, SupportChatWindow::kMessageSentColour}) {
            setLampColour(*control<QLabel>(window, "lblConnectionState"), colour);
            const QPalette colours = control<QLabel>(window, "lblConnectionState")->palette();
            QVERIFY(std::abs(qGray(colours.color(QPalette::WindowText).rgb()) - qGray(colour.rgb()))
                    >= kLeastContrast / 2);
        }
    }

    void failedListenIsLoggedAndShown()
    {
        QTcpServer taken;
        QVERIFY(taken.listen(QHostAddress::Any));
        SupportChatWorld chat(QByteArray::number(taken.serverPort()));
        const QString expected = QStringLiteral("Support chat cannot listen on port %1").arg(taken.serverPort());
        QVERIFY2(control<QLabel>(chat.window(), "lblConnectionState")->text().startsWith(expected),
                 qPrintable(control<QLabel>(chat.window(), "lblConnectionState")->text()));
        QVERIFY(testWindows().link.status().logText().contains(expected.toLatin1()));
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

        control<QLineEdit>(window, "txtSendData")->setText(QStringLiteral("hi"));
        control<QPushButton>(window, "Command1")->click();
        QVERIFY(waitRealTime([&] { return chat.support.receivedFromProgram() == "ann Says > hi\r\n"; }, kLimitMs));
        QVERIFY(window.transcriptText().endsWith(" You Say > hi\r\n"));
        QVERIFY(control<QLineEdit>(window, "txtSendData")->text().isEmpty());
        // An empty line is still sent.
        window.sendLine();
        QVERIFY(waitRealTime([&] { return chat.support.receivedFromProgram().endsWith("hi\r\nann Says > \r\n"); },
                             kLimitMs));
    }

    void sendingWithNobodyConnectedOnlyEchoes()
    {
        SupportChatWorld chat;
        SupportChatWindow& window = chat.window();
        control<QLineEdit>(window, "txtSendData")->setText(QStringLiteral("anyone?"));
        window.sendLine();
        QCOMPARE(window.transcriptText(), QByteArray(" You Say > anyone?\r\n"));
        QVERIFY(control<QLineEdit>(window, "txtSendData")->text().isEmpty());
    }

    void pickingAChannelClosesTheOthers()
    {
        SupportChatWorld chat;
        SupportChatWindow& window = chat.window();
        control<QRadioButton>(window, "Option1")->click();
        QTRY_COMPARE(control<QLabel>(window, "lblConnectionState")->text(), QStringLiteral("Connection complete..."));
        QCOMPARE(lampColour(control<QLabel>(window, "Label1")), SupportChatWindow::kConnectedColour);
        QVERIFY(
            waitRealTime([&] { return chat.support.connectionsTo(FakeSupportPeer::Channel1).size() == 1; }, kLimitMs));

        window.pickChannel(3);
        QCOMPARE(window.channelSocket(1).state(), SocketControl::State::Closed);
        QTRY_COMPARE(window.channelSocket(3).state(), SocketControl::State::Connected);
        QVERIFY(control<QRadioButton>(window, "Option3")->isChecked()
                && !control<QRadioButton>(window, "Option1")->isChecked());
        QVERIFY(waitRealTime([&] { return chat.support.connections()[0].endedByProgram; }, kLimitMs));

        // "Send" on a channel keeps the text; Enter empties the box.
        control<QLineEdit>(window, "txtSendData")->setText(QStringLiteral("hello"));
        control<QPushButton>(window, "Command1")->click();
        QCOMPARE(control<QLineEdit>(window, "txtSendData")->text(), QStringLiteral("hello"));
        QTest::keyClick(control<QLineEdit>(window, "txtSendData"), Qt::Key_Return);
        QVERIFY(control<QLineEdit>(window, "txtSendData")->text().isEmpty());
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
        QVERIFY(waitRealTime(
            [&] {
                return control<QLabel>(window, "lblConnectionState")->text() == QStringLiteral("Connection Closed");
            },
            kLimitMs));
        QCOMPARE(lampColour(control<QLabel>(window, "Label1")), SupportChatWindow::kClosedColour);
    }

    void aChannelThatIsNotThereIsOffLine()
    {
        SupportChatWorld chat;
        chat.support.stopListening(FakeSupportPeer::Channel2);
        WaitEnd end(chat.window().channelConnectWait(), *control<QLabel>(chat.window(), "lblConnectionState"),
                    *control<QLabel>(chat.window(), "Label1"));
        chat.window().pickChannel(2);
        QTRY_VERIFY(end.ended);
        QCOMPARE(end.caption, QStringLiteral("Support is off line..."));
        QCOMPARE(end.lamp, SupportChatWindow::kOffLineColour);
        QCOMPARE(end.captionLamp, SupportChatWindow::kOffLineColour);
    }

    // A connect that never ends is off line at the limit; its socket is closed, so a
    // late connect is not taken.
    void aChannelThatNeverAnswersIsOffLineAtTheLimit()
    {
        StalledChannelWorld chat;
        QVERIFY(chat.stalling.port() != 0);
        SupportChatWindow& window = chat.window();
        WaitEnd end(window.channelConnectWait(), *control<QLabel>(window, "lblConnectionState"),
                    *control<QLabel>(window, "Label1"));
        window.pickChannel(1);
        QCOMPARE(control<QLabel>(window, "lblConnectionState")->text(), QStringLiteral("Connecting..."));
        QTRY_VERIFY(end.ended);
        QCOMPARE(end.caption, QStringLiteral("Support is off line..."));
        QCOMPARE(end.lamp, SupportChatWindow::kOffLineColour);
        QCOMPARE(end.captionLamp, SupportChatWindow::kOffLineColour);
        QCOMPARE(window.channelSocket(1).state(), SocketControl::State::Closed);
    }

    // A pick while another channel still connects closes that connect: the new pick
    // has the lamp row, and the earlier pick's limit passes without a word.
    void aPickWhileAnotherConnectsTakesTheLampRowOver()
    {
        StalledChannelWorld chat;
        QVERIFY(chat.stalling.port() != 0 && chat.support.port(FakeSupportPeer::Channel2) != 0);
        SupportChatWindow& window = chat.window();
        window.pickChannel(1);
        window.pickChannel(2);
        QTRY_COMPARE(control<QLabel>(window, "lblConnectionState")->text(), QStringLiteral("Connection complete..."));
        QTest::qWait(kPastTheConnectLimitMs);
        QCOMPARE(control<QLabel>(window, "lblConnectionState")->text(), QStringLiteral("Connection complete..."));
        QCOMPARE(lampColour(control<QLabel>(window, "Label1")), SupportChatWindow::kConnectedColour);
        QCOMPARE(window.channelSocket(1).state(), SocketControl::State::Closed);
        QCOMPARE(window.channelSocket(2).state(), SocketControl::State::Connected);
    }

    void offlineMessageBytesExactly()
    {
        SupportChatWorld chat;
        SupportChatWindow& window = chat.window();
        control<QLineEdit>(window, "txtName")->setText(QStringLiteral("  "));
        control<QLineEdit>(window, "txtID")->setText(QStringLiteral("42 "));
        control<QLineEdit>(window, "txtEMail")->setText(QStringLiteral("bob@example.com"));
        control<QPlainTextEdit>(window, "txtMessage")->setPlainText(QStringLiteral("Hi"));
        control<QPushButton>(window, "Command3")->click();
        QVERIFY(waitRealTime(
            [&] { return control<QLabel>(window, "lblMessage")->text() == QStringLiteral("Message Received ... "); },
            kLimitMs));
        QCOMPARE(lampColour(control<QLabel>(window, "Label11")), SupportChatWindow::kMessageSentColour);
        QVERIFY(waitRealTime(
            [&] {
                return chat.support.receivedOn(FakeSupportPeer::OfflineMessage) == "  //42 //bob@example.com//Hi\r\n";
            },
            kLimitMs));
        // The support host's answer shows in the message box.
        chat.support.send(chat.support.connectionsTo(FakeSupportPeer::OfflineMessage).first(), "Thanks");
        QVERIFY(waitRealTime([&] { return window.offlineMessageText() == "Thanks"; }, kLimitMs));
        QVERIFY(control<QPlainTextEdit>(window, "txtMessage")->toPlainText().endsWith(QStringLiteral("Thanks")));
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
        control<QLineEdit>(window, "txtName")->setText(boxes[0]);
        control<QLineEdit>(window, "txtID")->setText(boxes[1]);
        control<QLineEdit>(window, "txtEMail")->setText(boxes[2]);
        window.sendOfflineMessage();
        QCOMPARE(chat.world.folder().dialogs().messageTexts(), QStringList{message});
        QCOMPARE(window.offlineMessageSocket().state(), SocketControl::State::Closed);
    }

    void offlineMessageToNobodyIsOffLine()
    {
        SupportChatWorld chat;
        const quint16 port = chat.support.port(FakeSupportPeer::OfflineMessage);
        chat.support.stopListening(FakeSupportPeer::OfflineMessage);
        SupportChatWindow& window = chat.window();
        control<QLineEdit>(window, "txtName")->setText(QStringLiteral("Bob"));
        control<QLineEdit>(window, "txtID")->setText(QStringLiteral("42"));
        control<QLineEdit>(window, "txtEMail")->setText(QStringLiteral("b@e"));
        WaitEnd end(window.offlineMessageConnectWait(), *control<QLabel>(window, "lblMessage"),
                    *control<QLabel>(window, "Label11"));
        window.sendOfflineMessage();
        QTRY_VERIFY(end.ended);
        QCOMPARE(end.caption, QStringLiteral("Support is off line..."));
        QCOMPARE(end.lamp, SupportChatWindow::kOffLineColour);
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
            control<QLineEdit>(window, "txtName")->setText(QStringLiteral(" Smith, Bob "));
            control<QLineEdit>(window, "txtID")->setText(QStringLiteral("42"));
            control<QLineEdit>(window, "txtEMail")->setText(QStringLiteral("bob@example.com"));
            control<QPushButton>(window, "Command4")->click();
            QCOMPARE(chat.world.folder().dialogs().messageTexts(), QStringList{"Settings Saved..."});
            QCOMPARE(fileContent(chat.world.folder().filePath("EMessageSettings.txt")),
                     QByteArray("Smith, Bob\r\n42\r\nbob@example.com\r\n"));
            // A fresh window reads them back; the comma splits the name.
            testWindows().destroyAll();
            SupportChatWindow& again = testWindows().chat.supportChat();
            QCOMPARE(control<QLineEdit>(again, "txtName")->text(), QStringLiteral("Smith"));
            QCOMPARE(control<QLineEdit>(again, "txtID")->text(), QStringLiteral("Bob"));
            QCOMPARE(control<QLineEdit>(again, "txtEMail")->text(), QStringLiteral("42"));
        }
    }

    void theMainWindowsMenuShowsTheChat()
    {
        SupportChatWorld chat;
        auto* item = menuAction(*testWindows().main().findChild<QMenuBar*>(), QStringLiteral("mnuSupport"));
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
        QTest::mouseClick(control<QLabel>(window, "lblConnectionState"), Qt::RightButton);
        QTest::mouseClick(&window.upperPicture(), Qt::RightButton);
        QTest::mouseClick(control<QLineEdit>(window, "txtSendData"), Qt::RightButton); // no help on a text box
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

    void aStrangerIsRefusedWhileTheSupportHostIsLookedUp()
    {
        SupportChatWorld chat;
        chat.world.writeProgramFile(QStringLiteral("MediaPlay.txt"), "/opt/player/play\r\n");
        HeldLookup lookup;
        chat.window().setSupportHostLookup(lookup.function());
        control<QLineEdit>(chat.window(), "txtChatIP")->setText(QStringLiteral("support.example"));
        QCOMPARE(lookup.names, QStringList{"support.example"});

        // It sends at once, while the program does not know the support host's address.
        FakeSupportPeer stranger;
        stranger.connectToProgram(chat.listenPort(), QHostAddress(QStringLiteral("127.0.0.2")),
                                  "/SHOWCLIP/,http://attacker.example/clip.asf");
        QVERIFY(strangerWasRefused(stranger, chat));
        QVERIFY(chat.world.folder().launcher().starts().isEmpty());
        QVERIFY(chat.window().transcriptText().isEmpty());

        // Once the name has its address, that host is the support side.
        lookup.answer({QHostAddress(QStringLiteral("127.0.0.2"))});
        stranger.connectToProgram(chat.listenPort(), QHostAddress(QStringLiteral("127.0.0.2")),
                                  "/SHOWCLIP/,http://support.example/clip.asf");
        QVERIFY(stranger.waitForSupportConnection());
        QVERIFY(waitRealTime([&] { return !chat.world.folder().launcher().starts().isEmpty(); }, kLimitMs));
        QCOMPARE(chat.world.folder().launcher().starts().first().arguments,
                 QStringList{"http://support.example/clip.asf"});
    }

    void aVeryLongLineIsCutAndTheChatGoesOn()
    {
        SupportChatWorld chat;
        SupportChatWindow& window = chat.window();
        QVERIFY(chat.connectSupport());
        constexpr qsizetype kLongest = chat::AppendedText::kLongestLine;
        const QByteArray longLine = "start" + QByteArray(8 * 1024 * 1024, 'x') + "end\r\n";
        QVERIFY(chat.support.sendToProgram(longLine));
        QVERIFY(waitRealTime([&] { return window.transcriptText().endsWith("\r\n"); }, 20 * kLimitMs));

        // The line kept its start, up to the longest line the transcript takes.
        const QByteArray& shown = window.transcriptText();
        QVERIFY(shown.startsWith(" Says > start"));
        QCOMPARE(shown.indexOf('\r'), kLongest);
        QVERIFY(!shown.contains("end"));
        QVERIFY(shown.size() <= chat::AppendedText::kCapacity);
        QVERIFY(testWindows().link.status().logText().contains("Support chat dropped the rest of a line longer than "
                                                               + QByteArray::number(kLongest)
                                                               + " bytes in the transcript"));

        // The program goes on: a command works, the next line is shown whole, and the
        // user's answer goes out.
        QVERIFY(chat.sendChunk("/SHOW/"));
        QVERIFY(window.isVisible());
        QVERIFY(chat.sendChunk("Still there?\r\n"));
        QVERIFY(window.transcriptText().endsWith("\r\n Says > Still there?\r\n"));
        control<QLineEdit>(window, "txtSendData")->setText(QStringLiteral("yes"));
        window.sendLine();
        QVERIFY(waitRealTime([&] { return chat.support.receivedFromProgram() == "ann Says > yes\r\n"; }, kLimitMs));
    }

    void aLongLineIsCutOnceAcrossPieces()
    {
        SupportChatWorld chat;
        SupportChatWindow& window = chat.window();
        constexpr qsizetype kLongest = chat::AppendedText::kLongestLine;
        window.appendToTranscript(QByteArray(kLongest - 2, 'a'));
        window.appendToTranscript("bcd");
        window.appendToTranscript("ef\nnext\r");
        window.appendToTranscript(QByteArray(kLongest, 'g') + "h\n");
        QCOMPARE(window.transcriptText(),
                 QByteArray(kLongest - 2, 'a') + "bc\nnext\r" + QByteArray(kLongest, 'g') + "\n");
        QCOMPARE(testWindows().link.status().logText().count("Support chat dropped the rest of a line"), 2);
    }

    void portsFromTheSettingsFileAsAUserWritesThem()
    {
        FrameWorld world;
        FakeSupportPeer support;
        QVERIFY(support.listen());
        const auto port = [&support](FakeSupportPeer::Service service) {
            return QByteArray::number(support.port(service));
        };
        // The whole file, written by hand.
        QFile file(world.folder().settings().filePath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("[SupportChat]\nListenPort=0\nChannel1Port=" + port(FakeSupportPeer::Channel1) + "\nChannel2Port="
                   + port(FakeSupportPeer::Channel2) + "\nChannel3Port=" + port(FakeSupportPeer::Channel3)
                   + "\nChannel4Port=" + port(FakeSupportPeer::Channel4)
                   + "\nEMessagePort=" + port(FakeSupportPeer::OfflineMessage) + "\n");
        file.close();

        SupportChatWindow& window = testWindows().chat.supportChat();
        control<QLineEdit>(window, "txtChatIP")->setText(QStringLiteral("127.0.0.1"));
        QVERIFY(listening(window));
        // A port the system chose, not the usual one, and the box shows it.
        QVERIFY(window.listenPort() > 0 && window.listenPort() != 1001);
        QCOMPARE(control<QLineEdit>(window, "txtPort")->text(), QString::number(window.listenPort()));

        window.pickChannel(4);
        QTRY_COMPARE(control<QLabel>(window, "lblConnectionState")->text(), QStringLiteral("Connection complete..."));
        QVERIFY(waitRealTime([&] { return support.connectionsTo(FakeSupportPeer::Channel4).size() == 1; }, kLimitMs));
        control<QLineEdit>(window, "txtName")->setText(QStringLiteral("Bob"));
        control<QLineEdit>(window, "txtID")->setText(QStringLiteral("42"));
        control<QLineEdit>(window, "txtEMail")->setText(QStringLiteral("b@e"));
        window.sendOfflineMessage();
        QVERIFY(waitRealTime(
            [&] { return support.receivedOn(FakeSupportPeer::OfflineMessage) == "Bob//42//b@e//\r\n"; }, kLimitMs));
    }
};

QTEST_MAIN(TestSupportChat)
#include "test_supportchat.moc"
