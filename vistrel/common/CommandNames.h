#pragma once
// The names the command registry (ui/CommandRegistry.h) knows the program's commands
// by. Plain constants without Qt, so that code without windows (the reading of the
// support side's remote commands) can name a command too.

namespace ui {

// The names of the commands that more than one window runs.
namespace command {
inline constexpr char kConnect[] = "connect";
inline constexpr char kDisconnect[] = "disconnect";
inline constexpr char kExit[] = "exit";
// The File menu of a settings, status or tools window: its own Connect, Disconnect
// and Exit (which does not wait for the logout).
inline constexpr char kConnectFromSecondaryWindow[] = "connectFromSecondaryWindow";
inline constexpr char kDisconnectFromSecondaryWindow[] = "disconnectFromSecondaryWindow";
inline constexpr char kExitWithoutWaiting[] = "exitWithoutWaiting";
// The options window's own Connect and Disconnect, which also switch its
// restricted-topics controls.
inline constexpr char kConnectFromOptionsWindow[] = "connectFromOptionsWindow";
inline constexpr char kDisconnectFromOptionsWindow[] = "disconnectFromOptionsWindow";
inline constexpr char kShowLocator[] = "showLocator";
inline constexpr char kShowSystemStatus[] = "showSystemStatus";
inline constexpr char kShowSnapshotWindow[] = "showSnapshotWindow";
inline constexpr char kStartMediaPlayer[] = "startMediaPlayer";
inline constexpr char kStartRealPlayer[] = "startRealPlayer";
inline constexpr char kShowPlayerSearch[] = "showPlayerSearch";
inline constexpr char kAddNewWebcams[] = "addNewWebcams";
inline constexpr char kShowOptions[] = "showOptions";
inline constexpr char kShowServerSettings[] = "showServerSettings";
inline constexpr char kShowUserSettings[] = "showUserSettings";
inline constexpr char kShowAbout[] = "showAbout";
inline constexpr char kShowQuickStart[] = "showQuickStart";
inline constexpr char kShowUpdateCheck[] = "showUpdateCheck";
inline constexpr char kShowTipOfTheDay[] = "showTipOfTheDay";
// The topic tree's look as the icon switch sets it: with pictures and tree lines, or
// plus and minus signs and text only.
inline constexpr char kTreeWithPictures[] = "treeWithPictures";
inline constexpr char kTreeWithoutPictures[] = "treeWithoutPictures";
inline constexpr char kShowSupportChat[] = "showSupportChat";
} // namespace command

} // namespace ui
