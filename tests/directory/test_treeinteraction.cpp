// The topic tree's own events: the restricted-topic check on expand and on click (with
// the queries the fake reflector receives), the right-click help page, the bracket mode
// that a Shift+right-click sets, and the mouse move that arms the toolbar reset.
#include "Control.h"
#include "FakeReflector.h"
#include "FrameWorld.h"
#include "PlaceTree.h"
#include "ReflectorAt.h"
#include "TestWindows.h"
#include "directory/MainWindow.h"
#include "directory/RestrictedTopicGate.h"
#include "frame/FirstRunMarker.h"
#include "frame/FrameWindow.h"
#include "platform/SettingsStore.h"
#include "platform/Timer.h"
#include "tools/OptionSwitches.h"
#include "tools/OptionsWindow.h"
#include "tools/RestrictedTopicsStore.h"
#include "ui/ToolbarState.h"

#include <QCheckBox>
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

const QString kPrompt = QStringLiteral("This Topic has restricted access please type Password...");
const QString kRefused = QStringLiteral("Password incorrect...Access denied...");

QPoint placeOf(TreeNode* node)
{
    QTreeWidget& tree = *testWindows().main().directoryTree;
    tree.scrollToItem(node);
    return tree.visualItemRect(node).center();
}

void clickOn(TreeNode* node, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers keys = {})
{
    QTest::mouseClick(testWindows().main().directoryTree->viewport(), button, keys, placeOf(node));
}

} // namespace

class TestTreeInteraction : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void checkAsksOnlyForListedTopics_data();
    void checkAsksOnlyForListedTopics();
    void lockedNodeClick_data();
    void lockedNodeClick();
    void unlockedChildOfALockedTopicIsNotAsked();
    void lockedNodeExpand_data();
    void lockedNodeExpand();
    void rightClickOpensTheHelpPage_data();
    void rightClickOpensTheHelpPage();
    void bracketModeLastsUntilTheNextClick();
    void mouseMoveArmsTheToolbarReset();
    void iconSwitchSetsTheTreeLook();

private:
    Texts received() const { return reflector_->requestTexts(); }
    ScriptedDialogs& dialogs() { return world_->folder().dialogs(); }
    void lock(const Texts& topics, const QByteArray& password)
    {
        QVERIFY(writeRestrictedTopicsFile(topics));
        QVERIFY(writeRestrictedPasswordFile(password));
        // The options window read the files at start-up; the next reference reads them anew.
        testWindows().tools.options().close();
    }

    std::optional<FrameWorld> world_;
    std::optional<FakeReflector> reflector_;
    PlaceTree tree_;
};

void TestTreeInteraction::init()
{
    setRestrictedPassword({});
    world_.emplace();
    // Not a first run and no tip: no window of the start-up opens over the tree.
    QVERIFY(writeFirstRunMarker());
    QVERIFY(world_->folder().settings().save(kProgramSettingsApplication, "Options", "Show Tips at Startup", "0"));
    testWindows().main().show();
    tree_ = PlaceTree::build();
    reflector_.emplace();
    QVERIFY(reflector_->listen());
    useReflector(reflector_->port());
}

void TestTreeInteraction::cleanup()
{
    reflector_.reset();
    world_.reset();
    setRestrictedPassword({});
}

void TestTreeInteraction::checkAsksOnlyForListedTopics_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("password");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("allowed");
    QTest::newRow("not listed") << QByteArray("Golf") << QByteArray("pw") << QStringList{} << false << true;
    QTest::newRow("right answer") << QByteArray("Art") << QByteArray("pw") << QStringList{"pw"} << true << true;
    QTest::newRow("wrong answer") << QByteArray("Art") << QByteArray("pw") << QStringList{"PW"} << true << false;
    QTest::newRow("empty answer or Cancel")
        << QByteArray("Art") << QByteArray("pw") << QStringList{""} << true << false;
    QTest::newRow("no password, empty answer") << QByteArray("Art") << QByteArray() << QStringList{""} << true << true;
    QTest::newRow("no password, text typed") << QByteArray("Art") << QByteArray() << QStringList{"x"} << true << false;
}

void TestTreeInteraction::checkAsksOnlyForListedTopics()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, password);
    QFETCH(QStringList, answers);
    QFETCH(bool, asked);
    QFETCH(bool, allowed);
    for (const QString& answer : answers)
        dialogs().queueInput(answer);
    QCOMPARE(restrictedTopicAllows(text, {"Sports", "Art"}, password), allowed);
    QCOMPARE(dialogs().inputBoxes().size(), asked ? 1 : 0);
    if (asked) {
        QCOMPARE(dialogs().inputBoxes().first().prompt, kPrompt);
        QCOMPARE(dialogs().inputBoxes().first().title, QStringLiteral("Restricted Access"));
    }
    QCOMPARE(dialogs().messageTexts(), allowed ? QStringList{} : QStringList{kRefused});
}

void TestTreeInteraction::lockedNodeClick_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<Texts>("queries");
    QTest::newRow("right password") << QStringLiteral("pw") << Texts{"Travel,France"};
    QTest::newRow("wrong password") << QStringLiteral("nope") << Texts{};
    QTest::newRow("empty answer") << QString() << Texts{};
}

void TestTreeInteraction::lockedNodeClick()
{
    QFETCH(QString, answer);
    QFETCH(Texts, queries);
    lock({"France"}, "pw");
    dialogs().queueInput(answer);
    testWindows().main().progressBar->setValue(30);

    clickOn(tree_.france);

    QCOMPARE(dialogs().inputBoxes().size(), 1);
    QTRY_COMPARE(received(), queries);
    QTest::qWait(100);
    QCOMPARE(received(), queries);
    // A refused click ends before anything of the node is touched.
    const bool allowed = !queries.isEmpty();
    QCOMPARE(dialogs().messageTexts(), allowed ? QStringList{} : QStringList{kRefused});
    QCOMPARE(testWindows().main().progressBar->value(), allowed ? 0 : 30);

    // A right answer is not remembered.
    clickOn(tree_.france);
    QCOMPARE(dialogs().inputBoxes().size(), 2);
    QVERIFY(!testWindows().tools.options().isVisible());
}

void TestTreeInteraction::unlockedChildOfALockedTopicIsNotAsked()
{
    lock({"Countries", "Travel"}, "pw");
    clickOn(tree_.france);
    QTRY_COMPARE(received(), Texts{"Travel,France"});
    QVERIFY(dialogs().inputBoxes().isEmpty());
}

void TestTreeInteraction::lockedNodeExpand_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("expanded");
    QTest::newRow("right password") << QStringLiteral("pw") << true;
    QTest::newRow("wrong password") << QStringLiteral("PW") << false;
    QTest::newRow("empty answer") << QString() << false;
}

void TestTreeInteraction::lockedNodeExpand()
{
    QFETCH(QString, answer);
    QFETCH(bool, expanded);
    lock({"Countries"}, "pw");
    TreeNode* countries = PlaceTree::find("Countries");
    countries->setExpanded(false);
    QVERIFY(dialogs().inputBoxes().isEmpty());
    testWindows().main().transmitterAddressBox->setText(QStringLiteral("10.0.0.9"));
    dialogs().queueInput(answer);

    countries->setExpanded(true);

    QCOMPARE(dialogs().inputBoxes().size(), 1);
    QCOMPARE(countries->isExpanded(), expanded);
    QCOMPARE(dialogs().messageTexts(), expanded ? QStringList{} : QStringList{kRefused});
    QVERIFY(testWindows().main().transmitterAddressBox->text().isEmpty());
    QTest::qWait(50);
    QVERIFY(received().isEmpty());

    // Every expand empties the transmitter address, locked or not.
    TreeNode* usa = PlaceTree::find("USA");
    usa->setExpanded(false);
    testWindows().main().transmitterAddressBox->setText(QStringLiteral("10.0.0.9"));
    usa->setExpanded(true);
    QVERIFY(usa->isExpanded());
    QVERIFY(testWindows().main().transmitterAddressBox->text().isEmpty());
    QCOMPARE(dialogs().inputBoxes().size(), 1);
}

void TestTreeInteraction::rightClickOpensTheHelpPage_data()
{
    QTest::addColumn<Qt::KeyboardModifiers>("keys");
    QTest::addColumn<bool>("page");
    QTest::addColumn<bool>("bracketMode");
    QTest::newRow("alone") << Qt::KeyboardModifiers() << true << false;
    QTest::newRow("with Shift") << Qt::KeyboardModifiers(Qt::ShiftModifier) << false << true;
    QTest::newRow("with Ctrl") << Qt::KeyboardModifiers(Qt::ControlModifier) << false << false;
    QTest::newRow("with Ctrl and Shift") << Qt::KeyboardModifiers(Qt::ControlModifier | Qt::ShiftModifier) << false
                                         << false;
}

void TestTreeInteraction::rightClickOpensTheHelpPage()
{
    QFETCH(Qt::KeyboardModifiers, keys);
    QFETCH(bool, page);
    QFETCH(bool, bracketMode);
    clickOn(tree_.france, Qt::RightButton, keys);
    const QList<QUrl>& pages = world_->folder().launcher().pages();
    QCOMPARE(pages.size(), page ? 1 : 0);
    if (page)
        QCOMPARE(pages.first().path(), QStringLiteral("/help/Internet.htm"));
    QCOMPARE(model().bracketUrlMode, bracketMode);
    // A right click is no node click.
    QTest::qWait(100);
    QVERIFY(received().isEmpty());
}

void TestTreeInteraction::bracketModeLastsUntilTheNextClick()
{
    lock({"France"}, "pw");
    clickOn(tree_.georgia, Qt::RightButton, Qt::ShiftModifier);
    clickOn(tree_.germany, Qt::RightButton, Qt::ShiftModifier);
    QVERIFY(model().bracketUrlMode);

    // The bracket mode's click ends before the restricted-topic check and the queries.
    clickOn(tree_.france);
    QVERIFY(!model().bracketUrlMode);
    QVERIFY(dialogs().inputBoxes().isEmpty());
    QTest::qWait(100);
    QVERIFY(received().isEmpty());

    dialogs().queueInput(QStringLiteral("pw"));
    clickOn(tree_.france);
    QTRY_COMPARE(received(), Texts{"Travel,France"});
}

void TestTreeInteraction::mouseMoveArmsTheToolbarReset()
{
    platform::Timer& reset = *control<platform::Timer>(testWindows().frames.frame(), "toolbarPictureReset");
    reset.setEnabled(false);
    ui::toolbarState().setHighlightCleared(true);
    QTest::mouseMove(testWindows().main().directoryTree->viewport(), placeOf(tree_.florida));
    QVERIFY(!ui::toolbarState().highlightCleared());
    QVERIFY(reset.isEnabled());
    QCOMPARE(reset.interval(), 500);
}

void TestTreeInteraction::iconSwitchSetsTheTreeLook()
{
    QTreeWidget& tree = *testWindows().main().directoryTree;
    const QSize pictures = tree.iconSize();
    QVERIFY(!pictures.isEmpty());
    OptionsWindow& options = testWindows().tools.options();
    control<QCheckBox>(options, "Check1")->setChecked(true);
    QVERIFY(tree.iconSize().isEmpty());
    dialogs().queueAnswer(platform::MessageAnswer::Yes);
    control<QCheckBox>(options, "Check1")->setChecked(false);
    QCOMPARE(tree.iconSize(), pictures);
}

QTEST_MAIN(TestTreeInteraction)
#include "test_treeinteraction.moc"
