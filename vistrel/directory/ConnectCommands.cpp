#include "directory/ConnectCommands.h"

#include "common/SeenRepliesCache.h"
#include "directory/ProgramWindows.h"
#include "directory/TransmitterChannel.h"
#include "directory/TreeNodes.h"
#include "link/ReflectorSession.h"
#include "platform/Dialogs.h"
#include "ui/CommandRegistry.h"
#include "ui/PanelStatusBar.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QTreeWidget>

#include <optional>
#include <utility>

namespace {

struct ConnectTexts {
    QByteArray loggingIn;
    QByteArray connected;
};

ConnectTexts connectTexts(CommandOrigin origin)
{
    if (origin == CommandOrigin::MainWindow)
        return {"Logging into Larkspire Server...", "Logging in..."};
    return {"Logging into Reflector Server...", "Connecting to Server..."};
}

void setStatus(MainWindow& main, const QByteArray& text)
{
    main.statusBar->setPanelText(1, text);
}

// The restricted-topics password boxes can be used only while logged in; the options
// window's own commands switch its buttons, topic choices and topic list with them.
void unlockPasswordBoxes(OptionsWindow& options, CommandOrigin origin, bool unlocked)
{
    options.setVisible(false);
    options.setPasswordBoxesEnabled(unlocked);
    if (origin == CommandOrigin::OptionsWindow)
        options.setRestrictedTopicControlsEnabled(unlocked);
    options.setVisible(false);
}

using Session = ReflectorSession;

struct ConnectRequest {
    ProgramWindows* windows;
    CommandOrigin origin;
    ConnectSteps steps;
};

void startConnect(const ConnectRequest& request);

// The Connect that runs (it waits for the end of its login, or loads the icons), and
// one asked for meanwhile. They belong to the session: a session that ends takes them
// along.
class ConnectRun : public QObject {
public:
    explicit ConnectRun(Session& session) : QObject(&session)
    {
        // Queued, so that the steps the end of a login or a logout brings run first.
        QObject::connect(&session, &Session::statusChanged, this, &ConnectRun::startAskedMeanwhile,
                         Qt::QueuedConnection);
    }

    std::optional<ConnectRequest> running;
    std::optional<ConnectRequest> askedMeanwhile;
    bool iconsLoading = false;
    // A Disconnect came while the running Connect loaded the icons: it builds no tree.
    bool disconnectedMeanwhile = false;

    void startAskedMeanwhile()
    {
        if (askedMeanwhile && !running && !reflectorSession().busy())
            startConnect(*std::exchange(askedMeanwhile, std::nullopt));
    }

    void end()
    {
        running.reset();
        iconsLoading = false;
        disconnectedMeanwhile = false;
        startAskedMeanwhile();
    }
};

ConnectRun& connectRun()
{
    static QPointer<ConnectRun> run;
    if (!run)
        run = new ConnectRun(reflectorSession());
    return *run;
}

// The tree, once the icons are in.
void buildTree(const ConnectRequest& request)
{
    ProgramWindows& windows = *request.windows;
    MainWindow& main = windows.main();
    setStatus(main, "Building Nodes...");
    request.steps.buildNodes(windows);
    TreeNodes::of(*main.directoryTree).setSorted(true);

    if (reflectorSession().state().loggedIn) {
        setStatus(main, "Login Successful...");
        unlockPasswordBoxes(windows.tools.options(), request.origin, true);
    }
}

// What Connect does once the login has ended: the icons and the tree after a login
// that got through, the failure's box after one that did not. The Connect ends when
// the tree is built, or at once when there is none to build.
void finishConnect(ConnectRun& run)
{
    const ConnectRequest request = *run.running;
    const ConnectTexts texts = connectTexts(request.origin);
    ProgramWindows& windows = *request.windows;
    MainWindow& main = windows.main();
    if (reflectorSession().state().connectFailed) {
        platform::dialogs().messageBox(QStringLiteral("Failed to connect to the Larkspire Server..."));
        setStatus(main, "Login Failed...");
        run.end();
        return;
    }
    if (!reflectorSession().state().loggedIn) {
        run.end(); // the login has reported why itself
        return;
    }

    setStatus(main, texts.connected);
    main.directoryTree->clear();
    setStatus(main, "Loading icons...");
    OptionsWindow& options = windows.tools.options();
    options.hide();
    options.setVisible(false);
    if (options.iconLoadingSwitchedOff()) {
        main.directoryModel.noIcons = true;
        // Plus and minus signs and text, no pictures.
        main.directoryTree->setIconSize(QSize(0, 0));
    }
    options.hide();
    run.iconsLoading = true;
    request.steps.loadIcons(windows, [run = QPointer<ConnectRun>(&run)] {
        if (!run || !run->running)
            return; // the session ended meanwhile
        if (!run->disconnectedMeanwhile)
            buildTree(*run->running);
        run->end();
    });
}

void startConnect(const ConnectRequest& request)
{
    const ConnectTexts texts = connectTexts(request.origin);
    ProgramWindows& windows = *request.windows;
    MainWindow& main = windows.main();
    // A rejected login shows the user settings window with its "Retry Login" button,
    // which runs this command again. Every login starts here, so the button is
    // joined to it here, once per window.
    QObject::connect(&windows.link.userSettings(), &UserSettingsWindow::retryLogin, &main,
                     &MainWindow::connectToReflector, Qt::UniqueConnection);

    reflectorSession().state().connectFailed = false;
    reflectorSession().state().logoutOwed = false;
    deleteSeenRepliesCache();
    LocatorWindow& locator = windows.tools.locator();
    locator.hide();
    locator.enableTopics();
    showConnectedState(true);
    setStatus(main, texts.loggingIn);

    ConnectRun& run = connectRun();
    run.running = request;
    request.steps.login();

    if (!reflectorSession().busy()) {
        // The login ended at once.
        finishConnect(run);
        return;
    }
    // Queued: the failure's box waits for the user, and the login can end in the
    // handling of a socket event.
    QObject::connect(
        &reflectorSession(), &Session::loginEnded, &run, [&run] { finishConnect(run); },
        Qt::ConnectionType(Qt::QueuedConnection | Qt::SingleShotConnection));
}

void finishDisconnect(MainWindow& main, Session::LogoutOutcome outcome)
{
    if (outcome == Session::LogoutOutcome::NothingToEnd) {
        showConnectedState(false);
    } else if (outcome == Session::LogoutOutcome::Sent) {
        main.directoryTree->clear();
        showConnectedState(false);
        deleteSeenRepliesCache();
    }
}

} // namespace

void showConnectedState(bool connected)
{
    ui::commands().action(ui::command::kConnect)->setEnabled(!connected);
    ui::commands().action(ui::command::kDisconnect)->setEnabled(connected);
}

bool connectRunning()
{
    return connectRun().running.has_value();
}

void connectCommand(ProgramWindows& windows, CommandOrigin origin, const ConnectSteps& steps)
{
    // A Connect asked for while a login or a logout runs (Retry Login pressed while a
    // rejected login still holds its window, a remote command) would find the session
    // busy and leave the menus in the connected state after a logout. It starts once
    // the session is free instead; several such requests make one.
    ConnectRun& run = connectRun();
    if (run.running || reflectorSession().busy()) {
        run.askedMeanwhile = ConnectRequest{&windows, origin, steps};
        return;
    }
    startConnect({&windows, origin, steps});
}

void disconnectCommand(ProgramWindows& windows, CommandOrigin origin)
{
    MainWindow& main = windows.main();
    // A Connect still loading the icons leaves the tree empty.
    if (ConnectRun& run = connectRun(); run.iconsLoading)
        run.disconnectedMeanwhile = true;
    deleteSeenRepliesCache();
    LocatorWindow& locator = windows.tools.locator();
    // From a secondary window's menu the locator stays open or hidden, as it was.
    if (origin == CommandOrigin::MainWindow)
        locator.hide();
    locator.clearTopics();
    unlockPasswordBoxes(windows.tools.options(), origin, false);
    main.directoryTree->clear();
    main.statusBar->setPanelText(2, {});
    main.transmitter->emptyFileList();

    // The main window skips a step of the logout that fails; a secondary window shows
    // the error's number first.
    const Session::StepErrors errors =
        origin == CommandOrigin::MainWindow ? Session::StepErrors::Skipped : Session::StepErrors::Shown;
    QObject::connect(
        &reflectorSession(), &Session::logoutEnded, &reflectorSession(),
        [&main](Session::LogoutOutcome outcome) { finishDisconnect(main, outcome); }, Qt::SingleShotConnection);
    reflectorSession().logOut(errors);
}
