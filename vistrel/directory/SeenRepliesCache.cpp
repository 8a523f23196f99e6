#include "directory/SeenRepliesCache.h"

#include "platform/ProgramFolder.h"

#include <QFile>

QString seenRepliesCachePath()
{
    return platform::programFolder() + QStringLiteral("QS.txt");
}

void deleteSeenRepliesCache()
{
    QFile::remove(seenRepliesCachePath());
}
