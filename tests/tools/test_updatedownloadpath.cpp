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
        QTest::addColumn<QStringList>("environment"); // name, value, name, value ...
        QTest::newRow("home only") << QStringList{"HOME", "/home/ann"};
        QTest::newRow("cache home") << QStringList{"HOME", "/home/ann", "XDG_CACHE_HOME", "/var/cache/ann/"};
        QTest::newRow("relative cache home") << QStringList{"HOME", "/home/ann", "XDG_CACHE_HOME", "cache"};
        QTest::newRow("given download") << QStringList{
            "HOME", "/home/ann", "XDG_CACHE_HOME", "/c", kUpdateDownloadVariable, "/tmp/x//new"};
        QTest::newRow("empty given download") << QStringList{"HOME", "/h", kUpdateDownloadVariable, ""};
    }

    void bothSidesAgree()
    {
        QFETCH(QStringList, environment);
        QProcessEnvironment variables;
        for (qsizetype i = 0; i + 1 < environment.size(); i += 2)
            variables.insert(environment[i], environment[i + 1]);
        QCOMPARE(updateDownloadPath(variables), updater::downloadedFilePath(variables));
    }

    void bothSidesNameTheSameVariable()
    {
        QCOMPARE(QByteArray(kUpdateDownloadVariable), QByteArray(updater::kDownloadVariable));
    }
};

QTEST_MAIN(UpdateDownloadPathTest)
#include "test_updatedownloadpath.moc"
