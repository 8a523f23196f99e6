#include "UpdatePaths.h"

#include <QDir>

namespace updater {

QString downloadedFilePath(const QProcessEnvironment& environment)
{
    const QString given = environment.value(QString::fromLatin1(kDownloadVariable));
    if (!given.isEmpty())
        return QDir::cleanPath(given);
    QString cache = environment.value(QStringLiteral("XDG_CACHE_HOME"));
    // The XDG rules ignore a relative path here.
    if (!QDir::isAbsolutePath(cache))
        cache = environment.value(QStringLiteral("HOME")) + QStringLiteral("/.cache");
    return QDir::cleanPath(cache + QStringLiteral("/vistrel/update/") + QString::fromLatin1(kDownloadName));
}

QString installedFilePath(const QString& updaterFolder, const QProcessEnvironment& environment)
{
    const QString given = environment.value(QString::fromLatin1(kTargetVariable));
    if (!given.isEmpty())
        return QDir::cleanPath(given);
    return QDir::cleanPath(updaterFolder + u'/' + QString::fromLatin1(kInstalledName));
}

} // namespace updater
