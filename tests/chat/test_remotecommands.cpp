// Reading the support side's chunks into remote commands, without sockets: which tag
// decides, the arguments, the toolbar button and height numbers, and the clip that
// the media player may be given.
#include "chatprotocol/RemoteCommands.h"
#include "ui/CommandRegistry.h"

#include <QTest>

#include <optional>

using chat::readRemoteCommand;
using chat::RemoteAction;
using chat::RemoteCommand;

Q_DECLARE_METATYPE(RemoteAction)
Q_DECLARE_METATYPE(std::optional<int>)

class TestRemoteCommands : public QObject {
    Q_OBJECT

private slots:
    void chunks_data();
    void chunks();
    void everyClickTagRunsItsCommand_data();
    void everyClickTagRunsItsCommand();
    void tagsSplitAcrossChunksAreChatText();
    void clipArguments_data();
    void clipArguments();
};

void TestRemoteCommands::chunks_data()
{
    QTest::addColumn<QByteArray>("chunk");
    QTest::addColumn<RemoteAction>("action");
    QTest::addColumn<QByteArray>("argument1");
    QTest::addColumn<QByteArray>("argument2");
    QTest::addColumn<int>("heightChange");
    QTest::addColumn<std::optional<int>>("button");

    const std::optional<int> none;
    const auto row = [](const char* name) { return &QTest::newRow(name); };
    *row("plain text") << QByteArray("Hello there\r\n") << RemoteAction::ChatText << QByteArray() << QByteArray() << 0
                       << none;
    *row("tag inside a sentence") << QByteArray("Please /SHOW/ me") << RemoteAction::Show << QByteArray()
                                  << QByteArray() << 0 << none;
    *row("other letter case") << QByteArray("/show/") << RemoteAction::ChatText << QByteArray() << QByteArray() << 0
                              << none;
    *row("two tags: table order") << QByteArray("/HIDE/ /SHOW/") << RemoteAction::Show << QByteArray() << QByteArray()
                                  << 0 << none;
    *row("clip before exit") << QByteArray("/CLICK_EXIT/,/SHOWCLIP/") << RemoteAction::ShowClip
                             << QByteArray("/SHOWCLIP/") << QByteArray() << 0 << none;
    *row("clip") << QByteArray("/SHOWCLIP/,http://h/a.asf") << RemoteAction::ShowClip << QByteArray("http://h/a.asf")
                 << QByteArray() << 0 << none;
    *row("picture 1") << QByteArray("/Display1/,http://h/a.gif") << RemoteAction::ShowPicture1
                      << QByteArray("http://h/a.gif") << QByteArray() << 0 << none;
    *row("picture 1 without an address") << QByteArray("/Display1/") << RemoteAction::ShowPicture1 << QByteArray()
                                         << QByteArray() << 0 << none;
    *row("picture 2, fields untrimmed") << QByteArray("/Display2/, http://h/b.gif \r\n") << RemoteAction::ShowPicture2
                                        << QByteArray(" http://h/b.gif \r\n") << QByteArray() << 0 << none;
    *row("ident") << QByteArray("/IDENT/,Alice,http://h/a.gif") << RemoteAction::Identify << QByteArray("Alice")
                  << QByteArray("http://h/a.gif") << 0 << none;
    *row("ident with a name only") << QByteArray("/IDENT/,Bob") << RemoteAction::Identify << QByteArray("Bob")
                                   << QByteArray() << 0 << none;
    *row("flash 7") << QByteArray("/FLASH/,7\r\n") << RemoteAction::Highlight << QByteArray("7\r\n") << QByteArray()
                    << 0 << std::optional<int>(7);
    *row("flash 16") << QByteArray("/FLASH/,16") << RemoteAction::Highlight << QByteArray("16") << QByteArray() << 0
                     << std::optional<int>(16);
    *row("flash 17") << QByteArray("/FLASH/,17") << RemoteAction::Highlight << QByteArray("17") << QByteArray() << 0
                     << none;
    *row("flash 0") << QByteArray("/FLASH/,0") << RemoteAction::Highlight << QByteArray("0") << QByteArray() << 0
                    << none;
    *row("flash letter") << QByteArray("/FLASH/,a") << RemoteAction::Highlight << QByteArray("a") << QByteArray() << 0
                         << none;
    *row("flash leading zero") << QByteArray("/FLASH/,05") << RemoteAction::Highlight << QByteArray("05")
                               << QByteArray() << 0 << none;
    *row("flash blank") << QByteArray("/FLASH/, 5") << RemoteAction::Highlight << QByteArray(" 5") << QByteArray() << 0
                        << none;
    *row("flash without a number") << QByteArray("/FLASH/") << RemoteAction::Highlight << QByteArray() << QByteArray()
                                   << 0 << none;
    *row("flash off 3") << QByteArray("/FLASHOFF/,3\n") << RemoteAction::Unhighlight << QByteArray("3\n")
                        << QByteArray() << 0 << std::optional<int>(3);
    *row("height 0") << QByteArray("/HEIGHT/,0") << RemoteAction::ChangeHeight << QByteArray("0") << QByteArray() << 0
                     << none;
    *row("height shrinks") << QByteArray("/HEIGHT/,-3000\r\n") << RemoteAction::ChangeHeight << QByteArray("-3000\r\n")
                           << QByteArray() << -3000 << none;
    *row("height after blanks, then text") << QByteArray("/HEIGHT/,  +250abc") << RemoteAction::ChangeHeight
                                           << QByteArray("  +250abc") << QByteArray() << 250 << none;
    *row("height without a number") << QByteArray("/HEIGHT/,x9") << RemoteAction::ChangeHeight << QByteArray("x9")
                                    << QByteArray() << 0 << none;
    *row("height without a comma") << QByteArray("/HEIGHT/") << RemoteAction::ChangeHeight << QByteArray()
                                   << QByteArray() << 0 << none;
    *row("height held within its bound") << QByteArray("/HEIGHT/,-99999999999999999999") << RemoteAction::ChangeHeight
                                         << QByteArray("-99999999999999999999") << QByteArray()
                                         << -chat::kLargestHeightChange << none;
    *row("connect") << QByteArray("/CLICK_CONNECT/") << RemoteAction::Connect << QByteArray() << QByteArray() << 0
                    << none;
    *row("disconnect") << QByteArray("/CLICK_DISCONNECT/\r\n") << RemoteAction::Disconnect << QByteArray()
                       << QByteArray() << 0 << none;
}

void TestRemoteCommands::chunks()
{
    QFETCH(QByteArray, chunk);
    QFETCH(RemoteAction, action);
    QFETCH(QByteArray, argument1);
    QFETCH(QByteArray, argument2);
    QFETCH(int, heightChange);
    QFETCH(std::optional<int>, button);

    const RemoteCommand command = readRemoteCommand(chunk);
    QCOMPARE(command.action, action);
    QCOMPARE(command.tag == nullptr, action == RemoteAction::ChatText);
    QCOMPARE(command.argument1, argument1);
    QCOMPARE(command.argument2, argument2);
    QCOMPARE(command.heightChange, heightChange);
    QCOMPARE(command.toolbarButton, button);
}

void TestRemoteCommands::everyClickTagRunsItsCommand_data()
{
    QTest::addColumn<QByteArray>("chunk");
    QTest::addColumn<QByteArray>("command");
    namespace c = ui::command;
    const QList<std::pair<const char*, const char*>> table = {
        {"/CLICK_CONNECT/", c::kConnect},
        {"/CLICK_DISCONNECT/", c::kDisconnect},
        {"/CLICK_EXIT/", c::kExit},
        {"/CLICK_LOCATOR/", c::kShowLocator},
        {"/CLICK_STATUS/", c::kShowSystemStatus},
        {"/CLICK_VISTREL/", c::kShowSnapshotWindow},
        {"/CLICK_MEDIA/", c::kStartMediaPlayer},
        {"/CLICK_REAL/", c::kStartRealPlayer},
        {"/CLICK_SEARCH/", c::kShowPlayerSearch},
        {"/CLICK_OPTIONS/", c::kShowOptions},
        {"/CLICK_SERVSET/", c::kShowServerSettings},
        {"/CLICK_USERSET/", c::kShowUserSettings},
        {"/CLICK_ABOUT/", c::kShowAbout},
        {"/CLICK_UPDATE/", c::kShowUpdateCheck},
    };
    for (const auto& [tag, command] : table)
        QTest::newRow(tag) << (QByteArray("support: ") + tag + "\r\n") << QByteArray(command);
}

void TestRemoteCommands::everyClickTagRunsItsCommand()
{
    QFETCH(QByteArray, chunk);
    QFETCH(QByteArray, command);
    const RemoteCommand read = readRemoteCommand(chunk);
    QVERIFY(read.commandName);
    QCOMPARE(QByteArray(read.commandName), command);
}

void TestRemoteCommands::tagsSplitAcrossChunksAreChatText()
{
    QCOMPARE(readRemoteCommand("/CLICK_").action, RemoteAction::ChatText);
    QCOMPARE(readRemoteCommand("EXIT/").action, RemoteAction::ChatText);
}

void TestRemoteCommands::clipArguments_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QByteArray>("clip");
    QTest::newRow("address") << QByteArray("http://h/a b.asf") << QByteArray("http://h/a b.asf");
    QTest::newRow("line end dropped") << QByteArray("http://h/a.asf\r\n") << QByteArray("http://h/a.asf");
    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("an option") << QByteArray("--help") << QByteArray();
    QTest::newRow("an option after a colon") << QByteArray(":sout=#file{dst=/tmp/x}") << QByteArray();
    QTest::newRow("a colon alone") << QByteArray(":") << QByteArray();
    QTest::newRow("a colon after the line end") << QByteArray(":x\r\n") << QByteArray();
    QTest::newRow("a colon inside") << QByteArray("http://h:8080/a.asf") << QByteArray("http://h:8080/a.asf");
    QTest::newRow("line end inside") << QByteArray("http://h/a\r\n--x") << QByteArray();
    QTest::newRow("tab") << QByteArray("a\tb") << QByteArray();
    QTest::newRow("NUL") << QByteArray("a\0b", 3) << QByteArray();
    QTest::newRow("DEL") << QByteArray("a\x7f") << QByteArray();
}

void TestRemoteCommands::clipArguments()
{
    QFETCH(QByteArray, field);
    QFETCH(QByteArray, clip);
    QCOMPARE(chat::clipArgument(field), clip);
}

QTEST_GUILESS_MAIN(TestRemoteCommands)
#include "test_remotecommands.moc"
