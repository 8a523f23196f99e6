#pragma once
// The program's commands by name, so that a window can run another window's command
// (a menu item, a toolbar button) without including that window. The owner of a
// command registers it once; running a name that nobody registered does nothing.
//
// Every command has one QAction, which every menu bar shares: its enabled state is
// the command's, in one place. A command that nobody registered yet still has its
// action, disabled until the command is registered.
#include <QByteArray>
#include <QHash>
#include <QPointer>

#include <functional>

class QAction;

namespace ui {

class CommandRegistry {
public:
    // A later registration of the same name replaces the earlier one.
    void add(const QByteArray& name, std::function<void()> command);
    bool has(const QByteArray& name) const;
    // Runs the command whether or not its action is enabled (a remote command, a
    // retry); false when no command has the name.
    bool run(const QByteArray& name) const;
    // The command's action, created on first use and owned by the application (which
    // must exist by then); triggering it runs the command.
    QAction* action(const QByteArray& name);

private:
    QHash<QByteArray, std::function<void()>> commands_;
    QHash<QByteArray, QPointer<QAction>> actions_;
};

// The program's one registry.
CommandRegistry& commands();

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
