#pragma once
// The frame and the windows it starts (the about box, the tip of the day, the player
// watcher, the debug log, the quick start guide), each made on first use and kept for
// the whole run, beside the windows of the folders below that the frame uses.
#include "chat/ChatWindows.h"
#include "frame/AboutBox.h"
#include "frame/DebugLog.h"
#include "frame/FrameWindow.h"
#include "frame/PlayerWatcherWindow.h"
#include "frame/QuickStartGuide.h"
#include "frame/TipOfTheDayWindow.h"
#include "linkwindows/LinkWindows.h"
#include "tools/ToolWindows.h"
#include "ui/WindowSlot.h"

class FrameWindows {
public:
    FrameWindows(ui::WindowKeeper& keeper, LinkWindows& linkWindows, ToolWindows& toolWindows, ChatWindows& chatWindows)
        : link(linkWindows), tools(toolWindows), chat(chatWindows),
          frame(keeper, [this] { return new FrameWindow(*this); }), about(keeper), tipOfTheDay(keeper),
          playerWatcher(keeper), debugLog(keeper), guide(keeper)
    {
    }
    FrameWindows(const FrameWindows&) = delete;
    FrameWindows& operator=(const FrameWindows&) = delete;

    LinkWindows& link;
    ToolWindows& tools;
    ChatWindows& chat;

    ui::WindowSlot<FrameWindow> frame;
    ui::WindowSlot<AboutBox> about;
    ui::WindowSlot<TipOfTheDayWindow> tipOfTheDay;
    ui::WindowSlot<PlayerWatcherWindow> playerWatcher;
    ui::WindowSlot<DebugLog> debugLog;
    ui::WindowSlot<QuickStartGuide> guide;
};
