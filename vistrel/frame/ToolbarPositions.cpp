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
        {false, QStringLiteral("Connect"), 0, 855, c::kConnect, 0, "Connect.htm"},
        {false, QStringLiteral("Disconnect"), 885, 1740, c::kDisconnect, 1, "Disconne.htm"},
        {false, QStringLiteral("Exit"), 1770, 2640, c::kExit, 2, "ExitButt.htm"},
        separator(),
        {false, QStringLiteral("Locator"), 2800, 3630, c::kShowLocator, 3, "Locator.htm"},
        {false, QStringLiteral("Status"), 3660, 4515, c::kShowSystemStatus, 4, "Status.htm"},
        {false, QStringLiteral("Media"), 4545, 5400, c::kStartMediaPlayer, 5, "MediaPla.htm"},
        {false, QStringLiteral("Real"), 5415, 6285, c::kStartRealPlayer, 7, "RealPlay.htm"},
        {false, QStringLiteral("Players"), 6315, 7185, c::kShowPlayerSearch, 8, "Searchme.htm"},
        separator(),
        {false, QStringLiteral("Options"), 7335, 8175, c::kShowOptions, 9, "Options.htm"},
        {false, QStringLiteral("Serv Set"), 8220, 9060, c::kShowServerSettings, 10, "ServerSe.htm"},
        {false, QStringLiteral("User Set"), 9090, 9945, c::kShowUserSettings, 11, "UserSett.htm"},
        separator(),
        {false, QStringLiteral("About"), 10110, 10950, c::kShowAbout, 12, "About.htm"},
        {false, QStringLiteral("Update"), 10980, 11850, c::kShowUpdateCheck, kToolbarUpdateFlag, "Update.htm"},
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
