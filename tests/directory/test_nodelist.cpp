// The topic tree after a login: the icons of the "icons" folder, the tree built from
// Nodes.lst, the topics collected for the locator, the failure boxes, and the node
// collection that later steps address nodes by.
#include "Control.h"
#include "FrameWorld.h"
#include "TestWindows.h"
#include "directory/MainWindow.h"
#include "directory/NodeList.h"
#include "directory/TopicIcons.h"
#include "directory/TreeNodes.h"
#include "link/ReflectorSession.h"
#include "linkwindows/StatusWindow.h"
#include "platform/Codec.h"
#include "platform/RuntimeError.h"
#include "tools/LocatorWindow.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProgressBar>
#include <QTest>
#include <QTreeWidget>

#include <algorithm>
#include <optional>

Q_DECLARE_METATYPE(std::optional<QByteArray>)
Q_DECLARE_METATYPE(std::optional<QStringList>)

namespace {

const QColor kFirstIconColour(Qt::red);
const QColor kOtherIconColour(Qt::blue);

// Icon files in the program's icons folder: the first one red, the others blue.
void writeIcons(FrameWorld& world, const QStringList& names)
{
    QDir(world.folder().path()).mkpath(QStringLiteral("icons"));
    for (qsizetype i = 0; i < names.size(); ++i) {
        QImage picture(16, 16, QImage::Format_ARGB32);
        picture.fill(i == 0 ? kFirstIconColour : kOtherIconColour);
        QVERIFY(picture.save(world.folder().filePath(QStringLiteral("icons/") + names[i]), "ICO"));
    }
}

QList<TreeNode*> nodesInTreeOrder(QTreeWidget& tree)
{
    QList<TreeNode*> nodes;
    std::function<void(QTreeWidgetItem*)> visit = [&](QTreeWidgetItem* item) {
        for (int i = 0; i < item->childCount(); ++i) {
            QTreeWidgetItem* child = item->child(i);
            if (child->type() == TreeNode::kType)
                nodes << static_cast<TreeNode*>(child);
            visit(child);
        }
    };
    visit(tree.invisibleRootItem());
    return nodes;
}

QList<QByteArray> fullPaths(QTreeWidget& tree)
{
    QList<QByteArray> paths;
    for (TreeNode* node : nodesInTreeOrder(tree))
        paths << node->fullPath();
    return paths;
}

// The main window's directory model, which a fresh main window starts anew.
DirectoryModel& model()
{
    return testWindows().main().directoryModel;
}

const TopicIcons& topicIcons()
{
    return testWindows().main().topicIcons;
}

// The icon load goes on from the event loop; the tree is built once it has ended.
void loadIconsAndWait()
{
    bool loaded = false;
    loadTopicIcons(testWindows(), [&loaded] { loaded = true; });
    QTRY_VERIFY(loaded);
}

QList<QByteArray> collectedTopics()
{
    QList<QByteArray> topics;
    for (const QByteArray& topic : model().topics()) {
        if (topic.isEmpty())
            break;
        topics << topic;
    }
    return topics;
}

// The keys of the loaded icons, from position 8 on (the one loaded last first).
QList<QByteArray> loadedIconKeys(const ImageList& images)
{
    QList<QByteArray> keys;
    for (int position = 8; position <= images.count(); ++position)
        keys << images.key(position);
    return keys;
}

// The rows the icon load listed, as "file name|key".
QList<QByteArray> iconFileRows()
{
    QList<QByteArray> rows;
    for (const TopicIcons::File& row : topicIcons().rows())
        rows << row.fileName + '|' + row.imageKey;
    return rows;
}

QStringList newMessages(FrameWorld& world, qsizetype shownBefore)
{
    return world.folder().dialogs().messageTexts().mid(shownBefore);
}

QByteArray shippedNodeList()
{
    QFile file(QStringLiteral(VISTREL_SHIPPED_DATA "/Nodes.lst"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestNodeList : public QObject {
    Q_OBJECT
private slots:
    void loadAndBuild_data();
    void loadAndBuild();
    void shippedNodeListBuildsWithoutMessages();
    void rebuildIntoAnUnclearedTree();
    void theLocatorListsTheBuiltTopics();
    void nodeCollection();
    void sortedNodesKeepTheirChildrenInOrder();
    void nodeIndexIsBoundedBy16Bits();
    void aDeepChainStopsAtTheDeepestLevelWithOneBox();
};

void TestNodeList::loadAndBuild_data()
{
    QTest::addColumn<std::optional<QByteArray>>("nodeList");
    QTest::addColumn<std::optional<QStringList>>("icons"); // nothing: no icons folder
    QTest::addColumn<bool>("noIcons");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QList<QByteArray>>("paths");
    QTest::addColumn<QList<QByteArray>>("topics");
    QTest::addColumn<QList<QByteArray>>("iconRows");
    QTest::addColumn<QList<QByteArray>>("iconKeys");

    const QByteArray animals = "\"Top\",\"Animals\",\"Animals\",\"Closed\"\r\n";
    const QList<QByteArray> animalsPaths{"Internet", "Internet\\Animals", "Internet\\Animals\\Dogs"};
    const QByteArray dogs = animals + "\"Animals\",\"Animals/Dogs\",\"Dogs\",\"dog\"\r\n";

    QTest::newRow("empty icons folder") << std::optional(dogs) << std::optional(QStringList{}) << false
                                        << QStringList{" 35601  = Element not foundAnimals   Animals/Dogs   Dogs   dog"}
                                        << animalsPaths.mid(0, 2) << QList<QByteArray>{"Animals"}
                                        << QList<QByteArray>{"|"} << QList<QByteArray>{};
    QTest::newRow("no icons folder") << std::optional(animals) << std::optional<QStringList>() << false << QStringList{}
                                     << animalsPaths.mid(0, 2) << QList<QByteArray>{"Animals"} << QList<QByteArray>{"|"}
                                     << QList<QByteArray>{};
    QTest::newRow("shared key prefix: the first listed wins")
        << std::optional(dogs) << std::optional(QStringList{"dog_a.ico", "dog_b.ico"}) << false << QStringList{}
        << animalsPaths << QList<QByteArray>{"Animals"} << QList<QByteArray>{"dog_a.ico|dog", "dog_b.ico|dog", "|"}
        << QList<QByteArray>{"dog"};
    QTest::newRow("built-in key taken by an icon")
        << std::optional(animals) << std::optional(QStringList{"Closed_big.ico"}) << false << QStringList{}
        << animalsPaths.mid(0, 2) << QList<QByteArray>{"Animals"} << QList<QByteArray>{"Closed_big.ico|Closed", "|"}
        << QList<QByteArray>{};
    QTest::newRow("a name without \"_\"")
        << std::optional(animals + "\"Animals\",\"Animals/Cats\",\"Cats\",\"cat.ico\"\r\n")
        << std::optional(QStringList{"cat.ico"}) << false << QStringList{}
        << QList<QByteArray>{"Internet", "Internet\\Animals", "Internet\\Animals\\Cats"} << QList<QByteArray>{"Animals"}
        << QList<QByteArray>{"cat.ico|cat.ico", "|"} << QList<QByteArray>{"cat.ico"};
    QTest::newRow("icons switched off") << std::optional(
        QByteArray("\"Top\",\"Animals\",\"Animals\",\"dog\"\r\n"
                   "\"Animals\",\"Animals/Yeti\",\"Yeti\",\"nothing\"\r\n"))
                                        << std::optional(QStringList{"dog_a.ico"}) << true << QStringList{}
                                        << QList<QByteArray>{"Internet", "Internet\\Animals", "Internet\\Animals\\Yeti"}
                                        << QList<QByteArray>{"Animals"} << QList<QByteArray>{"dog_a.ico|dog", "|"}
                                        << QList<QByteArray>{};
    QTest::newRow("a quoted comma") << std::optional(
        QByteArray("\"Top\",\"Travel\",\"Travel\",\"Closed\"\r\n"
                   "\"Travel\",\"Travel/DC\",\"Washington, D.C.\",\"VideoLink\"\r\n"))
                                    << std::optional<QStringList>() << false << QStringList{}
                                    << QList<QByteArray>{"Internet", "Internet\\Travel",
                                                         "Internet\\Travel\\Washington, D.C."}
                                    << QList<QByteArray>{"Travel"} << QList<QByteArray>{"|"} << QList<QByteArray>{};
    QTest::newRow("a record across lines, unquoted values")
        << std::optional(QByteArray("Top,Art\r\nArt,Open\r\nArt,\"Art/Painting\"\n  Painting,VideoLink"))
        << std::optional<QStringList>() << false << QStringList{}
        << QList<QByteArray>{"Internet", "Internet\\Art", "Internet\\Art\\Painting"} << QList<QByteArray>{"Art"}
        << QList<QByteArray>{"|"} << QList<QByteArray>{};
    QTest::newRow("a child before its parent")
        << std::optional(QByteArray("\"Sports\",\"Sports/Golf\",\"Golf\",\"VideoLink\"\r\n"
                                    "\"Top\",\"Sports\",\"Sports\",\"Closed\"\r\n"
                                    "\"Sports/Golf\",\"Sports/Golf/Links\",\"Links\",\"VideoLink\"\r\n"))
        << std::optional<QStringList>() << false
        << QStringList{" 35601  = Element not foundSports   Sports/Golf   Golf   VideoLink"} // the next one is logged
        << QList<QByteArray>{"Internet", "Internet\\Sports"} << QList<QByteArray>{"Sports"} << QList<QByteArray>{"|"}
        << QList<QByteArray>{};
    QTest::newRow("a missing Nodes.lst") << std::optional<QByteArray>() << std::optional<QStringList>() << false
                                         << QStringList{" 53  = File not found         "}
                                         << QList<QByteArray>{"Internet"} << QList<QByteArray>{}
                                         << QList<QByteArray>{"|"} << QList<QByteArray>{};
    QTest::newRow("a list that ends inside a record")
        << std::optional(QByteArray("\"Top\",\"A\",\"Alpha\",\"Closed\"\r\n\"Top\",\"B\"\r\n"))
        << std::optional<QStringList>() << false << QStringList{" 62  = Input past end of fileTop   B      "}
        << QList<QByteArray>{"Internet", "Internet\\Alpha"} << QList<QByteArray>{"Alpha"} << QList<QByteArray>{"|"}
        << QList<QByteArray>{};
    QTest::newRow("a duplicate key, and \"Top\" in another case")
        << std::optional(QByteArray("\"Top\",\"A\",\"Alpha\",\"Closed\"\r\n\"top\",\"M\",\"Misc\",\"Closed\"\r\n"
                                    "\"Top\",\"a\",\"Again\",\"Closed\"\r\n"))
        << std::optional<QStringList>() << false
        << QStringList{" 35602  = Key is not unique in collectionTop   a   Again   Closed"}
        << QList<QByteArray>{"Internet", "Internet\\Alpha", "Internet\\Misc"} << QList<QByteArray>{"Alpha", "Again"}
        << QList<QByteArray>{"|"} << QList<QByteArray>{};

    QByteArray manyTopics;
    QList<QByteArray> manyPaths{"Internet"};
    QList<QByteArray> storedTopics;
    for (int i = 1; i <= 2001; ++i) {
        const QByteArray text = "Topic " + QByteArray::number(i);
        manyTopics += "\"Top\",\"T" + QByteArray::number(i) + "\",\"" + text + "\",\"Closed\"\r\n";
        manyPaths << "Internet\\" + text;
        if (i <= 2000)
            storedTopics << text;
    }
    QTest::newRow("2001 topics") << std::optional(manyTopics) << std::optional<QStringList>() << false
                                 << QStringList{" 9  = Subscript out of rangeTop   T2001   Topic 2001   Closed"}
                                 << manyPaths << storedTopics << QList<QByteArray>{"|"} << QList<QByteArray>{};

    QStringList manyIcons;
    QList<QByteArray> manyRows;
    QList<QByteArray> manyKeys;
    for (int i = 0; i < 502; ++i) {
        const QByteArray name = "i" + QByteArray::number(i).rightJustified(3, '0') + ".ico";
        manyIcons << QString::fromLatin1(name);
        if (i < TopicIcons::kFileLimit) {
            manyRows << name + '|' + name;
            manyKeys.prepend(name);
        }
    }
    QTest::newRow("502 icons: the first 501 are listed")
        << std::optional(animals) << std::optional(manyIcons) << false << QStringList{} << animalsPaths.mid(0, 2)
        << QList<QByteArray>{"Animals"} << manyRows << manyKeys;
}

void TestNodeList::loadAndBuild()
{
    QFETCH(std::optional<QByteArray>, nodeList);
    QFETCH(std::optional<QStringList>, icons);
    QFETCH(bool, noIcons);
    QFETCH(QStringList, messages);
    QFETCH(QList<QByteArray>, paths);
    QFETCH(QList<QByteArray>, topics);
    QFETCH(QList<QByteArray>, iconRows);
    QFETCH(QList<QByteArray>, iconKeys);

    FrameWorld world;
    if (nodeList)
        world.writeProgramFile(QStringLiteral("Nodes.lst"), *nodeList);
    if (icons)
        writeIcons(world, *icons);
    model().noIcons = noIcons;
    MainWindow& main = testWindows().main();
    const qsizetype shownBefore = world.folder().dialogs().messageBoxes().size();

    loadIconsAndWait();
    buildTopicTree(testWindows());

    QCOMPARE(newMessages(world, shownBefore), messages);
    for (const platform::MessageBoxRequest& box : world.folder().dialogs().messageBoxes().mid(shownBefore)) {
        QCOMPARE(box.buttons, platform::MessageButtons::Ok);
        QCOMPARE(box.title, QStringLiteral("Vistrel"));
    }
    QCOMPARE(fullPaths(*main.directoryTree), paths);
    QCOMPARE(collectedTopics(), topics);
    QCOMPARE(topicIcons().count(), qint16(iconRows.size() + (iconRows.size() == TopicIcons::kFileLimit ? 1 : 0)));
    QCOMPARE(iconFileRows(), iconRows);
    QCOMPARE(loadedIconKeys(main.remoteIcons), iconKeys);
    // Never a range of 0 to 0: that makes the bar a busy indicator, animating for good.
    QCOMPARE(main.progressBar->maximum(), std::max(1, topicIcons().count() - 1));
    QCOMPARE(main.progressBar->value(), 0);

    // The root always shows its folder picture; the others show theirs unless icons are off.
    const QList<TreeNode*> nodes = nodesInTreeOrder(*main.directoryTree);
    QCOMPARE(nodes.first()->imageKey(), QByteArray("Closed"));
    QVERIFY(!nodes.first()->icon(0).isNull());
    for (TreeNode* node : nodes.mid(1))
        QCOMPARE(node->icon(0).isNull(), noIcons);
    if (!iconKeys.isEmpty() && icons->size() > 1) {
        // Of two files with one key, the one listed first gives the picture.
        const QImage picture = main.remoteIcons.icon(iconKeys.last()).pixmap(48, 48).toImage();
        QCOMPARE(picture.pixelColor(24, 24), kFirstIconColour);
    }
}

void TestNodeList::shippedNodeListBuildsWithoutMessages()
{
    const QByteArray shipped = shippedNodeList();
    QVERIFY(!shipped.isEmpty());
    FrameWorld world;
    world.writeProgramFile(QStringLiteral("Nodes.lst"), shipped);
    MainWindow& main = testWindows().main();
    const qsizetype shownBefore = world.folder().dialogs().messageBoxes().size();

    loadIconsAndWait();
    buildTopicTree(testWindows());

    QCOMPARE(newMessages(world, shownBefore), QStringList{});
    const TreeNodes& nodes = TreeNodes::of(*main.directoryTree);
    QCOMPARE(nodes.count(), 1 + shipped.count('\n'));
    QVERIFY(collectedTopics().contains("Airports"));
    QCOMPARE(nodes.byKey("Airports/Countries/Albania")->fullPath(),
             QByteArray("Internet\\Airports\\Countries\\Albania"));
}

// The build hands the topics it collected to the locator, which lists them at its next load.
void TestNodeList::theLocatorListsTheBuiltTopics()
{
    FrameWorld world;
    world.writeProgramFile(QStringLiteral("Nodes.lst"),
                           "\"Top\",\"A\",\"Animals\",\"Closed\"\r\n"
                           "\"A\",\"D\",\"Dogs\",\"Closed\"\r\n"
                           "\"ArtTop\",\"T\",\"Travel\",\"Closed\"\r\n");
    testWindows().main();
    buildTopicTree(testWindows());

    reflectorSession().state().loggedIn = true;
    LocatorWindow& locator = testWindows().tools.locator();
    locator.load();
    QStringList listed;
    for (int i = 0; i < control<QComboBox>(locator, "cmbTopics")->count(); ++i)
        listed << control<QComboBox>(locator, "cmbTopics")->itemText(i);
    QCOMPARE(listed, QStringList({QStringLiteral("Animals"), QStringLiteral("Travel")}));
}

void TestNodeList::rebuildIntoAnUnclearedTree()
{
    FrameWorld world;
    world.writeProgramFile(QStringLiteral("Nodes.lst"),
                           "\"Top\",\"A\",\"Alpha\",\"Closed\"\r\n\"Top\",\"B\",\"Beta\",\"Closed\"\r\n");
    MainWindow& main = testWindows().main();
    buildTopicTree(testWindows());
    const qsizetype shownBefore = world.folder().dialogs().messageBoxes().size();

    buildTopicTree(testWindows());

    // The first failure of the build gets the box, the later ones the status log.
    QCOMPARE(newMessages(world, shownBefore),
             QStringList{" 35602  = Key is not unique in collection   Top   Internet   Closed"});
    const QByteArray log = testWindows().link.status().logText();
    QVERIFY(log.contains(" 35602  = Key is not unique in collectionTop   A   Alpha   Closed"));
    QVERIFY(log.contains(" 35602  = Key is not unique in collectionTop   B   Beta   Closed"));
    QVERIFY(log.contains("Nodes.lst: 2 more failing records, logged above"));
    QCOMPARE(TreeNodes::of(*main.directoryTree).count(), 3);

    // Cleared and built from a shorter list: the Index count starts again, and the
    // locator is offered no topic of the earlier list.
    world.writeProgramFile(QStringLiteral("Nodes.lst"), "\"Top\",\"C\",\"Gamma\",\"Closed\"\r\n");
    main.directoryTree->clear();
    QCOMPARE(TreeNodes::of(*main.directoryTree).count(), 0);
    buildTopicTree(testWindows());
    QCOMPARE(collectedTopics(), QList<QByteArray>{"Gamma"});
    QCOMPARE(TreeNodes::of(*main.directoryTree).byIndex(1)->key(), QByteArray("Top"));
    QCOMPARE(TreeNodes::of(*main.directoryTree).byIndex(2)->nodeText(), QByteArray("Gamma"));
}

void TestNodeList::nodeCollection()
{
    QTreeWidget tree;
    TreeNodes& nodes = TreeNodes::of(tree);
    QCOMPARE(&TreeNodes::of(tree), &nodes);
    nodes.addTopLevel("Top", "Internet", {}, nullptr);
    nodes.addChild("TOP", "Places", "Caf\xe9s", {}, nullptr);
    TreeNode& paris = nodes.addChild("places", "Places/Paris", "Paris", {}, nullptr);

    QCOMPARE(nodes.byKey("PLACES/PARIS"), &paris);
    QCOMPARE(paris.index(), qint16(3));
    QCOMPARE(nodes.byIndex(3), &paris);
    QCOMPARE(nodes.lastAdded(), &paris);
    QCOMPARE(paris.fullPath(), QByteArray("Internet\\Caf\xe9s\\Paris"));
    QCOMPARE(paris.parentNode()->text(0), QStringLiteral("Caf\u00e9s"));

    ImageList images;
    images.add("Closed", "Closed", QPixmap(16, 16));
    const auto failure = [&](auto add) -> int {
        try {
            add();
        } catch (const platform::RuntimeError& error) {
            return error.number();
        }
        return 0;
    };
    QCOMPARE(failure([&] { nodes.addChild("Nowhere", "X", "X", {}, nullptr); }), TreeNodes::kElementNotFound);
    QCOMPARE(failure([&] { nodes.addChild("Top", "PLACES", "X", {}, nullptr); }), TreeNodes::kKeyNotUnique);
    QCOMPARE(failure([&] { nodes.addChild("Top", "", "X", {}, nullptr); }), TreeNodes::kInvalidKey);
    QCOMPARE(failure([&] { nodes.addChild("Top", "X", "X", "Open", &images); }), TreeNodes::kElementNotFound);
    QCOMPARE(nodes.count(), 3);
    QCOMPARE(nodes.addChild("Top", "X", "X", "Closed", &images).index(), qint16(4));

    // A deleted node leaves the collection with its children.
    delete nodes.byKey("Places");
    QCOMPARE(nodes.count(), 2);
    QVERIFY(!nodes.byKey("Places/Paris"));
    QVERIFY(!nodes.byIndex(3));
    QCOMPARE(nodes.byIndex(4)->key(), QByteArray("X"));
}

void TestNodeList::sortedNodesKeepTheirChildrenInOrder()
{
    QTreeWidget tree;
    TreeNodes& nodes = TreeNodes::of(tree);
    nodes.addTopLevel("z", "zulu", {}, nullptr);
    TreeNode& top = nodes.addTopLevel("Top", "Internet", {}, nullptr);
    nodes.addTopLevel("A", "alpha", {}, nullptr);
    for (const char* text : {"Delta", "bravo", "Charlie"})
        nodes.addChild("Top", text, text, {}, nullptr);
    const auto childTexts = [](QTreeWidgetItem* item) {
        QStringList texts;
        for (int i = 0; i < item->childCount(); ++i)
            texts << item->child(i)->text(0);
        return texts;
    };

    // The tree's sorting orders the top level only; a node's orders its children.
    nodes.setSorted(true);
    QCOMPARE(childTexts(tree.invisibleRootItem()), (QStringList{"alpha", "Internet", "zulu"}));
    QCOMPARE(childTexts(&top), (QStringList{"Delta", "bravo", "Charlie"}));
    top.setSorted(true);
    QCOMPARE(childTexts(&top), (QStringList{"bravo", "Charlie", "Delta"}));
    nodes.addChild("Top", "Echo", "Able", {}, nullptr);
    nodes.addChild("Top", "Golf", "Zed", {}, nullptr);
    nodes.addTopLevel("M", "mike", {}, nullptr);
    QCOMPARE(childTexts(&top), (QStringList{"Able", "bravo", "Charlie", "Delta", "Zed"}));
    QCOMPARE(childTexts(tree.invisibleRootItem()), (QStringList{"alpha", "Internet", "mike", "zulu"}));
}

void TestNodeList::nodeIndexIsBoundedBy16Bits()
{
    QTreeWidget tree;
    TreeNodes& nodes = TreeNodes::of(tree);
    nodes.addTopLevel("Top", "Internet", {}, nullptr);
    for (int i = 2; i <= TreeNodes::kMaxNodes; ++i)
        nodes.addChild("Top", "K" + QByteArray::number(i), "N", {}, nullptr);
    QCOMPARE(nodes.lastAdded()->index(), qint16(32767));
    QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, nodes.addChild("Top", "One more", "N", {}, nullptr));
    QCOMPARE(nodes.count(), TreeNodes::kMaxNodes);
}

// A list whose records form one chain is built down to 64 levels below the root: the
// record that would go deeper gets the box, every later failure (their parents are
// missing now) a status log line with its record, and one line counts them. "*" on the
// root then expands the whole tree, which the tree view lays out one recursion per
// level: a chain as long as the node limit allows would overflow the stack there.
void TestNodeList::aDeepChainStopsAtTheDeepestLevelWithOneBox()
{
    constexpr int kChain = 32000;
    QByteArray list = "\"Top\",\"K1\",\"N1\",\"Closed\"\r\n";
    for (int i = 2; i <= kChain; ++i)
        list += "\"K" + QByteArray::number(i - 1) + "\",\"K" + QByteArray::number(i) + "\",\"N" + QByteArray::number(i)
            + "\",\"Closed\"\r\n";
    FrameWorld world;
    world.writeProgramFile(QStringLiteral("Nodes.lst"), list);
    model().noIcons = true;
    MainWindow& main = testWindows().main();
    const qsizetype shownBefore = world.folder().dialogs().messageBoxes().size();

    // The lines as the build hands them to the log (the status log itself keeps only
    // its newest megabyte).
    QList<QByteArray> logged;
    buildNodesInto(*main.directoryTree, main.remoteIcons, main.directoryModel,
                   [&logged](const QByteArray& line) { logged << line; });

    QCOMPARE(newMessages(world, shownBefore),
             QStringList{" 5  = Node nested deeper than 64 levelsK64   K65   N65   Closed"});
    QCOMPARE(logged.size(), kChain - 65 + 1);
    QCOMPARE(logged.first(), QByteArray(" 35601  = Element not foundK65   K66   N66   Closed"));
    QCOMPARE(logged[logged.size() - 2],
             " 35601  = Element not foundK" + QByteArray::number(kChain - 1) + "   K" + QByteArray::number(kChain)
                 + "   N" + QByteArray::number(kChain) + "   Closed");
    QCOMPARE(logged.last(), "Nodes.lst: " + QByteArray::number(kChain - 65) + " more failing records, logged above");
    QCOMPARE(fullPaths(*main.directoryTree).size(), 65);

    main.show();
    QTreeWidget& tree = *main.directoryTree;
    tree.setCurrentItem(tree.topLevelItem(0));
    tree.setFocus();
    QTest::keyClick(&tree, Qt::Key_Asterisk);
    const QList<TreeNode*> nodes = nodesInTreeOrder(tree);
    QCOMPARE(nodes.last()->key(), QByteArray("K64"));
    for (TreeNode* node : nodes.mid(0, nodes.size() - 1))
        QVERIFY(node->isExpanded());
}

QTEST_MAIN(TestNodeList)
#include "test_nodelist.moc"
