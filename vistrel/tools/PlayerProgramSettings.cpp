#include "tools/PlayerProgramSettings.h"

#include "platform/Codec.h"
#include "platform/SettingsStore.h"
#include "tools/OptionSwitches.h"

#include <QFileInfo>

namespace {

QByteArray keyOf(PlayerKind kind)
{
    return kind == PlayerKind::MediaPlayer ? QByteArrayLiteral("Media Player") : QByteArrayLiteral("Stream Player");
}

QByteArray defaultOf(PlayerKind kind)
{
    return kind == PlayerKind::MediaPlayer ? QByteArray(kDefaultMediaPlayerProgram)
                                           : QByteArray(kDefaultStreamPlayerProgram);
}

} // namespace

QString playerProgram(PlayerKind kind)
{
    const QByteArray stored = platform::settingsStore().get(kProgramSettingsApplication, kPlayersSection, keyOf(kind));
    return platform::fromCp1252(stored.isEmpty() ? defaultOf(kind) : stored);
}

QString playerProgramName(PlayerKind kind)
{
    return QFileInfo(playerProgram(kind)).fileName();
}
