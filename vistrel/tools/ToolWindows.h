#pragma once
// The tools windows of the program: the locator, the player search, the update check
// and the options, each made on first use and kept for the whole run.
#include "tools/LocatorWindow.h"
#include "tools/OptionsWindow.h"
#include "tools/PlayerSearchWindow.h"
#include "tools/UpdateWindow.h"
#include "ui/WindowSlot.h"

class ToolWindows {
public:
    explicit ToolWindows(ui::WindowKeeper& keeper)
        : locator(keeper), playerSearch(keeper), update(keeper), options(keeper)
    {
    }
    ToolWindows(const ToolWindows&) = delete;
    ToolWindows& operator=(const ToolWindows&) = delete;

    ui::WindowSlot<LocatorWindow> locator;
    ui::WindowSlot<PlayerSearchWindow> playerSearch;
    ui::WindowSlot<UpdateWindow> update;
    ui::WindowSlot<OptionsWindow> options;
};
