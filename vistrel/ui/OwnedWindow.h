#pragma once
// A window that opens in front of the frame. It becomes the frame's own dialog window:
// a window manager keeps it above the frame, and without one the X server stacks it
// above the frame too, since the frame's native window is made before its own (a
// window's stacking place is fixed when it is made, not when it is mapped). A window
// opened this way is centred over the frame, clear of the toolbar at the frame's top,
// and raised above the windows opened before it.
#include <QWidget>

namespace ui {

void showInFrontOf(QWidget& window, QWidget& frame);

} // namespace ui
