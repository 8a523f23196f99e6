#pragma once
// Starting the stream players for a webcam: the player's program path comes from its
// path file in the program folder ("Real.txt", "MediaPlay.txt", first value). A player
// that is missing opens the player search window for it; one that is there but cannot
// start is reported with its reason.
#include "platform/Launcher.h"
#include "platform/StandardErrors.h"
#include "tools/PlayerProgramSettings.h"

#include <QByteArray>
#include <QtGlobal>

#include <optional>

class PlayerSearchWindow;

// Error raised when a player's path file cannot be read; the node click tells the
// user that Real.txt or MediaPlay.txt is missing.
inline constexpr int kPlayerPathFileMissing = platform::errors::kBadFileNameOrNumber;

// The player's program path: the first value of its path file, or nothing when the
// file cannot be read.
std::optional<QByteArray> readPlayerPath(PlayerKind kind);

// Starts the player with the address as its one argument, without a shell and without
// waiting. An empty address, or one that begins with "-" (it would read as an option
// of the player), is not passed. Without a path the player counts as missing.
platform::StartResult startPlayer(const QByteArray& playerPath, const QByteArray& address);

// Tells the user why a player that is there could not start (a missing one opens the
// player search window instead, openPlayerSearch).
void showPlayerStartFailure(const QByteArray& playerPath, const platform::StartResult& start);

// Opens the player search window for the player, with the explanation, the file name
// and the search button for that player.
void openPlayerSearch(PlayerSearchWindow& search, PlayerKind kind);

// Raises kPlayerPathFileMissing for the player's path file.
[[noreturn]] void raisePlayerPathFileMissing(PlayerKind kind);
