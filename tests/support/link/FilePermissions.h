#pragma once
// The permission bits of a file a test expects the program to have created.
#include <QFile>
#include <QString>

#include <sys/stat.h>

// The rwx bits of the file (0600 for owner-only), or -1 when it does not exist.
inline int permissionBits(const QString& path)
{
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? int(status.st_mode & 0777) : -1;
}
