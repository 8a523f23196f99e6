#include "tools/PlayerPathFile.h"

#include "platform/ProgramFolder.h"
#include "platform/StandardErrors.h"

QString playerPathFileName(PlayerKind kind)
{
    return kind == PlayerKind::RealPlayer ? QStringLiteral("Real.txt") : QStringLiteral("MediaPlay.txt");
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

platform::FileWriteResult writePlayerPathFile(PlayerKind kind, const QByteArray& path)
{
    const QString name = playerPathFileName(kind);
    const std::optional<QByteArray> line = playerPathLine(path);
    if (!line) {
        platform::FileWriteResult refused;
        refused.ok = false;
        refused.errorNumber = platform::errors::kBadFileNameOrNumber;
        refused.errorDescription =
            QStringLiteral("The path cannot be stored in %1 because of its double quote").arg(name);
        return refused;
    }
    return platform::writeRawLines(platform::programFile(name), {*line});
}
