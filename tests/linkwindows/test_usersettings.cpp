#include "Control.h"
#include "FileContent.h"
#include "FilePermissions.h"
#include "FileSizeLimit.h"
#include "OpenForm.h"
#include "TempProgramFolder.h"
#include "TestWindows.h"
#include "link/ShowformFile.h"
#include "link/UserSettingsFile.h"
#include "linkwindows/UserSettingsWindow.h"
#include "platform/Codec.h"
#include "platform/TextFiles.h"
#include "ui/ToolbarState.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <optional>

using platform::fromCp1252;

namespace {

// The text of the given character codes.
QByteArray codes(int first, int last)
{
    QByteArray text;
    for (int code = first; code <= last; ++code)
        text += char(code);
    return text;
}

// Saves the window's values, forgets every window and loads the user settings afresh.
UserSettingsWindow& saveAndReload()
{
    testWindows().link.userSettings().save();
    testWindows().destroyAll();
    return testWindows().link.userSettings();
}

} // namespace

class UserSettingsTest : public QObject {
    Q_OBJECT

private:
    std::optional<TempProgramFolder> folder;

    void writeUserSettings(const QByteArray& content)
    {
        QVERIFY(platform::writeFileAtomically(folder->filePath("UserSettings.txt"), content));
    }

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

    void roundTripThroughTheFile_data()
    {
        QTest::addColumn<QString>("userName");
        QTest::addColumn<QString>("userId");
        QTest::addColumn<QString>("password");
        QTest::newRow("empty password") << "alice"
                                        << "17"
                                        << "";
        QTest::newRow("ten characters") << "bob"
                                        << "4711"
                                        << "Pa55w0rd!?";
        QTest::newRow("comma in the name") << "smith, john"
                                           << "1"
                                           << "x";
        QTest::newRow("blanks around the name") << "  spaced  "
                                                << "2"
                                                << " p w ";
        QTest::newRow("8-bit characters")
            << QString::fromUtf8("J\u00f6rg \u20ac") << "3" << fromCp1252(codes(128, 137));
        QTest::newRow("codes 245-254") << "eve"
                                       << "9" << fromCp1252(codes(245, 254));
        QTest::newRow("control codes") << "c"
                                       << "0" << fromCp1252(codes(1, 10));
        QTest::newRow("all empty") << ""
                                   << ""
                                   << "";
    }
    void roundTripThroughTheFile()
    {
        QFETCH(QString, userName);
        QFETCH(QString, userId);
        QFETCH(QString, password);
        UserSettingsWindow& window = testWindows().link.userSettings();
        control<QLineEdit>(window, "txtUserName")->setText(userName);
        control<QLineEdit>(window, "txtUserID")->setText(userId);
        control<QLineEdit>(window, "txtPassword")->setText(password);

        UserSettingsWindow& reloaded = saveAndReload();

        QVERIFY(folder->dialogs().messageTexts().isEmpty());
        QCOMPARE(control<QLineEdit>(reloaded, "txtUserName")->text(), userName);
        QCOMPARE(control<QLineEdit>(reloaded, "txtUserID")->text(), userId);
        QCOMPARE(control<QLineEdit>(reloaded, "txtPassword")->text(), password);
    }

    // Every code that the cipher brings back, beyond what the password box holds.
    void storedPasswordFormRestoresCodes0To254()
    {
        const QByteArray password = codes(0, 254);
        QVERIFY(writeUserSettingsFile({"n", "1", password}));
        const StoredUserSettings stored = readUserSettingsFile();
        QCOMPARE(stored.passwordCodes.count(' '), 254);
        QVERIFY(QRegularExpression("^[0-9]+( [0-9]+)*$").match(QString::fromLatin1(stored.passwordCodes)).hasMatch());
        QCOMPARE(passwordFromCodeList(stored.passwordCodes), password);
    }

    void fileFormatByteForByte()
    {
        UserSettingsWindow& window = testWindows().link.userSettings();
        control<QLineEdit>(window, "txtUserName")->setText("alice");
        control<QLineEdit>(window, "txtUserID")->setText("42");
        control<QLineEdit>(window, "txtPassword")->setText("abc");
        window.save();
        // "abc" under the fixed key, last cipher character first.
        QCOMPARE(fileContent(folder->filePath("UserSettings.txt")),
                 QByteArray("\"alice\"\r\n\"42\"\r\n\"13 6 130\"\r\n"));

        control<QLineEdit>(window, "txtPassword")->clear();
        window.save();
        QCOMPARE(fileContent(folder->filePath("UserSettings.txt")), QByteArray("\"alice\"\r\n\"42\"\r\n\"\"\r\n"));
    }

    void fileIsReadableByItsOwnerOnly()
    {
        control<QLineEdit>(testWindows().link.userSettings(), "txtPassword")->setText("secret");
        testWindows().link.userSettings().save();
        QCOMPARE(permissionBits(folder->filePath("UserSettings.txt")), 0600);
        QVERIFY(!fileContent(folder->filePath("UserSettings.txt")).contains("secret"));
    }

    void missingFileEmptiesEveryBox()
    {
        UserSettingsWindow& window = testWindows().link.userSettings();
        QVERIFY(control<QLineEdit>(window, "txtUserName")->text().isEmpty());
        QVERIFY(control<QLineEdit>(window, "txtUserID")->text().isEmpty()); // not the design-time "0"
        QVERIFY(control<QLineEdit>(window, "txtPassword")->text().isEmpty());
        QVERIFY(folder->dialogs().messageBoxes().isEmpty());
        QVERIFY(!window.isVisible());
        QVERIFY(!control<QLabel>(window, "lblWarning")->isVisibleTo(&window));
        QVERIFY(!control<QPushButton>(window, "cmdRetry")->isVisibleTo(&window));
    }

    void damagedFileNeverShiftsValues_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("userName");
        QTest::addColumn<QString>("userId");
        QTest::addColumn<QByteArray>("passwordCodes"); // the list the password must equal

        QTest::newRow("one line") << QByteArray("\"alice\"\r\n") << "alice"
                                  << "" << QByteArray();
        QTest::newRow("two lines, no end") << QByteArray("\"alice\"\r\n\"42\"") << "alice"
                                           << "42" << QByteArray();
        QTest::newRow("empty file") << QByteArray() << ""
                                    << "" << QByteArray();
        QTest::newRow("unquoted values with commas") << QByteArray("alice,bob\r\n42,43\r\n13 6 130,9\r\n") << "alice"
                                                     << "42" << QByteArray("13 6 130");
        QTest::newRow("unclosed quote stays on its line")
            << QByteArray("\"alice\r\n\"42\"\r\n\"13 6 130\"\r\n") << "alice"
            << "42" << QByteArray("13 6 130");
        QTest::newRow("non-number ends the code list") << QByteArray("\"a\"\r\n\"1\"\r\n\"13 6 x 130\"\r\n") << "a"
                                                       << "1" << QByteArray("13 6");
        QTest::newRow("number with letters ends the list") << QByteArray("\"a\"\r\n\"1\"\r\n\"13 6a 130\"\r\n") << "a"
                                                           << "1" << QByteArray("13");
        QTest::newRow("code above 255 ends the list") << QByteArray("\"a\"\r\n\"1\"\r\n\"13 999 130\"\r\n") << "a"
                                                      << "1" << QByteArray("13");
        QTest::newRow("double blank ends the list") << QByteArray("\"a\"\r\n\"1\"\r\n\"13  6 130\"\r\n") << "a"
                                                    << "1" << QByteArray("13");
        QTest::newRow("negative number ends the list") << QByteArray("\"a\"\r\n\"1\"\r\n\"-13 6\"\r\n") << "a"
                                                       << "1" << QByteArray();
        QTest::newRow("binary garbage") << QByteArray("\x00\xff\x01\r\n\"\r\n\",,,\r\n", 14)
                                        << fromCp1252(QByteArray("\x00\xff\x01", 3)) << "" << QByteArray();
    }
    void damagedFileNeverShiftsValues()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, userName);
        QFETCH(QString, userId);
        QFETCH(QByteArray, passwordCodes);
        writeUserSettings(content);
        UserSettingsWindow& window = testWindows().link.userSettings();
        QCOMPARE(control<QLineEdit>(window, "txtUserName")->text(), userName);
        QCOMPARE(control<QLineEdit>(window, "txtUserID")->text(), userId);
        QCOMPARE(control<QLineEdit>(window, "txtPassword")->text(), fromCp1252(passwordFromCodeList(passwordCodes)));
        QVERIFY(folder->dialogs().messageBoxes().isEmpty());
    }

    void failedSaveKeepsTheOldFileWithOneError()
    {
        writeUserSettings("\"old\"\r\n\"1\"\r\n\"\"\r\n");
        UserSettingsWindow& window = testWindows().link.userSettings();
        control<QLineEdit>(window, "txtUserName")->setText("new name");
        control<QLineEdit>(window, "txtPassword")->setText("0123456789");
        {
            FileSizeLimit limit(8);
            window.save();
        }
        QCOMPARE(fileContent(folder->filePath("UserSettings.txt")), QByteArray("\"old\"\r\n\"1\"\r\n\"\"\r\n"));
        QCOMPARE(folder->dialogs().messageTexts(), QStringList{"Error Saving settings.. =  57"});
        QCOMPARE(control<QLineEdit>(window, "txtUserName")->text(), QString("new name"));
        QCOMPARE(control<QLineEdit>(window, "txtPassword")->text(), QString("0123456789"));
    }

    // Values that code put into the boxes are checked at the save as well.
    void valuesThatCannotBeReadBackAreNotSaved_data()
    {
        QTest::addColumn<QString>("userName");
        QTest::addColumn<QString>("userId");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("message");
        QTest::newRow("quote in the name") << "a\"b"
                                           << "1"
                                           << ""
                                           << "double quote";
        QTest::newRow("quote in the ID") << "a"
                                         << "1\""
                                         << ""
                                         << "double quote";
        QTest::newRow("code 255 in the password") << "a"
                                                  << "1" << QString::fromUtf8("pw\u00ff") << "code 255";
    }
    void valuesThatCannotBeReadBackAreNotSaved()
    {
        QFETCH(QString, userName);
        QFETCH(QString, userId);
        QFETCH(QString, password);
        QFETCH(QString, message);
        writeUserSettings("\"old\"\r\n\"1\"\r\n\"\"\r\n");
        UserSettingsWindow& window = testWindows().link.userSettings();
        control<QLineEdit>(window, "txtUserName")->setText(userName);
        control<QLineEdit>(window, "txtUserID")->setText(userId);
        control<QLineEdit>(window, "txtPassword")->setText(password);
        window.save();
        QCOMPARE(fileContent(folder->filePath("UserSettings.txt")), QByteArray("\"old\"\r\n\"1\"\r\n\"\"\r\n"));
        QCOMPARE(folder->dialogs().messageTexts().size(), 1);
        QVERIFY2(folder->dialogs().messageTexts().first().contains(message),
                 qPrintable(folder->dialogs().messageTexts().first()));
    }

    void typingRefusesTheCharactersThatCannotBeStored_data()
    {
        QTest::addColumn<bool>("intoPassword");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("message");
        QTest::newRow("quote in the name") << false << "ab\"cd"
                                           << "abcd"
                                           << "double quote";
        QTest::newRow("code 255 in the password") << true << QString::fromUtf8("pw\u00ffd") << "pwd"
                                                  << "code 255";
    }
    void typingRefusesTheCharactersThatCannotBeStored()
    {
        QFETCH(bool, intoPassword);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QFETCH(QString, message);
        UserSettingsWindow& window = openForm(testWindows().link.userSettings);
        QLineEdit* box =
            intoPassword ? control<QLineEdit>(window, "txtPassword") : control<QLineEdit>(window, "txtUserName");
        QTest::keyClicks(box, typed);
        QCOMPARE(box->text(), kept);
        QCOMPARE(folder->dialogs().messageTexts().size(), 1);
        QVERIFY(folder->dialogs().messageTexts().first().contains(message));
        // The message never shows the password.
        QVERIFY(!folder->dialogs().messageTexts().first().contains("pw"));
    }

    void passwordIsShownMasked()
    {
        UserSettingsWindow& window = testWindows().link.userSettings();
        QCOMPARE(control<QLineEdit>(window, "txtPassword")->echoMode(), QLineEdit::Password);
        QVERIFY(!control<QLineEdit>(window, "txtUserID")->isEnabled());
    }

    // The user can type at most 15 characters of a name and 10 of a password; a longer
    // value that the program puts there (read from the file, or confirmed by the
    // reflector) is kept whole and saved whole.
    void lengthLimitsHoldOnlyForTyping()
    {
        UserSettingsWindow& window = openForm(testWindows().link.userSettings);
        QTest::keyClicks(control<QLineEdit>(window, "txtUserName"), "abcdefghijklmnopq");
        QTest::keyClicks(control<QLineEdit>(window, "txtPassword"), "0123456789xyz");
        QCOMPARE(control<QLineEdit>(window, "txtUserName")->text(), "abcdefghijklmno");
        QCOMPARE(control<QLineEdit>(window, "txtPassword")->text(), "0123456789");

        control<QLineEdit>(window, "txtUserName")->setText("a name of twenty-one");
        control<QLineEdit>(window, "txtPassword")->setText("a longer password");
        QCOMPARE(control<QLineEdit>(window, "txtPassword")->text(), "a longer password");
        UserSettingsWindow& reloaded = saveAndReload();
        QCOMPARE(control<QLineEdit>(reloaded, "txtUserName")->text(), "a name of twenty-one");
        QCOMPARE(control<QLineEdit>(reloaded, "txtPassword")->text(), "a longer password");
    }

    void showformIsWrittenOnEveryChange()
    {
        UserSettingsWindow& window = testWindows().link.userSettings();
        QVERIFY(control<QCheckBox>(window, "Check1")->isChecked());
        QVERIFY(!QFile::exists(folder->filePath("Showform.txt"))); // loading writes nothing

        control<QCheckBox>(window, "Check1")->setChecked(false); // by code, as the start-up step does
        QCOMPARE(fileContent(folder->filePath("Showform.txt")), QByteArray("0\r\n"));
        QCOMPARE(readShowformFile(), QByteArray("0"));
        control<QCheckBox>(window, "Check1")->setCheckState(Qt::Checked);
        QCOMPARE(fileContent(folder->filePath("Showform.txt")), QByteArray("1\r\n"));

        openForm(testWindows().link.userSettings);
        QTest::mouseClick(control<QCheckBox>(window, "Check1"), Qt::LeftButton); // by the user
        QCOMPARE(fileContent(folder->filePath("Showform.txt")), QByteArray("0\r\n"));
        QTest::mouseClick(control<QCheckBox>(window, "Check1"), Qt::LeftButton);
        QCOMPARE(fileContent(folder->filePath("Showform.txt")), QByteArray("1\r\n"));
        QCOMPARE(readShowformFile(), QByteArray("1"));
        QVERIFY(folder->dialogs().messageBoxes().isEmpty());
    }

    void readingShowform_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QByteArray>("value");
        QTest::newRow("one") << QByteArray("1\r\n") << QByteArray("1");
        QTest::newRow("empty file") << QByteArray() << QByteArray();
        QTest::newRow("first value only") << QByteArray(" 0,1\r\n1\r\n") << QByteArray("0");
    }
    void readingShowform()
    {
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, value);
        QVERIFY(platform::writeFileAtomically(folder->filePath("Showform.txt"), content));
        QCOMPARE(readShowformFile(), value);
    }

    void readingAMissingShowformGivesTheEmptyText() { QCOMPARE(readShowformFile(), QByteArray()); }

    void closingHidesTheWarningAndKeepsValues()
    {
        ui::toolbarState().setActive(ui::ToolbarEntry::UserSettings, true);
        UserSettingsWindow& window = openForm(testWindows().link.userSettings);
        control<QLineEdit>(window, "txtUserName")->setText("alice");
        control<QLineEdit>(window, "txtPassword")->setText("pw");
        // What the reply handling does after a rejected login.
        control<QLabel>(window, "lblWarning")->show();
        control<QPushButton>(window, "cmdRetry")->show();

        QVERIFY(!window.close());

        QVERIFY(!window.isVisible());
        QVERIFY(!ui::toolbarState().isActive(ui::ToolbarEntry::UserSettings));
        QVERIFY(!control<QLabel>(window, "lblWarning")->isVisibleTo(&window));
        QVERIFY(control<QPushButton>(window, "cmdRetry")->isVisibleTo(&window)); // until it is used
        UserSettingsWindow& again = openForm(testWindows().link.userSettings);
        QCOMPARE(&again, &window);
        QCOMPARE(control<QLineEdit>(again, "txtUserName")->text(), QString("alice"));
        QCOMPARE(control<QLineEdit>(again, "txtPassword")->text(), QString("pw"));
        QVERIFY(!QFile::exists(folder->filePath("UserSettings.txt"))); // closing does not save
    }

    void retryRunsTheLoginBeforeTheWindowCloses()
    {
        UserSettingsWindow& window = openForm(testWindows().link.userSettings);
        control<QLabel>(window, "lblWarning")->show();
        control<QPushButton>(window, "cmdRetry")->show();
        QStringList seen;
        connect(&window, &UserSettingsWindow::retryLogin, this, [&] {
            seen << QString("login: window %1, retry %2")
                        .arg(window.isVisible() ? "shown" : "hidden",
                             control<QPushButton>(window, "cmdRetry")->isVisibleTo(&window) ? "shown" : "hidden");
        });

        QTest::mouseClick(control<QPushButton>(window, "cmdRetry"), Qt::LeftButton);

        QCOMPARE(seen, QStringList{"login: window shown, retry hidden"});
        QVERIFY(!window.isVisible());
        QVERIFY(!control<QLabel>(window, "lblWarning")->isVisibleTo(&window));
        QVERIFY(!control<QPushButton>(window, "cmdRetry")->isVisibleTo(&window));
    }

    void outsideAddressIsHeldButNotShown()
    {
        UserSettingsWindow& window = openForm(testWindows().link.userSettings);
        control<QLineEdit>(window, "txtIPAddress")->setText("203.0.113.9");
        QVERIFY(!control<QLineEdit>(window, "txtIPAddress")->isVisible());
        QCOMPARE(control<QLineEdit>(window, "txtIPAddress")->text(), QString("203.0.113.9"));
    }
};

QTEST_MAIN(UserSettingsTest)
#include "test_usersettings.moc"
