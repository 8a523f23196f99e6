// The reply handling without sockets: chunks in clear handed to the reflector
// connection one by one, as the data arrival hands them, and what each sequence
// leaves in the windows, the settings, ServerSettings.txt and the session's state.
#include "Control.h"
#include "FileContent.h"
#include "FrameWorld.h"
#include "ScriptedDialogs.h"

#include "TestWindows.h"
#include "directory/MainWindow.h"
#include "link/LocatorResults.h"
#include "link/ReflectorSession.h"
#include "link/UserSettingsFile.h"
#include "link/WebCamReplyCollector.h"
#include "linkwindows/ServerSettingsWindow.h"
#include "linkwindows/StatusWindow.h"
#include "linkwindows/UserSettingsWindow.h"
#include "platform/Codec.h"
#include "platform/OneShotTimer.h"
#include "platform/Wait.h"
#include "tools/LocatorWindow.h"
#include "ui/PanelStatusBar.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <optional>

using Chunks = QList<QByteArray>;
using Lines = QList<QByteArray>;

namespace {

// What a sequence of chunks must leave; a field left empty is not checked.
struct Effects {
    std::optional<QByteArray> status = std::nullopt; // main status panel 1
    std::optional<QByteArray> onLine = std::nullopt; // main status panel 2
    std::optional<QByteArray> userId = std::nullopt;
    std::optional<QByteArray> password = std::nullopt;
    std::optional<QByteArray> outsideAddress = std::nullopt; // user settings' box
    std::optional<QByteArray> addressLabel = std::nullopt;   // the status window's label
    std::optional<QByteArray> serverSettings = std::nullopt; // ServerSettings.txt
    std::optional<Lines> locatorList = std::nullopt;
    std::optional<QByteArray> locatorSentence = std::nullopt;
    std::optional<QByteArray> locatorStatus = std::nullopt;
    std::optional<bool> hasEntries = std::nullopt;
    std::optional<QByteArray> nodeBuffer = std::nullopt;
    std::optional<QStringList> boxes = std::nullopt; // message box texts, in order
    std::optional<QByteArray> advert = std::nullopt; // the advert address
    std::optional<bool> loginFailed = std::nullopt;
    std::optional<Lines> log = std::nullopt;          // the log lines the chunks added
    std::optional<bool> ended = std::nullopt;         // the program was ended
    std::optional<bool> settingsShown = std::nullopt; // the user settings window is visible
};

const QByteArray kOldSettings = "old.primary\r\nold.backup\r\n";
const QByteArray kWebCamReply = "/WC/1,http://a,,Beach Cam,N,,Paris,IEStream\r\n"
                                "2,rtsp://b,,Harbour,Y,pw,Paris,RealPlay\r\n/EndTran/";
const QByteArray kHint = "Please use Cam Locator to help you find Webcams. Click the YES button to use Cam Locator.";
const QByteArray kMultiLogin = "The same User is Logged in from Different Locations....\r\n"
                               "Disconnecting from the Server...\r\nSystem Shutdown...";
const QByteArray kLoaded = "Webcam Locations load complete...!!!";
const QByteArray kRetrieved = " Data Retrieved Successfully";

QByteArray topicSentence(const QByteArray& count)
{
    return "For the Topic = Animals there are " + count + " webcams located at these nodes. ";
}

Lines logLines(const QByteArray& log)
{
    Lines lines = log.split('\n');
    lines.removeLast();
    for (QByteArray& line : lines)
        line.chop(1);
    return lines;
}

QByteArray text(const QString& widgetText)
{
    return platform::toCp1252(widgetText);
}

Lines listEntries(const QListWidget& list)
{
    Lines entries;
    for (int row = 0; row < list.count(); ++row)
        entries << text(list.item(row)->text());
    return entries;
}

// A locator topic result of many entries, as one chunk of about 40 KB.
QByteArray largeTopicResult(Lines& entries)
{
    QByteArray chunk = "/SumReqRet/ 4000;";
    for (int i = 0; i < 4000; ++i) {
        entries << "Node " + QByteArray::number(i);
        chunk += entries.last() + ",";
    }
    return chunk;
}

} // namespace

Q_DECLARE_METATYPE(Effects)

class ReplyParserTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        world_.emplace();
        testWindows().main();
        world_->writeProgramFile("ServerSettings.txt", kOldSettings);
        UserSettingsWindow& user = testWindows().link.userSettings();
        control<QLineEdit>(user, "txtUserID")->setText("42");
        control<QLineEdit>(user, "txtPassword")->setText("secret");
        control<QLineEdit>(user, "txtIPAddress")->setText("9.9.9.9");
        control<QLabel>(testWindows().link.status(), "lblDBServerIPAddr")->setText("9.9.9.9");
        LocatorWindow& locator = testWindows().tools.locator();
        control<QComboBox>(locator, "cmbTopics")->addItem("Animals");
        control<QLineEdit>(locator, "Text1")->setText("beach");
        reflectorSession().state().advertUrl.clear();
        reflectorSession().state().loginFailed = false;
        reflectorSession().state().reflectorAddress.clear();
        reflectorSession().state().encryptTraffic = false;
    }

    void cleanup() { world_.reset(); }

    void chunks_data()
    {
        QTest::addColumn<Chunks>("chunks");
        QTest::addColumn<Effects>("effects");
        auto row = [](const char* name, Chunks chunks, Effects effects) { QTest::newRow(name) << chunks << effects; };

        // The login's outcomes.
        row("login accepted", {"/Login Successful/, 123 \\"},
            {.status = "Login Successful...",
             .userId = "123",
             .loginFailed = false,
             .log = Lines{"Login Successful...", "Login Successful..."},
             .settingsShown = false});
        row("login accepted without an ID keeps the stored one", {"/Login Successful/,"},
            {.userId = "42", .loginFailed = false});
        row("login accepted after another reply in the chunk", {"/Count/,5/Login Successful/,77\\"}, {.userId = "77"});
        row("login rejected", {"/Login Failed/"},
            {.loginFailed = true, .log = Lines{"Login Failed..."}, .settingsShown = true});
        row("login tag in other letter case", {"/login failed/"},
            {.status = kLoaded, .loginFailed = false, .log = Lines{kRetrieved}});

        // The password change.
        row("password changed", {"/PasswordUpdated/,n3w"},
            {.status = "Password Update was successful...",
             .password = "n3w",
             .log = Lines{"Password Update was successful..."}});
        row("password changed without the password keeps it", {"/PasswordUpdated/"},
            {.status = "Password Update was successful...", .password = "secret"});
        row("password changed, line end removed", {"/PasswordUpdated/,n3w\r\n"}, {.password = "n3w"});
        row("password changed to one longer than can be typed", {"/PasswordUpdated/,twelve-chars"},
            {.password = "twelve-chars"});
        row("password refused", {"/PasswordUpdatedFailed/,x"},
            {.status = "Password Update was NOT successful...",
             .password = "secret",
             .log = Lines{"Password Update was NOT successful..."}});

        // Addresses.
        row("outside address", {"/IP/1.2.3.4"},
            {.status = kLoaded,
             .outsideAddress = "1.2.3.4",
             .addressLabel = "1.2.3.4",
             .nodeBuffer = "",
             .log = Lines{kRetrieved}});
        row("outside address after other text", {"xx/IP/5.6.7.8\r\n"},
            {.outsideAddress = "5.6.7.8", .addressLabel = "5.6.7.8"});
        row("empty outside address keeps the stored one", {"/IP/"},
            {.outsideAddress = "9.9.9.9", .addressLabel = "9.9.9.9"});
        row("new reflector addresses", {"\\LoadIP\\ [ 10.0.0.1 ] { 10.0.0.2 }"},
            {.serverSettings = "10.0.0.1\r\n10.0.0.2\r\n"});
        row("new primary address alone keeps the backup line", {"\\LoadIP\\[10.0.0.1]"},
            {.serverSettings = "10.0.0.1\r\nold.backup\r\n"});
        row("new backup address alone keeps the primary line", {"\\LoadIP\\{10.0.0.2}"},
            {.serverSettings = "old.primary\r\n10.0.0.2\r\n"});
        row("address pairs missing change nothing", {"\\LoadIP\\"}, {.serverSettings = kOldSettings});
        row("line break inside an address is removed", {"\\LoadIP\\[10.0.\r\n0.1]{b}"},
            {.serverSettings = "10.0.0.1\r\nb\r\n"});
        row("address tag in other letter case", {"\\loadip\\[10.0.0.1]"}, {.serverSettings = kOldSettings});

        // Counts and the locator.
        row("webcams on line", {"/Count/,57"}, {.onLine = "Total # of Webcams on Line = 57", .log = Lines{}});
        row("webcams on line without a number", {"/Count/"}, {.onLine = "", .log = Lines{}});
        row("topic result", {"/SumReqRet/ 3;a,b,c"},
            {.locatorList = Lines{"a", "b", "c"},
             .locatorSentence = topicSentence("3"),
             .locatorStatus = "Webcam Data returned OK ...",
             .hasEntries = true});
        // Only entries from the second on mark the locator as showing entries.
        row("topic result with a placeholder", {"/SumReqRet/ 2;a,/NDF/"},
            {.locatorList = Lines{"a"}, .locatorSentence = topicSentence("2"), .hasEntries = false});
        row("topic result without a comma", {"/SumReqRet/ 1;a"},
            {.locatorList = Lines{"a"}, .locatorSentence = topicSentence("1"), .hasEntries = false});
        row("topic result with a trailing comma lists its entry once", {"/SumReqRet/ 1;a,"},
            {.locatorList = Lines{"a"}, .locatorSentence = topicSentence("1"), .hasEntries = false});
        row("topic result without entries", {"/SumReqRet/ "},
            {.locatorList = Lines{}, .locatorSentence = topicSentence("0"), .hasEntries = false});
        row("search result", {"/SumReqRetText/ 12;/a/b"},
            {.locatorList = Lines{"a", "b"},
             .locatorSentence = "For the Search String = \"beach\" there are 10 "
                                "webcams located at these nodes. ",
             .locatorStatus = "Webcam Data returned OK ..."});
        row("search result with a closing slash lists no empty entry", {"/SumReqRetText/ 12;/a/b/"},
            {.locatorList = Lines{"a", "b"}});
        row("search result count below 2 shows 0", {"/SumReqRetText/ 1;/a"},
            {.locatorList = Lines{"a"},
             .locatorSentence = "For the Search String = \"beach\" there are 0 "
                                "webcams located at these nodes. "});
        row("search result garbled count shows 0", {"/SumReqRetText/ x;/a"},
            {.locatorSentence = "For the Search String = \"beach\" there are 0 webcams located at these nodes. "});
        row("no webcams for the topic", {"/SumReqNDF/"},
            {.status = kLoaded,
             .locatorSentence = topicSentence("0"),
             .locatorStatus = "No Webcams for this Topic ...",
             .nodeBuffer = "",
             .log = Lines{kRetrieved}});
        row("no webcams for the search", {"/SumReqNDFText/"},
            {.locatorSentence = "For the Search String beach there are 0 webcams located at these nodes. ",
             .locatorStatus = "No Webcams Descriptions contain the Search String ..."});
        row("locator tag in other letter case", {"/sumreqret/ 3;a,b"}, {.locatorList = Lines{}});

        // Places without webcams, and the hint.
        row("no data", {"/NDF/"},
            {.status = "No Data found at this node..", .hasEntries = false, .boxes = QStringList{}, .log = Lines{}});
        row("three no-data replies bring the hint", {"/NDF/", "/NDF/", "/NDF/"}, {.boxes = QStringList{kHint}});
        row("a webcam reply in between starts the count again", {"/NDF/", "/NDF/", kWebCamReply, "/NDF/", "/NDF/"},
            {.boxes = QStringList{}});
        row("the count starts again after the hint", {"/NDF/", "/NDF/", "/NDF/", "/NDF/", "/NDF/"},
            {.boxes = QStringList{kHint}});

        // Webcam replies.
        row("webcam reply in one chunk", {kWebCamReply},
            {.status = kLoaded, .nodeBuffer = kWebCamReply, .log = Lines{kRetrieved}});
        row("webcam reply in three chunks", {kWebCamReply.left(30), kWebCamReply.mid(30, 40), kWebCamReply.mid(70)},
            {.status = kLoaded, .nodeBuffer = kWebCamReply});
        row("a later chunk is not added to a complete reply", {kWebCamReply, "late"}, {.nodeBuffer = kWebCamReply});
        row("a new reply replaces the old one", {kWebCamReply, "/WC/3,x/EndTran/"}, {.nodeBuffer = "/WC/3,x/EndTran/"});
        row("a piece without a reply begun is not collected", {"1,http://a,,Cam,N,,Paris,IEStream"},
            {.status = kLoaded, .nodeBuffer = ""});
        row("webcam tag in other letter case", {"/wc/1,x/EndTran/"}, {.nodeBuffer = ""});

        // Adverts and the second login.
        row("advert", {"/Adver/http://ads.example/a"}, {.advert = "http://ads.example/a", .log = Lines{}});
        row("a later advert replaces the address", {"/Adver/http://a.example", "/Adver/ http://b.example\r\n"},
            {.advert = "http://b.example"});
        row("an advert without an address keeps the one pending", {"/Adver/http://a.example", "/Adver/"},
            {.advert = "http://a.example"});
        row("logged in elsewhere", {"/Multi Login/"}, {.boxes = QStringList{kMultiLogin}, .ended = true});
        row("second login tag in other letter case", {"/multi login/"}, {.boxes = QStringList{}, .ended = false});

        // Empty and garbled chunks.
        row("empty chunk", {""}, {.nodeBuffer = "", .log = Lines{}});
        row("garbled chunk", {QByteArray("\x01\xff\x00/W", 5)}, {.status = kLoaded, .nodeBuffer = "", .log = Lines{}});

        QByteArray large = "/WC/";
        while (large.size() < 40 * 1024)
            large += "1,http://cam.example/" + QByteArray::number(large.size()) + ",,Cam,N,,Paris,IEStream\r\n";
        large += "/EndTran/";
        row("40 KB webcam reply", {large}, {.status = kLoaded, .nodeBuffer = large});
        Lines entries;
        const QByteArray topics = largeTopicResult(entries);
        row("40 KB topic result", {topics}, {.locatorList = entries, .locatorSentence = topicSentence("4000")});
    }

    void chunks()
    {
        QFETCH(Chunks, chunks);
        QFETCH(Effects, effects);
        ReflectorConnection& client = reflectorSession().connection();
        const qsizetype logBefore = testWindows().link.status().logText().size();

        for (const QByteArray& chunk : chunks)
            client.receiveChunk(chunk);
        // The answers of boxes shown without waiting, and what they start, come from the event loop.
        QCoreApplication::processEvents();

        const UserSettingsWindow& user = testWindows().link.userSettings();
        const LocatorWindow& locator = testWindows().tools.locator();
        const MainWindow& main = testWindows().main();
        if (effects.status)
            QCOMPARE(main.statusBar->panelText(1), *effects.status);
        if (effects.onLine)
            QCOMPARE(main.statusBar->panelText(2), *effects.onLine);
        if (effects.userId)
            QCOMPARE(text(control<QLineEdit>(user, "txtUserID")->text()), *effects.userId);
        if (effects.password)
            QCOMPARE(text(control<QLineEdit>(user, "txtPassword")->text()), *effects.password);
        if (effects.outsideAddress)
            QCOMPARE(text(control<QLineEdit>(user, "txtIPAddress")->text()), *effects.outsideAddress);
        if (effects.addressLabel)
            QCOMPARE(text(control<QLabel>(testWindows().link.status(), "lblDBServerIPAddr")->text()),
                     *effects.addressLabel);
        if (effects.serverSettings)
            QCOMPARE(fileContent(world_->folder().filePath("ServerSettings.txt")), *effects.serverSettings);
        if (effects.locatorList)
            QCOMPARE(listEntries(*control<QListWidget>(locator, "List1")), *effects.locatorList);
        if (effects.locatorSentence)
            QCOMPARE(text(control<QLabel>(locator, "Label2")->text()), *effects.locatorSentence);
        if (effects.locatorStatus)
            QCOMPARE(control<PanelStatusBar>(locator, "StatusBar1")->panelText(1), *effects.locatorStatus);
        if (effects.hasEntries)
            QCOMPARE(locator.summaryHasEntries(), *effects.hasEntries);
        if (effects.nodeBuffer)
            QCOMPARE(reflectorSession().collectedWebCamReply(), *effects.nodeBuffer);
        if (effects.boxes)
            QCOMPARE(world_->folder().dialogs().messageTexts(), *effects.boxes);
        if (effects.advert)
            QCOMPARE(reflectorSession().state().advertUrl, *effects.advert);
        if (effects.loginFailed)
            QCOMPARE(reflectorSession().state().loginFailed, *effects.loginFailed);
        if (effects.log)
            QCOMPARE(logLines(testWindows().link.status().logText().mid(logBefore)), *effects.log);
        if (effects.ended)
            QTRY_COMPARE(world_->folder().endProcessCalls().size(), *effects.ended ? 1 : 0);
        if (effects.settingsShown)
            QCOMPARE(user.isVisible(), *effects.settingsShown);
    }

    // The hint's box and its answers: Yes opens the locator with its topic list enabled.
    void theHintOpensTheLocatorOnYes_data()
    {
        QTest::addColumn<platform::MessageAnswer>("answer");
        QTest::addColumn<bool>("opened");
        QTest::newRow("Yes") << platform::MessageAnswer::Yes << true;
        QTest::newRow("No") << platform::MessageAnswer::No << false;
        QTest::newRow("Cancel") << platform::MessageAnswer::Cancel << false;
    }

    void theHintOpensTheLocatorOnYes()
    {
        QFETCH(platform::MessageAnswer, answer);
        QFETCH(bool, opened);
        world_->folder().dialogs().queueAnswer(answer);
        // The locator, once it is up, enables its topics only for a user logged in.
        reflectorSession().state().loggedIn = true;
        for (int i = 0; i < 3; ++i)
            reflectorSession().connection().receiveChunk("/NDF/");
        QCoreApplication::processEvents(); // the box's answer
        const platform::MessageBoxRequest& box = world_->folder().dialogs().messageBoxes().constLast();
        QCOMPARE(box.title, QStringLiteral("Helpful Hint"));
        QCOMPARE(box.buttons, platform::MessageButtons::YesNoCancel);
        QCOMPARE(box.icon, platform::MessageIcon::None);
        QCOMPARE(testWindows().tools.locator().isVisible(), opened);
        QCOMPARE(control<QComboBox>(testWindows().tools.locator(), "cmbTopics")->isEnabled(), opened);
    }

    // A value that UserSettings.txt could not hold and give back is not taken from a
    // reply: the stored one stays, the log says why, and saving goes on working, for the
    // reply's own save and for the user's next one.
    void aValueTheSettingsFileCannotHoldIsNotTaken_data()
    {
        QTest::addColumn<QByteArray>("chunk");
        QTest::addColumn<QByteArray>("logLine");
        const QByteArray userId = "User ID from the reflector not taken: it holds a double quote or a line break";
        const QByteArray password = "New password from the reflector not taken: it holds code 255, "
                                    "which the settings file cannot give back";
        QTest::newRow("double quote in the user ID") << QByteArray("/Login Successful/,7\"8\\") << userId;
        QTest::newRow("carriage return in the user ID") << QByteArray("/Login Successful/,7\r8\\") << userId;
        QTest::newRow("line feed in the user ID") << QByteArray("/Login Successful/,7\n8\\") << userId;
        QTest::newRow("code 255 in the new password") << QByteArray("/PasswordUpdated/,n\xFFw") << password;
    }

    void aValueTheSettingsFileCannotHoldIsNotTaken()
    {
        QFETCH(QByteArray, chunk);
        QFETCH(QByteArray, logLine);
        UserSettingsWindow& user = testWindows().link.userSettings();

        reflectorSession().connection().receiveChunk(chunk);

        QCOMPARE(text(control<QLineEdit>(user, "txtUserID")->text()), QByteArray("42"));
        QCOMPARE(text(control<QLineEdit>(user, "txtPassword")->text()), QByteArray("secret"));
        QVERIFY(logLines(testWindows().link.status().logText()).contains(logLine));
        QCOMPARE(world_->folder().dialogs().messageTexts(), QStringList{});
        StoredUserSettings stored = readUserSettingsFile();
        QCOMPARE(stored.userId, QByteArray("42"));
        QCOMPARE(passwordFromCodeList(stored.passwordCodes), QByteArray("secret"));

        control<QLineEdit>(user, "txtUserName")->setText("alice");
        user.save();
        QCOMPARE(world_->folder().dialogs().messageTexts(), QStringList{});
        stored = readUserSettingsFile();
        QCOMPARE(stored.userName, QByteArray("alice"));
        QCOMPARE(stored.userId, QByteArray("42"));
    }

    // No-data replies that come while the hint is open are handled without a box of
    // their own; after it has closed, the third reply in a row brings it again.
    void oneHintBoxAtATime()
    {
        ScriptedDialogs& dialogs = world_->folder().dialogs();
        dialogs.holdBoxesOpen(true);
        ReflectorConnection& client = reflectorSession().connection();
        for (int i = 0; i < 3; ++i)
            client.receiveChunk("/NDF/");
        QCOMPARE(dialogs.messageTexts(), QStringList{kHint});

        // While it is up, replies are handled and open no other box.
        MainWindow& main = testWindows().main();
        for (int i = 0; i < 9; ++i) {
            main.statusBar->setPanelText(1, {});
            client.receiveChunk("/NDF/");
            QCOMPARE(main.statusBar->panelText(1), QByteArray("No Data found at this node.."));
        }
        QCOMPARE(dialogs.messageTexts(), QStringList{kHint});

        dialogs.answerHeldBox(platform::MessageAnswer::Cancel);
        for (int i = 0; i < 3; ++i)
            client.receiveChunk("/NDF/");
        QCOMPARE(dialogs.messageTexts(), QStringList({kHint, kHint}));
    }

    // The program ends once for a second login, however many such replies come while
    // its box is open, and only after the box is closed.
    void oneEndForSecondLogins()
    {
        ScriptedDialogs& dialogs = world_->folder().dialogs();
        dialogs.holdBoxesOpen(true);
        for (int i = 0; i < 4; ++i)
            reflectorSession().connection().receiveChunk("/Multi Login/");
        QCOMPARE(dialogs.messageTexts(), QStringList{kMultiLogin});
        QCOMPARE(world_->folder().endProcessCalls(), QList<int>{});

        dialogs.answerHeldBox(platform::MessageAnswer::Ok);
        QTRY_COMPARE(world_->folder().endProcessCalls(), QList<int>{0});
        reflectorSession().connection().receiveChunk("/Multi Login/");
        QCoreApplication::processEvents();
        QCOMPARE(dialogs.messageTexts(), QStringList{kMultiLogin});
        QCOMPARE(world_->folder().endProcessCalls(), QList<int>{0});
    }

    // A no-data reply while the locator is open and shows no entries rewrites its sentence.
    void noDataWritesTheOpenLocatorsSentence()
    {
        LocatorWindow& locator = testWindows().tools.locator();
        control<QLabel>(locator, "Label2")->setText("earlier");
        reflectorSession().connection().receiveChunk("/NDF/");
        QCOMPARE(text(control<QLabel>(locator, "Label2")->text()), QByteArray("earlier")); // closed: untouched

        locator.setSummaryOpen(true);
        reflectorSession().connection().receiveChunk("/SumReqRet/ 1;a,b");
        QVERIFY(locator.summaryHasEntries());
        reflectorSession().connection().receiveChunk("/NDF/"); // entries shown: the sentence stays
        QCOMPARE(text(control<QLabel>(locator, "Label2")->text()), topicSentence("1"));
        QVERIFY(!locator.summaryHasEntries());
        reflectorSession().connection().receiveChunk("/NDF/");
        QCOMPARE(text(control<QLabel>(locator, "Label2")->text()), topicSentence("0"));
    }

    // The status text after a reply is cleared 2 s (no data) or 4 s (node data) later.
    void theStatusTextIsClearedLater()
    {
        MainWindow& main = testWindows().main();
        reflectorSession().connection().receiveChunk("/NDF/");
        QCOMPARE(main.statusClear->interval(), 2000);
        reflectorSession().connection().receiveChunk("/IP/1.2.3.4");
        QCOMPARE(main.statusClear->interval(), 4000);
        QVERIFY(platform::waitUntil([&] { return main.statusBar->panelText(1).isEmpty(); }, 8000));
    }

    // Only the last advert opens, once, as a web page through the launcher; an address
    // that is no web page is never opened.
    void theAdvertOpensTenSecondsLater()
    {
        RecordingLauncher& launcher = world_->folder().launcher();
        ReflectorConnection& client = reflectorSession().connection();
        client.receiveChunk("/Adver/http://a.example/x");
        client.receiveChunk("/Adver/https://b.example/y?z=1");
        QCOMPARE(reflectorSession().advertTimer().interval(), 10000);
        QVERIFY(platform::waitUntil([&] { return !launcher.pages().isEmpty(); }, 20000));
        QTest::qWait(300);
        QCOMPARE(launcher.pages(), QList<QUrl>{QUrl("https://b.example/y?z=1")});
        QVERIFY(launcher.starts().isEmpty());

        client.receiveChunk("/Adver/file:///etc/passwd");
        client.receiveChunk("/Adver/-x http://c.example");
        QVERIFY(platform::waitUntil([&] { return !reflectorSession().advertTimer().isEnabled(); }, 20000));
        QCOMPARE(launcher.pages().size(), 1);
    }

    // The collection hands a reply over once it is complete, however it is split.
    void collectingWebCamReplies_data()
    {
        QTest::addColumn<Chunks>("starts"); // chunks that hold "/WC/" are started, the others appended
        QTest::addColumn<Chunks>("handedOver");
        const QByteArray reply = kWebCamReply;
        const qsizetype end = reply.indexOf("/EndTran/");
        QTest::newRow("one chunk") << Chunks{reply} << Chunks{reply};
        QTest::newRow("three chunks") << Chunks{reply.left(10), reply.mid(10, 50), reply.mid(60)} << Chunks{reply};
        for (int cut = 1; cut < 9; ++cut) {
            QTest::addRow("end tag cut after %d", cut)
                << Chunks{reply.left(end + cut), reply.mid(end + cut)} << Chunks{reply};
        }
        QTest::newRow("end tag cut in three")
            << Chunks{reply.left(end + 2), reply.mid(end + 2, 4), reply.mid(end + 6)} << Chunks{reply};
        QTest::newRow("later pieces load nothing again") << Chunks{reply, "x", "/EndTran/"} << Chunks{reply};
        QTest::newRow("an end tag before the start tag does not end it")
            << Chunks{"/EndTran//WC/1,a", "/EndTran/"} << Chunks{"/EndTran//WC/1,a/EndTran/"};
        QTest::newRow("unfinished") << Chunks{"/WC/1,a", "2,b"} << Chunks{};
        QTest::newRow("the next reply loads again") << Chunks{reply, reply} << Chunks{reply, reply};
        QTest::newRow("pieces before any reply") << Chunks{"1,a", "/EndTran/"} << Chunks{};
        QTest::newRow("tag split but not across a new reply") << Chunks{"/WC/1,a/End", "/WC/2,b", "Tran/"} << Chunks{};
    }

    void collectingWebCamReplies()
    {
        QFETCH(Chunks, starts);
        QFETCH(Chunks, handedOver);
        WebCamReplyCollector collector;
        Chunks loaded;
        for (const QByteArray& chunk : starts) {
            const WebCamReplyCollector::Step step =
                chunk.contains("/WC/") ? collector.start(chunk) : collector.append(chunk);
            if (step.complete)
                loaded << *step.complete;
        }
        QCOMPARE(loaded, handedOver);
    }

    void anOversizedReplyIsDropped()
    {
        WebCamReplyCollector collector;
        QVERIFY(!collector.start("/WC/").complete);
        const QByteArray piece(1024 * 1024, 'x');
        WebCamReplyCollector::Step step;
        for (int i = 0; i < 5 && !step.dropped; ++i)
            step = collector.append(piece);
        QVERIFY(step.dropped);
        QVERIFY(collector.collected().isEmpty());
        QVERIFY(!collector.append("/EndTran/").complete);

        // Also when the first chunk alone is too long.
        const QByteArray tooLong = "/WC/" + QByteArray(WebCamReplyCollector::kCapacityBytes, 'x');
        QVERIFY(collector.start(tooLong).dropped);
        QVERIFY(collector.collected().isEmpty());
        QVERIFY(!collector.append("/EndTran/").complete);
    }

    // A reply of 1000 records in 20 chunks is collected whole (bench_webcamreplycollecting
    // measures how fast).
    void aLongReplyInTwentyChunksIsCollectedWhole()
    {
        QByteArray reply = "/WC/";
        for (int i = 0; i < 1000; ++i)
            reply +=
                QByteArray::number(i) + ",http://cam.example/" + QByteArray::number(i) + ",,Cam,N,,Paris,IEStream\r\n";
        reply += "/EndTran/";
        ReflectorConnection& client = reflectorSession().connection();
        const qsizetype piece = reply.size() / 20 + 1;
        for (qsizetype at = 0; at < reply.size(); at += piece)
            client.receiveChunk(reply.mid(at, piece));
        QCOMPARE(reflectorSession().collectedWebCamReply(), reply);
    }

private:
    std::optional<FrameWorld> world_;
};

QTEST_MAIN(ReplyParserTest)
#include "test_replyparser.moc"
