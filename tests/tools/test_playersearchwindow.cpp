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
        window.searchText->setText(QStringLiteral("mpv"));
        runSearch(window);

        QCOMPARE(rowNames(*window.resultList).size(), 2);
        QCOMPARE(window.searchingLabel->text(), QStringLiteral("Search finished with 2 files found."));
        QVERIFY(window.searchButton->isEnabled());
        QVERIFY(!window.cancelButton->isEnabled());
        const QString latest = window.resultList->topLevelItem(1)->text(1) + QLatin1Char('/')
            + window.resultList->topLevelItem(1)->text(0);
        QCOMPARE(window.selectionBox->text(), latest);
        QVERIFY(window.saveButton->isEnabled());

        // A click on a row makes its program the selection.
        QTreeWidgetItem* first = window.resultList->topLevelItem(0);
        const QRect place = window.resultList->visualItemRect(first);
        QTest::mouseClick(window.resultList->viewport(), Qt::LeftButton, {}, place.center());
        QCOMPARE(window.selectionBox->text(), first->text(1) + QLatin1Char('/') + first->text(0));
    }

    void search_withoutAFileNameOrAFolder_endsAtOnce()
    {
        PlayerSearchWindow& window = openSearch();
        window.searchText->clear();
        window.searchButton->click();
        QVERIFY(!window.isSearching());
        QVERIFY(window.searchButton->isEnabled());

        window.searchText->setText(QStringLiteral("mpv"));
        window.startFolderBox->setCurrentText(treePath("missing"));
        window.searchButton->click();
        QVERIFY(!window.isSearching());
        QVERIFY(window.searchButton->isEnabled());
        QVERIFY(!window.cancelButton->isEnabled());
        QCOMPARE(window.searchingLabel->text(), QString());
    }

    void cancel_keepsTheRowsFoundSoFar()
    {
        for (int folder = 0; folder < 200; ++folder)
            makeFile(treePath(QStringLiteral("f%1/mpv").arg(folder)));
        PlayerSearchWindow& window = openSearch();
        window.startFolderBox->setCurrentText(tree_->path());
        // Cancel as soon as the third player is listed.
        connect(window.resultList->model(), &QAbstractItemModel::rowsInserted, &window, [&window] {
            if (window.resultList->topLevelItemCount() == 3)
                window.cancelButton->click();
        });
        window.searchButton->click();
        QVERIFY(waitRealTime([&window] { return !window.isSearching(); }, kSearchLimitMs));
        QTest::qWait(50);

        QCOMPARE(window.resultList->topLevelItemCount(), 3);
        QVERIFY(!window.searchingLabel->text().startsWith(QStringLiteral("Search finished")));
        QVERIFY(window.searchButton->isEnabled());
        QVERIFY(!window.cancelButton->isEnabled());
    }

    void close_stopsTheSearchAndBringsBackTheLoadState()
    {
        for (int folder = 0; folder < 200; ++folder)
            makeFile(treePath(QStringLiteral("f%1/mpv").arg(folder)));
        PlayerSearchWindow& window = openSearch();
        window.startFolderBox->setCurrentText(tree_->path());
        window.searchButton->click();
        QVERIFY(window.isSearching());
        window.close();

        QVERIFY(!window.isSearching());
        QCOMPARE(window.resultList->topLevelItemCount(), 0);
        QCOMPARE(window.selectionBox->text(), QString());
        QVERIFY(!window.saveButton->isEnabled());
        QCOMPARE(window.searchText->text(), QStringLiteral("mpv"));
        QVERIFY(window.searchButton->isEnabled());
    }

    void presets_changeTheSearchNotTheFileSaved()
    {
        testWindows().tools.playerSearch().setPlayerKind(PlayerKind::RealPlayer);
        PlayerSearchWindow& window = openSearch();
        window.mediaPlayerPreset->click();
        QCOMPARE(window.searchText->text(), QStringLiteral("vlc"));
        QCOMPARE(window.searchButton->text(), QStringLiteral("Search for Media Player"));
        window.streamPlayerPreset->click();
        QCOMPARE(window.searchText->text(), QStringLiteral("mpv"));
        QCOMPARE(window.searchButton->text(), QStringLiteral("Search for Real Player"));

        window.mediaPlayerPreset->click();
        window.selectionBox->setText(QStringLiteral("/opt/players/vlc"));
        window.saveButton->click();
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
        window.selectionBox->setText(path);
        window.saveButton->click();

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
        window.selectionBox->setText(QStringLiteral("/usr/bin/player"));
        world_->folder().dialogs().queueAnswer(platform::MessageAnswer(answer));
        window.saveButton->click();

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
        window.selectionBox->setText(path);
        window.saveButton->click();

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
        window.firstSolutionButton->click();
        QVERIFY(
            window.explanationBanner->text().startsWith(QStringLiteral("Search for Windows Media Player on your PC.")));
        QCOMPARE(window.searchButton->text(), QStringLiteral("Search for Windows Media Player"));
        QVERIFY(waitRealTime([&window] { return window.searchButton->text().isEmpty(); }, 5000));
        QVERIFY(waitRealTime(
            [&window] { return window.searchButton->text() == QStringLiteral("Search for Media Player"); }, 5000));

        // Cancel stops the blink.
        window.cancelButton->setEnabled(true);
        window.cancelButton->click();
        const QString caption = window.searchButton->text();
        QTest::qWait(platform::scaledMs(3000));
        QCOMPARE(window.searchButton->text(), caption);
    }

    void solutions_withoutAPlayerKind_leaveTheCaption()
    {
        PlayerSearchWindow& window = openSearch();
        window.firstSolutionButton->click();
        window.secondSolutionButton->click();
        QVERIFY(window.explanationBanner->text().startsWith(QStringLiteral("If there are multiple entries")));
        QCOMPARE(window.searchButton->text(), QStringLiteral("Search for RealPlayer"));
        QVERIFY(world_->folder().dialogs().messageTexts().isEmpty());
    }

    void rightPress_opensTheHelpPageOnTheListedControls()
    {
        PlayerSearchWindow& window = openSearch();
        const RecordingLauncher& launcher = world_->folder().launcher();
        QTest::mousePress(window.searchButton, Qt::RightButton);
        QTest::mousePress(window.explanationBanner, Qt::RightButton);
        QCOMPARE(launcher.pages().size(), 2);
        QCOMPARE(launcher.pages().first().path(), QStringLiteral("/help/Searchme.htm"));
        QTest::mousePress(window.saveButton, Qt::RightButton);
        QTest::mousePress(window.dateFilterBox, Qt::RightButton);
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
        window.startFolderBox->setCurrentText(tree_->path());
        return window;
    }

    static void runSearch(PlayerSearchWindow& window)
    {
        window.searchButton->click();
        QVERIFY(waitRealTime([&window] { return !window.isSearching(); }, kSearchLimitMs));
    }

    std::optional<FrameWorld> world_;
    std::optional<QTemporaryDir> tree_;
};

QTEST_MAIN(PlayerSearchWindowTest)
#include "test_playersearchwindow.moc"
