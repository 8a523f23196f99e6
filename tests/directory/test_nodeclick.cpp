// A click on a node of the main window's topic tree, from the mouse to the queries
// handed to the sender and the webcams of the reply hung under the node; the click's
// error trap; the bracket mode; a tree emptied while the click sends.
#include "FrameWorld.h"
#include "PlaceTree.h"
#include "common/Globals.h"
#include "directory/NodeClick.h"
#include "directory/WebCamLoading.h"
#include "link/RequestSenders.h"
#include "platform/RuntimeError.h"

#include <QLineEdit>
#include <QProgressBar>
#include <QTest>

#include <functional>
#include <optional>

using platform::form;

namespace {

using Texts = QList<QByteArray>;

// A left click on the node, where the tree shows it.
void clickOn(TreeNode* node)
{
    QTreeWidget& tree = *form<MainVODA>().tvwMain;
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
    void replyDuringTheSendHangsTheWebCams();
    void treeEmptiedWhileSendingEndsTheClick();
    void errorTrap_data();
    void errorTrap();
    void bracketModeOpensTheAddressInstead_data();
    void bracketModeOpensTheAddressInstead();

private:
    std::optional<FrameWorld> world_;
    PlaceTree tree_;
    Texts sent_;
    // What the sender does with each query besides recording it.
    std::function<void(const QByteArray&)> onSend_;
};

void TestNodeClick::init()
{
    gBracketUrlMode = false;
    gNoIcons = false;
    gSelectedNodeIndex = 0;
    gWebCamTable.fill(WebCamRecord{});
    world_.emplace();
    form<MainVODA>().show();
    tree_ = PlaceTree::build();
    sent_.clear();
    onSend_ = nullptr;
    setQuerySenderStandIn([this](const QByteArray& query) {
        sent_.append(query);
        if (onSend_)
            onSend_(query);
    });
}

void TestNodeClick::cleanup()
{
    setQuerySenderStandIn(nullptr);
    world_.reset();
    gBracketUrlMode = false;
}

void TestNodeClick::clickSendsTheNodesQueries_data()
{
    QTest::addColumn<QByteArray>("node");
    QTest::addColumn<Texts>("queries");
    QTest::newRow("a country") << QByteArray("France") << Texts{"Travel,France"};
    QTest::newRow("Georgia, a country and a state") << QByteArray("Georgia") << Texts{"Travel,Georgia", "Travel,Georgia"};
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
    MainVODA& main = form<MainVODA>();
    main.txtRemoteIP->setText(QStringLiteral("10.1.2.3"));
    main.ProgressBar1->setValue(40);

    clickOn(clicked);

    QCOMPARE(sent_, queries);
    QCOMPARE(gSelectedNodeIndex, clicked->Index());
    QVERIFY(clicked->Sorted());
    QVERIFY(main.txtRemoteIP->text().isEmpty());
    QCOMPARE(main.ProgressBar1->value(), 0);
    QVERIFY(world_->folder().dialogs().messageBoxes().isEmpty());
}

void TestNodeClick::replyDuringTheSendHangsTheWebCams()
{
    // The reflector answers while the sender waits for its send to complete.
    onSend_ = [](const QByteArray&) {
        LoadWebCams(webCamReply({webCamLine("Promenade", "http://cams/nice.rm", "France", "RealPlay"),
                                 webCamLine("Berlin", "http://cams/berlin.rm", "Germany", "RealPlay"),
                                 webCamLine("Arc", "http://cams/arc.jpg", "France", "NoStream")}));
    };
    clickOn(tree_.france);

    QCOMPARE(sent_, Texts{"Travel,France"});
    QCOMPARE(childrenOf(*tree_.france), (Texts{"Arc NoStream |France 1|NoStream|http://cams/arc.jpg",
                                               "Promenade|France|real|http://cams/nice.rm"}));
    QCOMPARE(gWebCamTable[2].name, QByteArray("Berlin"));

    // A click on a webcam node sends nothing: no test matches its text.
    clickOn(static_cast<TreeNode*>(tree_.france->child(1)));
    QCOMPARE(sent_.size(), 1);
}

void TestNodeClick::treeEmptiedWhileSendingEndsTheClick()
{
    // A Disconnect while the first of Georgia's two queries is being sent.
    onSend_ = [](const QByteArray&) { form<MainVODA>().tvwMain->clear(); };
    clickOn(tree_.georgia);

    QCOMPARE(sent_, (Texts{"Travel,Georgia", "Travel,Georgia"}));
    QCOMPARE(TreeNodes::of(*form<MainVODA>().tvwMain).count(), 0);
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
    QTest::newRow("52, a missing player path file") << 52 << QStringList{missingPathFile, QStringLiteral("Error =  52")};
}

void TestNodeClick::errorTrap()
{
    QFETCH(int, number);
    QFETCH(QStringList, boxes);
    // The first of Georgia's two queries fails; the click goes on with the second.
    onSend_ = [&](const QByteArray&) {
        if (sent_.size() == 1)
            throw platform::RuntimeError(number, QStringLiteral("failed"));
    };
    clickOn(tree_.georgia);

    QCOMPARE(sent_.size(), 2);
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
    QTest::newRow("an address in brackets") << QByteArray("Harbour [http://cams/harbour.html]")
                                            << QStringList{QStringLiteral("http://cams/harbour.html")};
    QTest::newRow("no brackets") << QByteArray("France") << QStringList{};
}

void TestNodeClick::bracketModeOpensTheAddressInstead()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, pages);
    TreeNode* node = text == "France"
        ? tree_.france
        : &TreeNodes::of(*form<MainVODA>().tvwMain).addChild(tree_.france->Key(), "Harbour", text, "real",
                                                             &form<MainVODA>().imlIconsRemote);
    gSelectedNodeIndex = 0;
    gBracketUrlMode = true;
    form<MainVODA>().txtRemoteIP->setText(QStringLiteral("10.1.2.3"));

    clickOn(node);

    QStringList opened;
    for (const QUrl& page : world_->folder().launcher().pages())
        opened.append(page.toString());
    QCOMPARE(opened, pages);
    QVERIFY(sent_.isEmpty());
    QVERIFY(!gBracketUrlMode);
    QCOMPARE(gSelectedNodeIndex, qint16(0));
    QVERIFY(form<MainVODA>().txtRemoteIP->text().isEmpty());
}

QTEST_MAIN(TestNodeClick)
#include "test_nodeclick.moc"
