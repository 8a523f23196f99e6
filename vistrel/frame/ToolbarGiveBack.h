#pragma once
// A window that a toolbar command opened gives its button back when it closes: the
// button's normal picture again, and the command's entry of gToolbarActive cleared.
void giveBackToolbarButton(int button, int activeEntry);
