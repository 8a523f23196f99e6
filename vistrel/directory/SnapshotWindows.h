#pragma once
// The snapshot windows that clicks on still-picture webcams open: up to ten at a time,
// in slots 1 to 10 taken round-robin; the eleventh replaces the first. They and the
// default snapshot window share the last picture's folder and the auto-save numbers.
#include "directory/SnapshotFiles.h"
#include "ui/WindowSlot.h"

#include <QByteArray>
#include <QPointer>

#include <array>

class SnapshotWindow;

class SnapshotWindows {
public:
    static constexpr int kLimit = 10;

    // Opens a new snapshot window for the picture address with the caption, in the next
    // slot, and fetches the picture. A ".gif" address is also shown as an animated
    // picture in the default snapshot window (made for it when it was not).
    void open(ui::WindowSlot<SnapshotWindow>& defaultWindow, const QByteArray& caption, const QByteArray& address);

    // The window in slot 1 to kLimit; null when the slot is empty or its window is gone.
    SnapshotWindow* window(int slot) const;
    // The slot used last, 0 before the first window.
    int lastSlot() const { return lastSlot_; }

    // What every snapshot window shares, the default one included.
    SharedSnapshotFiles& sharedFiles() { return sharedFiles_; }

private:
    std::array<QPointer<SnapshotWindow>, kLimit> windows_;
    int lastSlot_ = 0;
    SharedSnapshotFiles sharedFiles_;
};

// The program's snapshot windows.
SnapshotWindows& snapshotWindows();
