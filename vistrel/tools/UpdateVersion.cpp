#include "UpdateVersion.h"

#include "platform/Codec.h"

QByteArray versionText(int major, int minor, int revision)
{
    return QByteArray::number(major) + '.' + QByteArray::number(minor) + '.' + QByteArray::number(revision);
}

QByteArray offeredVersion(const QByteArray& fetchedText)
{
    QByteArray text = fetchedText;
    text.removeIf([](char c) { return c == '\r' || c == '\n'; });
    return platform::trimBlanks(text);
}

bool isRunningVersion(const QByteArray& fetchedText, const QByteArray& runningVersion)
{
    return offeredVersion(fetchedText) == platform::trimBlanks(runningVersion);
}
