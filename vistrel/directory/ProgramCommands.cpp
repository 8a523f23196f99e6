#include "directory/ProgramCommands.h"

#include "chat/SupportChatWindow.h"
#include "directory/ConnectCommands.h"
#include "directory/MainVODA.h"
#include "directory/ShutDown.h"
#include "ui/CommandRegistry.h"
#include "ui/Forms.h"

namespace {

// A command of the main window, run on the main window as it stands (loaded on use).
template <void (MainVODA::*command)()>
void onMainWindow()
{
    (ui::form<MainVODA>().*command)();
}

} // namespace

void registerProgramCommands()
{
    namespace c = ui::command;
    ui::CommandRegistry& registry = ui::commands();
    registry.add(c::kConnect, onMainWindow<&MainVODA::mnuConnect_Click>);
    registry.add(c::kDisconnect, onMainWindow<&MainVODA::mnuDisconnect_Click>);
    registry.add(c::kExit, shutDownAfterLogout);
    registry.add(c::kConnectFromSecondaryWindow, [] { connectCommand(CommandOrigin::SecondaryWindow); });
    registry.add(c::kDisconnectFromSecondaryWindow, [] { disconnectCommand(CommandOrigin::SecondaryWindow); });
    registry.add(c::kExitWithoutWaiting, exitWithoutWaiting);
    registry.add(c::kShowSystemStatus, onMainWindow<&MainVODA::mnuSystem_Click>);
    registry.add(c::kShowSnapshotWindow, onMainWindow<&MainVODA::mnuWebCam_Click>);
    registry.add(c::kAddNewWebcams, onMainWindow<&MainVODA::mnuAddWebCams_Click>);
    registry.add(c::kShowServerSettings, onMainWindow<&MainVODA::mnuServerSettings_Click>);
    registry.add(c::kShowUserSettings, onMainWindow<&MainVODA::mnuSettings_Click>);
    registry.add(c::kShowQuickStart, onMainWindow<&MainVODA::mnuQuickStart_Click>);
    registry.add(c::kShowSupportChat, [] { ui::form<SupportChatWindow>().show(); });
}
