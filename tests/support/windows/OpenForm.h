#pragma once
// Opens a program window in a test as its menu command does: the window is made on
// first use, set to the normal state and shown.
#include "ui/WindowSlot.h"

template <typename Window>
Window& openForm(ui::WindowSlot<Window>& slot)
{
    Window& window = slot();
    window.setWindowState(Qt::WindowNoState);
    window.show();
    return window;
}
