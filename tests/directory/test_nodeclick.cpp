// A click on a node of the main window's topic tree, from the mouse to the queries
// the reflector receives (of the places, only the listed states and countries) and
// the webcams of its reply hung under the node; the click's error trap; the bracket
// mode; a tree emptied while the click sends.
#include "FakeReflector.h"
#include "FrameWorld.h"
#include "PlaceTree.h"
#include "ReflectorAt.h"
#include "TestWindows.h"
#include "directory/MainWindow.h"
#include "directory/NodeClick.h"
#include "directory/WebCamLoading.h"
#include "platform/RuntimeError.h"
#include "platform/Wait.h"

#include <QLineEdit>
#include <QProgressBar>
#include <QTest>

#include <optional>

namespace {

// The main window's directory model, which a fresh main window starts anew.
DirectoryModel& model()
{
    return testWindows().main().directoryModel;
}

using Texts = QList<QByteArray>;

// A left click on the node, where the tree shows it.
void clickOn(TreeNode* node)
{
    QTreeWidget& tree = *testWindows().main().directoryTree;
    tree.scrollToItem(node);
    const QRect place = tree.visualItemRect(node);
    QVERIFY(!place.isEmpty());
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, place.center());
}

} // namespace

class TestNodeClick : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void clickSendsTheNodesQueries_data();
    void clickSendsTheNodesQueries();
    void onlyListedPlacesReachTheReflector();
    void returnKeyClicksTheCurrentNode();
    void doubleClickRunsTheClickOnce();
    void replyDuringTheSendHangsTheWebCams();
    void treeEmptiedWhileSendingEndsTheClick();
    void errorTrap_data();
    void errorTrap();
    void bracketModeOpensTheAddressInstead_data();
    void bracketModeOpensTheAddressInstead();

private:
    Texts received() const { return reflector_->requestTexts(); }

    std::optional<FrameWorld> world_;
    std::optional<FakeReflector> reflector_;
    PlaceTree tree_;
};

void TestNodeClick::init()
{
    world_.emplace();
    testWindows().main().show();
    tree_ = PlaceTree::build();
    reflector_.emplace();
    QVERIFY(reflector_->listen());
    useReflector(reflector_->port());
}

void TestNodeClick::cleanup()
{
    reflector_.reset();
    world_.reset();
}

void TestNodeClick::clickSendsTheNodesQueries_data()
{
    QTest::addColumn<QByteArray>("node");
    QTest::addColumn<Texts>("queries");
    QTest::newRow("a country") << QByteArray("France") << Texts{"Travel,France"};
    QTest::newRow("Georgia, a country and a state")
        << QByteArray("Georgia") << Texts{"Travel,Georgia", "Travel,Georgia"};
    QTest::newRow("a state") << QByteArray("Florida") << Texts{"Travel,Florida"};
    QTest::newRow("a category node") << QByteArray("TechTV") << Texts{"Technology,TechTV"};
    QTest::newRow("the root") << QByteArray("Internet") << Texts{};
}

void TestNodeClick::clickSendsTheNodesQueries()
{
    QFETCH(QByteArray, node);
    QFETCH(Texts, queries);
    TreeNode* clicked = PlaceTree::find(node);
    QVERIFY(clicked);
    MainWindow& main = testWindows().main();
    main.transmitterAddressBox->setText(QStringLiteral("10.1.2.3"));
    main.progressBar->setValue(40);

    clickOn(clicked);

    // Each query goes out on a connection of its own and is sent before the click ends.
    QTRY_COMPARE(received(), queries);
    QTest::qWait(100);
    QCOMPARE(received(), queries);
    QCOMPARE(model().selectedNodeIndex, clicked->index());
    QVERIFY(clicked->isSorted());
    QVERIFY(main.transmitterAddressBox->text().isEmpty());
    QCOMPARE(main.progressBar->value(), 0);
    QVERIFY(world_->folder().dialogs().messageBoxes().isEmpty());
}

// Only the places of the lists reach the reflector, each as one request.
void TestNodeClick::onlyListedPlacesReachTheReflector()
{
    reflector_->setQuietGapMs(10);
    MainWindow& main = testWindows().main();
    TreeNodes& nodes = TreeNodes::of(*main.directoryTree);
    auto add = [&](const QByteArray& parent, const QByteArray& key, const QByteArray& text) {
        return &nodes.addChild(parent, key, text, "VideoLink", &main.remoteIcons);
    };
    add("Top", "Airports", "Airports");
    add("Airports", "Airports/USA", "USA");
    add("Airports", "Airports/Countries", "Countries");
    const QList<TreeNode*> places = {
        add("Airports/USA", "Airports/USA/Texas", "Texas"),
        add("Airports/USA", "Airports/USA/lower-case texas", "texas"), // keys ignore letter case
        add("Airports/Countries", "Airports/Countries/japan", "japan"),
        add("Airports/Countries", "Airports/Countries/Atlantis", "Atlantis"),
    };
    main.directoryTree->expandAll();

    for (TreeNode* place : places)
        clickOn(place);
    QVERIFY(platform::waitUntil([&] { return reflector_->requests().size() == 2; }, 5000));
    QCOMPARE(reflector_->requestTexts(), QList<QByteArray>({"Airports,Texas", "Airports,japan"}));
    QCOMPARE(reflector_->connections().size(), 2);
}

void TestNodeClick::returnKeyClicksTheCurrentNode()
{
    QTreeWidget& tree = *testWindows().main().directoryTree;
    tree.setCurrentItem(tree_.france);
    QTest::keyClick(&tree, Qt::Key_Return);
    QTRY_COMPARE(received(), Texts{"Travel,France"});

    // Moving through the tree clicks nothing; Enter on the keypad clicks too.
    tree.setCurrentItem(tree_.georgia);
    QTest::keyClick(&tree, Qt::Key_Down);
    QTest::keyClick(&tree, Qt::Key_Up);
    QTest::qWait(100);
    QCOMPARE(received(), Texts{"Travel,France"});
    QTest::keyClick(&tree, Qt::Key_Enter, Qt::KeypadModifier);
    QTRY_COMPARE(received(), (Texts{"Travel,France", "Travel,Georgia", "Travel,Georgia"}));
}

void TestNodeClick::doubleClickRunsTheClickOnce()
{
    QTreeWidget& tree = *testWindows().main().directoryTree;
    tree.scrollToItem(tree_.florida);
    const QPoint centre = tree.visualItemRect(tree_.florida).center();
    // A double click as the window system delivers it: a click, then a double-click press and its release.
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(tree.viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseRelease(tree.viewport(), Qt::LeftButton, {}, centre);
    QTRY_COMPARE(received(), Texts{"Travel,Florida"});
    QTest::qWait(100);
    QCOMPARE(received(), Texts{"Travel,Florida"});
}

void TestNodeClick::replyDuringTheSendHangsTheWebCams()
{
    reflector_->script(
        "Travel,France",
        FakeReflector::Reply::text(webCamReply({webCamLine("Promenade", "http://cams/nice.rm", "France", "RealPlay"),
                                                webCamLine("Berlin", "http://cams/berlin.rm", "Germany", "RealPlay"),
                                                webCamLine("Arc", "http://cams/arc.jpg", "France", "NoStream")})));
    clickOn(tree_.france);

    QTRY_COMPARE(
        childrenOf(*tree_.france),
        (Texts{"Arc NoStream |France 1|NoStream|http://cams/arc.jpg", "Promenade|France|real|http://cams/nice.rm"}));
    QCOMPARE(received(), Texts{"Travel,France"});
    QCOMPARE(model().webCamRow(2).name, QByteArray("Berlin"));

    // A click on a webcam node sends nothing: no test matches its text.
    clickOn(static_cast<TreeNode*>(tree_.france->child(1)));
    QTest::qWait(100);
    QCOMPARE(received().size(), 1);
}

void TestNodeClick::treeEmptiedWhileSendingEndsTheClick()
{
    // The tree is emptied (as a Disconnect does) while the first of Georgia's two
    // queries is connecting.
    connect(&*reflector_, &FakeReflector::connectionAccepted, this,
            [] { testWindows().main().directoryTree->clear(); });
    clickOn(tree_.georgia);

    QTRY_VERIFY(!received().isEmpty());
    QCOMPARE(received().first(), QByteArray("Travel,Georgia"));
    QCOMPARE(TreeNodes::of(*testWindows().main().directoryTree).count(), 0);
    QVERIFY(world_->folder().dialogs().messageBoxes().isEmpty());
}

void TestNodeClick::errorTrap_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QStringList>("boxes");
    const QString missingPathFile =
        QStringLiteral("Either the Real.txt or MediaPlay.txt file is missing from the Application directory.");
    QTest::newRow("an error") << 9 << QStringList{QStringLiteral("Error =  9")};
    QTest::newRow("a socket error") << 40006 << QStringList{QStringLiteral("Error =  40006")};
    QTest::newRow("a negative number") << -2147 << QStringList{QStringLiteral("Error = -2147")};
    QTest::newRow("5 is silent") << 5 << QStringList{};
    QTest::newRow("53 is silent") << 53 << QStringList{};
    QTest::newRow("52, a missing player path file")
        << 52 << QStringList{missingPathFile, QStringLiteral("Error =  52")};
}

void TestNodeClick::errorTrap()
{
    QFETCH(int, number);
    QFETCH(QStringList, boxes);
    reportNodeClickError(number);

    QCOMPARE(world_->folder().dialogs().messageTexts(), boxes);
    for (const platform::MessageBoxRequest& box : world_->folder().dialogs().messageBoxes()) {
        QCOMPARE(box.buttons, platform::MessageButtons::Ok);
        QCOMPARE(box.title, QStringView(platform::kDefaultDialogTitle).toString());
    }
}

void TestNodeClick::bracketModeOpensTheAddressInstead_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("pages");
    QTest::newRow("an address in brackets")
        << QByteArray("Harbour [http://cams/harbour.html]") << QStringList{QStringLiteral("http://cams/harbour.html")};
    QTest::newRow("no brackets") << QByteArray("France") << QStringList{};
}

void TestNodeClick::bracketModeOpensTheAddressInstead()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, pages);
    TreeNode* node = text == "France"
        ? tree_.france
        : &TreeNodes::of(*testWindows().main().directoryTree)
               .addChild(tree_.france->key(), "Harbour", text, "real", &testWindows().main().remoteIcons);
    model().selectedNodeIndex = 0;
    model().bracketUrlMode = true;
    testWindows().main().transmitterAddressBox->setText(QStringLiteral("10.1.2.3"));

    clickOn(node);

    QStringList opened;
    for (const QUrl& page : world_->folder().launcher().pages())
        opened.append(page.toString());
    QCOMPARE(opened, pages);
    QTest::qWait(100);
    QVERIFY(received().isEmpty());
    QVERIFY(!model().bracketUrlMode);
    QCOMPARE(model().selectedNodeIndex, qint16(0));
    QVERIFY(testWindows().main().transmitterAddressBox->text().isEmpty());
}

QTEST_MAIN(TestNodeClick)
#include "test_nodeclick.moc"
