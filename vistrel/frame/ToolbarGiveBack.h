#pragma once
// A window that a toolbar command opened gives its button back when it closes: the
// button's normal picture again, and the command's entry of gToolbarActive cleared
// (kToolbarUpdateFlag, ToolbarPositions.h, clears the Update button's own flag).
void giveBackToolbarButton(int button, int activeEntry);
