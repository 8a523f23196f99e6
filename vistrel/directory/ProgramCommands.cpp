#include "directory/ProgramCommands.h"

#include "directory/ConnectCommands.h"
#include "directory/PlayerPrograms.h"
#include "directory/ProgramWindows.h"
#include "directory/ShutDown.h"
#include "ui/CommandRegistry.h"

void registerProgramCommands(ProgramWindows& windows)
{
    namespace c = ui::command;
    ui::CommandRegistry& registry = ui::commands();
    // A command of the main window, run on the main window as it stands (made on use).
    const auto onMainWindow = [&windows](void (MainWindow::*command)()) {
        return [&windows, command] { (windows.main().*command)(); };
    };
    const auto connectFrom = [&windows](CommandOrigin origin) {
        return [&windows, origin] { connectCommand(windows, origin); };
    };
    const auto disconnectFrom = [&windows](CommandOrigin origin) {
        return [&windows, origin] { disconnectCommand(windows, origin); };
    };
    registry.add(c::kConnect, onMainWindow(&MainWindow::connectToReflector));
    registry.add(c::kDisconnect, onMainWindow(&MainWindow::disconnectFromReflector));
    registry.add(c::kExit, [&windows] { shutDownAfterLogout(windows.main()); });
    registry.add(c::kConnectFromSecondaryWindow, connectFrom(CommandOrigin::SecondaryWindow));
    registry.add(c::kDisconnectFromSecondaryWindow, disconnectFrom(CommandOrigin::SecondaryWindow));
    registry.add(c::kExitWithoutWaiting, [&windows] { exitWithoutWaiting(windows.main()); });
    registry.add(c::kConnectFromOptionsWindow, connectFrom(CommandOrigin::OptionsWindow));
    registry.add(c::kDisconnectFromOptionsWindow, disconnectFrom(CommandOrigin::OptionsWindow));
    registry.add(c::kShowSystemStatus, onMainWindow(&MainWindow::showSystemStatus));
    registry.add(c::kShowLocator, [&windows] { windows.tools.locator().open(); });
    registry.add(c::kShowSnapshotWindow, onMainWindow(&MainWindow::showSnapshotWindow));
    registry.add(c::kAddNewWebcams, onMainWindow(&MainWindow::openAddWebCamsPage));
    registry.add(c::kShowServerSettings, onMainWindow(&MainWindow::showServerSettings));
    registry.add(c::kShowUserSettings, onMainWindow(&MainWindow::showUserSettings));
    registry.add(c::kShowQuickStart, onMainWindow(&MainWindow::showQuickStart));
    // A player that cannot be started ends the command without a message.
    registry.add(c::kStartMediaPlayer, [] { startPlayerProgram(PlayerKind::MediaPlayer); });
    registry.add(c::kStartRealPlayer, [] { startPlayerProgram(PlayerKind::RealPlayer); });
    registry.add(c::kShowPlayerSearch, [&windows] { windows.tools.playerSearch().showForSearchCommand(); });
    registry.add(c::kShowUpdateCheck, [&windows] { showUpdateWindow(windows.tools.update()); });
    registry.add(c::kShowAbout, [&windows] { showAboutBox(windows.frames.about(), windows.frames.frame()); });
    registry.add(c::kShowTipOfTheDay, [&windows] { windows.frames.tipOfTheDay().showTip(windows.frames.frame()); });
    registry.add(c::kShowOptions, [&windows] { windows.tools.options().showRequested(); });
    registry.add(c::kShowSupportChat, [&windows] { windows.chat.supportChat().show(); });
}
