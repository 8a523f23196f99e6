// The reflector connection against the fake reflector, over real sockets: the
// events of one request and the flags they set, the traffic plain and enciphered,
// and chunks reaching the reply handling one by one, in order.
#include "Control.h"
#include "FakeReflector.h"
#include "FileSizeLimit.h"
#include "RefusingPort.h"
#include "TempProgramFolder.h"

#include "TestWindows.h"
#include "link/ReflectorSession.h"
#include "link/TrafficCipher.h"
#include "link/WebCamReplyCollector.h"
#include "linkwindows/StatusWindow.h"
#include "linkwindows/UserSettingsWindow.h"
#include "platform/Codec.h"
#include "platform/Wait.h"
#include "tools/ForgottenPasswordRequest.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using platform::SocketControl;
using platform::waitUntil;

namespace {

constexpr int kLimitMs = 5000;
// Several MiB through a sanitizer build on a busy machine can take many seconds; this
// limit only tells a hang from slow progress.
constexpr int kBulkLimitMs = 120000;

// The socket's events in the order the window's handlers saw them, the send's with
// the send-complete flag as the handlers left it.
struct EventLog {
    QStringList events;
    QList<QByteArray> chunks; // the connection's last chunk after each chunk

    explicit EventLog(ReflectorConnection& client)
    {
        // Connected after the window's own handlers, so each entry sees their effect.
        SocketControl* socket = &client.socket();
        QObject::connect(socket, &SocketControl::connected, [this] { events << "connected"; });
        QObject::connect(socket, &SocketControl::sendComplete, [this] { events << "sendComplete"; });
        QObject::connect(socket, &SocketControl::dataArrival, [this, &client] {
            events << "dataArrival";
            chunks << client.lastChunk();
        });
        QObject::connect(socket, &SocketControl::peerClosed,
                         [this, socket] { events << QStringLiteral("peerClosed state=%1").arg(int(socket->state())); });
        QObject::connect(socket, &SocketControl::socketError, [this] { events << "socketError"; });
    }
};

bool connectTo(ReflectorConnection& client, quint16 port)
{
    return client.socket().connectToHost(QStringLiteral("127.0.0.1"), port).ok()
        && waitUntil([&client] { return client.socket().state() == SocketControl::State::Connected; }, kLimitMs);
}

int countOf(const QString& text, const QString& line)
{
    return text.count(line);
}

} // namespace

class ClientTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        world_.emplace();
        reflectorSession().state().encryptTraffic = false;
        reflectorSession().state().loginFailed = false;
    }

    void cleanup()
    {
        testWindows().destroyAll();
        world_.reset();
    }

    // A login as the senders make it: connect, send once, the reflector accepts and
    // then ends the connection.
    void eventOrderOfAnAcceptedLogin()
    {
        FakeReflector reflector;
        QVERIFY(reflector.listen());
        reflector.script("/Login/", FakeReflector::Reply::text("/Login Successful/, 123 \\").closing());
        ReflectorConnection& client = reflectorSession().connection();
        EventLog log(client);

        QVERIFY(connectTo(client, reflector.port()));
        QVERIFY(client.socket().send(loginOnWire(false, "0", "ann", "pw").text).ok());
        QVERIFY(waitUntil([&] { return log.events.size() == 3; }, kLimitMs));

        QCOMPARE(log.events, QStringList({"connected", "sendComplete", "dataArrival"}));
        QCOMPARE(log.chunks, QList<QByteArray>({"/Login Successful/, 123 \\"}));
        QCOMPARE(reflector.requestTexts(), QList<QByteArray>({"/Login/0,ann,pw"}));
        // The accepted login closes the socket at once; the reflector's close comes
        // after it and is no longer seen.
        QCOMPARE(client.socket().state(), SocketControl::State::Closed);
        QCOMPARE(control<QLineEdit>(testWindows().link.userSettings(), "txtUserID")->text(), QStringLiteral("123"));
        QCOMPARE(testWindows().link.userSettings().isVisible(), false);
        QVERIFY(!reflectorSession().state().loginFailed);
        QCOMPARE(countOf(control<QPlainTextEdit>(testWindows().link.status(), "txtStatus")->toPlainText(),
                         "Login Successful..."),
                 2);
    }

    void closeByTheReflectorAndErrors()
    {
        FakeReflector reflector;
        QVERIFY(reflector.listen());
        reflector.script("/SumReq/", FakeReflector::Reply::text("/SumReqNDF/").closing());
        ReflectorConnection& client = reflectorSession().connection();
        EventLog log(client);

        QVERIFY(connectTo(client, reflector.port()));
        QVERIFY(client.socket().send(requestOnWire(false, "/SumReq/Animals").text).ok());
        QVERIFY(waitUntil([&] { return log.events.size() == 4; }, kLimitMs));
        QCOMPARE(log.events.last(), QStringLiteral("peerClosed state=0")); // closed again, ready for the next request

        RefusingPort refusing;
        QVERIFY(client.socket().connectToHost(QStringLiteral("127.0.0.1"), refusing.port()).ok());
        QVERIFY(waitUntil([&] { return log.events.contains("socketError"); }, kLimitMs));
        QCOMPARE(log.events.last(), QStringLiteral("socketError"));
        QCOMPARE(client.socket().state(), SocketControl::State::Error);
    }

    void plainAndEncipheredTraffic_data()
    {
        QTest::addColumn<bool>("encrypt");
        QTest::newRow("plain") << false;
        QTest::newRow("enciphered") << true;
    }

    void plainAndEncipheredTraffic()
    {
        QFETCH(bool, encrypt);
        reflectorSession().state().encryptTraffic = encrypt;
        FakeReflector reflector;
        QVERIFY(reflector.listen());
        reflector.setEnciphered(encrypt);
        reflector.acceptLogin("77");
        ReflectorConnection& client = reflectorSession().connection();

        QVERIFY(connectTo(client, reflector.port()));
        QVERIFY(client.socket().send(loginOnWire(encrypt, "5", "a,b", "").text).ok());
        QVERIFY(waitUntil(
            [&] { return control<QLineEdit>(testWindows().link.userSettings(), "txtUserID")->text() == "77"; },
            kLimitMs));

        // The enciphered login carries one comma more; a comma inside a value goes as it is.
        const QByteArray plain = encrypt ? "/Login/5,a,b,," : "/Login/5,a,b,";
        QCOMPARE(reflector.requests()[0].text, plain);
        QCOMPARE(reflector.requests()[0].received, encrypt ? reflector.encipher(plain) : plain);
        QCOMPARE(client.lastChunk(), QByteArray("/Login Successful/,77\\"));
    }

    void encipheredFormsOfTheOtherRequests()
    {
        QCOMPARE(logoutOnWire(false, "9.8.7.6").text, QByteArray("DeleteConnection*/"));
        QCOMPARE(forgottenPasswordText("ann", "x"), QByteArray("/ForgotPassword\\ann,x"));
        QCOMPARE(requestOnWire(false, "Technology,Cams").text, QByteArray("Technology,Cams"));

        FakeReflector reflector; // deciphers as the far end would
        reflector.setEnciphered(true);
        QCOMPARE(reflector.decipher(logoutOnWire(true, "9.8.7.6").text), QByteArray("DeleteConnection*/9.8.7.6"));
        QCOMPARE(forgottenPasswordText("ann", "x"), QByteArray("/ForgotPassword\\ann,x"));
        QCOMPARE(reflector.decipher(requestOnWire(true, "Technology,Cams").text), QByteArray("Technology,Cams"));
        QCOMPARE(replyInClear(true, reflector.encipher("/NDF/")).text, QByteArray("/NDF/"));
    }

    // One chunk is one message: the pieces of a split reply reach the reply handling
    // one after the other, and a rejection split in two is no rejection.
    void chunksReachTheReplyHandlingInOrder()
    {
        FakeReflector reflector;
        QVERIFY(reflector.listen());
        reflector.setEnciphered(true);
        reflectorSession().state().encryptTraffic = true;
        const QByteArray reply = "/WC/1,http://cam,,Cam,N,,Paris,IEStream/EndTran/";
        reflector.script("Travel,", FakeReflector::Reply::text(reply).splitAt({2, 20, 40}));
        reflector.script("/Login/", FakeReflector::Reply::text("/Login Fai").then("led/"));
        ReflectorConnection& client = reflectorSession().connection();
        EventLog log(client);

        QVERIFY(connectTo(client, reflector.port()));
        QVERIFY(client.socket().send(requestOnWire(true, "Travel,Paris").text).ok());
        QVERIFY(waitUntil([&] { return log.chunks.size() == 4; }, kLimitMs));
        QCOMPARE(log.chunks, QList<QByteArray>({reply.left(2), reply.mid(2, 18), reply.mid(20, 20), reply.mid(40)}));

        client.socket().close();
        QVERIFY(connectTo(client, reflector.port()));
        QVERIFY(client.socket().send(loginOnWire(true, "1", "ann", "pw").text).ok());
        QVERIFY(waitUntil([&] { return log.chunks.size() == 6; }, kLimitMs));
        QVERIFY(!reflectorSession().state().loginFailed);
        QVERIFY(control<QLabel>(testWindows().link.userSettings(), "lblWarning")->isHidden());
    }

    void aRejectedLoginShowsTheWarning()
    {
        FakeReflector reflector;
        QVERIFY(reflector.listen());
        reflector.rejectLogin();
        ReflectorConnection& client = reflectorSession().connection();

        QVERIFY(connectTo(client, reflector.port()));
        QVERIFY(client.socket().send(loginOnWire(false, "1", "ann", "wrong").text).ok());
        QVERIFY(waitUntil([&] { return reflectorSession().state().loginFailed; }, kLimitMs));
        UserSettingsWindow& settings = testWindows().link.userSettings();
        QVERIFY(settings.isVisible());
        QVERIFY(!control<QLabel>(settings, "lblWarning")->isHidden());
        QVERIFY(!control<QPushButton>(settings, "cmdRetry")->isHidden());
        QCOMPARE(countOf(control<QPlainTextEdit>(testWindows().link.status(), "txtStatus")->toPlainText(),
                         "Login Failed..."),
                 1);
    }

    // Whatever the reflector sends, the window takes at most its receive limit of it at
    // a time, and a webcam reply longer than the collection's capacity is dropped with
    // a log line; the next reply is collected as usual.
    void aLargeReplyIsBoundedAndDropped()
    {
        FakeReflector reflector;
        QVERIFY(reflector.listen());
        QByteArray piece;
        while (piece.size() < 1024 * 1024)
            piece += "1,http://cam.example/x,,Cam,N,,Paris,IEStream\r\n";
        FakeReflector::Reply reply = FakeReflector::Reply::text("/WC/" + piece);
        for (int i = 0; i < 5; ++i)
            reply = reply.then(piece, 0);
        const QByteArray next = "/WC/2,http://b,,Harbour,N,,Paris,IEStream\r\n/EndTran/";
        reflector.script("Technology,", reply.then(next, 300));
        ReflectorConnection& client = reflectorSession().connection();
        qint64 largestChunk = 0;
        qsizetype largestCollection = 0;
        QObject::connect(&client.socket(), &SocketControl::dataArrival, [&](qint64 bytes) {
            largestChunk = std::max(largestChunk, bytes);
            largestCollection = std::max(largestCollection, reflectorSession().collectedWebCamReply().size());
        });

        QVERIFY(connectTo(client, reflector.port()));
        QVERIFY(client.socket().send("Technology,Cams").ok());
        QVERIFY(waitUntil([&] { return reflectorSession().collectedWebCamReply().endsWith(next); }, kBulkLimitMs));

        QVERIFY2(largestChunk <= ReflectorConnection::kReceiveLimitBytes, qPrintable(QString::number(largestChunk)));
        QVERIFY(largestCollection <= WebCamReplyCollector::kCapacityBytes);
        QVERIFY(reflectorSession().collectedWebCamReply().size() <= ReflectorConnection::kReceiveLimitBytes);
        QCOMPARE(countOf(control<QPlainTextEdit>(testWindows().link.status(), "txtStatus")->toPlainText(),
                         "Webcam reply too long, dropped"),
                 1);
    }

    // A reflector that repeats "/PasswordUpdated/" every 2 ms while no save can succeed
    // (a read-only or full program folder) gets one box at most: the box does not wait,
    // so the replies go on being handled, and no further box piles up behind it.
    void aFloodOfRepliesWhoseSaveFailsShowsOneBox()
    {
        FakeReflector reflector;
        QVERIFY(reflector.listen());
        ScriptedDialogs& dialogs = world_->dialogs();
        dialogs.holdBoxesOpen(true);
        ReflectorConnection& client = reflectorSession().connection();
        QVERIFY(connectTo(client, reflector.port()));
        QVERIFY(waitUntil([&] { return reflector.isOpen(0); }, kLimitMs));

        const FileSizeLimit noSaves(8);
        int sent = 0;
        QTimer flood;
        flood.setInterval(2);
        connect(&flood, &QTimer::timeout, this, [&] {
            if (reflector.sendUnsolicited(0, "/PasswordUpdated/,pw" + QByteArray::number(sent)))
                ++sent;
        });
        flood.start();
        QVERIFY(waitUntil([&] { return sent >= 300; }, kBulkLimitMs));
        flood.stop();
        const QString log = control<QPlainTextEdit>(testWindows().link.status(), "txtStatus")->toPlainText();

        QCOMPARE(dialogs.messageTexts(), QStringList{"Error Saving settings.. =  57"});
        QCOMPARE(dialogs.heldBoxCount(), 1);
        QVERIFY2(countOf(log, "Password Update was successful...") > 1, qPrintable(log.left(400)));
        // Once that box is closed, the next failing save shows the next one.
        dialogs.answerHeldBox(platform::MessageAnswer::Ok);
        QVERIFY(reflector.sendUnsolicited(0, "/PasswordUpdated/,last"));
        QVERIFY(waitUntil([&] { return dialogs.messageTexts().size() == 2; }, kLimitMs));
    }

private:
    std::optional<TempProgramFolder> world_;
};

QTEST_MAIN(ClientTest)
#include "test_client.moc"
