#include "ui/ToolbarGiveBack.h"

#include "common/Globals.h"

#include <utility>

namespace {

std::function<void(int)>& restorer()
{
    static std::function<void(int)> restore;
    return restore;
}

} // namespace

void setToolbarButtonRestorer(std::function<void(int button)> restore)
{
    restorer() = std::move(restore);
}

void giveBackToolbarButton(int button, int activeEntry)
{
    // Without a frame there is no toolbar to give back to; the flag is still cleared.
    if (restorer())
        restorer()(button);
    if (activeEntry == kToolbarUpdateFlag)
        gToolbarUpdateActive = false;
    else if (activeEntry >= 0 && activeEntry < kToolbarCommands)
        gToolbarActive[activeEntry] = false;
}
