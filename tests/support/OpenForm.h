#pragma once
// Opens a program window in a test as its menu command does: the window is loaded
// on first reference, set to the normal state and shown.
#include "platform/Forms.h"

template <typename Window>
Window& openForm()
{
    Window& window = platform::form<Window>();
    window.setWindowState(Qt::WindowNoState);
    window.show();
    return window;
}
