#pragma once
// The menu bar that the main window and the secondary windows share: File, View,
// Tools and Help, whose items are the shared actions of the program's commands
// (CommandRegistry.h): every menu bar holds the same QAction for a command, so that
// enabling or disabling it counts everywhere. Each item's object name is its name in
// the menus ("mnuConnect"). Items whose command the program does not have yet are
// shown disabled.
class QAction;
class QMenuBar;
class QString;
class QWidget;

// A new menu bar for a secondary window; the caller places it (QMainWindow::setMenuBar
// or a layout's setMenuBar). It lacks the main window's "Add New Webcams", "Quick
// Start" and "Support Chat". Its Connect and Disconnect are the secondary windows'
// variants, which are never disabled; its Exit logs out and ends the program without
// waiting.
//
// A window whose own Connect and Disconnect do more than the common steps names the
// commands that its File menu runs instead (it registers them itself).
struct OwnFileCommands {
    const char* connect = nullptr;
    const char* disconnect = nullptr;
};
QMenuBar* createSharedMenuBar(QWidget* window, OwnFileCommands own = {});

// The main window's own menu bar. Its Exit is the main window's Exit command.
QMenuBar* createMainMenuBar(QWidget* mainWindow);

// The item of a menu bar by its object name ("mnuConnect"); null when the bar has none.
// The items are shared actions, so they are not children of the bar.
QAction* menuAction(const QMenuBar& bar, const QString& name);
