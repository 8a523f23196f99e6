#pragma once
// The current status text: the first panel of the main window's status bar, where
// the login and the reply handling report what they are doing.
#include <QByteArray>

// Writes the text once the main window exists; it never loads the main window (and
// with it the frame) by itself.
void showMainStatus(const QByteArray& text);
