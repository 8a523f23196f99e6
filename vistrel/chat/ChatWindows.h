#pragma once
// The support chat window of the program, made on first use and kept for the whole run.
#include "chat/SupportChatWindow.h"
#include "linkwindows/LinkWindows.h"
#include "tools/ToolWindows.h"
#include "ui/WindowSlot.h"

class ChatWindows {
public:
    ChatWindows(ui::WindowKeeper& keeper, LinkWindows& link, ToolWindows& tools)
        : supportChat(keeper, [&link, &tools] { return new SupportChatWindow(link, tools.locator); })
    {
    }
    ChatWindows(const ChatWindows&) = delete;
    ChatWindows& operator=(const ChatWindows&) = delete;

    ui::WindowSlot<SupportChatWindow> supportChat;
};
