#pragma once
// Starting the two configured players (PlayerProgramSettings.h) on their own, without a
// webcam, as the View menu's "Media Player" and "Real Player" do.
#include "tools/PlayerProgramSettings.h"

// Starts the player with no arguments and hands its process to the player-window
// watcher, in place of the one started before (watchPlayer, frame/PlayerWatcherWindow.h).
// False, with the watched process left as it was, when the player cannot be started.
bool startPlayerProgram(PlayerKind kind);
