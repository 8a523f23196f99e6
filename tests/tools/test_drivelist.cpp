#include "tools/DriveList.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class DriveListTest : public QObject {
    Q_OBJECT

private slots:
    void realMountsFollowRootAndHome()
    {
        QTemporaryDir machine;
        for (const char* folder : {"home", "with blank", "data", "remote"})
            QVERIFY(QDir(machine.path()).mkdir(QString::fromLatin1(folder)));
        QFile singleFile(machine.filePath(QStringLiteral("hosts")));
        QVERIFY(singleFile.open(QIODevice::WriteOnly));
        const QByteArray at = QFile::encodeName(machine.path());
        const QByteArray table = "proc /proc proc rw,relatime 0 0\n"
                                 "/dev/vda / ext4 rw 0 0\n"
                                 "tmpfs /run tmpfs rw 0 0\n"
                                 "/dev/vdb "
            + at
            + "/with\\040blank ext4 rw 0 0\n"
              "/dev/vdc "
            + at
            + "/data xfs rw 0 0\n"
              "/dev/vdc "
            + at
            + "/data xfs rw 0 0\n"
              "/dev/vda "
            + at
            + "/hosts ext4 rw 0 0\n"
              "cgroup2 /sys/fs/cgroup cgroup2 rw 0 0\n"
              "/dev/sdz /dev/odd ext4 rw 0 0\n"
              "tmpfs "
            + at
            + "/home tmpfs rw 0 0\n"
              "me@host: "
            + at
            + "/remote fuse.sshfs rw 0 0\n"
              "/dev/vdd "
            + at
            + "/missing ext4 rw 0 0\n"
              "\n";
        const QString home = machine.filePath(QStringLiteral("home"));
        QCOMPARE(drivesFromMountTable(table, home),
                 QStringList({QStringLiteral("/"), home, machine.filePath(QStringLiteral("with blank")),
                              machine.filePath(QStringLiteral("data")), machine.filePath(QStringLiteral("remote"))}));
    }

    void rootAppearsOnce()
    {
        QCOMPARE(drivesFromMountTable("/dev/vda / ext4 rw 0 0\n", QStringLiteral("/")),
                 QStringList{QStringLiteral("/")});
    }

    void thisMachineStartsWithRootAndHome()
    {
        const QStringList drives = mountedDrives();
        QVERIFY(drives.size() >= 2 || QDir::homePath() == QStringLiteral("/"));
        QCOMPARE(drives.first(), QStringLiteral("/"));
        QVERIFY(drives.contains(QDir::homePath()));
        for (const QString& drive : drives)
            QVERIFY2(!drive.startsWith(QStringLiteral("/proc")) && !drive.startsWith(QStringLiteral("/sys")),
                     qPrintable(drive));
    }
};

QTEST_GUILESS_MAIN(DriveListTest)
#include "test_drivelist.moc"
