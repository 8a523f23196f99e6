#include "FileContent.h"
#include "FilePermissions.h"
#include "FileSizeLimit.h"
#include "TempProgramFolder.h"
#include "tools/OptionSettingsFile.h"
#include "tools/OptionSwitches.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <optional>

Q_DECLARE_METATYPE(std::optional<int>)

namespace {

constexpr char kFileName[] = "OptionSettings.txt";

void putFile(const TempProgramFolder& folder, const QByteArray& content)
{
    QFile file(folder.filePath(kFileName));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
}

} // namespace

class OptionSettingsTest : public QObject {
    Q_OBJECT

private slots:
    void fileReadsTheIconBoxState_data()
    {
        QTest::addColumn<std::optional<QByteArray>>("content");
        QTest::addColumn<std::optional<int>>("state");
        const std::optional<int> unchanged;
        QTest::newRow("missing") << std::optional<QByteArray>() << std::optional(0);
        QTest::newRow("empty") << std::optional<QByteArray>("") << std::optional(0);
        QTest::newRow("unticked") << std::optional<QByteArray>(" 0\r\n") << std::optional(0);
        QTest::newRow("ticked") << std::optional<QByteArray>(" 1\r\n") << std::optional(1);
        QTest::newRow("greyed") << std::optional<QByteArray>(" 2\r\n") << std::optional(2);
        QTest::newRow("no blank, no line end") << std::optional<QByteArray>("1") << std::optional(1);
        QTest::newRow("quoted") << std::optional<QByteArray>("\"1\"\r\n") << std::optional(1);
        QTest::newRow("not a number") << std::optional<QByteArray>("abc\r\n") << std::optional(0);
        QTest::newRow("number then text") << std::optional<QByteArray>(" 1abc\r\n") << std::optional(1);
        QTest::newRow("seven") << std::optional<QByteArray>(" 7\r\n") << unchanged;
        QTest::newRow("negative") << std::optional<QByteArray>(" -1\r\n") << unchanged;
        QTest::newRow("huge") << std::optional<QByteArray>(" 99999999999999999999999\r\n") << unchanged;
        QTest::newRow("half rounds to even, up") << std::optional<QByteArray>(" 1.5\r\n") << std::optional(2);
        QTest::newRow("half rounds to even, down") << std::optional<QByteArray>(" 0.5\r\n") << std::optional(0);
        QTest::newRow("later items ignored") << std::optional<QByteArray>(" 1, 0\r\n 7\r\n") << std::optional(1);
        QTest::newRow("empty first line") << std::optional<QByteArray>("\r\n 1\r\n") << std::optional(0);
        QTest::newRow("binary damage") << std::optional<QByteArray>(QByteArray("\xff\x00\r 1", 5)) << std::optional(0);
    }
    void fileReadsTheIconBoxState()
    {
        QFETCH(std::optional<QByteArray>, content);
        QFETCH(std::optional<int>, state);
        TempProgramFolder folder;
        if (content)
            putFile(folder, *content);
        QCOMPARE(readIconBoxStateFile(), state);
    }

    void fileWritesOneLineAndReadsItBack()
    {
        TempProgramFolder folder;
        for (const int state : {1, 0, 2}) {
            QVERIFY(writeIconBoxStateFile(state));
            QCOMPARE(fileContent(folder.filePath(kFileName)), ' ' + QByteArray::number(state) + "\r\n");
            QCOMPARE(readIconBoxStateFile(), std::optional(state));
        }
    }

    void fileIsOwnerOnly()
    {
        TempProgramFolder folder;
        QVERIFY(writeIconBoxStateFile(1));
        QCOMPARE(permissionBits(folder.filePath(kFileName)), 0600);

        // A file that others could read becomes owner-only when it is replaced.
        QVERIFY(QFile::setPermissions(folder.filePath(kFileName),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther));
        QVERIFY(writeIconBoxStateFile(0));
        QCOMPARE(permissionBits(folder.filePath(kFileName)), 0600);
    }

    void failedWriteKeepsTheOldFile()
    {
        TempProgramFolder folder;
        QVERIFY(writeIconBoxStateFile(1));
        {
            FileSizeLimit limit(2);
            const platform::FileWriteResult result = writeIconBoxStateFile(0);
            QVERIFY(!result);
            QVERIFY(!result.errorDescription.isEmpty());
        }
        QCOMPARE(fileContent(folder.filePath(kFileName)), QByteArray(" 1\r\n"));
        QCOMPARE(readIconBoxStateFile(), std::optional(1));
    }

    void folderInTheFilesPlaceIsAFailure()
    {
        TempProgramFolder folder;
        QVERIFY(QDir(folder.path()).mkdir(kFileName));
        const platform::FileWriteResult result = writeIconBoxStateFile(1);
        QVERIFY(!result);
        QVERIFY(!result.errorDescription.isEmpty());
        QVERIFY(QFileInfo(folder.filePath(kFileName)).isDir());
        QCOMPARE(readIconBoxStateFile(), std::optional(0));
    }

    void switchesReadOneWhenAbsent()
    {
        TempProgramFolder folder;
        const OptionSwitches switches(folder.settings());
        QCOMPARE(switches.iconBoxState(), std::optional(1));
        QCOMPARE(switches.tipBoxState(), std::optional(1));
    }

    void switchesAreStoredAsPlainDigits()
    {
        TempProgramFolder folder;
        OptionSwitches switches(folder.settings());
        QVERIFY(switches.saveIconBoxState(0));
        QVERIFY(switches.saveTipBoxState(1));
        platform::SettingsStore& store = folder.settings();
        QCOMPARE(store.get("Vistrel", "OptionsIcons", "Show Icons"), QByteArray("0"));
        QCOMPARE(store.get("Vistrel", "Options", "Show Tips at Startup"), QByteArray("1"));
        QCOMPARE(switches.iconBoxState(), std::optional(0));
        QCOMPARE(switches.tipBoxState(), std::optional(1));
        QVERIFY(switches.saveTipBoxState(0));
        QCOMPARE(switches.tipBoxState(), std::optional(0));
        QCOMPARE(switches.iconBoxState(), std::optional(0));
    }

    void storedTextThatIsNoStateLeavesTheBox_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<std::optional<int>>("state");
        const std::optional<int> unchanged;
        QTest::newRow("blanks around") << QByteArray(" 1 ") << std::optional(1);
        QTest::newRow("greyed") << QByteArray("2") << std::optional(2);
        QTest::newRow("fraction") << QByteArray("0.4") << std::optional(0);
        QTest::newRow("empty") << QByteArray("") << unchanged;
        QTest::newRow("not a number") << QByteArray("abc") << unchanged;
        QTest::newRow("number then text") << QByteArray("1x") << unchanged;
        QTest::newRow("out of range") << QByteArray("7") << unchanged;
        QTest::newRow("negative") << QByteArray("-1") << unchanged;
    }
    void storedTextThatIsNoStateLeavesTheBox()
    {
        QFETCH(QByteArray, stored);
        QFETCH(std::optional<int>, state);
        TempProgramFolder folder;
        QVERIFY(folder.settings().save("Vistrel", "OptionsIcons", "Show Icons", stored));
        QVERIFY(folder.settings().save("Vistrel", "Options", "Show Tips at Startup", stored));
        const OptionSwitches switches(folder.settings());
        QCOMPARE(switches.iconBoxState(), state);
        QCOMPARE(switches.tipBoxState(), state);
    }

    void switchSaveThatFailsIsReported()
    {
        TempProgramFolder folder;
        QFile blocker(folder.filePath(QStringLiteral("blocker")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        platform::SettingsStore blocked(folder.filePath(QStringLiteral("blocker/settings.ini")));
        OptionSwitches switches(blocked);
        QVERIFY(!switches.saveIconBoxState(1));
        QVERIFY(!switches.saveTipBoxState(0));
        QCOMPARE(switches.iconBoxState(), std::optional(1));
    }
};

QTEST_GUILESS_MAIN(OptionSettingsTest)
#include "test_optionsettings.moc"
