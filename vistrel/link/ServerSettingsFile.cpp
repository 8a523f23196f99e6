#include "link/ServerSettingsFile.h"

#include "link/SettingsFileLines.h"
#include "platform/ProgramFolder.h"

namespace {

QString serverSettingsPath()
{
    return platform::programFile(QStringLiteral("ServerSettings.txt"));
}

} // namespace

platform::FileWriteResult writeServerSettingsFile(const ServerAddresses& addresses)
{
    return platform::writeRawLines(serverSettingsPath(), {addresses.primary, addresses.backup});
}

ServerAddresses readServerSettingsFile()
{
    const QList<QByteArray> values = readFirstValueOfLines(serverSettingsPath(), 2);
    return {values[0], values[1]};
}
