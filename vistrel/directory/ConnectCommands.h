#pragma once
// The File menu's Connect and Disconnect, which every window's menu bar carries. They
// act on the shared state only: the main window's menu items, status bar and tree,
// the frame's toolbar buttons 1 and 2, the options window's password boxes and the
// one reflector socket. The main window's commands (also run by the toolbar and the
// support side) and a secondary window's own items differ in a few status texts and
// in how Disconnect reports a failing step; only the main window's Disconnect hides
// the locator window. The options window's own items also switch the rest of its
// restricted-topics controls with the password boxes.
#include "directory/NodeList.h"
#include "directory/TopicIcons.h"
#include "link/ReflectorSession.h"

#include <functional>

enum class CommandOrigin {
    MainWindow,      // MainWindow's File menu, the toolbar, the support side's commands
    SecondaryWindow, // the File menu of a settings, status or tools window
    OptionsWindow,   // the options window's File menu: a secondary window's, and more
};

// The login and the tree loaders that Connect runs between its own steps. The login
// starts the session's login; Connect goes on once the session has ended it (at once
// when the session is not busy after the step). The icon load calls its `loaded` when
// it has ended, and Connect goes on from there.
struct ConnectSteps {
    std::function<void()> login = [] { reflectorSession().logIn(); };
    std::function<void(ProgramWindows&, std::function<void()> loaded)> loadIcons = loadTopicIcons;
    std::function<void(ProgramWindows&)> buildNodes = buildTopicTree;
};

// Switches the menus and toolbar to the connected state and starts the login; once
// the login has ended and got through, builds the topic tree and unlocks the
// restricted-topics password boxes. A Connect asked for while a login or a logout runs
// (Retry Login in the rejection window, a remote command) starts whole once the
// session is free; several such requests make one.
void connectCommand(ProgramWindows& windows, CommandOrigin origin, const ConnectSteps& steps = {});

// Locks the password boxes, empties the tree and starts the session's logout
// (ReflectorSession::logOut); the rest follows the logout's outcome. A logout that
// could not be sent leaves the menus and toolbar in the connected state, so that
// Disconnect can be run again. With nothing to log out from nothing is sent, and the
// menus and toolbar go back to the disconnected state at once. A Connect that still
// loads the icons builds no tree afterwards.
void disconnectCommand(ProgramWindows& windows, CommandOrigin origin);

// True from the start of a Connect until it has built the tree, or ended without one.
bool connectRunning();

// Puts the main window's Connect and Disconnect items and the toolbar's buttons 1 and
// 2 in the connected (Connect disabled) or disconnected state.
void showConnectedState(bool connected);
