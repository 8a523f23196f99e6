#include "directory/PlayerPrograms.h"

#include "frame/PlayerWatcherWindow.h"
#include "platform/Launcher.h"

bool startPlayerProgram(PlayerKind kind)
{
    const platform::StartResult start = platform::launcher().startProgram(playerProgram(kind), {});
    if (!start.started)
        return false;
    watchPlayer(kind == PlayerKind::MediaPlayer ? PlayerWindowWatcher::Player::Media
                                                : PlayerWindowWatcher::Player::Real,
                start.processId);
    return true;
}
