#pragma once
// The two configured players: the media player and the stream player. Each is a program
// path kept in the settings store under the program's name, section "Players", keys
// "Media Player" and "Stream Player"; when no path is stored, the paths that Debian's
// vlc and mpv packages install are used. The View menu starts them on their own, and
// the player search looks for their program files.
#include <QString>
#include <QtGlobal>

// The two players: the stream player ("Real.txt") and the media player ("MediaPlay.txt").
enum class PlayerKind : qint16 { RealPlayer = 1, MediaPlayer = 2 };

inline constexpr char kPlayersSection[] = "Players";
inline constexpr char kDefaultMediaPlayerProgram[] = "/usr/bin/vlc";
inline constexpr char kDefaultStreamPlayerProgram[] = "/usr/bin/mpv";

// The program path of the player, from the settings store or its default.
QString playerProgram(PlayerKind kind);

// The file name of the player's program ("vlc"): what the player search looks for.
QString playerProgramName(PlayerKind kind);
