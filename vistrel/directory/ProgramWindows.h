#pragma once
// Every window of the program, made on first use and kept for the whole run. main()
// makes the one owner; the views and commands that need a window are handed it, or the
// owner of its folder's windows. The windows are deleted, the newest first, when the
// owner ends.
#include "chat/ChatWindows.h"
#include "directory/MainWindow.h"
#include "directory/SnapshotWindow.h"
#include "directory/WebCamPasswordPrompt.h"
#include "frame/FrameWindows.h"
#include "linkwindows/LinkWindows.h"
#include "tools/ToolWindows.h"
#include "ui/WindowSlot.h"

class ProgramWindows {
    // First, so that it is made before and ends after every slot that keeps into it.
    ui::WindowKeeper keeper_;

public:
    ProgramWindows();
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;
    // The windows go while every slot still stands: a window's destructor may use another.
    ~ProgramWindows() { destroyAll(); }

    // Deletes every window made, the newest first; the next use makes a fresh one (tests).
    void destroyAll() { keeper_.destroyAll(); }

    LinkWindows link;
    ToolWindows tools;
    ChatWindows chat;
    FrameWindows frames;

    ui::WindowSlot<MainWindow> main;
    ui::WindowSlot<SnapshotWindow> snapshot;
    ui::WindowSlot<WebCamPasswordPrompt> webCamPasswordPrompt;
};
