#pragma once
// Changing a frame toolbar button's picture from a window below the frame (the support
// side's highlight commands): the frame, while it exists, puts in the function that
// sets a button's picture (1 normal, 2 highlighted, 3 active) and redraws the toolbar.
#include <functional>

void setToolbarPictureChanger(std::function<void(int button, int picture)> change);

// False when there is no toolbar to change.
bool changeToolbarPicture(int button, int picture);
