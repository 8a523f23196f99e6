#include "tools/OptionSettingsFile.h"

#include "link/SettingsFileLines.h"
#include "platform/ProgramFolder.h"
#include "tools/BoxStateText.h"

namespace {

QString optionSettingsPath()
{
    return platform::programFile(QStringLiteral("OptionSettings.txt"));
}

} // namespace

std::optional<int> readIconBoxStateFile()
{
    return boxStateFromLeadingNumber(readFirstValueOfLines(optionSettingsPath(), 1).first());
}

platform::FileWriteResult writeIconBoxStateFile(int state)
{
    return platform::writeRawLines(optionSettingsPath(), {' ' + QByteArray::number(state)},
                                   platform::FileAccess::OwnerOnly);
}
