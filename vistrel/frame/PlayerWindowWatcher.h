#pragma once
// Watches the players that the Media and Real commands started. Once a second it asks
// whether each watched player's process still owns a top-level window; when one has
// none, it forgets that process (sets its number to 0) and reports that the player's
// toolbar button goes back to normal.
//
// The timer runs from start() until a check finds no player left to watch, or until a
// lookup fails, so at rest nothing ticks. A failed lookup also ends that check before
// it changes anything.
#include "platform/Timer.h"

#include <QObject>

#include <functional>
#include <optional>

namespace platform {
class TopLevelWindows;
}

class PlayerWindowWatcher : public QObject {
    Q_OBJECT
public:
    enum class Player { Media, Real };
    Q_ENUM(Player)

    // Whether the process owns a top-level window; nothing when the lookup failed.
    using WindowProbe = std::function<std::optional<bool>(qint64 processId)>;

    static constexpr int kCheckIntervalMs = 1000;

    // mediaProcess and realProcess are where the player starters keep the processes
    // they started, 0 for none; they must outlive the watcher.
    PlayerWindowWatcher(qint64& mediaProcess, qint64& realProcess, WindowProbe probe, QObject* parent = nullptr);

    // Checks once a second from now on: after a Media or Real press.
    void start();
    bool isRunning() const;

    // One check of both players: each tick runs it, and so does "Go".
    void checkPlayers();

signals:
    // After the player's process number has been set to 0.
    void playerGone(PlayerWindowWatcher::Player player);

private:
    void stop();

    qint64& mediaProcess_;
    qint64& realProcess_;
    WindowProbe probe_;
    platform::Timer timer_;
};

// The toolbar position of each player's button (its entry of the toolbar state is the
// position's activeFlag, ToolbarPositions.h).
int playerToolbarButton(PlayerWindowWatcher::Player player);

// The probe over the platform's windows; the windows must outlive the probe.
PlayerWindowWatcher::WindowProbe topLevelWindowProbe(platform::TopLevelWindows& windows);
