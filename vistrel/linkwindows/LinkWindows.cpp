#include "linkwindows/LinkWindows.h"

LinkWindows::LinkWindows(ui::WindowKeeper& keeper)
    : status(keeper), userSettings(keeper,
                                   [this] {
                                       auto* window = new UserSettingsWindow();
                                       QObject::connect(window, &UserSettingsWindow::passwordChangeRequested, window,
                                                        [this] { passwordChange().open(); });
                                       return window;
                                   }),
      serverSettings(keeper), passwordChange(keeper, [this] { return new PasswordChangeWindow(userSettings()); })
{
}
