#pragma once
// A window that a toolbar command opened gives its button back when it closes: the
// button's normal picture again, and the command's entry of the toolbar state cleared
// (ToolbarState.h).
#include "ui/ToolbarState.h"

#include <functional>

void giveBackToolbarButton(int button, ui::ToolbarEntry entry);

// The frame, while it exists, shows a given-back button with its normal picture; an
// empty function: there is no toolbar to give back to.
void setToolbarButtonRestorer(std::function<void(int button)> restore);
