// The webcam locator window against the fake reflector, over real sockets: the topic
// list that the directory's topics fill (only while logged in), the requests that its
// topic list and search button send, the answers it shows, its closing and its help page.
#include "Control.h"
#include "RequestWorld.h"
#include "RightPressHelp.h"
#include "SessionSettled.h"

#include "TestWindows.h"
#include "frame/FrameWindow.h"
#include "link/ReflectorSession.h"
#include "platform/Codec.h"
#include "tools/LocatorWindow.h"
#include "ui/CommandRegistry.h"
#include "ui/PanelStatusBar.h"

#include "ui/SharedMenuBar.h"
#include "ui/ToolbarState.h"
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <QMenuBar>
#include <QTest>

#include <optional>

namespace {

constexpr int kWaitMs = 5000;
const QString kConnectionNeeded =
    QStringLiteral("In order for the Webcam Locator to work you must be connected to the Larkspire Server.");
const QString kChoosePrompt = QStringLiteral("Select Topic that you are interested in...");

QStringList listed(const QComboBox& box)
{
    QStringList items;
    for (int i = 0; i < box.count(); ++i)
        items << box.itemText(i);
    return items;
}

QStringList listed(const QListWidget& list)
{
    QStringList items;
    for (int i = 0; i < list.count(); ++i)
        items << list.item(i)->text();
    return items;
}

// The directory's topics, as the directory hands them to the locator.
void setTopics(const QList<QByteArray>& topics)
{
    testWindows().tools.locator().setTopics(topics);
}

// Opens the locator as the Cam Locator command does and lets it become active.
LocatorWindow& openLocator()
{
    ui::commands().run(ui::command::kShowLocator);
    LocatorWindow& locator = testWindows().tools.locator();
    locator.activateWindow();
    if (!QTest::qWaitForWindowActive(&locator))
        qWarning("the locator did not become active");
    return locator;
}

} // namespace

class LocatorWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(world_.emplace().listening());
        reflectorSession().state().loggedIn = true;
    }

    void cleanup() { world_.reset(); }

    void theTopicListOnOpening_data()
    {
        QTest::addColumn<bool>("loggedIn");
        QTest::addColumn<QList<QByteArray>>("topics");
        QTest::addColumn<QStringList>("listed");
        QList<QByteArray> all;
        QStringList allListed;
        for (int i = 1; i <= 2000; ++i) {
            all << "Topic " + QByteArray::number(i);
            allListed << QString::fromLatin1(all.constLast());
        }
        QTest::newRow("logged out") << false << QList<QByteArray>{"Animals"} << QStringList{};
        QTest::newRow("up to the first empty topic")
            << true << QList<QByteArray>{"Animals", "Art", "", "Travel"} << QStringList{"Animals", "Art"};
        QTest::newRow("empty first topic") << true << QList<QByteArray>{"", "Art"} << QStringList{};
        QTest::newRow("8-bit topic") << true << QList<QByteArray>{"C\xf4te"}
                                     << QStringList{QStringLiteral("C\u00f4te")};
        QTest::newRow("2000 topics") << true << all << allListed;
    }

    // Logged out, the topic list is disabled and the prompt says why; logged in, it lists
    // the directory's topics. Either way the window counts as open.
    void theTopicListOnOpening()
    {
        QFETCH(bool, loggedIn);
        QFETCH(QList<QByteArray>, topics);
        QFETCH(QStringList, listed);
        setTopics(topics);
        reflectorSession().state().loggedIn = loggedIn;

        LocatorWindow& locator = openLocator();

        QVERIFY(locator.isVisible());
        QCOMPARE(::listed(*control<QComboBox>(locator, "cmbTopics")), listed);
        QCOMPARE(control<QComboBox>(locator, "cmbTopics")->isEnabled(), loggedIn);
        QCOMPARE(control<QLabel>(locator, "Label1")->text(), loggedIn ? kChoosePrompt : kConnectionNeeded);
        QVERIFY(testWindows().tools.locator().summaryOpen());
        // Logged out the search still goes out.
        control<QPushButton>(locator, "Command1")->click();
        QVERIFY(QTest::qWaitFor([&] { return world_->reflector().requests().size() == 1; }, kWaitMs));
        QCOMPARE(world_->reflector().requestTexts(), QList<QByteArray>{"/SumReqText/"});
    }

    void theCommandOpensIt_data()
    {
        QTest::addColumn<QString>("from");
        QTest::newRow("main window's menu") << "main window's menu";
        QTest::newRow("toolbar") << "toolbar";
    }

    // The Cam Locator item of the menus and the toolbar's Locator button open the window
    // with its topic list enabled.
    void theCommandOpensIt()
    {
        QFETCH(QString, from);
        if (from == "toolbar")
            testWindows().frames.frame().pressToolbar(1, 0, 2900, 0);
        else
            menuAction(*testWindows().main().findChild<QMenuBar*>(), QStringLiteral("mnuSummary"))->trigger();
        QVERIFY(testWindows().tools.locator().isVisible());
        QVERIFY(control<QComboBox>(testWindows().tools.locator(), "cmbTopics")->isEnabled());
    }

    // Choosing the same topic twice asks twice, and each choice empties the results first.
    void eachChoiceOfATopicAsks()
    {
        setTopics({"Animals", "Travel"});
        LocatorWindow& locator = openLocator();
        control<QComboBox>(locator, "cmbTopics")->setCurrentIndex(1);
        for (int round = 1; round <= 2; ++round) {
            control<QListWidget>(locator, "List1")->addItem(QStringLiteral("earlier"));
            locator.setSummaryHasEntries(true);
            emit control<QComboBox>(locator, "cmbTopics")->activated(1);
            QVERIFY(sessionSettled());
            QCOMPARE(control<QListWidget>(locator, "List1")->count(), 0);
            QVERIFY(!locator.summaryHasEntries());
            QCOMPARE(control<PanelStatusBar>(locator, "StatusBar1")->panelText(1), QByteArray("Sent Data OK ..."));
        }
        QVERIFY(QTest::qWaitFor([&] { return world_->reflector().requests().size() == 2; }, kWaitMs));
        QCOMPARE(world_->reflector().requestTexts(), QList<QByteArray>({"/SumReq/Travel", "/SumReq/Travel"}));
        QCOMPARE(world_->reflector().connections().size(), 2);
    }

    void theAnswersShown_data()
    {
        QTest::addColumn<bool>("byTopic");
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<QByteArray>("status");
        const QByteArray ok = "Webcam Data returned OK ...";
        QTest::newRow("topic") << true << QByteArray("/SumReq/Travel")
                               << QByteArray("/SumReqRet/ 3;France,Florida,Peru")
                               << QStringList{"France", "Florida", "Peru"}
                               << "For the Topic = Travel there are 3 webcams located at these nodes. " << ok;
        QTest::newRow("topic without data")
            << true << QByteArray("/SumReq/Travel") << QByteArray("/SumReqNDF/") << QStringList{}
            << "For the Topic = Travel there are 0 webcams located at these nodes. "
            << QByteArray("No Webcams for this Topic ...");
        QTest::newRow("text") << false << QByteArray("/SumReqText/beach pier")
                              << QByteArray("/SumReqRetText/ 4;/Florida/France") << QStringList{"Florida", "France"}
                              << "For the Search String = \"beach pier\" there are 2 webcams located at these nodes. "
                              << ok;
        QTest::newRow("text without data")
            << false << QByteArray("/SumReqText/beach pier") << QByteArray("/SumReqNDFText/") << QStringList{}
            << "For the Search String beach pier there are 0 webcams located at these nodes. "
            << QByteArray("No Webcams Descriptions contain the Search String ...");
    }

    // The reflector's answer on the request's own connection fills the list, the
    // sentence with its count, and the status line.
    void theAnswersShown()
    {
        QFETCH(bool, byTopic);
        QFETCH(QByteArray, request);
        QFETCH(QByteArray, answer);
        QFETCH(QStringList, entries);
        QFETCH(QString, sentence);
        QFETCH(QByteArray, status);
        world_->reflector().script(request, FakeReflector::Reply::text(answer, 50));
        setTopics({"Animals", "Travel"});
        LocatorWindow& locator = openLocator();
        control<QComboBox>(locator, "cmbTopics")->setCurrentIndex(1);
        control<QLineEdit>(locator, "Text1")->setText(QStringLiteral("beach pier"));

        if (byTopic)
            emit control<QComboBox>(locator, "cmbTopics")->activated(1);
        else
            control<QPushButton>(locator, "Command1")->click();

        QVERIFY(QTest::qWaitFor([&] { return control<PanelStatusBar>(locator, "StatusBar1")->panelText(1) == status; },
                                kWaitMs));
        QCOMPARE(world_->reflector().requestTexts(), QList<QByteArray>{request});
        QCOMPARE(listed(*control<QListWidget>(locator, "List1")), entries);
        QCOMPARE(control<QLabel>(locator, "Label2")->text(), sentence);
    }

    // Coming back to the window refills the topics but keeps the topic asked for, so a
    // later answer names it.
    void comingBackKeepsTheChosenTopic()
    {
        setTopics({"Animals", "Travel"});
        LocatorWindow& locator = openLocator();
        control<QComboBox>(locator, "cmbTopics")->setCurrentIndex(1);
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        setTopics({"Animals", "Art", "Travel"});
        locator.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&locator));
        QCOMPARE(listed(*control<QComboBox>(locator, "cmbTopics")), QStringList({"Animals", "Art", "Travel"}));
        QCOMPARE(control<QComboBox>(locator, "cmbTopics")->currentText(), QStringLiteral("Travel"));
    }

    // Closing gives the toolbar's Locator button back and unloads the window: its next
    // opening starts from the first state.
    void closingUnloads()
    {
        setTopics({"Animals"});
        LocatorWindow& locator = openLocator();
        control<QLineEdit>(locator, "Text1")->setText(QStringLiteral("pier"));
        control<QListWidget>(locator, "List1")->addItem(QStringLiteral("France"));
        control<PanelStatusBar>(locator, "StatusBar1")->setPanelText(1, "Webcam Data returned OK ...");
        ui::toolbarState().setActive(ui::ToolbarEntry::Locator, true);

        locator.close();

        QVERIFY(!testWindows().tools.locator().summaryOpen());
        QVERIFY(!ui::toolbarState().isActive(ui::ToolbarEntry::Locator));
        QVERIFY(!locator.isVisible());
        openLocator();
        QCOMPARE(control<QLineEdit>(locator, "Text1")->text(), QString());
        QCOMPARE(control<QListWidget>(locator, "List1")->count(), 0);
        QCOMPARE(control<PanelStatusBar>(locator, "StatusBar1")->panelText(1), QByteArray());
        QCOMPARE(control<QLabel>(locator, "Label2")->text(),
                 QStringLiteral("For the Topic = ?????? there are webcams located at these nodes. "));
        QVERIFY(testWindows().tools.locator().summaryOpen());
    }

    // A right press on the window or its controls opens the help page; the topic list
    // and other buttons open nothing.
    void theHelpPage()
    {
        LocatorWindow& locator = openLocator();
        QTest::mouseClick(control<QPushButton>(locator, "Command1"), Qt::LeftButton);
        QTest::mousePress(control<QComboBox>(locator, "cmbTopics"), Qt::RightButton);
        QTest::mouseRelease(control<QComboBox>(locator, "cmbTopics"), Qt::RightButton);
        QVERIFY(world_->frame().folder().launcher().pages().isEmpty());

        const QList<QWidget*> controls{control<QListWidget>(locator, "List1")->viewport(),
                                       control<QLabel>(locator, "Label1"), control<QLineEdit>(locator, "Text1"),
                                       control<PanelStatusBar>(locator, "StatusBar1"),
                                       control<QPushButton>(locator, "Command1")};
        QCOMPARE(helpPathsOnRightPress(world_->frame().folder().launcher(), controls),
                 QStringList(controls.size(), QStringLiteral("/help/Summary.htm")));
    }

private:
    std::optional<RequestWorld> world_;
};

QTEST_MAIN(LocatorWindowTest)
#include "test_locatorwindow.moc"
