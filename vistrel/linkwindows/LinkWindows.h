#pragma once
// The link windows of the program: the status window, the user and server settings
// and the password change, each made on first use and kept for the whole run.
#include "linkwindows/PasswordChangeWindow.h"
#include "linkwindows/ServerSettingsWindow.h"
#include "linkwindows/StatusWindow.h"
#include "linkwindows/UserSettingsWindow.h"
#include "ui/WindowSlot.h"

class LinkWindows {
public:
    explicit LinkWindows(ui::WindowKeeper& keeper);
    LinkWindows(const LinkWindows&) = delete;
    LinkWindows& operator=(const LinkWindows&) = delete;

    ui::WindowSlot<StatusWindow> status;
    ui::WindowSlot<UserSettingsWindow> userSettings;
    ui::WindowSlot<ServerSettingsWindow> serverSettings;
    ui::WindowSlot<PasswordChangeWindow> passwordChange;
};
