#include "tools/PlayerPathFile.h"

#include "platform/ProgramFolder.h"
#include "platform/StandardErrors.h"

QString playerPathFileName(int playerKind)
{
    switch (playerKind) {
    case kStreamPlayerKind: return QStringLiteral("Real.txt");
    case kMediaPlayerKind: return QStringLiteral("MediaPlay.txt");
    default: return {};
    }
}

std::optional<QByteArray> playerPathLine(const QByteArray& path)
{
    const bool needsQuotes = path.contains(',') || path.startsWith(' ') || path.startsWith('"');
    if (!needsQuotes)
        return path;
    if (path.contains('"'))
        return std::nullopt;
    return '"' + path + '"';
}

platform::FileWriteResult writePlayerPathFile(int playerKind, const QByteArray& path)
{
    const QString name = playerPathFileName(playerKind);
    const std::optional<QByteArray> line = playerPathLine(path);
    if (name.isEmpty() || !line) {
        platform::FileWriteResult refused;
        refused.ok = false;
        refused.errorNumber = platform::errors::kBadFileNameOrNumber;
        refused.errorDescription = name.isEmpty()
            ? QStringLiteral("No player file for this kind of player")
            : QStringLiteral("The path cannot be stored in %1 because of its double quote").arg(name);
        return refused;
    }
    return platform::writeRawLines(platform::programFile(name), {*line});
}
