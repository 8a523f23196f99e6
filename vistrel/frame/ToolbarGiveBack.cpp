#include "frame/ToolbarGiveBack.h"

#include "common/Globals.h"

void giveBackToolbarButton(int /*button*/, int activeEntry)
{
    if (activeEntry >= 0 && activeEntry < kToolbarCommands)
        gToolbarActive[activeEntry] = false;
}
