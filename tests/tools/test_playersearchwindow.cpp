#include "Control.h"
#include "FrameWorld.h"
#include "OpenForm.h"
#include "RealTimeWait.h"
#include "TestWindows.h"
#include "directory/PlayerStart.h"
#include "platform/TimeScale.h"
#include "platform/Wait.h"
#include "tools/PlayerPathFile.h"
#include "tools/PlayerSearchWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <optional>

namespace {

constexpr int kSearchLimitMs = 20000;

void makeFile(const QString& path)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

QStringList rowNames(const QTreeWidget& list)
{
    QStringList names;
    for (int row = 0; row < list.topLevelItemCount(); ++row)
        names << list.topLevelItem(row)->text(0);
    return names;
}

} // namespace

class PlayerSearchWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        world_.emplace();
        tree_.emplace();
    }

    void cleanup()
    {
        world_.reset();
        tree_.reset();
    }

    void search_listsEveryHitAndSelectsTheLatest()
    {
        makeFile(treePath("a/MPV"));
        makeFile(treePath("b/c/mpv"));
        makeFile(treePath("b/other"));
        PlayerSearchWindow& window = openSearch();
        control<QLineEdit>(window, "txtSearch")->setText(QStringLiteral("mpv"));
        runSearch(window);

        QCOMPARE(rowNames(*control<QTreeWidget>(window, "lstvSearch")).size(), 2);
        QCOMPARE(control<QLabel>(window, "lblLooking")->text(), QStringLiteral("Search finished with 2 files found."));
        QVERIFY(control<QPushButton>(window, "cmdSearch")->isEnabled());
        QVERIFY(!control<QPushButton>(window, "cmdCancel")->isEnabled());
        const QString latest = control<QTreeWidget>(window, "lstvSearch")->topLevelItem(1)->text(1) + QLatin1Char('/')
            + control<QTreeWidget>(window, "lstvSearch")->topLevelItem(1)->text(0);
        QCOMPARE(control<QLineEdit>(window, "txtRealPath")->text(), latest);
        QVERIFY(control<QPushButton>(window, "CmdSave")->isEnabled());

        // A click on a row makes its program the selection.
        QTreeWidgetItem* first = control<QTreeWidget>(window, "lstvSearch")->topLevelItem(0);
        const QRect place = control<QTreeWidget>(window, "lstvSearch")->visualItemRect(first);
        QTest::mouseClick(control<QTreeWidget>(window, "lstvSearch")->viewport(), Qt::LeftButton, {}, place.center());
        QCOMPARE(control<QLineEdit>(window, "txtRealPath")->text(), first->text(1) + QLatin1Char('/') + first->text(0));
    }

    void search_withoutAFileNameOrAFolder_endsAtOnce()
    {
        PlayerSearchWindow& window = openSearch();
        control<QLineEdit>(window, "txtSearch")->clear();
        control<QPushButton>(window, "cmdSearch")->click();
        QVERIFY(!window.isSearching());
        QVERIFY(control<QPushButton>(window, "cmdSearch")->isEnabled());

        control<QLineEdit>(window, "txtSearch")->setText(QStringLiteral("mpv"));
        control<QComboBox>(window, "Combo1")->setCurrentText(treePath("missing"));
        control<QPushButton>(window, "cmdSearch")->click();
        QVERIFY(!window.isSearching());
        QVERIFY(control<QPushButton>(window, "cmdSearch")->isEnabled());
        QVERIFY(!control<QPushButton>(window, "cmdCancel")->isEnabled());
        QCOMPARE(control<QLabel>(window, "lblLooking")->text(), QString());
    }

    void cancel_keepsTheRowsFoundSoFar()
    {
        for (int folder = 0; folder < 200; ++folder)
            makeFile(treePath(QStringLiteral("f%1/mpv").arg(folder)));
        PlayerSearchWindow& window = openSearch();
        control<QComboBox>(window, "Combo1")->setCurrentText(tree_->path());
        // Cancel as soon as the third player is listed.
        connect(control<QTreeWidget>(window, "lstvSearch")->model(), &QAbstractItemModel::rowsInserted, &window,
                [&window] {
                    if (control<QTreeWidget>(window, "lstvSearch")->topLevelItemCount() == 3)
                        control<QPushButton>(window, "cmdCancel")->click();
                });
        control<QPushButton>(window, "cmdSearch")->click();
        QVERIFY(waitRealTime([&window] { return !window.isSearching(); }, kSearchLimitMs));
        QTest::qWait(50);

        QCOMPARE(control<QTreeWidget>(window, "lstvSearch")->topLevelItemCount(), 3);
        QVERIFY(!control<QLabel>(window, "lblLooking")->text().startsWith(QStringLiteral("Search finished")));
        QVERIFY(control<QPushButton>(window, "cmdSearch")->isEnabled());
        QVERIFY(!control<QPushButton>(window, "cmdCancel")->isEnabled());
    }

    void close_stopsTheSearchAndBringsBackTheLoadState()
    {
        for (int folder = 0; folder < 200; ++folder)
            makeFile(treePath(QStringLiteral("f%1/mpv").arg(folder)));
        PlayerSearchWindow& window = openSearch();
        control<QComboBox>(window, "Combo1")->setCurrentText(tree_->path());
        control<QPushButton>(window, "cmdSearch")->click();
        QVERIFY(window.isSearching());
        window.close();

        QVERIFY(!window.isSearching());
        QCOMPARE(control<QTreeWidget>(window, "lstvSearch")->topLevelItemCount(), 0);
        QCOMPARE(control<QLineEdit>(window, "txtRealPath")->text(), QString());
        QVERIFY(!control<QPushButton>(window, "CmdSave")->isEnabled());
        QCOMPARE(control<QLineEdit>(window, "txtSearch")->text(), QStringLiteral("mpv"));
        QVERIFY(control<QPushButton>(window, "cmdSearch")->isEnabled());
    }

    void presets_changeTheSearchNotTheFileSaved()
    {
        testWindows().tools.playerSearch().setPlayerKind(PlayerKind::RealPlayer);
        PlayerSearchWindow& window = openSearch();
        control<QPushButton>(window, "Command6")->click();
        QCOMPARE(control<QLineEdit>(window, "txtSearch")->text(), QStringLiteral("vlc"));
        QCOMPARE(control<QPushButton>(window, "cmdSearch")->text(), QStringLiteral("Search for Media Player"));
        control<QPushButton>(window, "Command7")->click();
        QCOMPARE(control<QLineEdit>(window, "txtSearch")->text(), QStringLiteral("mpv"));
        QCOMPARE(control<QPushButton>(window, "cmdSearch")->text(), QStringLiteral("Search for Real Player"));

        control<QPushButton>(window, "Command6")->click();
        control<QLineEdit>(window, "txtRealPath")->setText(QStringLiteral("/opt/players/vlc"));
        control<QPushButton>(window, "CmdSave")->click();
        QCOMPARE(window.playerKind(), std::optional(PlayerKind::RealPlayer));
        QCOMPARE(programFile("Real.txt"), QByteArray("/opt/players/vlc\r\n"));
        QVERIFY(!QFileInfo::exists(world_->folder().filePath(QStringLiteral("MediaPlay.txt"))));
    }

    void save_writesThePathFileTheTreeReads_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("stream player") << int(PlayerKind::RealPlayer) << "/usr/bin/mpv"
                                       << QByteArray("/usr/bin/mpv\r\n");
        QTest::newRow("media player") << int(PlayerKind::MediaPlayer) << "/usr/bin/vlc"
                                      << QByteArray("/usr/bin/vlc\r\n");
        QTest::newRow("a comma, quoted") << int(PlayerKind::RealPlayer) << "/opt/a,b/mpv"
                                         << QByteArray("\"/opt/a,b/mpv\"\r\n");
        QTest::newRow("a leading blank, quoted")
            << int(PlayerKind::MediaPlayer) << " /opt/vlc" << QByteArray("\" /opt/vlc\"\r\n");
    }

    void save_writesThePathFileTheTreeReads()
    {
        QFETCH(int, kind);
        QFETCH(QString, path);
        QFETCH(QByteArray, line);
        testWindows().tools.playerSearch().setPlayerKind(PlayerKind(kind));
        PlayerSearchWindow& window = openSearch();
        control<QLineEdit>(window, "txtRealPath")->setText(path);
        control<QPushButton>(window, "CmdSave")->click();

        const bool stream = PlayerKind(kind) == PlayerKind::RealPlayer;
        QCOMPARE(programFile(stream ? "Real.txt" : "MediaPlay.txt"), line);
        QCOMPARE(readPlayerPath(stream ? PlayerKind::RealPlayer : PlayerKind::MediaPlayer), path.toLatin1());
        QCOMPARE(world_->folder().dialogs().messageTexts(),
                 (QStringList{stream ? QStringLiteral("Inserting RealPlayer into Program settings...")
                                     : QStringLiteral("Inserting Windows Media Player into Program settings..."),
                              QStringLiteral("Path to Player saved...")}));
        QVERIFY(!window.isVisible());
    }

    void save_withoutAPlayerKind_asksWhichFile_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("written"); // empty: none
        QTest::newRow("Yes: the stream player") << int(platform::MessageAnswer::Yes) << "Real.txt";
        QTest::newRow("No: the media player") << int(platform::MessageAnswer::No) << "MediaPlay.txt";
        QTest::newRow("Cancel: nothing") << int(platform::MessageAnswer::Cancel) << QString();
    }

    void save_withoutAPlayerKind_asksWhichFile()
    {
        QFETCH(int, answer);
        QFETCH(QString, written);
        PlayerSearchWindow& window = openSearch();
        control<QLineEdit>(window, "txtRealPath")->setText(QStringLiteral("/usr/bin/player"));
        world_->folder().dialogs().queueAnswer(platform::MessageAnswer(answer));
        control<QPushButton>(window, "CmdSave")->click();

        QCOMPARE(world_->folder().dialogs().messageBoxes().first().buttons, platform::MessageButtons::YesNoCancel);
        QVERIFY(!window.playerKind().has_value());
        for (const QString& name : {QStringLiteral("Real.txt"), QStringLiteral("MediaPlay.txt")})
            QCOMPARE(QFileInfo::exists(world_->folder().filePath(name)), name == written);
        QCOMPARE(window.isVisible(), written.isEmpty());
        QCOMPARE(world_->folder().dialogs().messageTexts().contains(QStringLiteral("Path to Player saved...")),
                 !written.isEmpty());
    }

    void save_thatFails_isReportedAndTheWindowStays_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("blockTheFile");
        QTest::newRow("the file cannot be replaced") << "/usr/bin/mpv" << true;
        QTest::newRow("a path that cannot be read back") << "/opt/a,\"b/mpv" << false;
    }

    void save_thatFails_isReportedAndTheWindowStays()
    {
        QFETCH(QString, path);
        QFETCH(bool, blockTheFile);
        // A folder where the file should be: the replacement cannot take its place.
        if (blockTheFile)
            QVERIFY(QDir().mkpath(world_->folder().filePath(QStringLiteral("Real.txt/inside"))));
        testWindows().tools.playerSearch().setPlayerKind(PlayerKind::RealPlayer);
        PlayerSearchWindow& window = openSearch();
        control<QLineEdit>(window, "txtRealPath")->setText(path);
        control<QPushButton>(window, "CmdSave")->click();

        const QStringList texts = world_->folder().dialogs().messageTexts();
        QCOMPARE(texts.size(), 2);
        QCOMPARE(texts.first(), QStringLiteral("Inserting RealPlayer into Program settings..."));
        QVERIFY(!texts.last().isEmpty());
        QVERIFY(!texts.contains(QStringLiteral("Path to Player saved...")));
        QVERIFY(window.isVisible());
        QCOMPARE(QFileInfo(world_->folder().filePath(QStringLiteral("Real.txt"))).isDir(), blockTheFile);
    }

    void firstSolution_blinksTheSearchCaption()
    {
        testWindows().tools.playerSearch().setPlayerKind(PlayerKind::MediaPlayer);
        PlayerSearchWindow& window = openSearch();
        control<QPushButton>(window, "Command2")->click();
        QVERIFY(control<QLabel>(window, "Label7")
                    ->text()
                    .startsWith(QStringLiteral("Search for Windows Media Player on your PC.")));
        QCOMPARE(control<QPushButton>(window, "cmdSearch")->text(), QStringLiteral("Search for Windows Media Player"));
        QVERIFY(waitRealTime([&window] { return control<QPushButton>(window, "cmdSearch")->text().isEmpty(); }, 5000));
        QVERIFY(waitRealTime(
            [&window] {
                return control<QPushButton>(window, "cmdSearch")->text() == QStringLiteral("Search for Media Player");
            },
            5000));

        // Cancel stops the blink.
        control<QPushButton>(window, "cmdCancel")->setEnabled(true);
        control<QPushButton>(window, "cmdCancel")->click();
        const QString caption = control<QPushButton>(window, "cmdSearch")->text();
        QTest::qWait(platform::scaledMs(3000));
        QCOMPARE(control<QPushButton>(window, "cmdSearch")->text(), caption);
    }

    void solutions_withoutAPlayerKind_leaveTheCaption()
    {
        PlayerSearchWindow& window = openSearch();
        control<QPushButton>(window, "Command2")->click();
        control<QPushButton>(window, "Command3")->click();
        QVERIFY(control<QLabel>(window, "Label7")->text().startsWith(QStringLiteral("If there are multiple entries")));
        QCOMPARE(control<QPushButton>(window, "cmdSearch")->text(), QStringLiteral("Search for RealPlayer"));
        QVERIFY(world_->folder().dialogs().messageTexts().isEmpty());
    }

    void rightPress_opensTheHelpPageOnTheListedControls()
    {
        PlayerSearchWindow& window = openSearch();
        const RecordingLauncher& launcher = world_->folder().launcher();
        QTest::mousePress(control<QPushButton>(window, "cmdSearch"), Qt::RightButton);
        QTest::mousePress(control<QLabel>(window, "Label7"), Qt::RightButton);
        QCOMPARE(launcher.pages().size(), 2);
        QCOMPARE(launcher.pages().first().path(), QStringLiteral("/help/Searchme.htm"));
        QTest::mousePress(control<QPushButton>(window, "CmdSave"), Qt::RightButton);
        QTest::mousePress(control<QCheckBox>(window, "chkFilter"), Qt::RightButton);
        QCOMPARE(launcher.pages().size(), 2);
    }

private:
    QString treePath(const QString& relative) const { return tree_->filePath(relative); }

    QByteArray programFile(const char* name)
    {
        QFile file(world_->folder().filePath(QString::fromLatin1(name)));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    PlayerSearchWindow& openSearch()
    {
        PlayerSearchWindow& window = openForm(testWindows().tools.playerSearch);
        control<QComboBox>(window, "Combo1")->setCurrentText(tree_->path());
        return window;
    }

    static void runSearch(PlayerSearchWindow& window)
    {
        control<QPushButton>(window, "cmdSearch")->click();
        QVERIFY(waitRealTime([&window] { return !window.isSearching(); }, kSearchLimitMs));
    }

    std::optional<FrameWorld> world_;
    std::optional<QTemporaryDir> tree_;
};

QTEST_MAIN(PlayerSearchWindowTest)
#include "test_playersearchwindow.moc"
