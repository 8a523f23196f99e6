#include "directory/SnapshotWindows.h"

#include "common/Globals.h"
#include "directory/SnapshotWindow.h"
#include "platform/Codec.h"
#include "ui/Forms.h"

using platform::fromCp1252;

void openSnapshotWindow(const QByteArray& caption, const QByteArray& address)
{
    if (address.contains(".gif"))
        ui::form<SnapshotWindow>().loadAnimatedPicture(fromCp1252(address));

    if (++gSnapshotWindowCounter >= kSnapshotWindowSlots)
        gSnapshotWindowCounter = 1;
    QPointer<SnapshotWindow>& slot = gSnapshotWindows[gSnapshotWindowCounter];
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
