#pragma once
// The main window's status bar, where the login, the senders and the reply handling
// report: panel 1 holds the current status text (emptied by MainVODA.Timer4 when it
// ticks), panel 2 the count of webcams on line.
#include <QByteArray>

// Each writes once the main window exists; none loads the main window (and with it
// the frame) by itself.
void showMainStatus(const QByteArray& text);
void showMainStatusPanel(int panel, const QByteArray& text);
// Arms MainVODA.Timer4 to empty panel 1 after the given time.
void clearMainStatusAfter(int ms);
