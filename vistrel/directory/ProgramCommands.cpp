#include "directory/ProgramCommands.h"

#include "chat/SupportChatWindow.h"
#include "directory/ConnectCommands.h"
#include "directory/MainWindow.h"
#include "directory/PlayerPrograms.h"
#include "directory/ShutDown.h"
#include "frame/AboutBox.h"
#include "frame/FrameWindow.h"
#include "frame/TipOfTheDayWindow.h"
#include "tools/LocatorWindow.h"
#include "tools/OptionsWindow.h"
#include "tools/PlayerSearchWindow.h"
#include "tools/UpdateWindow.h"
#include "ui/CommandRegistry.h"
#include "ui/Forms.h"

namespace {

// A command of the main window, run on the main window as it stands (loaded on use).
template <void (MainWindow::*command)()>
void onMainWindow()
{
    (ui::form<MainWindow>().*command)();
}

} // namespace

void registerProgramCommands()
{
    namespace c = ui::command;
    ui::CommandRegistry& registry = ui::commands();
    registry.add(c::kConnect, onMainWindow<&MainWindow::connectToReflector>);
    registry.add(c::kDisconnect, onMainWindow<&MainWindow::disconnectFromReflector>);
    registry.add(c::kExit, shutDownAfterLogout);
    registry.add(c::kConnectFromSecondaryWindow, [] { connectCommand(CommandOrigin::SecondaryWindow); });
    registry.add(c::kDisconnectFromSecondaryWindow, [] { disconnectCommand(CommandOrigin::SecondaryWindow); });
    registry.add(c::kExitWithoutWaiting, exitWithoutWaiting);
    registry.add(c::kConnectFromOptionsWindow, [] { connectCommand(CommandOrigin::OptionsWindow); });
    registry.add(c::kDisconnectFromOptionsWindow, [] { disconnectCommand(CommandOrigin::OptionsWindow); });
    registry.add(c::kShowSystemStatus, onMainWindow<&MainWindow::showSystemStatus>);
    registry.add(c::kShowLocator, [] { ui::form<LocatorWindow>().open(); });
    registry.add(c::kShowSnapshotWindow, onMainWindow<&MainWindow::showSnapshotWindow>);
    registry.add(c::kAddNewWebcams, onMainWindow<&MainWindow::openAddWebCamsPage>);
    registry.add(c::kShowServerSettings, onMainWindow<&MainWindow::showServerSettings>);
    registry.add(c::kShowUserSettings, onMainWindow<&MainWindow::showUserSettings>);
    registry.add(c::kShowQuickStart, onMainWindow<&MainWindow::showQuickStart>);
    // A player that cannot be started ends the command without a message.
    registry.add(c::kStartMediaPlayer, [] { startPlayerProgram(PlayerKind::MediaPlayer); });
    registry.add(c::kStartRealPlayer, [] { startPlayerProgram(PlayerKind::RealPlayer); });
    registry.add(c::kShowPlayerSearch, showPlayerSearchWindow);
    registry.add(c::kShowUpdateCheck, showUpdateWindow);
    registry.add(c::kShowAbout, [] { showAboutBox(ui::form<FrameWindow>()); });
    registry.add(c::kShowTipOfTheDay, [] { showTipOfTheDay(ui::form<FrameWindow>()); });
    registry.add(c::kShowOptions, [] { ui::form<OptionsWindow>().showRequested(); });
    registry.add(c::kShowSupportChat, [] { ui::form<SupportChatWindow>().show(); });
}
