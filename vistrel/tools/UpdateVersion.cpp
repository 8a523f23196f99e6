#include "UpdateVersion.h"

#include "platform/Codec.h"

QByteArray versionText(int major, int minor, int revision)
{
    return QByteArray::number(major) + '.' + QByteArray::number(minor) + '.' + QByteArray::number(revision);
}

QByteArray withoutLineEnds(const QByteArray& fetchedText)
{
    QByteArray text = fetchedText;
    text.removeIf([](char c) { return c == '\r' || c == '\n'; });
    return text;
}

QByteArray offeredVersion(const QByteArray& fetchedText)
{
    return platform::trimBlanks(withoutLineEnds(fetchedText));
}

bool isRunningVersion(const QByteArray& fetchedText, const QByteArray& runningVersion)
{
    return offeredVersion(fetchedText) == platform::trimBlanks(runningVersion);
}
