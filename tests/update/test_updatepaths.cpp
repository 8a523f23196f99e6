#include "UpdatePaths.h"

#include <QTest>

using namespace updater;

class UpdatePathsTest : public QObject {
    Q_OBJECT

private slots:
    void downloadedFile_data()
    {
        QTest::addColumn<QString>("download");
        QTest::addColumn<QString>("cacheHome");
        QTest::addColumn<QString>("expected");
        QTest::newRow("cache home") << ""
                                    << "/cache"
                                    << "/cache/vistrel/update/vistrel";
        QTest::newRow("no cache home") << ""
                                       << ""
                                       << "/home/ann/.cache/vistrel/update/vistrel";
        QTest::newRow("relative cache home is ignored") << ""
                                                        << "cache"
                                                        << "/home/ann/.cache/vistrel/update/vistrel";
        QTest::newRow("given download") << "/tmp/x//new-vistrel"
                                        << "/cache"
                                        << "/tmp/x/new-vistrel";
    }

    void downloadedFile()
    {
        QFETCH(QString, download);
        QFETCH(QString, cacheHome);
        QFETCH(QString, expected);
        QProcessEnvironment environment;
        environment.insert(QStringLiteral("HOME"), QStringLiteral("/home/ann"));
        if (!cacheHome.isEmpty())
            environment.insert(QStringLiteral("XDG_CACHE_HOME"), cacheHome);
        if (!download.isEmpty())
            environment.insert(QString::fromLatin1(kDownloadVariable), download);
        QCOMPARE(downloadedFilePath(environment), expected);
    }

    void installedFile()
    {
        QProcessEnvironment environment;
        QCOMPARE(installedFilePath(QStringLiteral("/opt/vistrel"), environment),
                 QStringLiteral("/opt/vistrel/vistrel"));
        environment.insert(QString::fromLatin1(kTargetVariable), QStringLiteral("/srv/app/vistrel"));
        QCOMPARE(installedFilePath(QStringLiteral("/opt/vistrel"), environment), QStringLiteral("/srv/app/vistrel"));
    }
};

QTEST_GUILESS_MAIN(UpdatePathsTest)
#include "test_updatepaths.moc"
