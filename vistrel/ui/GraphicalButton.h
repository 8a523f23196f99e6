#pragma once
// The settings windows' buttons: drawn in the windows' own back colour rather than the
// desktop's, some of them darker while the mouse button is held down on them.
class QPushButton;

enum class PressedLook { Unchanged, Darker };

void makeGraphicalButton(QPushButton& button, PressedLook pressedLook = PressedLook::Unchanged);
