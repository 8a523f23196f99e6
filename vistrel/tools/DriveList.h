#pragma once
// The drives the player search offers as start folders: the root, the user's home
// folder and every other mounted file system that holds files, in that order. Pseudo
// file systems (proc, sysfs, tmpfs, cgroup and the like), everything mounted below
// /proc, /sys and /dev, and mounts of single files are left out.
#include <QByteArray>
#include <QString>
#include <QStringList>

// The drives of this machine, from /proc/self/mounts.
QStringList mountedDrives();

// The drives described by a mount table in the format of /proc/self/mounts (device,
// mount point with blanks and the like as octal escapes, type, options; one mount a
// line). A mount point listed twice appears once, at its first place.
QStringList drivesFromMountTable(const QByteArray& mountTable, const QString& homeFolder);
