#pragma once
// The snapshot windows that clicks on still-picture webcams open: up to ten at a time,
// in slots taken round-robin (gSnapshotWindows, gSnapshotWindowCounter); the eleventh
// replaces the first.
#include <QByteArray>

// Opens a new snapshot window for the picture address with the caption, in the next
// slot, and fetches the picture. A ".gif" address is also shown as an animated
// picture in the default snapshot window.
void openSnapshotWindow(const QByteArray& caption, const QByteArray& address);
