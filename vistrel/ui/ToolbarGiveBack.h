#pragma once
// A window that a toolbar command opened gives its button back when it closes: the
// button's normal picture again, and the command's entry of gToolbarActive cleared
// (kToolbarUpdateFlag clears the Update button's own flag).
#include <functional>

// The flag of a button that is not in gToolbarActive: Update has gToolbarUpdateActive.
inline constexpr int kToolbarUpdateFlag = -1;

void giveBackToolbarButton(int button, int activeEntry);

// The frame, while it exists, shows a given-back button with its normal picture; an
// empty function: there is no toolbar to give back to.
void setToolbarButtonRestorer(std::function<void(int button)> restore);
