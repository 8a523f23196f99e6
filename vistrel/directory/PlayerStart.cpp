#include "directory/PlayerStart.h"

#include "platform/Codec.h"
#include "platform/Dialogs.h"
#include "platform/Launcher.h"
#include "platform/ListInputReader.h"
#include "platform/ProgramFolder.h"
#include "platform/RuntimeError.h"
#include "tools/PlayerSearchWindow.h"

using platform::fromCp1252;

namespace {

struct PlayerTexts {
    QString pathFile;
    QString explanation; // the search window's banner when the player is missing
    QString searchCaption;
};

const PlayerTexts& textsOf(PlayerKind kind)
{
    static const PlayerTexts real{
        QStringLiteral("Real.txt"),
        QStringLiteral("If this search screen appears it means that the Vistrel Application cannot find the "
                       "RealPlayer on your system. Select Solution buttons at the left for help."),
        QStringLiteral("Search for Real Player")};
    static const PlayerTexts media{
        QStringLiteral("MediaPlay.txt"),
        QStringLiteral("If this search screen appears it means that the Vistrel Application cannot find the "
                       "Windows Media Player on your system. Select Solution buttons at the left for help."),
        QStringLiteral("Search for Media Player")};
    return kind == PlayerKind::RealPlayer ? real : media;
}

} // namespace

std::optional<QByteArray> readPlayerPath(PlayerKind kind)
{
    std::optional<platform::ListInputReader> file =
        platform::ListInputReader::fromFile(platform::programFile(textsOf(kind).pathFile));
    if (!file)
        return std::nullopt;
    return file->next();
}

platform::StartResult startPlayer(const QByteArray& playerPath, const QByteArray& address)
{
    if (playerPath.isEmpty())
        return {false, 0, true, QStringLiteral("no player program is set")};
    QStringList arguments;
    if (!address.isEmpty() && !address.startsWith('-'))
        arguments << fromCp1252(address);
    return platform::launcher().startProgram(fromCp1252(playerPath), arguments);
}

void showPlayerStartFailure(const QByteArray& playerPath, const platform::StartResult& start)
{
    platform::dialogs().messageBox(platform::startFailureMessage(fromCp1252(playerPath), start));
}

void openPlayerSearch(PlayerSearchWindow& search, PlayerKind kind)
{
    const PlayerTexts& texts = textsOf(kind);
    search.showForMissingPlayer(kind, texts.explanation, texts.searchCaption);
}

void raisePlayerPathFileMissing(PlayerKind kind)
{
    throw platform::RuntimeError(
        kPlayerPathFileMissing,
        QStringLiteral("Bad file name or number: %1 cannot be read").arg(textsOf(kind).pathFile));
}
