// The View menu's two players: which program starts, the process id kept for the
// player-window watcher, and a player that cannot start.
#include "TempProgramFolder.h"
#include "directory/PlayerPrograms.h"
#include "frame/PlayerWatcherWindow.h"
#include "tools/OptionSwitches.h"

#include <QTest>

class PlayerProgramsTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        watchPlayer(PlayerWindowWatcher::Player::Media, 0);
        watchPlayer(PlayerWindowWatcher::Player::Real, 0);
    }

    void defaultsAndStoredPaths()
    {
        TempProgramFolder world;
        QCOMPARE(playerProgram(PlayerKind::MediaPlayer), QStringLiteral("/usr/bin/vlc"));
        QCOMPARE(playerProgram(PlayerKind::RealPlayer), QStringLiteral("/usr/bin/mpv"));
        world.settings().save(kProgramSettingsApplication, kPlayersSection, "Stream Player", "/opt/fake/streamer");
        QCOMPARE(playerProgram(PlayerKind::RealPlayer), QStringLiteral("/opt/fake/streamer"));
        QCOMPARE(playerProgramName(PlayerKind::RealPlayer), QStringLiteral("streamer"));
        QCOMPARE(playerProgramName(PlayerKind::MediaPlayer), QStringLiteral("vlc"));
    }

    void eachStartKeepsTheLatestProcessId()
    {
        TempProgramFolder world;
        QVERIFY(startPlayerProgram(PlayerKind::MediaPlayer));
        QVERIFY(startPlayerProgram(PlayerKind::MediaPlayer));
        QVERIFY(startPlayerProgram(PlayerKind::RealPlayer));
        const auto& starts = world.launcher().starts();
        QCOMPARE(starts.size(), 3);
        QCOMPARE(starts[0].program, QStringLiteral("/usr/bin/vlc"));
        QVERIFY(starts[0].arguments.isEmpty());
        QCOMPARE(starts[2].program, QStringLiteral("/usr/bin/mpv"));
        QCOMPARE(watchedPlayer(PlayerWindowWatcher::Player::Media), 1001); // the second media player's
        QCOMPARE(watchedPlayer(PlayerWindowWatcher::Player::Real), 1002);
    }

    void aPlayerThatCannotStartKeepsTheEarlierId()
    {
        TempProgramFolder world;
        QVERIFY(startPlayerProgram(PlayerKind::MediaPlayer));
        world.launcher().setStartsSucceed(false);
        QVERIFY(!startPlayerProgram(PlayerKind::MediaPlayer));
        QCOMPARE(watchedPlayer(PlayerWindowWatcher::Player::Media), 1000);
        QVERIFY(world.dialogs().messageBoxes().isEmpty());
    }
};

QTEST_GUILESS_MAIN(PlayerProgramsTest)
#include "test_playerprograms.moc"
