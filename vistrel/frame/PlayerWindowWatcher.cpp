#include "frame/PlayerWindowWatcher.h"

#include "platform/TopLevelWindows.h"

PlayerWindowWatcher::PlayerWindowWatcher(qint64& mediaProcess, qint64& realProcess, WindowProbe probe, QObject* parent)
    : QObject(parent), mediaProcess_(mediaProcess), realProcess_(realProcess), probe_(std::move(probe))
{
    stop();
    connect(&timer_, &platform::Timer::tick, this, &PlayerWindowWatcher::checkPlayers);
}

void PlayerWindowWatcher::start()
{
    timer_.setEnabled(true);
    timer_.setInterval(kCheckIntervalMs);
}

bool PlayerWindowWatcher::isRunning() const
{
    return timer_.isEnabled() && timer_.interval() > 0;
}

void PlayerWindowWatcher::stop()
{
    timer_.setEnabled(false);
    timer_.setInterval(0);
}

void PlayerWindowWatcher::checkPlayers()
{
    const qint64 media = mediaProcess_;
    const qint64 real = realProcess_;
    if (media == 0 && real == 0) {
        stop();
        return;
    }

    // Both lookups come before any change, so a failing one leaves everything as it was.
    std::optional<bool> mediaHasWindow;
    std::optional<bool> realHasWindow;
    const auto lookUp = [this](qint64 process, std::optional<bool>& hasWindow) {
        if (process != 0)
            hasWindow = probe_(process);
        return process == 0 || hasWindow.has_value();
    };
    if (!lookUp(media, mediaHasWindow) || !lookUp(real, realHasWindow)) {
        stop();
        return;
    }

    // The timer keeps running: the next check that finds nothing to watch stops it.
    if (mediaHasWindow == false) {
        mediaProcess_ = 0;
        emit playerGone(Player::Media);
    }
    if (realHasWindow == false) {
        realProcess_ = 0;
        emit playerGone(Player::Real);
    }
}

int playerToolbarButton(PlayerWindowWatcher::Player player)
{
    return player == PlayerWindowWatcher::Player::Media ? 7 : 8;
}

PlayerWindowWatcher::WindowProbe topLevelWindowProbe(platform::TopLevelWindows& windows)
{
    return [&windows](qint64 processId) -> std::optional<bool> {
        const std::optional<platform::WindowAnswer> answer = windows.ownsWindow(processId);
        if (!answer)
            return std::nullopt;
        return answer->found;
    };
}
