#include "Control.h"
#include "FileContent.h"
#include "FileSizeLimit.h"
#include "OpenForm.h"
#include "TempProgramFolder.h"
#include "TestWindows.h"
#include "link/ServerSettingsFile.h"
#include "linkwindows/ServerSettingsWindow.h"
#include "platform/TextFiles.h"
#include "platform/Twips.h"
#include "ui/ToolbarState.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <optional>

namespace {

} // namespace

class ServerSettingsTest : public QObject {
    Q_OBJECT

private:
    std::optional<TempProgramFolder> folder;

private slots:
    void init()
    {
        folder.emplace();
        ui::toolbarState() = {};
    }
    void cleanup()
    {
        testWindows().destroyAll();
        folder.reset();
    }

    void loadLeavesTheWindowHiddenWithDesignValues()
    {
        ServerSettingsWindow& window = testWindows().link.serverSettings();
        QVERIFY(!window.isVisible());
        QVERIFY(control<QLineEdit>(window, "txtIPAddress")->text().isEmpty());
        QVERIFY(control<QLineEdit>(window, "txtIPAddressBackUp")->text().isEmpty());
        QCOMPARE(control<QLineEdit>(window, "txtPort")->text(), QString("80"));
        QCOMPARE(control<QLineEdit>(window, "txtViewerPort")->text(), QString("80"));
        QVERIFY(control<QLineEdit>(window, "txtPort")->isEnabled());
        QVERIFY(!control<QLineEdit>(window, "txtViewerPort")->isEnabled());
        QCOMPARE(window.size(), QSize(platform::twips(5850), platform::twips(3330)));
        QCOMPARE(control<QPushButton>(window, "Command1")->text(), QString("Save Settings"));
        QVERIFY(!QFile::exists(folder->filePath("ServerSettings.txt")));
    }

    void saveWritesTheTwoAddressesAsRawLines_data()
    {
        QTest::addColumn<QString>("primary");
        QTest::addColumn<QString>("backup");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("two addresses") << "reflector.example.net"
                                       << "10.1.2.3" << QByteArray("reflector.example.net\r\n10.1.2.3\r\n");
        QTest::newRow("both empty") << ""
                                    << "" << QByteArray("\r\n\r\n");
        QTest::newRow("kept as typed: blanks, comma, quotes")
            << " a.example ,b"
            << "\"quoted\"" << QByteArray(" a.example ,b\r\n\"quoted\"\r\n");
        QTest::newRow("one byte per character")
            << QString::fromUtf8("h\u00e9te") << QString::fromUtf8("\u20ac") << QByteArray("h\xe9te\r\n\x80\r\n");
    }
    void saveWritesTheTwoAddressesAsRawLines()
    {
        QFETCH(QString, primary);
        QFETCH(QString, backup);
        QFETCH(QByteArray, bytes);
        ServerSettingsWindow& window = openForm(testWindows().link.serverSettings);
        control<QLineEdit>(window, "txtIPAddress")->setText(primary);
        control<QLineEdit>(window, "txtIPAddressBackUp")->setText(backup);
        control<QLineEdit>(window, "txtPort")->setText("8080");

        control<QPushButton>(window, "Command1")->click();

        QCOMPARE(fileContent(folder->filePath("ServerSettings.txt")), bytes);
        QCOMPARE(folder->dialogs().messageTexts(), QStringList{"Server Settings Saved..."});
        const platform::MessageBoxRequest& box = folder->dialogs().messageBoxes().first();
        QCOMPARE(box.buttons, platform::MessageButtons::Ok);
        QCOMPARE(box.icon, platform::MessageIcon::None);
        // The save closes the window, which only hides it: the boxes keep their values.
        QVERIFY(!window.isVisible());
        QCOMPARE(control<QLineEdit>(window, "txtIPAddress")->text(), primary);
        QCOMPARE(control<QLineEdit>(window, "txtIPAddressBackUp")->text(), backup);
        QCOMPARE(control<QLineEdit>(window, "txtPort")->text(), QString("8080"));
    }

    void aSecondSaveReplacesTheFile()
    {
        ServerSettingsWindow& window = testWindows().link.serverSettings();
        control<QLineEdit>(window, "txtIPAddress")->setText("first.example.net");
        control<QLineEdit>(window, "txtIPAddressBackUp")->setText("first-backup.example.net");
        window.save();
        control<QLineEdit>(window, "txtIPAddress")->setText("b");
        control<QLineEdit>(window, "txtIPAddressBackUp")->clear();
        window.save();
        QCOMPARE(fileContent(folder->filePath("ServerSettings.txt")), QByteArray("b\r\n\r\n"));
    }

    void failedSaveKeepsTheOldFileAndReportsNoSuccess()
    {
        QVERIFY(platform::writeRawLines(folder->filePath("ServerSettings.txt"), {"old.example.net", "old-backup"}));
        ServerSettingsWindow& window = openForm(testWindows().link.serverSettings);
        control<QLineEdit>(window, "txtIPAddress")->setText(QString(4096, 'x'));
        control<QLineEdit>(window, "txtIPAddressBackUp")->setText("new-backup");
        {
            FileSizeLimit limit(16);
            window.save();
        }
        QCOMPARE(fileContent(folder->filePath("ServerSettings.txt")), QByteArray("old.example.net\r\nold-backup\r\n"));
        const QStringList shown = folder->dialogs().messageTexts();
        QCOMPARE(shown.size(), 1);
        QVERIFY(!shown.first().isEmpty());
        QVERIFY(!shown.first().contains("Saved"));
        // Nothing was saved, so the window stays open with what the user typed.
        QVERIFY(window.isVisible());
        QCOMPARE(control<QLineEdit>(window, "txtIPAddressBackUp")->text(), QString("new-backup"));
    }

    void closingHidesAndKeepsUnsavedValues()
    {
        QVERIFY(platform::writeRawLines(folder->filePath("ServerSettings.txt"), {"saved", "saved-backup"}));
        ui::toolbarState().setActive(ui::ToolbarEntry::ServerSettings, true);
        ui::toolbarState().setActive(ui::ToolbarEntry::Status, true);
        ServerSettingsWindow& window = openForm(testWindows().link.serverSettings);
        control<QLineEdit>(window, "txtIPAddress")->setText("typed.example.net");
        control<QLineEdit>(window, "txtPort")->setText("81");

        QVERIFY(!window.close());

        QVERIFY(!window.isVisible());
        QVERIFY(testWindows().link.serverSettings.isMade());
        QVERIFY(!ui::toolbarState().isActive(ui::ToolbarEntry::ServerSettings));
        QVERIFY(ui::toolbarState().isActive(ui::ToolbarEntry::Status)); // another window's entry stays
        QCOMPARE(fileContent(folder->filePath("ServerSettings.txt")), QByteArray("saved\r\nsaved-backup\r\n"));

        ServerSettingsWindow& again = openForm(testWindows().link.serverSettings);
        QCOMPARE(&again, &window);
        QCOMPARE(control<QLineEdit>(again, "txtIPAddress")->text(), QString("typed.example.net"));
        QCOMPARE(control<QLineEdit>(again, "txtPort")->text(), QString("81"));
    }

    void readingTheFileTakesTheFirstValueOfEachLine_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QByteArray>("primary");
        QTest::addColumn<QByteArray>("backup");
        QTest::newRow("as written") << QByteArray("a.example\r\nb.example\r\n") << QByteArray("a.example")
                                    << QByteArray("b.example");
        QTest::newRow("comma ends the address, the next line stays the backup")
            << QByteArray("a.example,extra\r\nb.example\r\n") << QByteArray("a.example") << QByteArray("b.example");
        QTest::newRow("quoted address, comma inside kept")
            << QByteArray("\"a,example\"\r\n  \"b\"\r\n") << QByteArray("a,example") << QByteArray("b");
        QTest::newRow("leading blanks skipped")
            << QByteArray("   a\r\n\tb\r\n") << QByteArray("a") << QByteArray("\tb");
        QTest::newRow("two empty lines") << QByteArray("\r\n\r\n") << QByteArray() << QByteArray();
        QTest::newRow("one line") << QByteArray("only.example\r\n") << QByteArray("only.example") << QByteArray();
        QTest::newRow("one line without line end") << QByteArray("only") << QByteArray("only") << QByteArray();
        QTest::newRow("LF line ends") << QByteArray("a\nb\n") << QByteArray("a") << QByteArray("b");
        QTest::newRow("empty file") << QByteArray() << QByteArray() << QByteArray();
        QTest::newRow("more lines than two") << QByteArray("a\r\nb\r\nc\r\n") << QByteArray("a") << QByteArray("b");
        QTest::newRow("8-bit bytes") << QByteArray("h\xe9te\r\n\x80\r\n") << QByteArray("h\xe9te")
                                     << QByteArray("\x80");
    }
    void readingTheFileTakesTheFirstValueOfEachLine()
    {
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, primary);
        QFETCH(QByteArray, backup);
        QVERIFY(platform::writeFileAtomically(folder->filePath("ServerSettings.txt"), content));
        const ServerAddresses read = readServerSettingsFile();
        QCOMPARE(read.primary, primary);
        QCOMPARE(read.backup, backup);
    }

    void readingAMissingFileGivesEmptyAddresses()
    {
        const ServerAddresses read = readServerSettingsFile();
        QVERIFY(read.primary.isEmpty());
        QVERIFY(read.backup.isEmpty());
    }

    void savedAddressesComeBack()
    {
        ServerSettingsWindow& window = testWindows().link.serverSettings();
        control<QLineEdit>(window, "txtIPAddress")->setText(QString::fromUtf8("r\u00e9flector.example"));
        control<QLineEdit>(window, "txtIPAddressBackUp")->setText("192.168.0.7");
        window.save();
        const ServerAddresses read = readServerSettingsFile();
        QCOMPARE(read.primary,
                 QByteArray("r\xe9"
                            "flector.example"));
        QCOMPARE(read.backup, QByteArray("192.168.0.7"));
    }
};

QTEST_MAIN(ServerSettingsTest)
#include "test_serversettings.moc"
