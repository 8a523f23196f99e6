#include "ui/WindowSlot.h"

namespace ui {

void WindowKeeper::destroyAll()
{
    // A window's destructor may use another window; taking each one off the list
    // before deleting it keeps the loop safe if that makes a new one.
    while (!windows_.empty()) {
        QPointer<QWidget> window = windows_.back();
        windows_.pop_back();
        delete window.data();
    }
}

} // namespace ui
