#pragma once
// Whether a file is readable and writable by its owner and by nobody else (0600).
#include <QFile>
#include <QString>

inline bool isOwnerOnly(const QString& path)
{
    constexpr QFileDevice::Permissions kOthers = QFileDevice::ReadGroup | QFileDevice::WriteGroup
                                                 | QFileDevice::ExeGroup | QFileDevice::ReadOther
                                                 | QFileDevice::WriteOther | QFileDevice::ExeOther;
    const QFileDevice::Permissions permissions = QFile::permissions(path);
    return permissions.testFlags(QFileDevice::ReadOwner | QFileDevice::WriteOwner)
           && !permissions.testFlag(QFileDevice::ExeOwner) && !(permissions & kOthers);
}
