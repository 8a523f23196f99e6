#include "frame/PlayerWatcherWindow.h"

#include "common/Globals.h"
#include "frame/ToolbarPositions.h"
#include "ui/Forms.h"
#include "ui/ToolbarGiveBack.h"

#include <QPushButton>
#include <QVBoxLayout>

PlayerWatcherWindow::PlayerWatcherWindow()
    : watcher_(gMediaPlayerPid, gRealPlayerPid, topLevelWindowProbe(windows_), this)
{
    setWindowTitle(QStringLiteral("Program ID Detection"));
    checkButton_ = new QPushButton(QStringLiteral("Go"), this);
    checkButton_->setObjectName(QStringLiteral("Command1"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(checkButton_);
    connect(checkButton_, &QPushButton::clicked, &watcher_, &PlayerWindowWatcher::checkPlayers);
    connect(&watcher_, &PlayerWindowWatcher::playerGone, this, [](PlayerWindowWatcher::Player player) {
        const int button = playerToolbarButton(player);
        giveBackToolbarButton(button, toolbarPosition(button).activeFlag);
    });
}

void watchPlayer(PlayerWindowWatcher::Player player, qint64 processId)
{
    (player == PlayerWindowWatcher::Player::Media ? gMediaPlayerPid : gRealPlayerPid) = processId;
}

void startPlayerWatcher()
{
    ui::form<PlayerWatcherWindow>().watcher().start();
}
