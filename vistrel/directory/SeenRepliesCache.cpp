#include "directory/SeenRepliesCache.h"

#include "platform/ProgramFolder.h"

QString seenRepliesCachePath()
{
    return platform::programFolder() + QStringLiteral("QS.txt");
}
