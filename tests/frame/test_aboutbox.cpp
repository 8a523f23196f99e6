// The about box: its texts, the machine-wide settings values it reads, where it finds
// the system information tool (or says it cannot), and the toolbar button it gives
// back when it closes.
#include "Control.h"
#include "FrameWorld.h"
#include "TestWindows.h"
#include "ToolbarEntries.h"
#include "frame/AboutBox.h"
#include "frame/FrameWindow.h"
#include "frame/ToolbarControl.h"
#include "frame/ToolbarPositions.h"
#include "platform/MachineSettings.h"
#include "ui/CommandRegistry.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

const QByteArray kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const QByteArray kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const QString kUnavailable = QStringLiteral("System Information Is Unavailable At This Time");

// Points the program at a machine-wide settings file of the test's own.
class MachineSettingsFile {
public:
    explicit MachineSettingsFile(const QString& path) : path_(path)
    {
        qputenv(platform::kMachineSettingsVariable, QFile::encodeName(path));
    }
    ~MachineSettingsFile() { qunsetenv(platform::kMachineSettingsVariable); }

    void write(const QByteArray& content)
    {
        QFile file(path_);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

private:
    QString path_;
};

QByteArray keyLine(const QByteArray& key)
{
    return "[" + key + "]\n";
}

} // namespace

class TestAboutBox : public QObject {
    Q_OBJECT
private slots:
    void texts();
    void keyValues_data();
    void keyValues();
    void missingFileReadsNothing();
    void systemInfoTool_data();
    void systemInfoTool();
    void closingGivesBackOnlyTheAboutButton_data();
    void closingGivesBackOnlyTheAboutButton();
};

void TestAboutBox::texts()
{
    FrameWorld world;
    QVERIFY(ui::commands().run(ui::command::kShowAbout));
    AboutBox& box = testWindows().frames.about();
    QVERIFY(box.isVisible());
    QCOMPARE(box.windowTitle(), QStringLiteral("About Vistrel"));
    QCOMPARE(box.findChild<QLabel*>("lblVersion")->text(), QStringLiteral("Version 2.0.1"));
    QCOMPARE(box.findChild<QLabel*>("lblTitle")->text(), QStringLiteral("Vistrel"));
    QCOMPARE(box.findChild<QLabel*>("lblModule")->text(), QStringLiteral("Modules Loaded = "));
    QCOMPARE(box.findChild<QPushButton*>("cmdSysInfo")->text(), QStringLiteral("&System Info..."));
}

void TestAboutBox::keyValues_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("valueName");
    QTest::addColumn<bool>("read");
    QTest::addColumn<QByteArray>("value");

    const QByteArray key = "SOFTWARE\\Test";
    const QByteArray head = "; machine-wide settings\n\n" + keyLine(key);
    QTest::newRow("text") << head + "\"PATH\"=\"/usr/bin/tool\"\n"
                          << key << QByteArray("PATH") << true << QByteArray("/usr/bin/tool");
    QTest::newRow("text with escapes") << head + "\"PATH\"=\"C:\\\\Tools\\\\\\\"x\\\"\"\n"
                                       << key << QByteArray("PATH") << true << QByteArray("C:\\Tools\\\"x\"");
    QTest::newRow("names without regard to case")
        << head + "\"Path\"=\"t\"\n"
        << QByteArray("software\\TEST") << QByteArray("PATH") << true << QByteArray("t");
    QTest::newRow("number, two digits a byte") << head + "\"N\"=dword:00000400\n"
                                               << key << QByteArray("N") << true << QByteArray("&h00000400");
    QTest::newRow("number, every byte") << head + "\"N\"=dword:0a0b0c0d\n"
                                        << key << QByteArray("N") << true << QByteArray("&h0A0B0C0D");
    QTest::newRow("bytes are an unknown type") << head + "\"B\"=hex:01,02\n"
                                               << key << QByteArray("B") << false << QByteArray();
    QTest::newRow("typed bytes are an unknown type") << head + "\"B\"=hex(7):61,00\n"
                                                     << key << QByteArray("B") << false << QByteArray();
    QTest::newRow("longest text that fits") << head + "\"L\"=\"" + QByteArray(1023, 'x') + "\"\n"
                                            << key << QByteArray("L") << true << QByteArray(1023, 'x');
    QTest::newRow("text too long with its end") << head + "\"L\"=\"" + QByteArray(1024, 'x') + "\"\n"
                                                << key << QByteArray("L") << false << QByteArray();
    QTest::newRow("value under another key") << keyLine("SOFTWARE\\Other") + "\"PATH\"=\"t\"\n" + keyLine(key) << key
                                             << QByteArray("PATH") << false << QByteArray();
    QTest::newRow("no such key") << head + "\"PATH\"=\"t\"\n"
                                 << QByteArray("SOFTWARE\\None") << QByteArray("PATH") << false << QByteArray();
    QTest::newRow("no such value") << head + "\"PATH\"=\"t\"\n" << key << QByteArray("MSINFO") << false << QByteArray();
    QTest::newRow("unclosed text") << head + "\"PATH\"=\"t\n" << key << QByteArray("PATH") << false << QByteArray();
    QTest::newRow("short number") << head + "\"N\"=dword:400\n" << key << QByteArray("N") << false << QByteArray();
}

void TestAboutBox::keyValues()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, valueName);
    QFETCH(bool, read);
    QFETCH(QByteArray, value);
    FrameWorld world;
    world.writeProgramFile(QStringLiteral("machine.reg"), file);

    QByteArray got = "left from before";
    QCOMPARE(AboutBox::readKeyValue(world.folder().filePath(QStringLiteral("machine.reg")), key, valueName, got), read);
    QCOMPARE(got, value);
}

void TestAboutBox::missingFileReadsNothing()
{
    FrameWorld world;
    QByteArray got = "x";
    QVERIFY(!AboutBox::readKeyValue(world.folder().filePath(QStringLiteral("none.reg")), kToolKey, "PATH", got));
    QVERIFY(got.isEmpty());
}

void TestAboutBox::systemInfoTool_data()
{
    QTest::addColumn<bool>("toolEntry");
    QTest::addColumn<bool>("folderEntry");
    QTest::addColumn<bool>("toolInFolder");
    QTest::addColumn<bool>("startsSucceed");
    QTest::addColumn<QString>("started"); // "tool", "folder" or empty
    QTest::newRow("both keys: the tool's own, unchecked") << true << true << true << true << "tool";
    QTest::newRow("only the tool's key") << true << false << false << true << "tool";
    QTest::newRow("only the folder's key") << false << true << true << true << "folder";
    QTest::newRow("folder without the tool") << false << true << false << true << QString();
    QTest::newRow("neither key") << false << false << true << true << QString();
    QTest::newRow("the start fails") << true << false << false << false << "tool";
}

void TestAboutBox::systemInfoTool()
{
    QFETCH(bool, toolEntry);
    QFETCH(bool, folderEntry);
    QFETCH(bool, toolInFolder);
    QFETCH(bool, startsSucceed);
    QFETCH(QString, started);
    FrameWorld world;
    TempProgramFolder& folder = world.folder();
    MachineSettingsFile settings(folder.filePath(QStringLiteral("machine.reg")));
    const QString toolFolder = folder.filePath(QStringLiteral("msinfo"));
    QVERIFY(QDir().mkpath(toolFolder));
    if (toolInFolder)
        world.writeProgramFile(QStringLiteral("msinfo/MSINFO32.EXE"), "#!/bin/sh\n");
    // The tool's own entry names a file that does not exist: it is started unchecked.
    const QString ownTool = folder.filePath(QStringLiteral("missing/sysinfo"));
    QByteArray content = "[SOFTWARE\\Unrelated]\n\"PATH\"=\"/elsewhere\"\n";
    if (toolEntry)
        content += keyLine(kToolKey) + "\"PATH\"=\"" + QFile::encodeName(ownTool) + "\"\n";
    if (folderEntry)
        content += keyLine(kFolderKey) + "\"MSINFO\"=\"" + QFile::encodeName(toolFolder) + "\"\n";
    settings.write(content);
    folder.launcher().setStartsSucceed(startsSucceed);

    AboutBox& box = testWindows().frames.about();
    box.show();
    box.findChild<QPushButton*>("cmdSysInfo")->click();

    const QString expectedProgram = started == "tool" ? ownTool
        : started == "folder"                         ? toolFolder + QStringLiteral("/MSINFO32.EXE")
                                                      : QString();
    QCOMPARE(folder.launcher().starts().size(), expectedProgram.isEmpty() ? 0 : 1);
    if (!expectedProgram.isEmpty()) {
        QCOMPARE(folder.launcher().starts().first().program, expectedProgram);
        QVERIFY(folder.launcher().starts().first().arguments.isEmpty());
    }
    const bool unavailable = expectedProgram.isEmpty() || !startsSucceed;
    QCOMPARE(folder.dialogs().messageTexts(), unavailable ? QStringList{kUnavailable} : QStringList{});
    if (unavailable) {
        QCOMPARE(folder.dialogs().messageBoxes().first().buttons, platform::MessageButtons::Ok);
        QCOMPARE(folder.dialogs().messageBoxes().first().title, QStringLiteral("Vistrel"));
    }
    QVERIFY(box.isVisible());
}

void TestAboutBox::closingGivesBackOnlyTheAboutButton_data()
{
    QTest::addColumn<bool>("byOk");
    QTest::newRow("OK") << true;
    QTest::newRow("close box") << false;
}

void TestAboutBox::closingGivesBackOnlyTheAboutButton()
{
    QFETCH(bool, byOk);
    FrameWorld world;
    FrameWindow& frame = testWindows().frames.frame();
    AboutBox& box = testWindows().frames.about();
    box.show();
    setCommandToolbarEntries(true);
    for (int position = 1; position <= kToolbarPositions; ++position)
        if (!toolbarPosition(position).separator)
            control<ToolbarControl>(frame, "Toolbar1")->setButtonImage(position, ToolbarControl::PictureActive);

    if (byOk)
        box.findChild<QPushButton*>("cmdOK")->click();
    else
        box.close();

    QVERIFY(!box.isVisible());
    for (ui::ToolbarEntry entry : commandToolbarEntries())
        QCOMPARE(ui::toolbarState().isActive(entry), entry != ui::ToolbarEntry::About);
    for (int position = 1; position <= kToolbarPositions; ++position)
        if (!toolbarPosition(position).separator)
            QCOMPARE(control<ToolbarControl>(frame, "Toolbar1")->buttonImage(position),
                     int(position == 15 ? ToolbarControl::PictureNormal : ToolbarControl::PictureActive));
}

QTEST_MAIN(TestAboutBox)
#include "test_aboutbox.moc"
