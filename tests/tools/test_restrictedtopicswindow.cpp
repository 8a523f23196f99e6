// The restricted-topics frame of the options window: Save/Change Password, the topic
// list with Save Restricted Topics and DeleteTopic, what a reload shows, failed writes,
// and the forgotten-password request as the reflector receives it.
#include "Control.h"
#include "FakeReflector.h"
#include "FileContent.h"
#include "FileSizeLimit.h"
#include "FrameWorld.h"
#include "StallingPort.h"
#include "TestWindows.h"
#include "link/ReflectorSession.h"
#include "linkwindows/ServerSettingsWindow.h"
#include "linkwindows/UserSettingsWindow.h"
#include "platform/SocketControl.h"
#include "tools/ForgottenPasswordRequest.h"
#include "tools/OptionsWindow.h"
#include "tools/RestrictedTopicsFrame.h"
#include "tools/RestrictedTopicsStore.h"
#include "ui/PanelStatusBar.h"

#include "ui/SharedMenuBar.h"
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopeGuard>
#include <QWheelEvent>

#include <QMenuBar>
#include <QTest>

#include <optional>

using platform::MessageAnswer;

namespace {

using Topics = QList<QByteArray>;

constexpr char kTopicsFile[] = "vr.dat";
constexpr char kPasswordFile[] = "rapc.dat";
const QString kAskForCurrentPassword =
    QStringLiteral("Please type your Original/Current Password in the Original Password TextBox");
const QString kCurrentPasswordWrong = QStringLiteral(
    "Password incorrect re-type your correct Original/Current Password in the Original Password TextBox");

struct Boxes {
    QString original;
    QString changed;
    QString confirmed;
};

} // namespace

Q_DECLARE_METATYPE(Boxes)

class TestRestrictedTopicsWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void saveOrChangePassword_data();
    void saveOrChangePassword();
    void choicesAreTheFixedTopicsSorted();
    void duplicateTopicsAreListedAndStored();
    void onlyTheUsersChoiceAddsATopic();
    void savingTopicsNeedsTheCurrentPassword_data();
    void savingTopicsNeedsTheCurrentPassword();
    void deleteTopic_data();
    void deleteTopic();
    void reopeningShowsTheStoredList();
    void emptyPasswordFileMeansNoPassword();
    void failedWritesShowOneErrorAndKeepTheOldState();
    void controlsFollowTheLogin();
    void ownDisconnectLocksTheWholeFrame();
    void forgottenPasswordRequest_data();
    void forgottenPasswordRequest();
    void forgottenPasswordAnsweredNo();
    void forgottenPasswordWithoutReflector();
    void forgottenPasswordConnectIsBounded();
    void forgottenPasswordLeavesATakenOverSocketAlone();

private:
    RestrictedTopicsFrame& frame() { return *control<RestrictedTopicsFrame>(testWindows().tools.options(), "Frame2"); }
    QStringList boxes() { return world_->folder().dialogs().messageTexts(); }
    void type(const Boxes& typed)
    {
        control<QLineEdit>(frame(), "Text1")->setText(typed.original);
        control<QLineEdit>(frame(), "Text2")->setText(typed.changed);
        control<QLineEdit>(frame(), "Text3")->setText(typed.confirmed);
    }
    Boxes typed()
    {
        return {control<QLineEdit>(frame(), "Text1")->text(), control<QLineEdit>(frame(), "Text2")->text(),
                control<QLineEdit>(frame(), "Text3")->text()};
    }
    void choose(const QString& topic)
    {
        const int index = control<RestrictedTopicChoiceBox>(frame(), "Combo1")->findText(topic);
        QVERIFY(index >= 0);
        frame().chooseTopic(index);
    }
    // Shows the options window with its choice box enabled and in focus; false when the
    // window does not come up.
    bool showTopicChoices()
    {
        OptionsWindow& options = testWindows().tools.options();
        options.showRequested();
        frame().setAllControlsEnabled(true);
        control<RestrictedTopicChoiceBox>(frame(), "Combo1")->setFocus();
        return QTest::qWaitForWindowExposed(&options);
    }
    QString status()
    {
        return QString::fromLatin1(control<PanelStatusBar>(testWindows().tools.options(), "StatusBar1")->panelText(1));
    }
    void pointAt(quint16 port)
    {
        control<QLineEdit>(testWindows().link.serverSettings(), "txtIPAddress")->setText(QStringLiteral("127.0.0.1"));
        control<QLineEdit>(testWindows().link.serverSettings(), "txtPort")->setText(QString::number(port));
        control<QLineEdit>(testWindows().link.userSettings(), "txtUserName")->setText(QStringLiteral("mara"));
    }

    std::optional<FrameWorld> world_;
};

void TestRestrictedTopicsWindow::init()
{
    setRestrictedPassword({});
    world_.emplace();
}

void TestRestrictedTopicsWindow::cleanup()
{
    world_.reset();
    setRestrictedPassword({});
}

void TestRestrictedTopicsWindow::saveOrChangePassword_data()
{
    QTest::addColumn<QByteArray>("password");
    QTest::addColumn<Boxes>("typing");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QByteArray>("passwordAfter");
    QTest::addColumn<Boxes>("boxesAfter");
    const QString changed = QStringLiteral("Password successfully changed...");
    const QString wrong = QStringLiteral("Original Password incorrect...");
    const QString mismatch = QStringLiteral("New Passwords Do Not Match... Please retry...");
    const QString notStorable = passwordNotStorableMessage();
    QTest::newRow("no password yet") << QByteArray() << Boxes{"", "new", "new"} << changed << QByteArray("new")
                                     << Boxes{};
    QTest::newRow("no password yet, original typed")
        << QByteArray() << Boxes{"x", "new", "new"} << wrong << QByteArray() << Boxes{"", "new", "new"};
    QTest::newRow("original left empty") << QByteArray("old") << Boxes{"", "n", "n"}
                                         << QStringLiteral(
                                                "No Password Entered. You need to Type a Password in the text box.")
                                         << QByteArray("old") << Boxes{"", "n", "n"};
    QTest::newRow("right old password") << QByteArray("old") << Boxes{"old", "n2", "n2"} << changed << QByteArray("n2")
                                        << Boxes{};
    QTest::newRow("letter case counts") << QByteArray("old") << Boxes{"Old", "n2", "n2"} << wrong << QByteArray("old")
                                        << Boxes{"", "n2", "n2"};
    QTest::newRow("blanks count in the original")
        << QByteArray("old") << Boxes{"old ", "n2", "n2"} << wrong << QByteArray("old") << Boxes{"", "n2", "n2"};
    QTest::newRow("new ones differ") << QByteArray("old") << Boxes{"old", "a", "b"} << mismatch << QByteArray("old")
                                     << Boxes{"old", "", ""};
    QTest::newRow("blanks trimmed") << QByteArray("old") << Boxes{"old", "  n 1  ", "  n 1  "} << changed
                                    << QByteArray("n 1") << Boxes{};
    QTest::newRow("blanks compared as typed")
        << QByteArray("old") << Boxes{"old", " n", "n"} << mismatch << QByteArray("old") << Boxes{"old", "", ""};
    QTest::newRow("emptied") << QByteArray("old") << Boxes{"old", "", ""} << changed << QByteArray() << Boxes{};
    QTest::newRow("code 255") << QByteArray("old") << Boxes{"old", "a\u00ff", "a\u00ff"} << notStorable
                              << QByteArray("old") << Boxes{"old", "a\u00ff", "a\u00ff"};
    QTest::newRow("outside Windows-1252") << QByteArray("old") << Boxes{"old", "a\u0411", "a\u0411"} << notStorable
                                          << QByteArray("old") << Boxes{"old", "a\u0411", "a\u0411"};
    QTest::newRow("Windows-1252 beyond Latin-1") << QByteArray("old") << Boxes{"old", "\u20ac5", "\u20ac5"} << changed
                                                 << QByteArray("\x80"
                                                               "5")
                                                 << Boxes{};
}

void TestRestrictedTopicsWindow::saveOrChangePassword()
{
    QFETCH(QByteArray, password);
    QFETCH(Boxes, typing);
    QFETCH(QString, message);
    QFETCH(QByteArray, passwordAfter);
    QFETCH(Boxes, boxesAfter);
    if (!password.isEmpty())
        QVERIFY(writeRestrictedPasswordFile(password));
    frame().setAllControlsEnabled(true);
    QCOMPARE(restrictedPassword(), password);

    type(typing);
    QTest::mouseClick(control<QPushButton>(frame(), "Command1"), Qt::LeftButton);

    QCOMPARE(boxes(), QStringList{message});
    QCOMPARE(restrictedPassword(), passwordAfter);
    QCOMPARE(readRestrictedPasswordFile(), std::optional(passwordAfter));
    const Boxes after = typed();
    QCOMPARE(after.original, boxesAfter.original);
    QCOMPARE(after.changed, boxesAfter.changed);
    QCOMPARE(after.confirmed, boxesAfter.confirmed);
}

void TestRestrictedTopicsWindow::choicesAreTheFixedTopicsSorted()
{
    const QComboBox& choices = *control<RestrictedTopicChoiceBox>(frame(), "Combo1");
    QCOMPARE(choices.count(), 100);
    QCOMPARE(choices.itemText(0), QStringLiteral("Acrylic"));
    for (int i = 1; i < choices.count(); ++i)
        QVERIFY(choices.itemText(i - 1) < choices.itemText(i));
    QVERIFY(frame().topics().isEmpty());
}

void TestRestrictedTopicsWindow::duplicateTopicsAreListedAndStored()
{
    QVERIFY(writeRestrictedPasswordFile("pw"));
    frame().setAllControlsEnabled(true);
    choose(QStringLiteral("Zoo"));
    choose(QStringLiteral("Art"));
    choose(QStringLiteral("Zoo"));
    // The list keeps its entries in order; the tree sees them at once.
    QCOMPARE(testWindows().tools.options().restrictedTopics(), (Topics{"Art", "Zoo", "Zoo"}));

    control<QLineEdit>(frame(), "Text1")->setText(QStringLiteral("pw"));
    QTest::mouseClick(control<QPushButton>(frame(), "Command2"), Qt::LeftButton);
    QCOMPARE(boxes(), QStringList{QStringLiteral("Restricted Topics saved....")});
    QCOMPARE(control<QLineEdit>(frame(), "Text1")->text(), QStringLiteral("pw"));
    QCOMPARE(readRestrictedTopicsFile(), (Topics{"Art", "Zoo", "Zoo"}));
}

// Typing into the choice box or turning the wheel over it only moves it to a name; the
// user's choice of a name adds it: Return or an arrow key on the closed box, Return on
// the marked name of the open list, or a click on a name.
void TestRestrictedTopicsWindow::onlyTheUsersChoiceAddsATopic()
{
    QVERIFY(showTopicChoices());
    QComboBox& choices = *control<RestrictedTopicChoiceBox>(frame(), "Combo1");
    // The letters make one search however slowly the test runs.
    const int searchInterval = QApplication::keyboardInputInterval();
    QApplication::setKeyboardInputInterval(60 * 60 * 1000);
    const auto restoreInterval =
        qScopeGuard([searchInterval] { QApplication::setKeyboardInputInterval(searchInterval); });
    QTest::keyClicks(&choices, QStringLiteral("Trav"));
    QCOMPARE(choices.currentText(), QStringLiteral("Travel"));
    QWheelEvent wheel(QPointF(5, 5), choices.mapToGlobal(QPointF(5, 5)), {}, QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&choices, &wheel);
    QCOMPARE(choices.currentText(), QStringLiteral("UFO"));
    QVERIFY(frame().topics().isEmpty());

    QTest::keyClick(&choices, Qt::Key_Return);
    QCOMPARE(frame().topics(), Topics{"UFO"});
    QTest::keyClick(&choices, Qt::Key_Down);
    QCOMPARE(frame().topics(), (Topics{"UFO", "Volleyball"}));

    choices.showPopup();
    QAbstractItemView& list = *choices.view();
    QTRY_VERIFY(list.isVisible());
    list.keyboardSearch({}); // a new search, as after a pause in the typing
    QTest::keyClicks(&list, QStringLiteral("Zo"));
    QCOMPARE(list.currentIndex().data().toString(), QStringLiteral("Zoo"));
    QCOMPARE(frame().topics().size(), 2);
    QTest::keyClick(&list, Qt::Key_Return);
    QTRY_VERIFY(!list.isVisible());
    QCOMPARE(frame().topics(), (Topics{"UFO", "Volleyball", "Zoo"}));

    choices.showPopup();
    QTRY_VERIFY(list.isVisible());
    const QModelIndex art = choices.model()->index(choices.findText(QStringLiteral("Art")), 0);
    list.scrollTo(art);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualRect(art).center());
    QTRY_VERIFY(!list.isVisible());
    QCOMPARE(frame().topics(), (Topics{"Art", "UFO", "Volleyball", "Zoo"}));
}

void TestRestrictedTopicsWindow::savingTopicsNeedsTheCurrentPassword_data()
{
    QTest::addColumn<QByteArray>("password");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("typedAfter");
    QTest::newRow("no password, none typed") << QByteArray() << QString() << kAskForCurrentPassword << QString();
    QTest::newRow("no password, one typed")
        << QByteArray() << QStringLiteral("x") << kCurrentPasswordWrong << QString();
    QTest::newRow("none typed") << QByteArray("pw") << QString() << kAskForCurrentPassword << QString();
    QTest::newRow("wrong one") << QByteArray("pw") << QStringLiteral("PW") << kCurrentPasswordWrong << QString();
}

void TestRestrictedTopicsWindow::savingTopicsNeedsTheCurrentPassword()
{
    QFETCH(QByteArray, password);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, typedAfter);
    if (!password.isEmpty())
        QVERIFY(writeRestrictedPasswordFile(password));
    QVERIFY(writeRestrictedTopicsFile({"Golf"}));
    const QByteArray before = fileContent(world_->folder().filePath(kTopicsFile));
    frame().setAllControlsEnabled(true);
    choose(QStringLiteral("Art"));
    control<QListWidget>(frame(), "List1")->setCurrentRow(0);

    for (QPushButton* button : {control<QPushButton>(frame(), "Command2"), control<QPushButton>(frame(), "Command4")}) {
        control<QLineEdit>(frame(), "Text1")->setText(typed);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(control<QLineEdit>(frame(), "Text1")->text(), typedAfter);
    }
    QCOMPARE(boxes(), (QStringList{message, message}));
    QCOMPARE(fileContent(world_->folder().filePath(kTopicsFile)), before);
    QCOMPARE(frame().topics(), (Topics{"Art", "Golf"}));
}

void TestRestrictedTopicsWindow::deleteTopic_data()
{
    QTest::addColumn<Topics>("stored");
    QTest::addColumn<int>("selected");
    QTest::addColumn<Topics>("remaining");
    QTest::newRow("none selected") << Topics{"Art", "Golf"} << -1 << Topics{"Art", "Golf"};
    QTest::newRow("the only entry") << Topics{"Zoo"} << 0 << Topics{};
    QTest::newRow("one of two alike") << Topics{"Art", "Art", "Golf"} << 1 << Topics{"Art", "Golf"};
}

void TestRestrictedTopicsWindow::deleteTopic()
{
    QFETCH(Topics, stored);
    QFETCH(int, selected);
    QFETCH(Topics, remaining);
    QVERIFY(writeRestrictedPasswordFile("pw"));
    QVERIFY(writeRestrictedTopicsFile(stored));
    frame().setAllControlsEnabled(true);
    if (selected >= 0)
        control<QListWidget>(frame(), "List1")->setCurrentRow(selected);
    control<QLineEdit>(frame(), "Text1")->setText(QStringLiteral("pw"));

    QTest::mouseClick(control<QPushButton>(frame(), "Command4"), Qt::LeftButton);
    QVERIFY(boxes().isEmpty());
    QCOMPARE(frame().topics(), remaining);
    QCOMPARE(readRestrictedTopicsFile(), remaining);
    if (remaining.isEmpty())
        QCOMPARE(fileContent(world_->folder().filePath(kTopicsFile)), QByteArray());
}

void TestRestrictedTopicsWindow::reopeningShowsTheStoredList()
{
    QVERIFY(writeRestrictedPasswordFile("pw"));
    QVERIFY(writeRestrictedTopicsFile({"Golf", "Art"}));
    OptionsWindow& options = testWindows().tools.options();
    options.showRequested();
    frame().setAllControlsEnabled(true);
    choose(QStringLiteral("Zoo"));
    control<QLineEdit>(frame(), "Text1")->setText(QStringLiteral("pw"));
    const QByteArray storedBytes = fileContent(world_->folder().filePath(kTopicsFile));

    options.close();
    // What was not stored is gone; the files are as they were, byte for byte.
    QCOMPARE(options.restrictedTopics(), (Topics{"Art", "Golf"}));
    QCOMPARE(fileContent(world_->folder().filePath(kTopicsFile)), storedBytes);
    QVERIFY(control<QLineEdit>(frame(), "Text1")->text().isEmpty());
    QVERIFY(!options.passwordBoxesEnabled());
    QVERIFY(!control<QListWidget>(frame(), "List1")->isEnabled());
    QCOMPARE(control<RestrictedTopicChoiceBox>(frame(), "Combo1")->count(), 100);
    QCOMPARE(restrictedPassword(), QByteArray("pw"));
    QVERIFY(!options.isVisible());
}

void TestRestrictedTopicsWindow::emptyPasswordFileMeansNoPassword()
{
    world_->writeProgramFile(kPasswordFile, "");
    setRestrictedPassword("stale");
    frame().setAllControlsEnabled(true);
    QVERIFY(restrictedPassword().isEmpty());
    type({"", "fresh", "fresh"});
    frame().savePassword();
    QCOMPARE(boxes(), QStringList{QStringLiteral("Password successfully changed...")});
    QCOMPARE(restrictedPassword(), QByteArray("fresh"));
}

void TestRestrictedTopicsWindow::failedWritesShowOneErrorAndKeepTheOldState()
{
    QVERIFY(writeRestrictedPasswordFile("old"));
    QVERIFY(writeRestrictedTopicsFile({"Art", "Golf"}));
    const QByteArray oldPassword = fileContent(world_->folder().filePath(kPasswordFile));
    const QByteArray oldTopics = fileContent(world_->folder().filePath(kTopicsFile));
    frame().setAllControlsEnabled(true);
    choose(QStringLiteral("Zoo"));
    {
        FileSizeLimit limit(3);
        type({"old", "much longer", "much longer"});
        frame().savePassword();
        control<QLineEdit>(frame(), "Text1")->setText(QStringLiteral("old"));
        frame().saveTopics();
        control<QListWidget>(frame(), "List1")->setCurrentRow(0);
        frame().deleteTopic();
    }
    const QStringList shown = boxes();
    QCOMPARE(shown.size(), 3);
    for (const QString& text : shown) {
        QVERIFY(!text.isEmpty());
        QVERIFY(!text.contains(QStringLiteral("successfully")) && !text.contains(QStringLiteral("saved")));
    }
    QCOMPARE(restrictedPassword(), QByteArray("old"));
    QCOMPARE(frame().topics(), (Topics{"Art", "Golf", "Zoo"}));
    QCOMPARE(fileContent(world_->folder().filePath(kPasswordFile)), oldPassword);
    QCOMPARE(fileContent(world_->folder().filePath(kTopicsFile)), oldTopics);
}

void TestRestrictedTopicsWindow::controlsFollowTheLogin()
{
    OptionsWindow& options = testWindows().tools.options();
    QVERIFY(!options.passwordBoxesEnabled());
    options.setPasswordBoxesEnabled(true);
    QVERIFY(options.passwordBoxesEnabled());
    // The login opens the password boxes only; the rest follows the window's own commands.
    QVERIFY(!control<QPushButton>(frame(), "Command1")->isEnabled());
    QVERIFY(!control<RestrictedTopicChoiceBox>(frame(), "Combo1")->isEnabled());
    frame().setAllControlsEnabled(true);
    for (QWidget* control : std::initializer_list<QWidget*>{
             control<QPushButton>(frame(), "Command1"), control<QPushButton>(frame(), "Command2"),
             control<QPushButton>(frame(), "Command3"), control<QPushButton>(frame(), "Command4"),
             control<RestrictedTopicChoiceBox>(frame(), "Combo1"), control<QListWidget>(frame(), "List1")})
        QVERIFY(control->isEnabled());
}

void TestRestrictedTopicsWindow::ownDisconnectLocksTheWholeFrame()
{
    OptionsWindow& options = testWindows().tools.options();
    frame().setAllControlsEnabled(true);
    auto* disconnectItem = menuAction(*options.findChild<QMenuBar*>(), QStringLiteral("mnuDisconnect"));
    QVERIFY(disconnectItem);
    disconnectItem->trigger();
    QVERIFY(!options.passwordBoxesEnabled());
    QVERIFY(!control<QPushButton>(frame(), "Command1")->isEnabled());
    QVERIFY(!control<QListWidget>(frame(), "List1")->isEnabled());
    QVERIFY(!control<RestrictedTopicChoiceBox>(frame(), "Combo1")->isEnabled());
}

void TestRestrictedTopicsWindow::forgottenPasswordRequest_data()
{
    QTest::addColumn<QByteArray>("password");
    QTest::addColumn<bool>("socketLeftOpen");
    QTest::addColumn<QByteArray>("request");
    QTest::newRow("with a password") << QByteArray("Se,cr et") << false << QByteArray("/ForgotPassword\\mara,Se,cr et");
    QTest::newRow("no password ends in the comma") << QByteArray() << false << QByteArray("/ForgotPassword\\mara,");
    QTest::newRow("socket open from an earlier request")
        << QByteArray("pw") << true << QByteArray("/ForgotPassword\\mara,pw");
}

void TestRestrictedTopicsWindow::forgottenPasswordRequest()
{
    QFETCH(QByteArray, password);
    QFETCH(bool, socketLeftOpen);
    QFETCH(QByteArray, request);
    FakeReflector reflector;
    QVERIFY(reflector.listen());
    pointAt(reflector.port());
    // The backup address and an enciphered traffic change nothing: the request goes to
    // the primary address, in clear.
    control<QLineEdit>(testWindows().link.serverSettings(), "txtIPAddressBackUp")->setText(QStringLiteral("192.0.2.1"));
    reflectorSession().state().encryptTraffic = true;
    frame(); // loaded before the password is set, as rapc.dat would give it
    setRestrictedPassword(password);
    platform::SocketControl& socket = reflectorSession().connection().socket();
    if (socketLeftOpen) {
        QVERIFY(socket.connectToHost(QStringLiteral("127.0.0.1"), reflector.port()).ok());
        QTRY_COMPARE(socket.state(), platform::SocketControl::State::Connected);
    }
    world_->folder().dialogs().queueAnswer(MessageAnswer::Yes);

    frame().forgotPassword();

    const platform::MessageBoxRequest& asked = world_->folder().dialogs().messageBoxes().first();
    QCOMPARE(asked.title, QStringLiteral("Forgot Password..."));
    QCOMPARE(asked.buttons, platform::MessageButtons::YesNo);
    QCOMPARE(asked.defaultButton, std::optional<MessageAnswer>(MessageAnswer::No));
    QCOMPARE(boxes().size(), 1);
    QTRY_COMPARE(status(), QStringLiteral("Password request sent to Larkspire Server..."));
    QTRY_COMPARE(reflector.requestTexts(), QList<QByteArray>{request});
    QCOMPARE(reflector.requests().first().received, request);
    QCOMPARE(reflector.connections().size(), socketLeftOpen ? 2 : 1);
    reflectorSession().state().encryptTraffic = false;
}

void TestRestrictedTopicsWindow::forgottenPasswordAnsweredNo()
{
    FakeReflector reflector;
    QVERIFY(reflector.listen());
    pointAt(reflector.port());
    world_->folder().dialogs().queueAnswer(MessageAnswer::No);
    frame().forgotPassword();
    QCOMPARE(boxes().last(), QStringLiteral("Password Request cancelled..."));
    // Return presses the box's default button, No: the password does not go out.
    frame().forgotPassword();
    QCOMPARE(boxes().last(), QStringLiteral("Password Request cancelled..."));
    QTest::qWait(100);
    QVERIFY(reflector.connections().isEmpty());
}

void TestRestrictedTopicsWindow::forgottenPasswordWithoutReflector()
{
    quint16 port = 0;
    {
        FakeReflector gone;
        QVERIFY(gone.listen());
        port = gone.port();
    }
    pointAt(port);
    world_->folder().dialogs().queueAnswer(MessageAnswer::Yes);
    frame().forgotPassword();
    QTRY_COMPARE(status(), QStringLiteral("Message Not Sent... Failed to connect to Server..."));
    QCOMPARE(boxes().size(), 1);
    QCOMPARE(reflectorSession().connection().socket().state(), platform::SocketControl::State::Closed);
}

void TestRestrictedTopicsWindow::forgottenPasswordConnectIsBounded()
{
    StallingPort stalling;
    QVERIFY(stalling.port() != 0);
    pointAt(stalling.port());
    world_->folder().dialogs().queueAnswer(MessageAnswer::Yes);
    frame().forgotPassword();
    QTRY_COMPARE(boxes().last(), QStringLiteral("Could not connect to Larkspire Server"));
    QCOMPARE(reflectorSession().connection().socket().state(), platform::SocketControl::State::Closed);
}

void TestRestrictedTopicsWindow::forgottenPasswordLeavesATakenOverSocketAlone()
{
    StallingPort stalling;
    QVERIFY(stalling.port() != 0);
    FakeReflector reflector;
    QVERIFY(reflector.listen());
    pointAt(stalling.port());
    world_->folder().dialogs().queueAnswer(MessageAnswer::Yes);
    frame().forgotPassword();

    // Another command takes the reflector socket while the request still connects.
    platform::SocketControl& socket = reflectorSession().connection().socket();
    socket.close();
    QVERIFY(socket.connectToHost(QStringLiteral("127.0.0.1"), reflector.port()).ok());
    QTRY_COMPARE(socket.state(), platform::SocketControl::State::Connected);

    // The request's connect limit passes: it neither closes that connection nor says a word.
    QTest::qWait(int(2 * kForgottenPasswordConnectLimitMs * FrameWorld::kTimeScale));
    QCOMPARE(socket.state(), platform::SocketControl::State::Connected);
    QCOMPARE(boxes().size(), 1);
    QVERIFY(status().isEmpty());
    QVERIFY(reflector.requestTexts().isEmpty());
}

QTEST_MAIN(TestRestrictedTopicsWindow)
#include "test_restrictedtopicswindow.moc"
