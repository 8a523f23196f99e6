#pragma once
// The hidden window "Program ID Detection" that holds the watcher of the started
// players (PlayerWindowWatcher.h) for the run. Its "Go" button runs one check by hand;
// the main window shows it on a hidden key chord, nothing else does.
//
// The player starters hand each started player's process to watchPlayer(); the
// toolbar's Media and Real buttons start the checks (watcher().start(): once a second
// until no player is left to watch). When a watched player's windows have gone, its
// toolbar button is given back.
#include "frame/PlayerWindowWatcher.h"
#include "platform/TopLevelWindows.h"

#include <QWidget>

class QPushButton;

class PlayerWatcherWindow : public QWidget {
    Q_OBJECT
public:
    // The windows of the display named by DISPLAY (or the processes being alive, without
    // one).
    PlayerWatcherWindow();

    PlayerWindowWatcher& watcher() { return watcher_; }

private:
    QPushButton* checkButton_ = nullptr; // "Go", object name "Command1"
    platform::TopLevelWindows windows_;
    PlayerWindowWatcher watcher_;
};

// A player starter's entry point: the process it started for the player, which the
// watcher looks at from its next check on (it replaces the process started before).
void watchPlayer(PlayerWindowWatcher::Player player, qint64 processId);

// The process the watcher looks at for the player; 0 once the player is gone, or before
// one was started.
qint64 watchedPlayer(PlayerWindowWatcher::Player player);
