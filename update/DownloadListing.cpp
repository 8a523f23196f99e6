#include "DownloadListing.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace updater {
namespace {

QString systemError(const QString& what, const QString& path, int error)
{
    return QStringLiteral("%1 %2: %3").arg(what, path, QString::fromLocal8Bit(std::strerror(error)));
}

// Empty when the folder is the user's own and closed to other writers.
QString privacyError(const QString& folder, const struct stat& status)
{
    if (!S_ISDIR(status.st_mode))
        return QStringLiteral("The download folder %1 is not a folder.").arg(folder);
    if (status.st_uid != geteuid() || (status.st_mode & (S_IWGRP | S_IWOTH)) != 0)
        return QStringLiteral("The download folder %1 is open to other users; nothing is installed from it.")
            .arg(folder);
    return {};
}

bool isRegularFile(const QByteArray& path)
{
    struct stat status {};
    return ::stat(path.constData(), &status) == 0 && S_ISREG(status.st_mode);
}

} // namespace

DownloadListing listDownloadedFile(const QString& path)
{
    const QFileInfo file(path);
    const QString folder = file.absolutePath();
    const QByteArray folderName = QFile::encodeName(folder);
    const QByteArray wantedName = QFile::encodeName(file.fileName());

    DownloadListing listing;
    struct stat status {};
    if (::stat(folderName.constData(), &status) != 0) {
        if (errno != ENOENT)
            listing.error = systemError(QStringLiteral("Cannot read the download folder"), folder, errno);
        return listing;
    }
    listing.error = privacyError(folder, status);
    if (!listing.error.isEmpty())
        return listing;

    const std::unique_ptr<DIR, int (*)(DIR*)> directory(::opendir(folderName.constData()), ::closedir);
    if (!directory) {
        listing.error = systemError(QStringLiteral("Cannot list the download folder"), folder, errno);
        return listing;
    }
    errno = 0;
    while (const dirent* entry = ::readdir(directory.get())) {
        if (wantedName == entry->d_name) {
            listing.found = isRegularFile(folderName + '/' + wantedName);
            return listing;
        }
    }
    if (errno != 0)
        listing.error = systemError(QStringLiteral("Cannot list the download folder"), folder, errno);
    return listing;
}

} // namespace updater
