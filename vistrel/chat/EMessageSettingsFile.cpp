#include "chat/EMessageSettingsFile.h"

#include "platform/Codec.h"
#include "platform/ListInputReader.h"
#include "platform/ProgramFolder.h"

namespace chat {

namespace {

QString settingsPath()
{
    return platform::programFile(QString::fromLatin1(kEMessageSettingsFile));
}

} // namespace

std::optional<SenderDetails> readSenderDetails()
{
    std::optional<platform::ListInputReader> file = platform::ListInputReader::fromFile(settingsPath());
    if (!file)
        return std::nullopt;
    SenderDetails details;
    details.name = file->next();
    details.userId = file->next();
    details.eMail = file->next();
    return details;
}

platform::FileWriteResult writeSenderDetails(const SenderDetails& details)
{
    using platform::trimBlanks;
    return platform::writeRawLines(settingsPath(),
                                   {trimBlanks(details.name), trimBlanks(details.userId), trimBlanks(details.eMail)});
}

} // namespace chat
