#include "frame/PlayerWatcherWindow.h"

#include "frame/ToolbarPositions.h"
#include "ui/ObjectNames.h"
#include "ui/ToolbarGiveBack.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The processes of the players started last, 0 when none; the starters set them before
// the watcher window exists, too.
struct WatchedProcesses {
    qint64 media = 0;
    qint64 real = 0;

    qint64& of(PlayerWindowWatcher::Player player)
    {
        return player == PlayerWindowWatcher::Player::Media ? media : real;
    }
};

WatchedProcesses& watchedProcesses()
{
    static WatchedProcesses processes;
    return processes;
}

} // namespace

PlayerWatcherWindow::PlayerWatcherWindow()
    : watcher_(watchedProcesses().media, watchedProcesses().real, topLevelWindowProbe(windows_), this)
{
    setWindowTitle(QStringLiteral("Program ID Detection"));
    checkButton_ = new QPushButton(QStringLiteral("Go"), this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(checkButton_);
    connect(checkButton_, &QPushButton::clicked, &watcher_, &PlayerWindowWatcher::checkPlayers);
    connect(&watcher_, &PlayerWindowWatcher::playerGone, this, [](PlayerWindowWatcher::Player player) {
        const int button = playerToolbarButton(player);
        giveBackToolbarButton(button, toolbarPosition(button).activeFlag);
    });

    ui::giveObjectNames({
        {checkButton_, "Command1"},
    });
}

void watchPlayer(PlayerWindowWatcher::Player player, qint64 processId)
{
    watchedProcesses().of(player) = processId;
}

qint64 watchedPlayer(PlayerWindowWatcher::Player player)
{
    return watchedProcesses().of(player);
}
