#pragma once
// Starting the stream players for a webcam: the player's program path comes from its
// path file in the program folder ("Real.txt", "MediaPlay.txt", first value), and a
// player that cannot be started opens the player search window for it.
#include "platform/StandardErrors.h"
#include "tools/PlayerProgramSettings.h"

#include <QByteArray>
#include <QtGlobal>

#include <optional>

// Error raised when a player's path file cannot be read; the node click tells the
// user that Real.txt or MediaPlay.txt is missing.
inline constexpr int kPlayerPathFileMissing = platform::errors::kBadFileNameOrNumber;

// The player's program path: the first value of its path file, or nothing when the
// file cannot be read.
std::optional<QByteArray> readPlayerPath(PlayerKind kind);

// Starts the player with the address as its one argument, without a shell and without
// waiting. An empty address, or one that begins with "-" (it would read as an option
// of the player), is not passed. False when the player did not start (no path).
bool startPlayer(const QByteArray& playerPath, const QByteArray& address);

// Sets gPlayerKind and opens the player search window with the explanation, the
// file name and the search button for that player.
void openPlayerSearch(PlayerKind kind);

// Raises kPlayerPathFileMissing for the player's path file.
[[noreturn]] void raisePlayerPathFileMissing(PlayerKind kind);
