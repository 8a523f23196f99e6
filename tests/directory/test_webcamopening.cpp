// Opening the webcam of a clicked node: the program started with its arguments, the page,
// the relay and transmitter addresses and the snapshot windows for each kind of stream
// address; the password prompt; missing player path files and missing players.
#include "Control.h"
#include "FakeWebServer.h"
#include "FrameWorld.h"
#include "TestWindows.h"
#include "directory/MainWindow.h"
#include "directory/PlayerStart.h"
#include "directory/SnapshotWindow.h"
#include "directory/SnapshotWindows.h"
#include "directory/TreeNodes.h"
#include "directory/WebCamOpening.h"
#include "directory/WebCamPasswordPrompt.h"
#include "directory/WebCamRecord.h"
#include "linkwindows/ServerSettingsWindow.h"
#include "platform/Launcher.h"
#include "platform/OneShotTimer.h"
#include "platform/RuntimeError.h"
#include "tools/PlayerSearchWindow.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <optional>

namespace {

const QString kRealPlayer = QStringLiteral("/opt/real/realplay");
const QString kMediaPlayer = QStringLiteral("/opt/wmp/wmplayer");
const QString kRelay = QStringLiteral("http://10.0.0.9:81/?go=");

WebCamRecord webCam(const QByteArray& address, const QByteArray& kind, const QByteArray& passwordNeeded = "N",
                    const QByteArray& password = {})
{
    return {"1", address, {}, "Cam", passwordNeeded, password, "France", kind};
}

// The main window with a main reflector address, the two player path files, a web
// server with a picture for the snapshot webcams, and fresh snapshot slots.
class Opening {
public:
    Opening() : main(testWindows().main())
    {
        control<QLineEdit>(testWindows().link.serverSettings(), "txtIPAddress")->setText(QStringLiteral("10.0.0.9"));
        control<QLineEdit>(testWindows().link.serverSettings(), "txtIPAddressBackUp")
            ->setText(QStringLiteral("10.0.0.8"));
        world.writeProgramFile(QStringLiteral("Real.txt"), kRealPlayer.toUtf8() + "\r\n");
        world.writeProgramFile(QStringLiteral("MediaPlay.txt"), "\"" + kMediaPlayer.toUtf8() + "\"\r\n");
        web.serve("/cam.jpg", 200, "not really a picture");
        snapshotWindows() = SnapshotWindows();
    }
    ~Opening()
    {
        for (int slot = 1; slot <= SnapshotWindows::kLimit; ++slot)
            delete snapshotWindows().window(slot);
    }

    // "WEB" in an address stands for the web server.
    QByteArray address(const QByteArray& pattern) const
    {
        QByteArray text = pattern;
        return text.replace("WEB", web.url({}).toUtf8());
    }

    TreeNode& node(const QByteArray& text, std::optional<WebCamRecord> record)
    {
        TreeNode& added =
            TreeNodes::of(*main.directoryTree).addTopLevel("node " + QByteArray::number(++nodes_), text, {}, nullptr);
        added.webCam = std::move(record);
        return added;
    }

    RecordingLauncher& launcher() { return world.folder().launcher(); }
    ScriptedDialogs& dialogs() { return world.folder().dialogs(); }

    FrameWorld world;
    FakeWebServer web;
    MainWindow& main;

private:
    int nodes_ = 0;
};

QLineEdit* passwordBox(WebCamPasswordPrompt& prompt)
{
    return prompt.findChild<QLineEdit*>("txtPassword");
}

void answerPrompt(std::function<void(WebCamPasswordPrompt&)> answer)
{
    QTimer::singleShot(0, [answer] {
        WebCamPasswordPrompt& prompt = testWindows().webCamPasswordPrompt();
        QVERIFY(prompt.isVisible());
        answer(prompt);
    });
}

// The player the search window looks for; 0 when it is not open or looks for none.
int searchedPlayerKind()
{
    if (!testWindows().tools.playerSearch.isMade())
        return 0;
    const std::optional<PlayerKind> kind = testWindows().tools.playerSearch().playerKind();
    return kind ? int(*kind) : 0;
}

} // namespace

class TestWebCamOpening : public QObject {
    Q_OBJECT
private slots:
    void opens_data();
    void opens();
    void webPageAddresses_data();
    void webPageAddresses();
    void aNodeWithoutAWebCamEndsQuietly();
    void gifAddressesAlsoGoToTheDefaultSnapshotWindow();
    void snapshotWindowsTakeTenSlotsInTurn();
    void password_data();
    void password();
    void thePasswordBoxKeepsItsTextForTheNextPrompt();
    void aPromptAnsweredForAnotherClickEndsThisOne();
    void theTreeEmptiedDuringThePromptStillOpensTheWebCam();
    void aFailureAfterThePromptGoesToTheClicksReport();
    void missingPlayers_data();
    void missingPlayers();
    void aWebCamThatCannotOpenIsTold_data();
    void aWebCamThatCannotOpenIsTold();
};

void TestWebCamOpening::opens_data()
{
    QTest::addColumn<QByteArray>("address");
    QTest::addColumn<QByteArray>("kind");
    QTest::addColumn<QByteArray>("nodeText");
    QTest::addColumn<QString>("program"); // empty: nothing started
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("page");        // empty: no page opened
    QTest::addColumn<QString>("cameraHost");  // the end of the relay address; WEBHOST: the web server's
    QTest::addColumn<QString>("transmitter"); // the transmitter address box
    QTest::addColumn<bool>("snapshot");
    QTest::addColumn<bool>("playerMark"); // Timer1 armed after an "asx" start

    auto row = [](const char* name, QByteArray address, QByteArray kind, QByteArray nodeText, QString program,
                  QStringList arguments, QString page, QString cameraHost, QString transmitter, bool snapshot,
                  bool playerMark) {
        QTest::newRow(name) << address << kind << nodeText << program << arguments << page << cameraHost << transmitter
                            << snapshot << playerMark;
    };
    row("rm", "http://cam.example:8080/live.rm", "RealPlay", "Cam", kRealPlayer, {"http://cam.example:8080/live.rm"},
        {}, "cam.example:8080", {}, false, false);
    row("ram before asx", "http://h/clip.ram?list.asx", "MediaPlay", "Cam", kRealPlayer, {"http://h/clip.ram?list.asx"},
        {}, "h", {}, false, false);
    row("ssf", "rtsp://h/a.ssf", "IEStream", "Cam", kRealPlayer, {"rtsp://h/a.ssf"}, {}, "h", {}, false, false);
    row(".rm at the start is not RealPlayer", ".rm/stream", "RealPlay", "Cam", kMediaPlayer, {".rm/stream"}, {}, {}, {},
        false, false);
    row("RealPlay kind without an rm address", "rtsp://h/live", "RealPlay", "Cam", kMediaPlayer, {"rtsp://h/live"}, {},
        "h", {}, false, false);
    row("asx with a transmitter", "http://10.1.2.3:8080/ASXfeed", "MediaPlay", "Cam", kMediaPlayer,
        {"http://10.1.2.3:8080/ASXfeed"}, {}, "10.1.2.3:8080", "10.1.2.3", false, true);
    row("asx file: a fourth dot, no transmitter", "http://10.1.2.3:8080/show.asx", "MediaPlay", "Cam", kMediaPlayer,
        {"http://10.1.2.3:8080/show.asx"}, {}, "10.1.2.3:8080", {}, false, true);
    row("media stream", "mms://127.0.0.1/keys.asf", "MediaPlay", "Cam", kMediaPlayer, {"mms://127.0.0.1/keys.asf"}, {},
        "127.0.0.1", {}, false, false);
    row("transmitter camera", "http://10.1.2.3:8080/", "Talvero", "Studio - Transmitter Cam ", kMediaPlayer,
        {"http://10.1.2.3:8080/"}, {}, "10.1.2.3:8080", "10.1.2.3", false, false);
    row("n starts nothing", "n", "MediaPlay", "Cam", {}, {}, {}, {}, {}, false, false);
    row("an option-like address is not passed", "-x.rm", "RealPlay", "Cam", kRealPlayer, {}, {}, {}, {}, false, false);
    row("page", "http://example.com/cam/page.html", "IEStream", "Cam", {}, {}, "http://example.com/cam/page.html",
        "example.com", {}, false, false);
    row("snapshot", "WEB/cam.jpg", "NoStream", "Paris NoStream ", {}, {}, {}, "WEBHOST", {}, true, false);
    row("still pictures under a node text without NoStream", "WEB/cam.jpg", "NoStream", "Paris", kMediaPlayer,
        {"WEB/cam.jpg"}, {}, "WEBHOST", {}, false, false);
    row("still pictures without an address", "", "NoStream", "Paris", {}, {}, {}, {}, {}, false, false);
}

void TestWebCamOpening::opens()
{
    QFETCH(QByteArray, address);
    QFETCH(QByteArray, kind);
    QFETCH(QByteArray, nodeText);
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(QString, page);
    QFETCH(QString, cameraHost);
    QFETCH(QString, transmitter);
    QFETCH(bool, snapshot);
    QFETCH(bool, playerMark);

    Opening opening;
    address = opening.address(address);
    for (QString& argument : arguments)
        argument = QString::fromUtf8(opening.address(argument.toUtf8()));
    opening.main.mediaPlayerStarted->setEnabled(false);
    cameraHost.replace(QStringLiteral("WEBHOST"), opening.web.url({}).mid(7));

    openWebCamOfNode(testWindows(), opening.node(nodeText, webCam(address, kind)));

    QCOMPARE(chosenStreamAddress(), address);
    QCOMPARE(opening.main.relayAddressBox->currentText(), kRelay + cameraHost);
    QVERIFY(opening.main.browserOpened->isEnabled());
    QCOMPARE(opening.main.browserOpened->interval(), 3000);
    const QList<RecordingLauncher::Start>& starts = opening.launcher().starts();
    QCOMPARE(starts.size(), program.isEmpty() ? 0 : 1);
    if (!program.isEmpty()) {
        QCOMPARE(starts[0].program, program);
        QCOMPARE(starts[0].arguments, arguments);
    }
    QCOMPARE(opening.launcher().pages(), page.isEmpty() ? QList<QUrl>{} : QList<QUrl>{QUrl(page)});
    QCOMPARE(opening.main.transmitterAddressBox->text(), transmitter);
    QCOMPARE(snapshotWindows().window(1) != nullptr, snapshot);
    if (snapshot) {
        QCOMPARE(snapshotWindows().window(1)->windowTitle(), QString::fromUtf8(nodeText));
        QCOMPARE(snapshotWindows().window(1)->findChild<QLineEdit*>("txtURL")->text(), QString::fromUtf8(address));
        QVERIFY(snapshotWindows().window(1)->isVisible());
    }
    QCOMPARE(opening.main.mediaPlayerStarted->isEnabled() && opening.main.mediaPlayerStarted->interval() == 3000,
             playerMark);
    QVERIFY(opening.dialogs().messageTexts().isEmpty());
    QVERIFY(!testWindows().tools.playerSearch.isMade());
}

void TestWebCamOpening::webPageAddresses_data()
{
    QTest::addColumn<QByteArray>("address");
    QTest::addColumn<QString>("opened"); // the page the browser gets; empty: refused
    QTest::newRow("https") << QByteArray("https://cams.example/cam.html") << "https://cams.example/cam.html";
    QTest::newRow("no scheme") << QByteArray("www.host/cam.html") << "http://www.host/cam.html";
    QTest::newRow("no scheme, a port") << QByteArray("cams.example:8080/cam.html")
                                       << "http://cams.example:8080/cam.html";
    QTest::newRow("file") << QByteArray("file:///etc/passwd") << QString();
    QTest::newRow("mail") << QByteArray("mailto:someone@example.com") << QString();
    QTest::newRow("ftp") << QByteArray("ftp://cams.example/cam.html") << QString();
}

// A page address without a scheme is a web address; the browser gets no other scheme.
void TestWebCamOpening::webPageAddresses()
{
    QFETCH(QByteArray, address);
    QFETCH(QString, opened);
    Opening opening;
    openWebCamOfNode(testWindows(), opening.node("Cam", webCam(address, "IEStream")));

    QList<QUrl> openedPages;
    for (const QUrl& page : opening.launcher().pages()) {
        if (platform::isWebPage(page))
            openedPages << page;
    }
    QCOMPARE(openedPages, opened.isEmpty() ? QList<QUrl>{} : QList<QUrl>{QUrl(opened)});
    QVERIFY(opening.launcher().starts().isEmpty());
    // A refused address is told, as any page that does not open.
    const QStringList boxes = opening.dialogs().messageTexts();
    QCOMPARE(boxes.size(), opened.isEmpty() ? 1 : 0);
    if (opened.isEmpty())
        QVERIFY2(boxes[0].contains(QString::fromUtf8(address)), qPrintable(boxes[0]));
}

void TestWebCamOpening::aNodeWithoutAWebCamEndsQuietly()
{
    Opening opening;
    openWebCamOfNode(testWindows(), opening.node("Cam", webCam("http://h/live.rm", "RealPlay")));
    opening.main.relayAddressBox->setEditText(QStringLiteral("kept"));

    // A topic whose text holds a webcam's name opens nothing.
    openWebCamOfNode(testWindows(), opening.node("Camden NoStream", std::nullopt));
    QVERIFY(chosenStreamAddress().isEmpty());
    QCOMPARE(opening.main.relayAddressBox->currentText(), QStringLiteral("kept"));
    QCOMPARE(opening.launcher().starts().size(), 1);
    QVERIFY(!snapshotWindows().window(1));
}

void TestWebCamOpening::gifAddressesAlsoGoToTheDefaultSnapshotWindow()
{
    Opening opening;
    openWebCamOfNode(testWindows(), opening.node("Big NoStream ", webCam(opening.address("WEB/CAM.GIF"), "NoStream")));
    QVERIFY(!testWindows().snapshot.isMade());
    QVERIFY(snapshotWindows().window(1));

    openWebCamOfNode(testWindows(),
                     opening.node("Small NoStream ", webCam(opening.address("WEB/cam.gif"), "NoStream")));
    QVERIFY(testWindows().snapshot.isMade());
    QVERIFY(!testWindows().snapshot().isVisible());
    QVERIFY(snapshotWindows().window(2));
}

void TestWebCamOpening::snapshotWindowsTakeTenSlotsInTurn()
{
    Opening opening;
    TreeNode& node = opening.node("Paris NoStream ", webCam(opening.address("WEB/cam.jpg"), "NoStream"));
    for (int click = 1; click <= 10; ++click)
        openWebCamOfNode(testWindows(), node);
    QCOMPARE(snapshotWindows().lastSlot(), 10);
    const QPointer<SnapshotWindow> first = snapshotWindows().window(1);
    const QPointer<SnapshotWindow> third = snapshotWindows().window(3);

    // The user closes the third; the eleventh replaces the first.
    third->close();
    openWebCamOfNode(testWindows(), node);
    QCOMPARE(snapshotWindows().lastSlot(), 1);
    QTRY_VERIFY(first.isNull());
    QTRY_VERIFY(third.isNull());
    QVERIFY(!snapshotWindows().window(3));
    QVERIFY(snapshotWindows().window(1) && snapshotWindows().window(1)->isVisible());

    openWebCamOfNode(testWindows(), node);
    openWebCamOfNode(testWindows(), node);
    QCOMPARE(snapshotWindows().lastSlot(), 3);
    QVERIFY(snapshotWindows().window(3));
    for (int slot = 1; slot <= 10; ++slot)
        QVERIFY(snapshotWindows().window(slot));
}

enum class Answer { Ok, Cancel, Close, Enter, Escape };
Q_DECLARE_METATYPE(Answer)

void TestWebCamOpening::password_data()
{
    QTest::addColumn<QByteArray>("flag");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<bool>("incorrect"); // "Password is incorrect" shown

    QTest::newRow("right") << QByteArray("Y") << "s3cret" << Answer::Ok << true << false;
    QTest::newRow("flag in lower case") << QByteArray("y") << "s3cret" << Answer::Ok << true << false;
    QTest::newRow("Enter presses OK") << QByteArray("Y") << "s3cret" << Answer::Enter << true << false;
    QTest::newRow("wrong") << QByteArray("Y") << "secret" << Answer::Ok << false << true;
    QTest::newRow("other letter case") << QByteArray("Y") << "S3CRET" << Answer::Ok << false << true;
    QTest::newRow("empty box") << QByteArray("Y") << "" << Answer::Ok << false << true;
    QTest::newRow("Cancel with the right password") << QByteArray("Y") << "s3cret" << Answer::Cancel << false << false;
    QTest::newRow("Esc presses Cancel") << QByteArray("Y") << "s3cret" << Answer::Escape << false << false;
    QTest::newRow("closed") << QByteArray("Y") << "s3cret" << Answer::Close << false << false;
}

void TestWebCamOpening::password()
{
    QFETCH(QByteArray, flag);
    QFETCH(QString, typed);
    QFETCH(Answer, answer);
    QFETCH(bool, opens);
    QFETCH(bool, incorrect);

    Opening opening;
    answerPrompt([typed, answer](WebCamPasswordPrompt& prompt) {
        passwordBox(prompt)->setText(typed);
        switch (answer) {
        case Answer::Ok: prompt.answerOk(); break;
        case Answer::Cancel: prompt.answerCancel(); break;
        case Answer::Close: prompt.close(); break;
        case Answer::Enter: QTest::keyClick(passwordBox(prompt), Qt::Key_Return); break;
        case Answer::Escape: QTest::keyClick(passwordBox(prompt), Qt::Key_Escape); break;
        }
    });
    openWebCamOfNode(testWindows(), opening.node("Cam", webCam("http://h/live.rm", "RealPlay", flag, "s3cret")));

    QTRY_VERIFY(!testWindows().webCamPasswordPrompt().isVisible());
    QCOMPARE(opening.launcher().starts().size(), opens ? 1 : 0);
    QCOMPARE(opening.main.relayAddressBox->currentText().isEmpty(), !opens);
    QCOMPARE(opening.dialogs().messageTexts(),
             incorrect ? QStringList{QStringLiteral("Password is incorrect")} : QStringList{});
}

void TestWebCamOpening::thePasswordBoxKeepsItsTextForTheNextPrompt()
{
    Opening opening;
    TreeNode& node = opening.node("Cam", webCam("http://h/live.rm", "RealPlay", "Y", "s3cret"));
    answerPrompt([](WebCamPasswordPrompt& prompt) {
        passwordBox(prompt)->setText(QStringLiteral("s3cret"));
        prompt.answerOk();
    });
    openWebCamOfNode(testWindows(), node);
    QTRY_VERIFY(!testWindows().webCamPasswordPrompt().isVisible());
    answerPrompt([](WebCamPasswordPrompt& prompt) {
        QCOMPARE(passwordBox(prompt)->text(), QStringLiteral("s3cret"));
        QCOMPARE(passwordBox(prompt)->echoMode(), QLineEdit::Password);
        prompt.answerOk();
    });
    openWebCamOfNode(testWindows(), node);
    QTRY_COMPARE(opening.launcher().starts().size(), 2);

    // Without a password the prompt does not come up at all.
    openWebCamOfNode(testWindows(), opening.node("Open", webCam("http://h/open.rm", "RealPlay", "N")));
    QCOMPARE(opening.launcher().starts().size(), 3);
}

void TestWebCamOpening::aPromptAnsweredForAnotherClickEndsThisOne()
{
    Opening opening;
    TreeNode& outer = opening.node("Outer", webCam("http://h/outer.rm", "RealPlay", "Y", "pw"));
    TreeNode& inner = opening.node("Inner", webCam("http://h/inner.rm", "RealPlay", "Y", "pw"));
    QTimer::singleShot(0, [&] {
        answerPrompt([](WebCamPasswordPrompt& prompt) {
            passwordBox(prompt)->setText(QStringLiteral("pw"));
            prompt.answerOk();
        });
        openWebCamOfNode(testWindows(), inner);
    });
    openWebCamOfNode(testWindows(), outer); // the prompt, which the inner click's prompt then takes over

    QTRY_COMPARE(opening.launcher().starts().size(), 1);
    QCOMPARE(opening.launcher().starts()[0].arguments, QStringList{QStringLiteral("http://h/inner.rm")});
}

void TestWebCamOpening::theTreeEmptiedDuringThePromptStillOpensTheWebCam()
{
    Opening opening;
    answerPrompt([&opening](WebCamPasswordPrompt& prompt) {
        opening.main.directoryTree->clear();
        passwordBox(prompt)->setText(QStringLiteral("pw"));
        prompt.answerOk();
    });
    openWebCamOfNode(testWindows(),
                     opening.node("Paris NoStream ", webCam(opening.address("WEB/cam.jpg"), "NoStream", "Y", "pw")));
    QTRY_VERIFY(snapshotWindows().window(1));
    QCOMPARE(snapshotWindows().window(1)->windowTitle(), QStringLiteral("Paris NoStream "));
}

// The webcam opens from the prompt's answer, after the click has returned: a player
// path file that cannot be read is told by the click's error report from there.
void TestWebCamOpening::aFailureAfterThePromptGoesToTheClicksReport()
{
    Opening opening;
    QVERIFY(QFile::remove(opening.world.folder().filePath(QStringLiteral("Real.txt"))));
    answerPrompt([](WebCamPasswordPrompt& prompt) {
        passwordBox(prompt)->setText(QStringLiteral("pw"));
        prompt.answerOk();
    });
    openWebCamOfNode(testWindows(), opening.node("Cam", webCam("http://h/live.rm", "RealPlay", "Y", "pw")));
    QTRY_VERIFY(!testWindows().webCamPasswordPrompt().isVisible());
    QCOMPARE(opening.dialogs().messageTexts(),
             QStringList({"Either the Real.txt or MediaPlay.txt file is missing from the Application directory.",
                          "Error =  52"}));
    QCOMPARE(searchedPlayerKind(), int(PlayerKind::RealPlayer));
}

void TestWebCamOpening::missingPlayers_data()
{
    QTest::addColumn<QString>("removedFile");    // empty: both path files there
    QTest::addColumn<QByteArray>("realContent"); // what Real.txt holds when not the default
    QTest::addColumn<bool>("startsSucceed");
    QTest::addColumn<QByteArray>("address");
    QTest::addColumn<QByteArray>("kind");
    QTest::addColumn<QByteArray>("nodeText");
    QTest::addColumn<int>("error");     // 0: none raised
    QTest::addColumn<int>("searchFor"); // the search window's player kind, 0: no search window

    const QString real = QStringLiteral("Real.txt");
    const QString media = QStringLiteral("MediaPlay.txt");
    QTest::newRow("Real.txt missing") << real << QByteArray() << true << QByteArray("http://h/a.rm")
                                      << QByteArray("RealPlay") << QByteArray("Cam") << 52 << 1;
    QTest::newRow("MediaPlay.txt missing") << media << QByteArray() << true << QByteArray("mms://h/a")
                                           << QByteArray("MediaPlay") << QByteArray("Cam") << 52 << 2;
    QTest::newRow("MediaPlay.txt missing, asx") << media << QByteArray() << true << QByteArray("http://h/a.asx")
                                                << QByteArray("MediaPlay") << QByteArray("Cam") << 52 << 2;
    QTest::newRow("MediaPlay.txt missing, n")
        << media << QByteArray() << true << QByteArray("n") << QByteArray("MediaPlay") << QByteArray("Cam") << 52 << 0;
    QTest::newRow("MediaPlay.txt missing for still pictures")
        << media << QByteArray() << true << QByteArray("http://h/a.jpg") << QByteArray("NoStream") << QByteArray("Cam")
        << 0 << 2;
    QTest::newRow("RealPlayer missing") << QString() << QByteArray() << false << QByteArray("http://h/a.rm")
                                        << QByteArray("RealPlay") << QByteArray("Cam") << 0 << 1;
    QTest::newRow("media player missing") << QString() << QByteArray() << false << QByteArray("http://10.1.2.3:80/")
                                          << QByteArray("Talvero") << QByteArray("Cam") << 0 << 2;
    QTest::newRow("empty Real.txt") << QString() << QByteArray("\r\n") << true << QByteArray("http://h/a.rm")
                                    << QByteArray("RealPlay") << QByteArray("Cam") << 0 << 1;
    QTest::newRow("media player missing for still pictures: nothing")
        << QString() << QByteArray() << false << QByteArray("http://h/a.jpg") << QByteArray("NoStream")
        << QByteArray("Cam") << 0 << 0;
}

void TestWebCamOpening::missingPlayers()
{
    QFETCH(QString, removedFile);
    QFETCH(QByteArray, realContent);
    QFETCH(bool, startsSucceed);
    QFETCH(QByteArray, address);
    QFETCH(QByteArray, kind);
    QFETCH(QByteArray, nodeText);
    QFETCH(int, error);
    QFETCH(int, searchFor);

    Opening opening;
    if (!removedFile.isEmpty())
        QVERIFY(QFile::remove(opening.world.folder().filePath(removedFile)));
    if (!realContent.isEmpty())
        opening.world.writeProgramFile(QStringLiteral("Real.txt"), realContent);
    opening.launcher().setStartsSucceed(startsSucceed);

    int raised = 0;
    try {
        openWebCamOfNode(testWindows(), opening.node(nodeText, webCam(address, kind)));
    } catch (const platform::RuntimeError& failure) {
        raised = failure.number();
    }
    QCOMPARE(raised, error);
    QCOMPARE(searchedPlayerKind(), searchFor);
    QVERIFY(opening.dialogs().messageTexts().isEmpty());
    // A click that ends at a missing player leaves the transmitter box alone.
    QCOMPARE(opening.main.transmitterAddressBox->text(), QString());
    if (searchFor == 0) {
        QVERIFY(!testWindows().tools.playerSearch.isMade() || !testWindows().tools.playerSearch().isVisible());
        return;
    }
    const PlayerSearchWindow& search = testWindows().tools.playerSearch();
    QVERIFY(search.isVisible());
    const bool real = searchFor == int(PlayerKind::RealPlayer);
    QCOMPARE(control<QLabel>(search, "Label7")->text(),
             QStringLiteral("If this search screen appears it means that the Vistrel Application cannot find the ")
                 + (real ? QStringLiteral("RealPlayer") : QStringLiteral("Windows Media Player"))
                 + QStringLiteral(" on your system. Select Solution buttons at the left for help."));
    QCOMPARE(control<QLineEdit>(search, "txtSearch")->text(), real ? QStringLiteral("mpv") : QStringLiteral("vlc"));
    QCOMPARE(control<QPushButton>(search, "cmdSearch")->text(),
             real ? QStringLiteral("Search for Real Player") : QStringLiteral("Search for Media Player"));
}

void TestWebCamOpening::aWebCamThatCannotOpenIsTold_data()
{
    QTest::addColumn<QByteArray>("address");
    QTest::addColumn<QByteArray>("kind");
    QTest::addColumn<QString>("startFailure"); // empty: starts succeed, pages do not open
    QTest::addColumn<QString>("message");

    const QString denied = QStringLiteral("Permission denied");
    const QString cannotRunReal =
        QStringLiteral("The program /opt/real/realplay could not be started: Permission denied.");
    const QString cannotRunMedia =
        QStringLiteral("The program /opt/wmp/wmplayer could not be started: Permission denied.");
    QTest::newRow("page without a browser")
        << QByteArray("http://example.com/cam/page.html") << QByteArray("IEStream") << QString()
        << QStringLiteral("The page http://example.com/cam/page.html could not be opened: no web browser could be "
                          "started.");
    QTest::newRow("address that is no web page")
        << QByteArray("file:///etc/passwd") << QByteArray("IEStream") << QString()
        << QStringLiteral("The page file:///etc/passwd could not be opened: only web pages (http and https "
                          "addresses) are opened.");
    QTest::newRow("RealPlayer that cannot run")
        << QByteArray("http://h/a.rm") << QByteArray("RealPlay") << denied << cannotRunReal;
    QTest::newRow("media player that cannot run, asx")
        << QByteArray("http://10.1.2.3:8080/ASXfeed") << QByteArray("MediaPlay") << denied << cannotRunMedia;
    QTest::newRow("media player that cannot run")
        << QByteArray("http://10.1.2.3:8080/") << QByteArray("Talvero") << denied << cannotRunMedia;
    QTest::newRow("media player that cannot run, still pictures")
        << QByteArray("http://h/a.jpg") << QByteArray("NoStream") << denied << cannotRunMedia;
}

// A page that does not open and a player that is there but does not start are told
// with the reason, and the click goes no further: no player search, no transmitter
// address, no mark of a started player.
void TestWebCamOpening::aWebCamThatCannotOpenIsTold()
{
    QFETCH(QByteArray, address);
    QFETCH(QByteArray, kind);
    QFETCH(QString, startFailure);
    QFETCH(QString, message);

    Opening opening;
    opening.main.mediaPlayerStarted->setEnabled(false);
    if (startFailure.isEmpty())
        opening.launcher().setPagesOpen(false);
    else
        opening.launcher().setStartsFail(startFailure);

    openWebCamOfNode(testWindows(), opening.node("Cam", webCam(address, kind)));

    QCOMPARE(opening.dialogs().messageTexts(), QStringList{message});
    QCOMPARE(opening.launcher().starts().size() + opening.launcher().pages().size(), 1);
    QCOMPARE(searchedPlayerKind(), 0);
    QVERIFY(!testWindows().tools.playerSearch.isMade() || !testWindows().tools.playerSearch().isVisible());
    QCOMPARE(opening.main.transmitterAddressBox->text(), QString());
    QVERIFY(!opening.main.mediaPlayerStarted->isEnabled());
}

QTEST_MAIN(TestWebCamOpening)
#include "test_webcamopening.moc"
