// Every remote command driven by the fake support side through the chat's real
// listener: pictures (fetched from a fake web server, and refused off the web),
// showing, hiding and the window's height, the media clip, the toolbar highlights,
// and the program's commands by name, down to the exit after the logout.
#include "Control.h"
#include "FakeWebServer.h"
#include "RealTimeWait.h"
#include "SupportChatWorld.h"
#include "TestWindows.h"

#include "chat/PicturePanel.h"
#include "chat/SupportChatWindow.h"
#include "link/ReflectorSession.h"
#include "linkwindows/StatusWindow.h"
#include "platform/Twips.h"
#include "tools/LocatorWindow.h"
#include "ui/CommandRegistry.h"
#include "ui/ToolbarPicture.h"

#include <QBuffer>
#include <QComboBox>
#include <QImage>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

namespace {

constexpr int kLimitMs = SupportChatWorld::kLimitMs;

QByteArray pngPicture()
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// Records the toolbar picture changes the chat asks for.
struct ToolbarRecorder {
    QList<std::pair<int, int>> changes;
    ToolbarRecorder()
    {
        setToolbarPictureChanger([this](int button, int picture) { changes.append({button, picture}); });
    }
    ~ToolbarRecorder() { setToolbarPictureChanger({}); }
};

} // namespace

class TestSupportRemoteCommands : public QObject {
    Q_OBJECT

private slots:
    void picturesComeFromTheWebOnly()
    {
        FakeWebServer web;
        web.serve("/a.png", 200, pngPicture());
        SupportChatWorld chat;
        SupportChatWindow& window = chat.window();
        QVERIFY(chat.connectSupport());

        QSignalSpy loaded(&window.upperPicture(), &chat::PicturePanel::loadFinished);
        const QByteArray address = web.url("/a.png").toLatin1();
        QVERIFY(chat.sendChunk("/Display1/," + address));
        QVERIFY(window.isVisible());
        QCOMPARE(window.upperPicture().tag(), address);
        QVERIFY(loaded.wait(kLimitMs));
        QVERIFY(window.upperPicture().showsPicture());
        QVERIFY(window.transcriptText().isEmpty());

        // A click opens the picture's site.
        window.upperPicture().clicked();
        QCOMPARE(chat.world.folder().launcher().pages(),
                 QList<QUrl>{QUrl(QStringLiteral("http://127.0.0.1:%1").arg(web.port()))});

        // Off the web: the tag is kept, nothing is fetched, the panel is empty.
        window.hide();
        QVERIFY(chat.sendChunk("/IDENT/,Alice,file:///etc/passwd"));
        QVERIFY(window.isVisible());
        QCOMPARE(window.supportName(), QByteArray("Alice"));
        QCOMPARE(window.upperPicture().tag(), QByteArray("file:///etc/passwd"));
        QVERIFY(!window.upperPicture().showsPicture());
        QCOMPARE(web.requests().size(), 1);

        // A picture that is not there fails in silence.
        QSignalSpy lower(&window.lowerPicture(), &chat::PicturePanel::loadFinished);
        QVERIFY(chat.sendChunk("/Display2/," + web.url("/missing.gif").toLatin1()));
        QVERIFY(lower.wait(kLimitMs));
        QCOMPARE(lower.first().first().toBool(), false);
        QVERIFY(chat.world.folder().dialogs().messageBoxes().isEmpty());
    }

    void showHideAndHeight()
    {
        SupportChatWorld chat;
        SupportChatWindow& window = chat.window();
        QVERIFY(chat.connectSupport());
        const int designed = SupportChatWindow::kClientHeightTwips;
        const int screenTwips = window.screen()->availableGeometry().height() * platform::kTwipsPerPixel;
        const int enlarged = std::min(designed + SupportChatWindow::kEnlargeTwips, std::max(designed, screenTwips));

        QVERIFY(chat.sendChunk("/HEIGHT/,0"));
        QCOMPARE(window.heightTwips(), designed);
        QVERIFY(!window.enlarged());
        QVERIFY(!window.isVisible()); // the height alone does not show the window

        QVERIFY(chat.sendChunk("/Display2/"));
        QVERIFY(window.isVisible() && window.enlarged());
        QCOMPARE(window.heightTwips(), enlarged);
        QVERIFY(chat.sendChunk("/Display2/"));
        QCOMPARE(window.heightTwips(), enlarged); // once only

        QVERIFY(chat.sendChunk("/HIDE/"));
        QVERIFY(!window.isVisible());
        QVERIFY(chat.sendChunk("/HEIGHT/,-3000"));
        QVERIFY(!window.enlarged());
        QCOMPARE(window.heightTwips(), designed);
        QVERIFY(chat.sendChunk("/HEIGHT/,-99999"));
        QCOMPARE(window.heightTwips(), designed); // never below its design height
        QVERIFY(chat.sendChunk("/HEIGHT/,999999999"));
        QVERIFY(window.enlarged());
        QCOMPARE(window.heightTwips(), std::max(designed, screenTwips)); // nor above the screen
        QVERIFY(chat.sendChunk("/Display2/"));
        QCOMPARE(window.heightTwips(), std::max(designed, screenTwips));

        QVERIFY(chat.sendChunk("/HIDE/ and /SHOW/"));
        QVERIFY(window.isVisible());
    }

    void clipPlaysInTheMediaPlayer()
    {
        SupportChatWorld chat;
        QVERIFY(chat.connectSupport());
        QVERIFY(chat.sendChunk("/SHOWCLIP/,http://h/clip.asf\r\n")); // no player path yet
        chat.world.writeProgramFile(QStringLiteral("MediaPlay.txt"), "/opt/media player/play\r\n");
        QVERIFY(chat.sendChunk("/SHOWCLIP/,http://h/clip.asf\r\n"));
        QVERIFY(chat.sendChunk("/SHOWCLIP/,--version"));
        QVERIFY(chat.sendChunk("/SHOWCLIP/,:sout=#file{dst=/tmp/clip}"));
        QVERIFY(chat.sendChunk("/SHOWCLIP/,http://h/a\r\n-x"));
        const QList<RecordingLauncher::Start>& starts = chat.world.folder().launcher().starts();
        QCOMPARE(starts.size(), 1);
        QCOMPARE(starts[0].program, QStringLiteral("/opt/media player/play"));
        QCOMPARE(starts[0].arguments, QStringList{"http://h/clip.asf"});
    }

    void flashesToolbarButtons()
    {
        SupportChatWorld chat;
        ToolbarRecorder toolbar;
        QVERIFY(chat.connectSupport());
        for (const char* chunk : {"/FLASH/,7\r\n", "/FLASH/,17", "/FLASH/,0", "/FLASH/,a", "/FLASHOFF/,7\r\n"})
            QVERIFY(chat.sendChunk(chunk));
        QCOMPARE(toolbar.changes, (QList<std::pair<int, int>>{{7, 2}, {7, 1}}));
    }

    void programCommandsRunByName()
    {
        SupportChatWorld chat;
        QList<QByteArray> run;
        namespace c = ui::command;
        for (const char* name :
             {c::kConnect, c::kDisconnect, c::kShowLocator, c::kShowSystemStatus, c::kShowSnapshotWindow,
              c::kStartMediaPlayer, c::kStartRealPlayer, c::kShowPlayerSearch, c::kShowOptions, c::kShowServerSettings,
              c::kShowUserSettings, c::kShowAbout, c::kShowUpdateCheck})
            ui::commands().add(name, [&run, name] { run.append(name); });
        QVERIFY(chat.connectSupport());

        LocatorWindow& locator = testWindows().tools.locator();
        locator.show();
        QVERIFY(chat.sendChunk("/CLICK_CONNECT/"));
        QVERIFY(!locator.isVisible());
        QVERIFY(control<QComboBox>(locator, "cmbTopics")->isEnabled());

        reflectorSession().state().loggedIn = true;
        control<QComboBox>(locator, "cmbTopics")->addItem(QStringLiteral("Animals"));
        QVERIFY(chat.sendChunk("/CLICK_DISCONNECT/"));
        QVERIFY(!reflectorSession().state().loggedIn);
        QCOMPARE(control<QComboBox>(locator, "cmbTopics")->count(), 0);
        QVERIFY(!control<QComboBox>(locator, "cmbTopics")->isEnabled());

        for (const char* tag :
             {"/CLICK_LOCATOR/", "/CLICK_STATUS/", "/CLICK_VISTREL/", "/CLICK_MEDIA/", "/CLICK_REAL/", "/CLICK_SEARCH/",
              "/CLICK_OPTIONS/", "/CLICK_SERVSET/", "/CLICK_USERSET/", "/CLICK_ABOUT/", "/CLICK_UPDATE/"})
            QVERIFY(chat.sendChunk(tag));
        QCOMPARE(run,
                 (QList<QByteArray>{c::kConnect, c::kDisconnect, c::kShowLocator, c::kShowSystemStatus,
                                    c::kShowSnapshotWindow, c::kStartMediaPlayer, c::kStartRealPlayer,
                                    c::kShowPlayerSearch, c::kShowOptions, c::kShowServerSettings, c::kShowUserSettings,
                                    c::kShowAbout, c::kShowUpdateCheck}));
        QVERIFY(chat.window().transcriptText().isEmpty());
    }

    // A program command runs after the chunk's handling, never inside it; one that comes
    // while the one before is still due is dropped with a log line.
    void programCommandsRunOneAtATimeAfterTheChunk()
    {
        SupportChatWorld chat;
        QList<QByteArray> run;
        namespace c = ui::command;
        for (const char* name : {c::kShowSystemStatus, c::kShowAbout})
            ui::commands().add(name, [&run, name] { run.append(name); });
        chat.window().handleSupportChunk("/CLICK_STATUS/");
        chat.window().handleSupportChunk("/CLICK_ABOUT/");
        QVERIFY(run.isEmpty());
        QTRY_COMPARE(run, QList<QByteArray>{c::kShowSystemStatus});
        QVERIFY(testWindows().link.status().logText().contains(
            "Support command dropped: the one before it is still running"));
        chat.window().handleSupportChunk("/CLICK_ABOUT/");
        QTRY_COMPARE(run, (QList<QByteArray>{c::kShowSystemStatus, c::kShowAbout}));
    }

    void exitEndsTheProgram()
    {
        SupportChatWorld chat;
        QVERIFY(chat.connectSupport());
        QVERIFY(chat.support.sendToProgram("/CLICK_EXIT/\r\n"));
        QVERIFY(waitRealTime([&] { return !chat.world.folder().endProcessCalls().isEmpty(); }, 4 * kLimitMs));
    }
};

QTEST_MAIN(TestSupportRemoteCommands)
#include "test_supportremotecommands.moc"
