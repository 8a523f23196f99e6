#include "frame/ToolbarGiveBack.h"

#include "common/Globals.h"
#include "frame/MDIForm1.h"
#include "frame/ToolbarControl.h"
#include "frame/ToolbarPositions.h"
#include "platform/Forms.h"

void giveBackToolbarButton(int button, int activeEntry)
{
    // Without a frame there is no toolbar to give back to; the flag is still cleared.
    if (platform::isLoaded<MDIForm1>()) {
        ToolbarControl& toolbar = *platform::form<MDIForm1>().Toolbar1;
        toolbar.setButtonImage(button, ToolbarControl::PictureNormal);
        toolbar.Refresh();
    }
    if (activeEntry == kToolbarUpdateFlag)
        gToolbarUpdateActive = false;
    else if (activeEntry >= 0 && activeEntry < kToolbarCommands)
        gToolbarActive[activeEntry] = false;
}
