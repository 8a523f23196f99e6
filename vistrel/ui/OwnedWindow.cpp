#include "ui/OwnedWindow.h"

namespace ui {

void showInFrontOf(QWidget& window, QWidget& frame)
{
    if (window.parentWidget() != &frame) {
        const Qt::WindowFlags flags = (window.windowFlags() & ~Qt::WindowType_Mask) | Qt::Dialog;
        window.setParent(&frame, flags);
    }
    if (!window.isVisible()) {
        // As a first show would size it.
        if (!window.testAttribute(Qt::WA_Resized))
            window.adjustSize();
        QRect placed = window.frameGeometry();
        placed.moveCenter(frame.frameGeometry().center());
        window.move(placed.topLeft());
    }
    window.show();
    window.raise();
}

} // namespace ui
