#pragma once
// The menu bar that the main window and the secondary windows share: its items run
// the main window's commands.
class QMenuBar;
class QWidget;

// A new menu bar for window; the caller places it (QMainWindow::setMenuBar or a
// layout's setMenuBar).
QMenuBar* createSharedMenuBar(QWidget* window);
