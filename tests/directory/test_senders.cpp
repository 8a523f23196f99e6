// The directory query and the locator's requests against the fake reflector, over
// real sockets: the bytes sent, plain and enciphered, the status texts, and every way
// a request can fail (no address, refused, no answer, a send that never finishes, a
// connection ended at once, a request taken over by a later one).
#include "Control.h"
#include "FakeReflector.h"
#include "FrameWorld.h"
#include "RealTimeWait.h"
#include "ReflectorAt.h"
#include "RefusingPort.h"
#include "SessionSettled.h"
#include "StallingPort.h"

#include "TestWindows.h"
#include "directory/MainWindow.h"
#include "link/ReflectorSession.h"
#include "linkwindows/ServerSettingsWindow.h"
#include "platform/Codec.h"
#include "platform/Wait.h"
#include "tools/LocatorWindow.h"
#include "ui/PanelStatusBar.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

#include <optional>

namespace {

enum class Sender { Query, Topic, Search };

constexpr int kWaitMs = 5000;

void send(Sender sender, const QByteArray& argument)
{
    switch (sender) {
    case Sender::Query: reflectorSession().sendQuery(argument); break;
    case Sender::Topic: reflectorSession().sendTopicRequest(argument); break;
    case Sender::Search: reflectorSession().sendSearchRequest(argument); break;
    }
}

QByteArray statusOf(Sender sender)
{
    return sender == Sender::Query ? testWindows().main().statusBar->panelText(1)
                                   : control<PanelStatusBar>(testWindows().tools.locator(), "StatusBar1")->panelText(1);
}

} // namespace

Q_DECLARE_METATYPE(Sender)

class SendersTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        world_.emplace();
        testWindows().main();
        QVERIFY(reflector_.emplace().listen());
        reflector_->setQuietGapMs(10);
        useReflector(reflector_->port());
        reflectorSession().state().encryptTraffic = false;
    }

    void cleanup()
    {
        reflectorSession().state().encryptTraffic = false;
        reflector_.reset();
        world_.reset();
    }

    void theTextOnTheWire_data()
    {
        QTest::addColumn<Sender>("sender");
        QTest::addColumn<QByteArray>("argument");
        QTest::addColumn<bool>("encrypt");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("status");
        const QByteArray sent = "Sent Data OK ...";
        for (bool encrypt : {false, true}) {
            const char* form = encrypt ? "enciphered" : "plain";
            QTest::addRow("query, %s", form) << Sender::Query << QByteArray("Technology,Cams") << encrypt
                                             << QByteArray("Technology,Cams") << QByteArray("Query sent to Server...");
            QTest::addRow("topic, %s", form)
                << Sender::Topic << QByteArray("Animals") << encrypt << QByteArray("/SumReq/Animals") << sent;
            QTest::addRow("search, %s", form) << Sender::Search << QByteArray("beach, pier") << encrypt
                                              << QByteArray("/SumReqText/beach, pier") << sent;
        }
        QTest::newRow("empty topic") << Sender::Topic << QByteArray() << false << QByteArray("/SumReq/") << sent;
        QTest::newRow("empty search") << Sender::Search << QByteArray() << false << QByteArray("/SumReqText/") << sent;
        QTest::newRow("8-bit text") << Sender::Query << QByteArray("Travel,C\xf4te d'Ivoire") << false
                                    << QByteArray("Travel,C\xf4te d'Ivoire") << QByteArray("Query sent to Server...");
    }

    // One request, one connection, exactly the text; the staging box keeps it in clear.
    void theTextOnTheWire()
    {
        QFETCH(Sender, sender);
        QFETCH(QByteArray, argument);
        QFETCH(bool, encrypt);
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, status);
        reflectorSession().state().encryptTraffic = encrypt;
        reflector_->setEnciphered(encrypt);
        testWindows().link.serverSettings().show();

        send(sender, argument);
        QVERIFY(sessionSettled());

        QCOMPARE(statusOf(sender), status);
        QVERIFY(testWindows().link.serverSettings().isHidden());
        QCOMPARE(reflectorSession().stagedRequest(), text);
        QVERIFY(waitRealTime([&] { return reflector_->requests().size() == 1; }, kWaitMs));
        QCOMPARE(reflector_->requests()[0].text, text);
        QCOMPARE(reflector_->requests()[0].received, encrypt ? reflector_->encipher(text) : text);
        QVERIFY(world_->folder().dialogs().messageTexts().isEmpty());
    }

    // A second request closes the first one's connection and goes out on a new one.
    void eachRequestOnAFreshConnection()
    {
        reflectorSession().sendQuery("Animals,Dogs");
        reflectorSession().sendTopicRequest("Travel");
        QVERIFY(waitRealTime([&] { return reflector_->requests().size() == 2; }, kWaitMs));
        QCOMPARE(reflector_->requestTexts(), QList<QByteArray>({"Animals,Dogs", "/SumReq/Travel"}));
        QCOMPARE(reflector_->requests()[0].connection, 0);
        QCOMPARE(reflector_->requests()[1].connection, 1);
        QVERIFY(waitRealTime([&] { return reflector_->connections()[0].endedByClient; }, kWaitMs));
    }

    void failures_data()
    {
        QTest::addColumn<Sender>("sender");
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QStringList>("boxes");
        const QStringList none;
        const QStringList failed{"Connection failed"};
        const QStringList noAnswer{"Could not connect to DBServer"};
        for (const char* failure : {"no address", "refused", "closed while sending", "send never finishes"}) {
            QTest::addRow("query, %s", failure) << Sender::Query << QString(failure) << none;
            QTest::addRow("topic, %s", failure) << Sender::Topic << QString(failure) << failed;
        }
        QTest::newRow("search, refused") << Sender::Search << QStringLiteral("refused") << failed;
        QTest::newRow("query, no answer") << Sender::Query << QStringLiteral("no answer") << noAnswer;
        QTest::newRow("topic, no answer") << Sender::Topic << QStringLiteral("no answer") << noAnswer;
    }

    // A failed connection: the query empties the main status text without a message,
    // a locator request says "Connection failed"; no connection at all within the
    // limit says "Could not connect to DBServer". Every wait ends in bounded time.
    void failures()
    {
        QFETCH(Sender, sender);
        QFETCH(QString, failure);
        QFETCH(QStringList, boxes);
        StallingPort stalling;
        RefusingPort refusing;
        QTcpServer mute; // reads nothing, or ends the connection at the first bytes
        QByteArray argument = "x";

        if (failure == "no address") {
            reflectorSession().state().reflectorAddress.clear();
        } else if (failure == "refused") {
            useReflector(refusing.port());
        } else if (failure == "no answer") {
            QVERIFY(stalling.port());
            useReflector(stalling.port());
        } else {
            // Far more than the connection's buffers hold, so the send cannot finish
            // while the far end reads nothing.
            QVERIFY(mute.listen(QHostAddress::LocalHost));
            if (failure == "closed while sending") {
                connect(&mute, &QTcpServer::newConnection, [&mute] {
                    QTcpSocket* socket = mute.nextPendingConnection();
                    QObject::connect(socket, &QTcpSocket::readyRead, socket, &QTcpSocket::abort);
                });
            } else {
                mute.pauseAccepting(); // the system takes the connection; nobody ever reads it
            }
            useReflector(mute.serverPort());
            argument = QByteArray(16 * 1024 * 1024, 'x');
        }
        const QByteArray before = "before";
        testWindows().main().statusBar->setPanelText(1, before);
        control<PanelStatusBar>(testWindows().tools.locator(), "StatusBar1")->setPanelText(1, before);

        send(sender, argument);
        QVERIFY(sessionSettled());

        QCOMPARE(world_->folder().dialogs().messageTexts(), boxes);
        if (failure == "no answer") {
            // The main status text is emptied by the frame meanwhile; the locator's stays.
            if (sender != Sender::Query)
                QCOMPARE(statusOf(sender), before);
        } else if (sender == Sender::Query)
            QCOMPARE(statusOf(sender), QByteArray());
        else if (failure == "send never finishes" || failure == "closed while sending")
            QCOMPARE(statusOf(sender), QByteArray("Connected OK ..."));
        else
            QCOMPARE(statusOf(sender), before);
    }

    // A request started while an earlier one still waits takes the socket over: the
    // earlier one ends without a report and only the later one reaches the reflector.
    void aLaterRequestTakesOver()
    {
        StallingPort stalling;
        QVERIFY(stalling.port());
        useReflector(stalling.port());
        QTimer::singleShot(20, [&] {
            useReflector(reflector_->port());
            reflectorSession().sendTopicRequest("Later");
        });
        reflectorSession().sendTopicRequest("Earlier");
        QVERIFY(waitRealTime([&] { return reflector_->requests().size() == 1; }, kWaitMs));
        QVERIFY(sessionSettled());
        QVERIFY(world_->folder().dialogs().messageTexts().isEmpty());
        QCOMPARE(reflector_->requestTexts(), QList<QByteArray>{"/SumReq/Later"});
        QCOMPARE(control<PanelStatusBar>(testWindows().tools.locator(), "StatusBar1")->panelText(1),
                 QByteArray("Sent Data OK ..."));
    }

    // The locator's controls send their requests.
    void theLocatorSends()
    {
        LocatorWindow& locator = testWindows().tools.locator();
        control<QComboBox>(locator, "cmbTopics")->addItem("Animals");
        control<QListWidget>(locator, "List1")->addItem("old");
        locator.setSummaryHasEntries(true);
        locator.requestTopic();
        QVERIFY(control<QListWidget>(locator, "List1")->count() == 0);
        QVERIFY(!locator.summaryHasEntries());
        control<QLineEdit>(locator, "Text1")->setText(" pier ");
        locator.requestSearch();
        QVERIFY(waitRealTime([&] { return reflector_->requests().size() == 2; }, kWaitMs));
        QCOMPARE(reflector_->requestTexts(), QList<QByteArray>({"/SumReq/Animals", "/SumReqText/ pier "}));
    }

private:
    std::optional<FrameWorld> world_;
    std::optional<FakeReflector> reflector_;
};

QTEST_MAIN(SendersTest)
#include "test_senders.moc"
