#include "directory/SnapshotWindows.h"

#include "directory/SnapshotWindow.h"
#include "platform/Codec.h"

using platform::fromCp1252;

void SnapshotWindows::open(ui::WindowSlot<SnapshotWindow>& defaultWindow, const QByteArray& caption,
                           const QByteArray& address)
{
    if (address.contains(".gif"))
        defaultWindow().loadAnimatedPicture(fromCp1252(address));

    lastSlot_ = lastSlot_ % kLimit + 1;
    QPointer<SnapshotWindow>& slot = windows_.at(lastSlot_ - 1);
    if (slot) {
        slot->close();
        slot->deleteLater();
    }
    // A window the user closes is gone and leaves its slot empty.
    auto* window = new SnapshotWindow();
    window->setAttribute(Qt::WA_DeleteOnClose);
    slot = window;
    window->show();
    window->setWindowTitle(fromCp1252(caption));
    window->setAddress(fromCp1252(address));
    window->refresh();
}

SnapshotWindow* SnapshotWindows::window(int slot) const
{
    return windows_.at(slot - 1).data();
}

SnapshotWindows& snapshotWindows()
{
    static SnapshotWindows windows;
    return windows;
}
