#pragma once
// Opens a program window in a test as its menu command does: the window is loaded
// on first reference, set to the normal state and shown.
#include "ui/Forms.h"

template <typename Window>
Window& openForm()
{
    Window& window = ui::form<Window>();
    window.setWindowState(Qt::WindowNoState);
    window.show();
    return window;
}
