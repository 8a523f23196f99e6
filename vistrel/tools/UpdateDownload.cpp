#include "UpdateDownload.h"

#include "update/ExecutableCheck.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool looksLikeHtml(const QByteArray& body)
{
    const QByteArray start = body.left(512).trimmed().toLower();
    return start.startsWith("<!doctype html") || start.startsWith("<html") || start.startsWith("<head")
        || start.startsWith("<body");
}

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Makes sure folder exists and is private to the user; the empty text when it is.
QString preparePrivateFolder(const QString& folder)
{
    const QByteArray native = QFile::encodeName(folder);
    if (!QDir().mkpath(QFileInfo(folder).path()))
        return QStringLiteral("Cannot create the folder %1").arg(QFileInfo(folder).path());
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
        return QStringLiteral("Cannot create the folder %1: %2").arg(folder, systemError());
    struct stat status {};
    if (::lstat(native.constData(), &status) != 0)
        return QStringLiteral("Cannot examine the folder %1: %2").arg(folder, systemError());
    if (!S_ISDIR(status.st_mode) || status.st_uid != ::geteuid() || (status.st_mode & (S_IWGRP | S_IWOTH)) != 0)
        return QStringLiteral("The folder %1 is not private to this user").arg(folder);
    return {};
}

} // namespace

QString updateDownloadPath(const QProcessEnvironment& environment)
{
    const QString given = environment.value(QString::fromLatin1(kUpdateDownloadVariable));
    if (!given.isEmpty())
        return QDir::cleanPath(given);
    QString cache = environment.value(QStringLiteral("XDG_CACHE_HOME"));
    // The XDG rules ignore a relative path here.
    if (!QDir::isAbsolutePath(cache))
        cache = environment.value(QStringLiteral("HOME")) + QStringLiteral("/.cache");
    return QDir::cleanPath(cache + QStringLiteral("/vistrel/update/vistrel"));
}

QString executableProblem(const QByteArray& body)
{
    if (body.isEmpty())
        return QStringLiteral("The server sent an empty file");
    if (looksLikeHtml(body))
        return QStringLiteral("The server sent a web page instead of the program");
    // The updater's own check, so that nothing it would refuse is handed over to it.
    const updater::ExecutableCheck check = updater::checkExecutable(body.constData(), std::size_t(body.size()));
    if (check.fault == updater::ExecutableFault::NotElf)
        return QStringLiteral("The server sent a file that is not a program");
    if (!check.passed())
        return QStringLiteral("The server sent a file that is not a whole program for this computer: %1")
            .arg(QString::fromLocal8Bit(check.description()));
    return {};
}

QString writeUpdateDownload(const QString& path, const QByteArray& body)
{
    if (const QString problem = preparePrivateFolder(QFileInfo(path).path()); !problem.isEmpty())
        return problem;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(body) != body.size() || !file.commit())
        return QStringLiteral("Cannot write %1: %2").arg(path, file.errorString());
    return {};
}
