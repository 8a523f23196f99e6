// The update check and the updater are separate programs that must agree on where
// the new executable lies. This test links both sides and asks each of them.
#include "UpdatePaths.h"
#include "tools/UpdateDownload.h"

#include <QTest>

class UpdateDownloadPathTest : public QObject {
    Q_OBJECT

private slots:
    void bothSidesAgree_data()
    {
        QTest::addColumn<QString>("download");
        QTest::addColumn<QString>("cacheHome");
        QTest::addColumn<QString>("expected");
        QTest::newRow("cache home") << "" << "/cache" << "/cache/vistrel/update/vistrel";
        QTest::newRow("no cache home") << "" << "" << "/home/ann/.cache/vistrel/update/vistrel";
        QTest::newRow("relative cache home") << "" << "cache" << "/home/ann/.cache/vistrel/update/vistrel";
        QTest::newRow("cache home with a trailing slash") << "" << "/cache/" << "/cache/vistrel/update/vistrel";
        QTest::newRow("given download") << "/tmp/x//new-vistrel" << "/cache" << "/tmp/x/new-vistrel";
    }

    void bothSidesAgree()
    {
        QFETCH(QString, download);
        QFETCH(QString, cacheHome);
        QFETCH(QString, expected);
        QProcessEnvironment environment;
        environment.insert(QStringLiteral("HOME"), QStringLiteral("/home/ann"));
        if (!cacheHome.isEmpty())
            environment.insert(QStringLiteral("XDG_CACHE_HOME"), cacheHome);
        if (!download.isEmpty())
            environment.insert(QString::fromLatin1(kUpdateDownloadVariable), download);
        QCOMPARE(updateDownloadPath(environment), expected);
        QCOMPARE(updater::downloadedFilePath(environment), expected);
    }

    void bothSidesNameTheSameVariable()
    {
        QCOMPARE(QByteArray(kUpdateDownloadVariable), QByteArray(updater::kDownloadVariable));
    }
};

QTEST_MAIN(UpdateDownloadPathTest)
#include "test_updatedownloadpath.moc"
