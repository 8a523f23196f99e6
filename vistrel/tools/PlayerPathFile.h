#pragma once
// Writing a player-path file ("Real.txt" for the stream player, "MediaPlay.txt" for
// the media player) in the program's folder: one line, the player's program path.
//
// The files' readers take the first value of the line: leading blanks skipped, a
// value in double quotes up to the closing quote, any other value up to the first
// comma. So a path that holds a comma, or that begins with a blank or a double quote,
// is written in double quotes; a path that would need them and holds a double quote
// itself cannot be read back and is not written.
#include "platform/TextFiles.h"
#include "tools/PlayerProgramSettings.h"

#include <QByteArray>
#include <QString>

#include <optional>

// "Real.txt" or "MediaPlay.txt".
QString playerPathFileName(PlayerKind kind);

// The line that reads back as path, without its line end; nothing when no line does.
std::optional<QByteArray> playerPathLine(const QByteArray& path);

// Replaces the path file of the kind with the one line for path.
platform::FileWriteResult writePlayerPathFile(PlayerKind kind, const QByteArray& path);
