#include "FileSteps.h"

#include "update/FileDescriptor.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace updater {
namespace {

QString systemError(const QString& what, const QString& path)
{
    return QStringLiteral("%1 %2: %3").arg(what, path, QString::fromLocal8Bit(std::strerror(errno)));
}

bool writeAll(int fd, const char* data, ssize_t length)
{
    while (length > 0) {
        const ssize_t written = ::write(fd, data, size_t(length));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        length -= written;
    }
    return true;
}

// Empty on success; on failure the temporary file is still there for the caller to remove.
QString copyBytes(int from, int to, const QString& source, const QString& temporary)
{
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t read = ::read(from, buffer, sizeof buffer);
        if (read < 0 && errno == EINTR)
            continue;
        if (read < 0)
            return systemError(QStringLiteral("Cannot read"), source);
        if (read == 0)
            break;
        if (!writeAll(to, buffer, read))
            return systemError(QStringLiteral("Cannot write"), temporary);
    }
    if (::fsync(to) != 0)
        return systemError(QStringLiteral("Cannot flush"), temporary);
    return {};
}

} // namespace

QString FileSteps::copyToTemporary(const QString& source, const QString& destination, QString& temporary)
{
    const FileDescriptor from(::open(QFile::encodeName(source).constData(), O_RDONLY | O_CLOEXEC));
    if (from.get() < 0)
        return systemError(QStringLiteral("Cannot open"), source);

    const QFileInfo target(destination);
    QByteArray pattern = QFile::encodeName(target.absolutePath() + QStringLiteral("/.") + target.fileName()
                                           + QStringLiteral(".new-XXXXXX"));
    FileDescriptor to(::mkostemp(pattern.data(), O_CLOEXEC));
    if (to.get() < 0)
        return systemError(QStringLiteral("Cannot create a file beside"), destination);
    temporary = QFile::decodeName(pattern);

    QString error = copyBytes(from.get(), to.get(), source, temporary);
    if (!to.close() && error.isEmpty())
        error = systemError(QStringLiteral("Cannot write"), temporary);
    if (!error.isEmpty()) {
        remove(temporary);
        temporary.clear();
    }
    return error;
}

QString FileSteps::fileSize(const QString& path, qint64& size)
{
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return systemError(QStringLiteral("Cannot read the size of"), path);
    size = status.st_size;
    return {};
}

QString FileSteps::fileMode(const QString& path, unsigned& mode)
{
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return systemError(QStringLiteral("Cannot read the mode of"), path);
    mode = status.st_mode & 0777;
    return {};
}

QString FileSteps::setMode(const QString& path, unsigned mode)
{
    if (::chmod(QFile::encodeName(path).constData(), mode) != 0)
        return systemError(QStringLiteral("Cannot set the mode of"), path);
    return {};
}

QString FileSteps::renameOver(const QString& from, const QString& to)
{
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
        return systemError(QStringLiteral("Cannot move %1 to").arg(from), to);
    return {};
}

void FileSteps::remove(const QString& path)
{
    ::unlink(QFile::encodeName(path).constData());
}

} // namespace updater
