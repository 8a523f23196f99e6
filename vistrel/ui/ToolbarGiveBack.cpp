#include "ui/ToolbarGiveBack.h"

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

void giveBackToolbarButton(int button, ui::ToolbarEntry entry)
{
    // Without a frame there is no toolbar to give back to; the flag is still cleared.
    if (restorer())
        restorer()(button);
    ui::toolbarState().setActive(entry, false);
}
