#include "tools/DriveList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {

// File systems that hold no files of their own: kernel views, memory-backed scratch
// space, control groups.
const QSet<QByteArray> kPseudoFileSystems = {
    "autofs",     "binfmt_misc", "bpf",       "cgroup",  "cgroup2",         "configfs",   "debugfs",
    "devpts",     "devtmpfs",    "efivarfs",  "fusectl", "fuse.gvfsd-fuse", "fuse.lxcfs", "fuse.portal",
    "hugetlbfs",  "mqueue",      "nsfs",      "proc",    "pstore",          "ramfs",      "rootfs",
    "rpc_pipefs", "securityfs",  "selinuxfs", "sysfs",   "tmpfs",           "tracefs",
};

bool isBelowKernelFolder(const QString& mountPoint)
{
    for (const char* folder : {"/proc", "/sys", "/dev"}) {
        const QString top = QString::fromLatin1(folder);
        if (mountPoint == top || mountPoint.startsWith(top + QLatin1Char('/')))
            return true;
    }
    return false;
}

// The mount table writes blank, tab, newline and backslash in a mount point as a
// backslash and three octal digits.
QByteArray unescapeMountPoint(const QByteArray& field)
{
    QByteArray plain;
    for (qsizetype at = 0; at < field.size(); ++at) {
        const QByteArray digits = field.mid(at + 1, 3);
        bool octal = field[at] == '\\' && digits.size() == 3;
        for (char digit : digits)
            octal = octal && digit >= '0' && digit <= '7';
        if (octal) {
            plain.append(char(digits.toInt(nullptr, 8)));
            at += 3;
        } else {
            plain.append(field[at]);
        }
    }
    return plain;
}

} // namespace

QStringList drivesFromMountTable(const QByteArray& mountTable, const QString& homeFolder)
{
    QStringList drives{QStringLiteral("/")};
    if (!homeFolder.isEmpty() && homeFolder != drives.first())
        drives.append(homeFolder);
    for (const QByteArray& line : mountTable.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 3 || kPseudoFileSystems.contains(fields[2]))
            continue;
        const QString mountPoint = QFile::decodeName(unescapeMountPoint(fields[1]));
        if (drives.contains(mountPoint) || isBelowKernelFolder(mountPoint) || !QFileInfo(mountPoint).isDir())
            continue;
        drives.append(mountPoint);
    }
    return drives;
}

QStringList mountedDrives()
{
    QFile table(QStringLiteral("/proc/self/mounts"));
    const QByteArray content = table.open(QIODevice::ReadOnly) ? table.readAll() : QByteArray();
    return drivesFromMountTable(content, QDir::homePath());
}
