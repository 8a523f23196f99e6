// The options window's switches: what its load, activation and close read and write
// (OptionSettings.txt and the settings store), the icon switch's warning, the hidden
// encryption switch, the Options command and the right-click help pages.
#include "Control.h"
#include "FileContent.h"
#include "FilePermissions.h"
#include "FileSizeLimit.h"
#include "FrameWorld.h"
#include "TestWindows.h"
#include "link/ReflectorSession.h"
#include "tools/OptionsWindow.h"
#include "tools/RestrictedTopicsFrame.h"
#include "ui/CommandRegistry.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <optional>

using platform::MessageAnswer;

namespace {

constexpr char kOptionsFile[] = "OptionSettings.txt";
const QString kWarning = QStringLiteral("Warning loading the hundreds of icons that the Vistrel uses on older PCs san "
                                        "take several minutes to load. Do you want to continue anyway? ");

} // namespace

class TestOptionsWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void firstRunTicksTheBoxAtTheFirstActivation();
    void optionsFileAtLoad_data();
    void optionsFileAtLoad();
    void closeWithTheBoxTickedWritesOne();
    void untickAnsweredNoKeepsIconsOff();
    void untickAnsweredYesSwitchesIconsOn();
    void warningOnlyWhenTheStoredValueDiffers();
    void failedWriteKeepsTheOldFileWithOneError();
    void tipBoxIsStored();
    void encryptionSwitchIsNeverShown();
    void optionsCommandShowsTheWindow();
    void rightClickOpensHelpPages_data();
    void rightClickOpensHelpPages();
    void frameClickAsksForTheLoginFirst();

private:
    QByteArray stored(const QByteArray& section, const QByteArray& key)
    {
        return world_->folder().settings().get("Vistrel", section, key, "absent");
    }
    QStringList boxes() { return world_->folder().dialogs().messageTexts(); }

    std::optional<FrameWorld> world_;
    // The icon switch's choice, as the window hands it to the tree through its two commands.
    bool noIcons_ = false;
};

void TestOptionsWindow::init()
{
    noIcons_ = false;
    ui::commands().add(ui::command::kTreeWithPictures, [this] { noIcons_ = false; });
    ui::commands().add(ui::command::kTreeWithoutPictures, [this] { noIcons_ = true; });
    world_.emplace();
}

void TestOptionsWindow::cleanup()
{
    world_.reset();
}

void TestOptionsWindow::firstRunTicksTheBoxAtTheFirstActivation()
{
    OptionsWindow& options = testWindows().tools.options();
    QVERIFY(!options.isVisible());
    QVERIFY(!options.iconLoadingSwitchedOff());
    QVERIFY(!noIcons_);

    options.showStoredSwitches();
    QVERIFY(options.iconLoadingSwitchedOff());
    QVERIFY(noIcons_);
    QCOMPARE(stored("OptionsIcons", "Show Icons"), QByteArray("1"));
    QCOMPARE(control<QCheckBox>(options, "Check3")->checkState(), Qt::Checked);
    QVERIFY(!options.isVisible());
    QVERIFY(boxes().isEmpty());
}

void TestOptionsWindow::optionsFileAtLoad_data()
{
    QTest::addColumn<std::optional<QByteArray>>("content");
    QTest::addColumn<bool>("ticked");
    QTest::newRow("missing") << std::optional<QByteArray>() << false;
    QTest::newRow("empty") << std::optional<QByteArray>("") << false;
    QTest::newRow("not a number") << std::optional<QByteArray>("abc\r\n") << false;
    QTest::newRow("no box state") << std::optional<QByteArray>(" 7\r\n") << false;
    QTest::newRow("ticked") << std::optional<QByteArray>(" 1\r\n") << true;
}

void TestOptionsWindow::optionsFileAtLoad()
{
    QFETCH(std::optional<QByteArray>, content);
    QFETCH(bool, ticked);
    if (content)
        world_->writeProgramFile(kOptionsFile, *content);
    // The box's rules run only when the load changes its state.
    noIcons_ = true;
    OptionsWindow& options = testWindows().tools.options();
    QCOMPARE(options.iconLoadingSwitchedOff(), ticked);
    QVERIFY(noIcons_);
    QCOMPARE(stored("OptionsIcons", "Show Icons"), ticked ? QByteArray("1") : QByteArray("absent"));
    QVERIFY(boxes().isEmpty());
}

void TestOptionsWindow::closeWithTheBoxTickedWritesOne()
{
    OptionsWindow& options = testWindows().tools.options();
    options.showRequested();
    control<QCheckBox>(options, "Check1")->setChecked(true);
    options.close();
    QVERIFY(!options.requested());
    QCOMPARE(fileContent(world_->folder().filePath(kOptionsFile)), QByteArray(" 1\r\n"));
    QCOMPARE(permissionBits(world_->folder().filePath(kOptionsFile)), 0600);

    // The next reference loads the window again, hidden, from the file.
    noIcons_ = false;
    QVERIFY(options.iconLoadingSwitchedOff());
    QVERIFY(noIcons_);
    QVERIFY(!options.isVisible());
}

void TestOptionsWindow::untickAnsweredNoKeepsIconsOff()
{
    world_->writeProgramFile(kOptionsFile, " 1\r\n");
    OptionsWindow& options = testWindows().tools.options();
    QCOMPARE(stored("OptionsIcons", "Show Icons"), QByteArray("1"));
    world_->folder().dialogs().queueAnswer(MessageAnswer::No);
    control<QCheckBox>(options, "Check1")->setChecked(false);

    QCOMPARE(boxes(), QStringList{kWarning});
    const platform::MessageBoxRequest& warning = world_->folder().dialogs().messageBoxes().first();
    QCOMPARE(warning.title, QStringLiteral("Warning"));
    QCOMPARE(warning.buttons, platform::MessageButtons::YesNo);
    QCOMPARE(warning.icon, platform::MessageIcon::Exclamation);
    QVERIFY(!options.iconLoadingSwitchedOff());
    QVERIFY(noIcons_);
    QCOMPARE(stored("OptionsIcons", "Show Icons"), QByteArray("1"));

    options.close();
    QCOMPARE(fileContent(world_->folder().filePath(kOptionsFile)), QByteArray(" 0\r\n"));
}

void TestOptionsWindow::untickAnsweredYesSwitchesIconsOn()
{
    world_->writeProgramFile(kOptionsFile, " 1\r\n");
    OptionsWindow& options = testWindows().tools.options();
    world_->folder().dialogs().queueAnswer(MessageAnswer::Yes);
    control<QCheckBox>(options, "Check1")->setChecked(false);
    QVERIFY(!noIcons_);
    QCOMPARE(stored("OptionsIcons", "Show Icons"), QByteArray("0"));
}

void TestOptionsWindow::warningOnlyWhenTheStoredValueDiffers()
{
    world_->writeProgramFile(kOptionsFile, " 0\r\n");
    QVERIFY(world_->folder().settings().save("Vistrel", "OptionsIcons", "Show Icons", "0"));
    OptionsWindow& options = testWindows().tools.options();
    options.showStoredSwitches();
    QVERIFY(boxes().isEmpty());
    QVERIFY(!options.iconLoadingSwitchedOff());

    // A ticked box that the store says to untick asks.
    options.close();
    world_->writeProgramFile(kOptionsFile, " 1\r\n");
    QVERIFY(options.iconLoadingSwitchedOff());
    QVERIFY(world_->folder().settings().save("Vistrel", "OptionsIcons", "Show Icons", "0"));
    options.showStoredSwitches();
    QCOMPARE(boxes(), QStringList{kWarning});
    QVERIFY(!options.iconLoadingSwitchedOff());
    QVERIFY(!noIcons_);
}

void TestOptionsWindow::failedWriteKeepsTheOldFileWithOneError()
{
    world_->writeProgramFile(kOptionsFile, " 0\r\n");
    OptionsWindow& options = testWindows().tools.options();
    control<QCheckBox>(options, "Check1")->setChecked(true);
    {
        FileSizeLimit limit(3);
        options.close();
    }
    QCOMPARE(fileContent(world_->folder().filePath(kOptionsFile)), QByteArray(" 0\r\n"));
    QCOMPARE(boxes().size(), 1);
    QVERIFY(!boxes().first().isEmpty());
}

void TestOptionsWindow::tipBoxIsStored()
{
    OptionsWindow& options = testWindows().tools.options();
    options.setTipBoxState(1);
    QCOMPARE(stored("Options", "Show Tips at Startup"), QByteArray("1"));
    control<QCheckBox>(options, "Check3")->setChecked(false);
    QCOMPARE(stored("Options", "Show Tips at Startup"), QByteArray("0"));
}

void TestOptionsWindow::encryptionSwitchIsNeverShown()
{
    OptionsWindow& options = testWindows().tools.options();
    options.showRequested();
    QVERIFY(options.isVisible());
    QVERIFY(!control<QCheckBox>(options, "Check2")->isVisible());
    control<QCheckBox>(options, "Check2")->setChecked(true);
    QVERIFY(reflectorSession().state().encryptTraffic);
    control<QCheckBox>(options, "Check2")->setChecked(false);
    QVERIFY(!reflectorSession().state().encryptTraffic);
}

void TestOptionsWindow::optionsCommandShowsTheWindow()
{
    OptionsWindow& options = testWindows().tools.options();
    QVERIFY(ui::commands().run(ui::command::kShowOptions));
    QVERIFY(options.requested());
    QVERIFY(options.isVisible());
    QCOMPARE(options.windowTitle(), QStringLiteral("Program Options"));

    // Activation leaves a requested window shown; closing unloads it.
    options.showStoredSwitches();
    QVERIFY(options.isVisible());
    options.close();
    QVERIFY(!options.isVisible());
    QVERIFY(!options.requested());
}

void TestOptionsWindow::rightClickOpensHelpPages_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("page");
    QTest::newRow("icon switch") << QStringLiteral("Check1") << QStringLiteral("/help/TurnOnIc.htm");
    QTest::newRow("upper frame") << QStringLiteral("Frame1") << QStringLiteral("/help/Options.htm");
    QTest::newRow("lower frame") << QStringLiteral("Frame2") << QStringLiteral("/help/Options.htm");
    QTest::newRow("a button") << QStringLiteral("Command4") << QStringLiteral("/help/Options.htm");
    QTest::newRow("a label") << QStringLiteral("Label2") << QStringLiteral("/help/Options.htm");
    QTest::newRow("status bar") << QStringLiteral("StatusBar1") << QStringLiteral("/help/Options.htm");
}

void TestOptionsWindow::rightClickOpensHelpPages()
{
    QFETCH(QString, control);
    QFETCH(QString, page);
    OptionsWindow& options = testWindows().tools.options();
    options.showRequested();
    auto* widget = options.findChild<QWidget*>(control);
    QVERIFY(widget);
    QTest::mouseClick(widget, Qt::RightButton, {}, QPoint(2, 2));
    const QList<QUrl>& pages = world_->folder().launcher().pages();
    QCOMPARE(pages.size(), 1);
    QCOMPARE(pages.first().path(), page);
    QVERIFY(boxes().isEmpty());
}

void TestOptionsWindow::frameClickAsksForTheLoginFirst()
{
    OptionsWindow& options = testWindows().tools.options();
    options.showRequested();
    QTest::mouseClick(control<QGroupBox>(options, "Frame1"), Qt::LeftButton, {}, QPoint(2, 2));
    QCOMPARE(
        boxes(),
        QStringList{QStringLiteral("You must log into Larkspire before setting password or access restrictions.")});

    options.setPasswordBoxesEnabled(true);
    QTest::mouseClick(control<RestrictedTopicsFrame>(options, "Frame2"), Qt::MiddleButton, {}, QPoint(2, 2));
    QCOMPARE(boxes().size(), 1);
    QVERIFY(world_->folder().launcher().pages().isEmpty());
}

QTEST_MAIN(TestOptionsWindow)
#include "test_optionswindow.moc"
