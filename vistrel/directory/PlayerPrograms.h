#pragma once
// The two players that the View menu starts on their own, without a webcam: the media
// player and the stream player. Each is a program path kept in the settings store under
// the program's name, section "Players", keys "Media Player" and "Stream Player"; when
// no path is stored, the paths that Debian's vlc and mpv packages install are used.
#include "directory/PlayerStart.h"

#include <QString>

inline constexpr char kPlayersSection[] = "Players";
inline constexpr char kDefaultMediaPlayerProgram[] = "/usr/bin/vlc";
inline constexpr char kDefaultStreamPlayerProgram[] = "/usr/bin/mpv";

// The program path of the player, from the settings store or its default.
QString playerProgram(PlayerKind kind);

// The file name of the player's program ("vlc"): what the player search looks for.
QString playerProgramName(PlayerKind kind);

// Starts the player with no arguments. Its process id replaces gMediaPlayerPid (the
// media player) or gRealPlayerPid (the stream player), so the player-window watcher
// can follow it. False, with the id left as it was, when the player cannot be started.
bool startPlayerProgram(PlayerKind kind);
