#pragma once
// The program's commands by name, so that a window can run another window's command
// (a menu item, a toolbar button) without including that window. The owner of a
// command registers it once; running a name that nobody registered does nothing.
#include <QByteArray>
#include <QHash>

#include <functional>

namespace ui {

class CommandRegistry {
public:
    // A later registration of the same name replaces the earlier one.
    void add(const QByteArray& name, std::function<void()> command);
    bool has(const QByteArray& name) const;
    // False when no command has the name.
    bool run(const QByteArray& name) const;

private:
    QHash<QByteArray, std::function<void()>> commands_;
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
inline constexpr char kShowSystemStatus[] = "showSystemStatus";
inline constexpr char kShowLocator[] = "showLocator";
inline constexpr char kShowSnapshotWindow[] = "showSnapshotWindow";
inline constexpr char kAddNewWebcams[] = "addNewWebcams";
inline constexpr char kShowServerSettings[] = "showServerSettings";
inline constexpr char kShowUserSettings[] = "showUserSettings";
inline constexpr char kShowQuickStart[] = "showQuickStart";
inline constexpr char kShowPlayerSearch[] = "showPlayerSearch";
inline constexpr char kShowUpdateCheck[] = "showUpdateCheck";
inline constexpr char kShowAbout[] = "showAbout";
inline constexpr char kShowTipOfTheDay[] = "showTipOfTheDay";
inline constexpr char kShowOptions[] = "showOptions";
// The topic tree's look as the icon switch sets it: with pictures and tree lines, or
// plus and minus signs and text only.
inline constexpr char kTreeWithPictures[] = "treeWithPictures";
inline constexpr char kTreeWithoutPictures[] = "treeWithoutPictures";
inline constexpr char kStartMediaPlayer[] = "startMediaPlayer";
inline constexpr char kStartRealPlayer[] = "startRealPlayer";
inline constexpr char kShowSupportChat[] = "showSupportChat";
} // namespace command

} // namespace ui
