#include "tools/PlayerSearch.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <linux/capability.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// A folder tree in a temporary folder, built by relative paths.
class Tree {
public:
    QString path() const { return root_.path(); }
    QString at(const QString& relative) const { return root_.filePath(relative); }

    void folder(const QString& relative) const { QVERIFY(QDir().mkpath(at(relative))); }

    void file(const QString& relative, const QDateTime& changed = {}) const
    {
        folder(QFileInfo(relative).path());
        QFile file(at(relative));
        QVERIFY(file.open(QIODevice::WriteOnly));
        if (changed.isValid())
            QVERIFY(file.setFileTime(changed, QFileDevice::FileModificationTime));
    }

    void link(const QString& relative, const QString& target) const { QVERIFY(QFile::link(target, at(relative))); }

    // The found files' paths relative to the tree, sorted.
    QStringList relative(const QList<FoundPlayerFile>& files) const
    {
        QStringList paths;
        for (const FoundPlayerFile& file : files)
            paths.append(QDir(path()).relativeFilePath(file.path));
        paths.sort();
        return paths;
    }

private:
    QTemporaryDir root_;
};

struct SearchRun {
    bool started = false;
    QList<FoundPlayerFile> files;
    std::optional<int> finishedCount;
};

// Runs one search to its end through the event loop.
SearchRun searchToTheEnd(const QString& startFolder, const PlayerSearchCriteria& criteria)
{
    PlayerSearch search;
    SearchRun run;
    QObject::connect(&search, &PlayerSearch::fileFound, [&](const FoundPlayerFile& file) { run.files.append(file); });
    QObject::connect(&search, &PlayerSearch::finished, [&](int count) { run.finishedCount = count; });
    run.started = search.start(startFolder, criteria);
    if (run.started && !QTest::qWaitFor([&] { return !search.isRunning(); }, 10000))
        qWarning("the search did not end");
    return run;
}

PlayerSearchCriteria lookFor(const QString& fileName, bool exact)
{
    return {fileName, exact, std::nullopt};
}

// Takes the file-access overrides out of this thread's effective capabilities while it
// lives, so that root meets permission bits as an ordinary user does.
class WithoutFileAccessOverride {
public:
    WithoutFileAccessOverride()
    {
        if (::syscall(SYS_capget, &header_, saved_) != 0)
            return;
        __user_cap_data_struct reduced[2] = {saved_[0], saved_[1]};
        reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        dropped_ = ::syscall(SYS_capset, &header_, reduced) == 0;
    }
    ~WithoutFileAccessOverride()
    {
        if (dropped_)
            ::syscall(SYS_capset, &header_, saved_);
    }

private:
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved_[2]{};
    bool dropped_ = false;
};

// Gives a locked folder its owner's rights back on leaving, so the tree can be removed.
struct Unlocked {
    QString folder;
    ~Unlocked() { QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); }
};

// Gives this test program a mount namespace of its own, so that mounts made by the
// tests vanish with it. False where mounting is not permitted.
bool privateMounts()
{
    static const bool permitted =
        ::unshare(CLONE_NEWNS) == 0 && ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    return permitted;
}

// Unmounts on leaving, before the temporary tree is removed.
struct Mounted {
    QByteArray at;
    ~Mounted() { ::umount2(at.constData(), MNT_DETACH); }
};

} // namespace

class PlayerSearchTest : public QObject {
    Q_OBJECT

private slots:
    void matchesNamesLetterCaseAside_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<bool>("exact");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("exact") << "realplay.exe" << true << QStringList{"RealPlay.EXE", "a/b/REALPLAY.exe"};
        QTest::newRow("exact, other case typed")
            << "REALPLAY.EXE" << true << QStringList{"RealPlay.EXE", "a/b/REALPLAY.exe"};
        QTest::newRow("partial") << "realplay" << false
                                 << QStringList{"RealPlay.EXE", "a/MyRealPlayer.sh", "a/b/REALPLAY.exe"};
        QTest::newRow("partial, middle of the name")
            << "lPLAY.e" << false << QStringList{"RealPlay.EXE", "a/b/REALPLAY.exe"};
        QTest::newRow("partial *.* lists every file")
            << "*.*" << false << QStringList{"RealPlay.EXE", "a/MyRealPlayer.sh", "a/b/REALPLAY.exe", "notes.txt"};
        QTest::newRow("no other wildcard, exact") << "*.exe" << true << QStringList{};
        QTest::newRow("no other wildcard, partial") << "real?lay" << false << QStringList{};
        QTest::newRow("partial name is no exact match") << "realplay" << true << QStringList{};
    }

    void matchesNamesLetterCaseAside()
    {
        QFETCH(QString, fileName);
        QFETCH(bool, exact);
        QFETCH(QStringList, found);
        Tree tree;
        tree.file("RealPlay.EXE");
        tree.file("notes.txt");
        tree.file("a/MyRealPlayer.sh");
        tree.file("a/b/REALPLAY.exe");
        tree.folder("c");
        const SearchRun run = searchToTheEnd(tree.path(), lookFor(fileName, exact));
        QVERIFY(run.started);
        QCOMPARE(tree.relative(run.files), found);
        QCOMPARE(run.finishedCount, std::optional<int>(found.size()));
    }

    void exactStarDotStarListsTheFirstFileOfEachFolder()
    {
        Tree tree;
        for (const char* file : {"one", "two", "a/one", "a/two", "a/three", "a/b/one"})
            tree.file(QString::fromLatin1(file));
        tree.folder("empty");
        const SearchRun run = searchToTheEnd(tree.path(), lookFor("*.*", true));
        QStringList folders;
        for (const FoundPlayerFile& file : run.files)
            folders.append(QDir(tree.path()).relativeFilePath(file.folder));
        folders.sort();
        QCOMPARE(folders, QStringList({".", "a", "a/b"}));
    }

    void walksFoldersInPreOrder()
    {
        Tree tree;
        tree.file("top");
        tree.file("p/one");
        tree.file("p/q/two");
        tree.file("p/q/r/three");
        tree.file("s/four");
        const SearchRun run = searchToTheEnd(tree.path(), lookFor("*.*", false));
        QStringList names;
        for (const FoundPlayerFile& file : run.files)
            names.append(file.name);
        // A folder's own files come first, and each subfolder is searched completely
        // before its sibling; the siblings' order is the file system's.
        const QStringList pFirst{"top", "one", "two", "three", "four"};
        const QStringList sFirst{"top", "four", "one", "two", "three"};
        QVERIFY2(names == pFirst || names == sFirst, qPrintable(names.join(' ')));
    }

    void startFolderWithoutSubfolders()
    {
        Tree tree;
        tree.file("wmplayer.exe");
        tree.file("readme");
        const SearchRun run = searchToTheEnd(tree.path(), lookFor("WMPlayer.exe", true));
        QCOMPARE(tree.relative(run.files), QStringList{"wmplayer.exe"});
        const FoundPlayerFile& found = run.files.first();
        QCOMPARE(found.folder, tree.path());
        QCOMPARE(found.path, tree.at("wmplayer.exe"));
        QCOMPARE(run.finishedCount, std::optional<int>(1));

        // A start folder that ends with "/", as the root does, gets no second one.
        const SearchRun fromSlash = searchToTheEnd(tree.path() + "/", lookFor("wmplayer.exe", true));
        QCOMPARE(fromSlash.files.value(0).path, tree.at("wmplayer.exe"));
    }

    void everyRowHasItsOwnKey_data()
    {
        QTest::addColumn<bool>("exact");
        QTest::addColumn<bool>("withOtherFiles");
        QTest::newRow("exact, one file a folder") << true << false;
        QTest::newRow("exact, beside other files") << true << true;
        QTest::newRow("partial, beside other files") << false << true;
    }

    void everyRowHasItsOwnKey()
    {
        QFETCH(bool, exact);
        QFETCH(bool, withOtherFiles);
        Tree tree;
        for (const char* folder : {"f1", "f2", "f3", "f3/f4"}) {
            tree.file(QString::fromLatin1(folder) + "/realplay.exe");
            if (withOtherFiles)
                tree.file(QString::fromLatin1(folder) + "/other.txt");
        }
        const SearchRun run = searchToTheEnd(tree.path(), lookFor("realplay.exe", exact));
        QCOMPARE(run.files.size(), 4);
        QSet<QString> keys;
        for (const FoundPlayerFile& file : run.files) {
            QVERIFY2(file.key.startsWith("key|") && file.key.mid(4).toInt() >= 1, qPrintable(file.key));
            keys.insert(file.key);
        }
        QCOMPARE(keys.size(), 4);
        if (!withOtherFiles)
            QCOMPARE(keys, QSet<QString>({"key|1", "key|2", "key|3", "key|4"}));
    }

    void dateFilterKeepsFilesChangedOnTheDayOrLater()
    {
        Tree tree;
        const QDate day(2002, 11, 27);
        tree.file("play-26-late", QDateTime(day.addDays(-1), QTime(23, 59, 59)));
        tree.file("play-27-early", QDateTime(day, QTime(0, 0, 0)));
        tree.file("play-27-late", QDateTime(day, QTime(23, 59, 59)));
        tree.file("sub/play-28", QDateTime(day.addDays(1), QTime(12, 0)));
        tree.file("sub/play-2001", QDateTime(QDate(2001, 1, 1), QTime(12, 0)));
        const SearchRun run = searchToTheEnd(tree.path(), {"PLAY", false, day});
        QCOMPARE(tree.relative(run.files), QStringList({"play-27-early", "play-27-late", "sub/play-28"}));
    }

    void dateFilterKeepsExactSearchGoingThroughTheFolder()
    {
        // Two names that differ in letter case only: with the filter on, an older
        // match does not end the folder, so the newer one is found in any listing order.
        Tree tree;
        const QDate day(2002, 11, 27);
        tree.file("RealPlay.exe", QDateTime(day.addDays(-10), QTime(12, 0)));
        tree.file("realplay.exe", QDateTime(day, QTime(12, 0)));
        QCOMPARE(tree.relative(searchToTheEnd(tree.path(), {"realplay.exe", true, day}).files),
                 QStringList{"realplay.exe"});
        QCOMPARE(searchToTheEnd(tree.path(), lookFor("realplay.exe", true)).files.size(), 1);
    }

    void cancelKeepsTheFilesFoundSoFar()
    {
        Tree tree;
        for (int folder = 1; folder <= 6; ++folder)
            tree.file(QStringLiteral("f%1/realplay.exe").arg(folder));
        PlayerSearch search;
        QList<FoundPlayerFile> files;
        bool finished = false;
        connect(&search, &PlayerSearch::fileFound, [&](const FoundPlayerFile& file) {
            files.append(file);
            if (files.size() == 2)
                search.cancel();
        });
        connect(&search, &PlayerSearch::finished, [&] { finished = true; });
        QVERIFY(search.start(tree.path(), lookFor("realplay.exe", true)));
        QVERIFY(QTest::qWaitFor([&] { return !search.isRunning(); }, 10000));
        QTest::qWait(20);
        QCOMPARE(files.size(), 2);
        QVERIFY(!finished);

        // Cancelled before its first step, a search finds nothing and stays quiet.
        files.clear();
        QVERIFY(search.start(tree.path(), lookFor("realplay.exe", true)));
        search.cancel();
        QTest::qWait(20);
        QVERIFY(files.isEmpty());
        QVERIFY(!finished);
    }

    void criteriaChangedDuringTheSearchHoldFromTheNextFile()
    {
        Tree tree;
        tree.file("realplay.exe");
        tree.file("sub/wmplayer.exe");
        tree.file("sub/realplay.exe");
        PlayerSearch search;
        QStringList found;
        connect(&search, &PlayerSearch::fileFound, [&](const FoundPlayerFile& file) {
            found.append(QDir(tree.path()).relativeFilePath(file.path));
            search.setCriteria(lookFor("wmplayer.exe", true));
        });
        QVERIFY(search.start(tree.path(), lookFor("realplay.exe", true)));
        QVERIFY(QTest::qWaitFor([&] { return !search.isRunning(); }, 10000));
        QCOMPARE(found, QStringList({"realplay.exe", "sub/wmplayer.exe"}));
    }

    void theEventLoopRunsBetweenSteps()
    {
        Tree tree;
        tree.file("a/realplay.exe");
        tree.file("a/b/realplay.exe");
        PlayerSearch search;
        search.setStepBudgetMs(0);
        QStringList events;
        connect(&search, &PlayerSearch::fileFound, [&](const FoundPlayerFile&) {
            events.append("found");
            if (events.size() == 1)
                QMetaObject::invokeMethod(
                    this, [&] { events.append("other event"); }, Qt::QueuedConnection);
        });
        QVERIFY(search.start(tree.path(), lookFor("realplay.exe", true)));
        QVERIFY(events.isEmpty()); // nothing is searched before the event loop runs
        QVERIFY(QTest::qWaitFor([&] { return !search.isRunning(); }, 10000));
        QCOMPARE(events, QStringList({"found", "other event", "found"}));
    }

    void startFailsWithoutAFolderOrAName()
    {
        Tree tree;
        tree.file("realplay.exe");
        QVERIFY(!searchToTheEnd(tree.at("missing"), lookFor("realplay.exe", true)).started);
        QVERIFY(!searchToTheEnd(tree.at("realplay.exe"), lookFor("realplay.exe", true)).started);
        QVERIFY(!searchToTheEnd(tree.path(), lookFor("", false)).started);
    }

    void unreadableFolderIsPassedOver()
    {
        Tree tree;
        tree.file("a/realplay.exe");
        tree.file("locked/realplay.exe");
        tree.file("locked/inner/realplay.exe");
        tree.file("z/realplay.exe");
        QVERIFY(QFile::setPermissions(tree.at("locked"), {}));
        const Unlocked onLeaving{tree.at("locked")};
        SearchRun run;
        {
            // Root reads every folder whatever its mode; without its override it reads
            // the locked one no more than its owner may.
            const WithoutFileAccessOverride asOwner;
            const int lockedFd = ::open(QFile::encodeName(tree.at("locked")).constData(), O_RDONLY | O_DIRECTORY);
            if (lockedFd >= 0) {
                ::close(lockedFd);
                QSKIP("this process reads folders that their mode forbids");
            }
            run = searchToTheEnd(tree.path(), lookFor("realplay.exe", true));
        }
        QCOMPARE(tree.relative(run.files), QStringList({"a/realplay.exe", "z/realplay.exe"}));
        QCOMPARE(run.finishedCount, std::optional<int>(2));
    }

    void linksToFoldersAreNotFollowed()
    {
        Tree tree;
        QTemporaryDir elsewhere;
        QVERIFY(QFile(elsewhere.filePath("realplay.exe")).open(QIODevice::WriteOnly));
        tree.file("a/realplay.exe");
        tree.link("a/up", "..");
        tree.link("a/self", ".");
        tree.link("a/loop", tree.path());
        tree.link("outside", elsewhere.path());
        tree.folder("b");
        tree.link("b/realplay.exe", "../a/realplay.exe"); // a link to a file counts as the file
        tree.link("b/broken.exe", "nowhere");
        const SearchRun run = searchToTheEnd(tree.path(), lookFor("realplay.exe", true));
        QCOMPARE(tree.relative(run.files), QStringList({"a/realplay.exe", "b/realplay.exe"}));
        QCOMPARE(run.finishedCount, std::optional<int>(2));
        QVERIFY(tree.relative(searchToTheEnd(tree.path(), lookFor(".exe", false)).files)
                == QStringList({"a/realplay.exe", "b/realplay.exe"}));

        // The start folder itself may be a link: the user named it.
        QCOMPARE(tree.relative(searchToTheEnd(tree.at("outside"), lookFor("realplay.exe", true)).files),
                 QStringList{"outside/realplay.exe"});
    }

    void anotherFileSystemInsideIsNotEntered()
    {
        if (!privateMounts())
            QSKIP("mounting is not permitted here");
        Tree tree;
        tree.file("realplay.exe");
        tree.folder("mounted");
        QVERIFY(::mount("none", QFile::encodeName(tree.at("mounted")).constData(), "tmpfs", 0, nullptr) == 0);
        const Mounted mounted{QFile::encodeName(tree.at("mounted"))};
        tree.file("mounted/realplay.exe");
        QCOMPARE(tree.relative(searchToTheEnd(tree.path(), lookFor("realplay.exe", true)).files),
                 QStringList{"realplay.exe"});
        QCOMPARE(tree.relative(searchToTheEnd(tree.at("mounted"), lookFor("realplay.exe", true)).files),
                 QStringList{"mounted/realplay.exe"});
    }

    void folderMountedInsideItselfIsWalkedOnce()
    {
        if (!privateMounts())
            QSKIP("mounting is not permitted here");
        Tree tree;
        tree.file("realplay.exe");
        tree.file("a/wmplayer.exe");
        tree.folder("a/again");
        QVERIFY(::mount(QFile::encodeName(tree.path()).constData(), QFile::encodeName(tree.at("a/again")).constData(),
                        nullptr, MS_BIND, nullptr)
                == 0);
        const Mounted mounted{QFile::encodeName(tree.at("a/again"))};
        const SearchRun run = searchToTheEnd(tree.path(), lookFor("play", false));
        QCOMPARE(tree.relative(run.files), QStringList({"a/wmplayer.exe", "realplay.exe"}));
    }
};

QTEST_GUILESS_MAIN(PlayerSearchTest)
#include "test_playersearch.moc"
