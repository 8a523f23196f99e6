// The watcher of started players: one check of both players against a scripted
// window probe, the timer that runs only while a player is watched, the toolbar
// buttons it reports, and real windows on an X server of the test's own.
#include "VirtualDisplay.h"
#include "WindowOwner.h"
#include "frame/PlayerWindowWatcher.h"
#include "frame/ToolbarPositions.h"
#include "platform/TimeScale.h"
#include "platform/TopLevelWindows.h"

#include <QHash>
#include <QSignalSpy>
#include <QTest>

using Player = PlayerWindowWatcher::Player;

namespace {

// How the scripted probe answers for a process.
enum Answer { Window, NoWindow, Failure };

// Answers as scripted (a window for processes it has no answer for) and records
// which processes it was asked about.
class ScriptedProbe {
public:
    void answer(qint64 process, Answer answer) { answers_[process] = answer; }
    const QList<qint64>& asked() const { return asked_; }

    PlayerWindowWatcher::WindowProbe probe()
    {
        return [this](qint64 process) -> std::optional<bool> {
            asked_ << process;
            switch (answers_.value(process, Window)) {
            case Window: return true;
            case NoWindow: return false;
            case Failure: break;
            }
            return std::nullopt;
        };
    }

private:
    QHash<qint64, Answer> answers_;
    QList<qint64> asked_;
};

constexpr qint64 kMediaProcess = 4101;
constexpr qint64 kRealProcess = 4202;

// Real time for conditions to come about on a busy machine; the waits end as soon as
// they hold.
constexpr int kPatienceMs = 20000;

QList<Player> gonePlayers(const QSignalSpy& spy)
{
    QList<Player> players;
    for (const QList<QVariant>& signal : spy)
        players << signal.at(0).value<Player>();
    return players;
}

} // namespace

class PlayerWindowWatcherTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        mediaProcess_ = 0;
        realProcess_ = 0;
    }
    void cleanup()
    {
        init();
        platform::setTimeScale(1);
    }

    void oneCheck_data()
    {
        QTest::addColumn<qint64>("media");
        QTest::addColumn<qint64>("real");
        QTest::addColumn<int>("mediaAnswer");
        QTest::addColumn<int>("realAnswer");
        QTest::addColumn<QList<Player>>("gone");
        QTest::addColumn<QList<qint64>>("asked");
        QTest::addColumn<bool>("stillRunning");

        const qint64 m = kMediaProcess;
        const qint64 r = kRealProcess;
        using Players = QList<Player>;
        using Processes = QList<qint64>;
        const qint64 none = 0;
        QTest::newRow("both have windows")
            << m << r << int(Window) << int(Window) << Players{} << Processes{m, r} << true;
        QTest::newRow("media gone") << m << r << int(NoWindow) << int(Window) << Players{Player::Media}
                                    << Processes{m, r} << true;
        QTest::newRow("real gone") << m << r << int(Window) << int(NoWindow) << Players{Player::Real} << Processes{m, r}
                                   << true;
        QTest::newRow("both gone") << m << r << int(NoWindow) << int(NoWindow) << Players{Player::Media, Player::Real}
                                   << Processes{m, r} << true;
        QTest::newRow("media not watched")
            << none << r << int(NoWindow) << int(NoWindow) << Players{Player::Real} << Processes{r} << true;
        QTest::newRow("real not watched")
            << m << none << int(NoWindow) << int(NoWindow) << Players{Player::Media} << Processes{m} << true;
        QTest::newRow("nothing watched") << none << none << int(NoWindow) << int(NoWindow) << Players{} << Processes{}
                                         << false;
        QTest::newRow("media lookup fails")
            << m << r << int(Failure) << int(NoWindow) << Players{} << Processes{m} << false;
        QTest::newRow("real lookup fails, media gone")
            << m << r << int(NoWindow) << int(Failure) << Players{} << Processes{m, r} << false;
    }

    // Gone players have their process numbers cleared; a failed lookup changes nothing
    // and stops the timer.
    void oneCheck()
    {
        QFETCH(qint64, media);
        QFETCH(qint64, real);
        QFETCH(int, mediaAnswer);
        QFETCH(int, realAnswer);
        QFETCH(QList<Player>, gone);
        QFETCH(QList<qint64>, asked);
        QFETCH(bool, stillRunning);

        ScriptedProbe probe;
        probe.answer(kMediaProcess, Answer(mediaAnswer));
        probe.answer(kRealProcess, Answer(realAnswer));
        mediaProcess_ = media;
        realProcess_ = real;
        PlayerWindowWatcher watcher(mediaProcess_, realProcess_, probe.probe());
        QSignalSpy spy(&watcher, &PlayerWindowWatcher::playerGone);
        watcher.start();

        watcher.checkPlayers();
        QCOMPARE(gonePlayers(spy), gone);
        QCOMPARE(probe.asked(), asked);
        QCOMPARE(watcher.isRunning(), stillRunning);
        QCOMPARE(mediaProcess_, gone.contains(Player::Media) ? 0 : media);
        QCOMPARE(realProcess_, gone.contains(Player::Real) ? 0 : real);
    }

    // The watcher is quiet until started, checks on every tick while a player is
    // watched, and stops at the first tick that finds none left; a later start runs
    // it again.
    void timerRunsWhileAPlayerIsWatched()
    {
        platform::setTimeScale(0.01); // a tick every 10 ms
        ScriptedProbe probe;
        PlayerWindowWatcher watcher(mediaProcess_, realProcess_, probe.probe());
        QSignalSpy spy(&watcher, &PlayerWindowWatcher::playerGone);
        QVERIFY(!watcher.isRunning());

        mediaProcess_ = kMediaProcess;
        watcher.start();
        QVERIFY(watcher.isRunning());
        QVERIFY(QTest::qWaitFor([&] { return probe.asked().size() >= 2; }, kPatienceMs));
        QVERIFY(spy.isEmpty());

        probe.answer(kMediaProcess, NoWindow);
        QVERIFY(QTest::qWaitFor([&] { return !spy.isEmpty(); }, kPatienceMs));
        QCOMPARE(mediaProcess_, 0);
        QVERIFY(QTest::qWaitFor([&] { return !watcher.isRunning(); }, kPatienceMs));
        QCOMPARE(gonePlayers(spy), QList<Player>{Player::Media});

        realProcess_ = kRealProcess;
        watcher.start();
        QVERIFY(watcher.isRunning());
    }

    void buttonsOfThePlayers_data()
    {
        QTest::addColumn<Player>("player");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("activeFlag");
        QTest::newRow("media") << Player::Media << "Media" << int(ui::ToolbarEntry::MediaPlayer);
        QTest::newRow("real") << Player::Real << "Real" << int(ui::ToolbarEntry::RealPlayer);
    }

    void buttonsOfThePlayers()
    {
        QFETCH(Player, player);
        QFETCH(QString, caption);
        QFETCH(int, activeFlag);
        const ToolbarPosition& button = toolbarPosition(playerToolbarButton(player));
        QCOMPARE(button.caption, caption);
        QCOMPARE(int(button.activeFlag), activeFlag);
    }

    // Each player is reset on its own: the media player when its window closes, the
    // stream player when its process ends.
    void realWindowsOnADisplay()
    {
        VirtualDisplay display;
        if (!display.isRunning())
            QSKIP(qPrintable(QStringLiteral("no X display for this test: %1").arg(display.failure())));
        WindowOwner media(display.name());
        QVERIFY2(media.isReady(), qPrintable(media.failure()));
        WindowOwner real(display.name());
        QVERIFY2(real.isReady(), qPrintable(real.failure()));
        mediaProcess_ = media.processId();
        realProcess_ = real.processId();

        platform::TopLevelWindows windows(display.name());
        PlayerWindowWatcher watcher(mediaProcess_, realProcess_, topLevelWindowProbe(windows));
        QSignalSpy spy(&watcher, &PlayerWindowWatcher::playerGone);
        watcher.checkPlayers();
        QVERIFY(spy.isEmpty());

        platform::setTimeScale(0.1); // a tick every 100 ms
        watcher.start();
        QVERIFY(media.closeWindow());
        QVERIFY(QTest::qWaitFor([&] { return !spy.isEmpty(); }, kPatienceMs));
        QCOMPARE(gonePlayers(spy), QList<Player>{Player::Media});
        QCOMPARE(mediaProcess_, 0);
        QCOMPARE(realProcess_, real.processId());

        QVERIFY(real.end());
        QVERIFY(QTest::qWaitFor([&] { return spy.size() == 2; }, kPatienceMs));
        QCOMPARE(gonePlayers(spy), (QList<Player>{Player::Media, Player::Real}));
        QCOMPARE(realProcess_, 0);
        QVERIFY(QTest::qWaitFor([&] { return !watcher.isRunning(); }, kPatienceMs));
    }

private:
    // The processes the watcher under test looks at.
    qint64 mediaProcess_ = 0;
    qint64 realProcess_ = 0;
};

QTEST_GUILESS_MAIN(PlayerWindowWatcherTest)
#include "test_playerwindowwatcher.moc"
