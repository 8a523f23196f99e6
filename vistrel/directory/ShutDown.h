#pragma once
// The ends of the program. Every one of them logs out from the reflector first.

class MainWindow;

// Closing the frame, the main window's Exit and Yes to its closing prompt: the
// logout, then, unless it was sent, a wait of 5000 ms (the main window's Timer6), then
// the end of the process. A request that comes while an earlier one runs is ignored.
void shutDownAfterLogout(MainWindow& main);

// Exit on the frame's own menu and on the secondary windows: the logout, then the
// end of the process without a further wait.
void exitWithoutWaiting(MainWindow& main);

// True from the start of a shut-down until the process ends.
bool shutDownRunning();
