#pragma once
// The program's windows in a test program: one owner for the whole test program,
// joined to the command registry and the session at start as the program joins its
// own, so that menu items and toolbar buttons run what they run in the program and the
// windows show what the session reports. A test that needs fresh windows destroys them
// (FrameWorld does at its end); the next use makes them anew.
#include "directory/ProgramWindows.h"

ProgramWindows& testWindows();
