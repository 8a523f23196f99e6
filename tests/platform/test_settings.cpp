#include "TempProgramFolder.h"
#include "platform/SettingsStore.h"

#include <QFile>
#include <QTest>

#include <sys/stat.h>

using platform::SettingsStore;

class SettingsStoreTest : public QObject {
    Q_OBJECT

private slots:
    void missingValueGivesTheDefault()
    {
        TempProgramFolder world;
        QCOMPARE(world.settings().get("Vistrel", "Options", "Host", "fallback"), QByteArray("fallback"));
        QCOMPARE(world.settings().get("Vistrel", "Options", "Host"), QByteArray());
        QVERIFY(!QFile::exists(world.settings().filePath()));
    }

    void savedValuesComeBack_data()
    {
        QTest::addColumn<QByteArray>("value");
        QByteArray everyCode;
        for (int code = 0; code < 256; ++code)
            everyCode.append(char(code));
        QTest::newRow("plain") << QByteArray("www.example.org");
        QTest::newRow("empty") << QByteArray("");
        QTest::newRow("commas and quotes") << QByteArray("a,\"b\", c ;d=e");
        QTest::newRow("INI markers") << QByteArray("@ByteArray(x) [s] #c");
        QTest::newRow("every code") << everyCode;
    }

    void savedValuesComeBack()
    {
        QFETCH(QByteArray, value);
        TempProgramFolder world;
        QVERIFY(world.settings().save("Vistrel", "Options", "Value", value));
        // A second store over the same file reads what the first one saved.
        const SettingsStore reopened(world.settings().filePath());
        QCOMPARE(reopened.get("Vistrel", "Options", "Value", "unset"), value);
    }

    void applicationsAndSectionsAreSeparate()
    {
        TempProgramFolder world;
        SettingsStore& store = world.settings();
        QVERIFY(store.save("Vistrel", "Window", "Top", "1"));
        QVERIFY(store.save("Vistrel", "Colours", "Top", "2"));
        QVERIFY(store.save("Other", "Window", "Top", "3"));
        QVERIFY(store.save("Vistrel", "Window", "Top", "4")); // replaces the first
        QCOMPARE(store.get("Vistrel", "Window", "Top"), QByteArray("4"));
        QCOMPARE(store.get("Vistrel", "Colours", "Top"), QByteArray("2"));
        QCOMPARE(store.get("Other", "Window", "Top"), QByteArray("3"));
    }

    void fileIsReadableByTheOwnerOnly()
    {
        TempProgramFolder world;
        QVERIFY(world.settings().save("Vistrel", "Login", "Password", "secret"));
        QVERIFY(world.settings().save("Vistrel", "Login", "User", "ann"));
        struct stat status {};
        QCOMPARE(::stat(QFile::encodeName(world.settings().filePath()).constData(), &status), 0);
        QCOMPARE(int(status.st_mode & 0777), 0600);
    }

    void saveThatCannotWriteReportsFailure()
    {
        TempProgramFolder world;
        QFile blocker(world.filePath("not-a-folder"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        SettingsStore store(world.filePath("not-a-folder/settings.ini"));
        QVERIFY(!store.save("Vistrel", "Options", "Host", "x"));
        QCOMPARE(store.get("Vistrel", "Options", "Host", "default"), QByteArray("default"));
    }
};

QTEST_GUILESS_MAIN(SettingsStoreTest)
#include "test_settings.moc"
