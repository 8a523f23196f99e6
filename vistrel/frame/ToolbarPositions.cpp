#include "frame/ToolbarPositions.h"

#include "common/Globals.h"
#include "ui/CommandRegistry.h"

#include <array>

namespace {

ToolbarPosition separator()
{
    ToolbarPosition position;
    position.separator = true;
    return position;
}

const std::array<ToolbarPosition, kToolbarPositions>& positions()
{
    namespace c = ui::command;
    static const std::array<ToolbarPosition, kToolbarPositions> table = {{
        {false, "Connect", 0, 855, c::kConnect, 0, "Connect.htm"},
        {false, "Disconnect", 885, 1740, c::kDisconnect, 1, "Disconne.htm"},
        {false, "Exit", 1770, 2640, c::kExit, 2, "ExitButt.htm"},
        separator(),
        {false, "Locator", 2800, 3630, c::kShowLocator, 3, "Locator.htm"},
        {false, "Status", 3660, 4515, c::kShowSystemStatus, 4, "Status.htm"},
        {false, "Media", 4545, 5400, c::kStartMediaPlayer, 5, "MediaPla.htm"},
        {false, "Real", 5415, 6285, c::kStartRealPlayer, 7, "RealPlay.htm"},
        {false, "Players", 6315, 7185, c::kShowPlayerSearch, 8, "Searchme.htm"},
        separator(),
        {false, "Options", 7335, 8175, c::kShowOptions, 9, "Options.htm"},
        {false, "Serv Set", 8220, 9060, c::kShowServerSettings, 10, "ServerSe.htm"},
        {false, "User Set", 9090, 9945, c::kShowUserSettings, 11, "UserSett.htm"},
        separator(),
        {false, "About", 10110, 10950, c::kShowAbout, 12, "About.htm"},
        {false, "Update", 10980, 11850, c::kShowUpdateCheck, kToolbarUpdateFlag, "Update.htm"},
    }};
    return table;
}

} // namespace

const ToolbarPosition& toolbarPosition(int position)
{
    return positions().at(position - 1);
}

std::optional<int> toolbarButtonAt(double xTwips)
{
    for (int position = 1; position <= kToolbarPositions; ++position) {
        const ToolbarPosition& button = toolbarPosition(position);
        if (!button.separator && xTwips >= button.fromTwips && xTwips <= button.toTwips)
            return position;
    }
    return std::nullopt;
}

bool& toolbarFlag(const ToolbarPosition& button)
{
    return button.activeFlag == kToolbarUpdateFlag ? gToolbarUpdateActive : gToolbarActive.at(button.activeFlag);
}
