#include "frame/ToolbarPositions.h"

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
    using e = ui::ToolbarEntry;
    static const std::array<ToolbarPosition, kToolbarPositions> table = {{
        {false, QStringLiteral("Connect"), 0, 855, c::kConnect, e::Connect, "Connect.htm"},
        {false, QStringLiteral("Disconnect"), 885, 1740, c::kDisconnect, e::Disconnect, "Disconne.htm"},
        {false, QStringLiteral("Exit"), 1770, 2640, c::kExit, e::Exit, "ExitButt.htm"},
        separator(),
        {false, QStringLiteral("Locator"), 2800, 3630, c::kShowLocator, e::Locator, "Locator.htm"},
        {false, QStringLiteral("Status"), 3660, 4515, c::kShowSystemStatus, e::Status, "Status.htm"},
        {false, QStringLiteral("Media"), 4545, 5400, c::kStartMediaPlayer, e::MediaPlayer, "MediaPla.htm"},
        {false, QStringLiteral("Real"), 5415, 6285, c::kStartRealPlayer, e::RealPlayer, "RealPlay.htm"},
        {false, QStringLiteral("Players"), 6315, 7185, c::kShowPlayerSearch, e::PlayerSearch, "Searchme.htm"},
        separator(),
        {false, QStringLiteral("Options"), 7335, 8175, c::kShowOptions, e::Options, "Options.htm"},
        {false, QStringLiteral("Serv Set"), 8220, 9060, c::kShowServerSettings, e::ServerSettings, "ServerSe.htm"},
        {false, QStringLiteral("User Set"), 9090, 9945, c::kShowUserSettings, e::UserSettings, "UserSett.htm"},
        separator(),
        {false, QStringLiteral("About"), 10110, 10950, c::kShowAbout, e::About, "About.htm"},
        {false, QStringLiteral("Update"), 10980, 11850, c::kShowUpdateCheck, e::Update, "Update.htm"},
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

bool isToolbarButtonActive(const ToolbarPosition& button)
{
    return ui::toolbarState().isActive(button.activeFlag);
}

void setToolbarButtonActive(const ToolbarPosition& button, bool active)
{
    ui::toolbarState().setActive(button.activeFlag, active);
}
