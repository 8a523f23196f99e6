// The webcam reply loader in the main window's tree: the webcams of the clicked place
// under its node, the webcam table, the seen-replies cache, and replies that come too
// late or too long.
#include "FrameWorld.h"
#include "PlaceTree.h"
#include "TestWindows.h"
#include "common/SeenRepliesCache.h"
#include "directory/DirectoryModel.h"
#include "directory/MainWindow.h"
#include "directory/WebCamLoading.h"
#include "ui/PanelStatusBar.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProgressBar>
#include <QTest>

#include <filesystem>
#include <optional>

namespace {

// The main window's directory model, which a fresh main window starts anew.
DirectoryModel& model()
{
    return testWindows().main().directoryModel;
}

const QByteArray kLoadingStatus = "Loading Webcams into Tree View...!!!";

QByteArray status()
{
    return testWindows().main().statusBar->panelText(1);
}

void clearStatus()
{
    testWindows().main().statusBar->setPanelText(1, {});
}

QByteArray cacheContent()
{
    QFile cache(seenRepliesCachePath());
    return cache.open(QIODevice::ReadOnly) ? cache.readAll() : QByteArray("(none)");
}

// The reply loaded when the user has clicked `place`.
void loadAt(TreeNode* place, const QByteArray& reply)
{
    model().selectedNodeIndex = place->index();
    loadWebCams(testWindows().main(), reply);
}

QByteArray manyFranceRecords(int count)
{
    QByteArrayList lines;
    for (int i = 1; i <= count; ++i)
        lines.append(
            webCamLine("Cam " + QByteArray::number(i), "rtsp://cams/" + QByteArray::number(i), "France", "RealPlay"));
    return webCamReply(lines);
}

} // namespace

class TestWebCamLoading : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void webCamsOfTheClickedPlaceHangUnderIt();
    void sameReplyTwiceLoadsOnce();
    void shorterReplyAfterLongerShowsOnlyItsOwnWebCams();
    void replyForAnotherPlaceIsNotRecordedAsSeen();
    void cacheThatCannotBeWrittenStillLoadsOnce();
    void keyCollisionsAndRepeats();
    void moreThan1000LinesUsesTheFirst1000();
    void replyAfterTheTreeWasClearedChangesNothing();
    void cacheLiesInTheFolderForItsOwnerOnly();
    void cacheFindsRepliesAfterABlankLine();
    void deletedCacheLoadsTheReplyAgain();
    void noIconsGivesNodesWithoutPictures();

private:
    std::optional<FrameWorld> world_;
    PlaceTree tree_;
};

void TestWebCamLoading::init()
{
    world_.emplace();
    tree_ = PlaceTree::build();
}

void TestWebCamLoading::cleanup()
{
    world_.reset();
}

void TestWebCamLoading::webCamsOfTheClickedPlaceHangUnderIt()
{
    const QByteArray reply = webCamReply({
        webCamLine("Eiffel", "http://cams/eiffel.rm", "France", "RealPlay", "Y", "secret"),
        webCamLine("Berlin", "http://cams/berlin.asx", "Germany", "MediaPlay"),
        webCamLine("Louvre", "http://cams/louvre.jpg", "france", "NoStream"),
        webCamLine("Nice", "http://cams/nice.html", "FRANCE", "IEStream"),
        webCamLine("Lyon", "http://10.1.2.3:8080/", "France", "Talvero"),
        webCamLine("Paris", "http://cams/paris.wmv", "France", "MediaPlay"),
    });
    loadAt(tree_.france, reply);

    QCOMPARE(childrenOf(*tree_.france),
             (QByteArrayList{
                 "Eiffel|France|real|http://cams/eiffel.rm",
                 "Louvre NoStream |France 1|NoStream|http://cams/louvre.jpg",
                 "Nice|France 2|IEStream|http://cams/nice.html",
                 "Lyon - Transmitter Cam |France 3|VideoLink|http://10.1.2.3:8080/",
                 "Paris|France 4|MediaPlay|http://cams/paris.wmv",
             }));
    QCOMPARE(tree_.germany->childCount(), 0);

    // Each webcam node keeps the record it was made from, password and all.
    const auto* eiffel = static_cast<const TreeNode*>(tree_.france->child(0));
    QVERIFY(eiffel->webCam);
    QCOMPARE(eiffel->webCam->password, QByteArray("secret"));
    QCOMPARE(eiffel->webCam->passwordNeeded, QByteArray("Y"));
    QCOMPARE(eiffel->webCam->kind, QByteArray("RealPlay"));

    // The table holds every record of the reply, the other place's too.
    QCOMPARE(model().webCamRow(2).name, QByteArray("Berlin"));
    QCOMPARE(model().webCamRow(6).name, QByteArray("Paris"));
    QVERIFY(model().webCamRow(7).marker.isEmpty());
    QCOMPARE(status(), kLoadingStatus);
    QCOMPARE(testWindows().main().progressBar->value(), 0);
    QCOMPARE(cacheContent(), reply + "\r\n");
}

void TestWebCamLoading::sameReplyTwiceLoadsOnce()
{
    const QByteArray reply = webCamReply({webCamLine("Eiffel", "http://cams/eiffel.rm", "France", "RealPlay"),
                                          webCamLine("Louvre", "http://cams/louvre.rm", "France", "RealPlay")});
    loadAt(tree_.france, reply);
    clearStatus();
    loadAt(tree_.france, reply);
    // The same first line in other letters, and the reply after other bytes of its chunk.
    QByteArray otherCase = reply;
    otherCase.replace("Eiffel", "EIFFEL");
    loadAt(tree_.france, otherCase);
    loadAt(tree_.france, "/Adver/x" + reply);

    QCOMPARE(tree_.france->childCount(), 2);
    QCOMPARE(status(), QByteArray());
    QCOMPARE(cacheContent(), reply + "\r\n");
}

void TestWebCamLoading::shorterReplyAfterLongerShowsOnlyItsOwnWebCams()
{
    loadAt(tree_.france,
           webCamReply({
               webCamLine("Eiffel", "http://cams/eiffel.rm", "France", "RealPlay"),
               webCamLine("Berlin", "http://cams/berlin.rm", "Germany", "RealPlay"),
               webCamLine("Bonn", "http://cams/bonn.rm", "Germany", "RealPlay"),
           }));
    loadAt(tree_.germany, webCamReply({webCamLine("Munich", "http://cams/munich.rm", "Germany", "RealPlay")}));

    QCOMPARE(childrenOf(*tree_.germany), QByteArrayList{"Munich|Germany|real|http://cams/munich.rm"});
    // The table is overwritten only as far as the new reply goes.
    QCOMPARE(model().webCamRow(1).name, QByteArray("Munich"));
    QCOMPARE(model().webCamRow(2).name, QByteArray("Berlin"));
    QCOMPARE(model().webCamRow(3).name, QByteArray("Bonn"));
}

void TestWebCamLoading::replyForAnotherPlaceIsNotRecordedAsSeen()
{
    // The user clicked France after asking for Germany: the late reply hangs nothing
    // and is not recorded, so Germany's next click still loads its webcams.
    const QByteArray reply = webCamReply({webCamLine("Berlin", "http://cams/berlin.rm", "Germany", "RealPlay")});
    loadAt(tree_.france, reply);

    QCOMPARE(tree_.france->childCount(), 0);
    QCOMPARE(tree_.germany->childCount(), 0);
    QCOMPARE(model().webCamRow(1).name, QByteArray("Berlin"));
    QCOMPARE(cacheContent(), QByteArray("(none)"));

    loadAt(tree_.germany, reply);
    QCOMPARE(childrenOf(*tree_.germany), QByteArrayList{"Berlin|Germany|real|http://cams/berlin.rm"});
    QCOMPARE(cacheContent(), reply + "\r\n");
}

void TestWebCamLoading::cacheThatCannotBeWrittenStillLoadsOnce()
{
    // A folder where the cache file should be: it can be neither read nor written.
    QVERIFY(QDir().mkpath(seenRepliesCachePath()));
    const QByteArray reply = webCamReply({webCamLine("Eiffel", "http://cams/eiffel.rm", "France", "RealPlay"),
                                          webCamLine("Louvre", "http://cams/louvre.rm", "France", "RealPlay")});
    loadAt(tree_.france, reply);
    loadAt(tree_.france, reply);
    QCOMPARE(tree_.france->childCount(), 2);

    // Forgetting the seen replies (as Connect does) forgets them in memory too.
    deleteSeenRepliesCache();
    loadAt(tree_.france, reply);
    QCOMPARE(tree_.france->childCount(), 4);
}

void TestWebCamLoading::keyCollisionsAndRepeats()
{
    tree_.france->setSorted(true);
    loadAt(tree_.france,
           webCamReply({
               webCamLine("Eiffel", "http://cams/eiffel.rm", "France", "RealPlay"),
               webCamLine("Eiffel", "http://cams/eiffel.rm", "France", "RealPlay"), // a repeat: no node
               webCamLine("Eiffel", "http://cams/eiffel2.rm", "France", "RealPlay"),
               webCamLine("Berlin", "http://cams/berlin.rm", "Germany", "RealPlay"),
               webCamLine("Arc", "http://cams/eiffel2.rm", "France", "RealPlay"), // repeats the node added last
           }));
    QCOMPARE(childrenOf(*tree_.france),
             (QByteArrayList{
                 "Eiffel|France|real|http://cams/eiffel.rm",
                 "Eiffel|France 1|real|http://cams/eiffel2.rm",
             }));

    // A second reply for the place: the collision count starts again, and keys that
    // are taken grow until one is free.
    loadAt(tree_.france,
           webCamReply({
               webCamLine("Arc", "http://cams/arc.rm", "France", "RealPlay"),
               webCamLine("Bercy", "http://cams/bercy.rm", "France", "RealPlay"),
           }));
    QCOMPARE(childrenOf(*tree_.france),
             (QByteArrayList{
                 "Arc|France 1 2|real|http://cams/arc.rm",
                 "Bercy|France 3|real|http://cams/bercy.rm",
                 "Eiffel|France|real|http://cams/eiffel.rm",
                 "Eiffel|France 1|real|http://cams/eiffel2.rm",
             }));
}

void TestWebCamLoading::moreThan1000LinesUsesTheFirst1000()
{
    loadAt(tree_.france, manyFranceRecords(1005));

    QCOMPARE(tree_.france->childCount(), 1000);
    QCOMPARE(model().webCamRow(1000).name, QByteArray("Cam 1000"));
    QVERIFY(TreeNodes::of(*testWindows().main().directoryTree).byKey("France 999"));
    QVERIFY(!TreeNodes::of(*testWindows().main().directoryTree).byKey("France 1000"));
    QCOMPARE(testWindows().main().progressBar->maximum(), 1000);
}

void TestWebCamLoading::replyAfterTheTreeWasClearedChangesNothing()
{
    model().selectedNodeIndex = tree_.france->index();
    testWindows().main().directoryTree->clear(); // as Disconnect leaves it
    loadWebCams(testWindows().main(),
                webCamReply({webCamLine("Eiffel", "http://cams/eiffel.rm", "France", "RealPlay")}));

    QCOMPARE(testWindows().main().directoryTree->topLevelItemCount(), 0);
    QCOMPARE(TreeNodes::of(*testWindows().main().directoryTree).count(), 0);
    QVERIFY(model().webCamRow(1).marker.isEmpty());
    QVERIFY(!QFile::exists(seenRepliesCachePath()));
}

void TestWebCamLoading::cacheLiesInTheFolderForItsOwnerOnly()
{
    QCOMPARE(QFileInfo(seenRepliesCachePath()).absolutePath(), QFileInfo(world_->folder().path()).absoluteFilePath());
    QCOMPARE(QFileInfo(seenRepliesCachePath()).fileName(), QStringLiteral("QS.txt"));

    const QByteArray first =
        webCamReply({webCamLine("Eiffel", "http://cams/eiffel.rm", "France", "RealPlay", "Y", "pw")});
    const QByteArray second = webCamReply({webCamLine("Berlin", "http://cams/berlin.rm", "Germany", "RealPlay")});
    loadAt(tree_.france, first);
    loadAt(tree_.germany, second);

    namespace fs = std::filesystem;
    QCOMPARE(fs::status(seenRepliesCachePath().toStdString()).permissions(),
             fs::perms::owner_read | fs::perms::owner_write);
    QCOMPARE(cacheContent(), first + "\r\n" + second + "\r\n");
}

void TestWebCamLoading::cacheFindsRepliesAfterABlankLine()
{
    // A stored reply with a blank line in it does not hide the replies stored after it.
    const QByteArray withBlankLine = "/WC/" + webCamLine("Nice", "http://cams/nice.rm", "France", "RealPlay")
        + "\r\n\r\n" + webCamLine("Ignored", "http://cams/x.rm", "France", "RealPlay") + "/EndTran/";
    const QByteArray later = webCamReply({webCamLine("Berlin", "http://cams/berlin.rm", "Germany", "RealPlay")});
    loadAt(tree_.france, withBlankLine);
    loadAt(tree_.germany, later);
    QCOMPARE(childrenOf(*tree_.france), QByteArrayList{"Nice|France|real|http://cams/nice.rm"});

    loadAt(tree_.germany, later);
    QCOMPARE(tree_.germany->childCount(), 1);

    // A reply that only begins like a stored first line is a new reply.
    loadAt(tree_.france, webCamReply({webCamLine("Nice", "http://cams/nice.rm", "France", "RealPlayer")}));
    QCOMPARE(tree_.france->childCount(), 2);
}

void TestWebCamLoading::deletedCacheLoadsTheReplyAgain()
{
    const QByteArray reply = webCamReply({webCamLine("Eiffel", "http://cams/eiffel.rm", "France", "RealPlay"),
                                          webCamLine("Louvre", "http://cams/louvre.rm", "France", "RealPlay")});
    loadAt(tree_.france, reply);
    deleteSeenRepliesCache();
    QVERIFY(!QFile::exists(seenRepliesCachePath()));
    loadAt(tree_.france, reply);

    // Beside the earlier nodes, under new keys.
    QCOMPARE(childrenOf(*tree_.france),
             (QByteArrayList{
                 "Eiffel|France|real|http://cams/eiffel.rm",
                 "Louvre|France 1|real|http://cams/louvre.rm",
                 "Eiffel|France 1 2|real|http://cams/eiffel.rm",
                 "Louvre|France 3|real|http://cams/louvre.rm",
             }));
}

void TestWebCamLoading::noIconsGivesNodesWithoutPictures()
{
    model().noIcons = true;
    loadAt(tree_.france, webCamReply({webCamLine("Eiffel", "http://cams/eiffel.rm", "France", "RealPlay")}));
    QCOMPARE(childrenOf(*tree_.france), QByteArrayList{"Eiffel|France||http://cams/eiffel.rm"});
}

QTEST_MAIN(TestWebCamLoading)
#include "test_webcamloading.moc"
