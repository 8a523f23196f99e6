#pragma once
// The frame toolbar's 16 positions, numbered 1 to 16 from the left: 13 command buttons
// and separators at 4, 10 and 14. Each command button covers a fixed range of x, in
// twips from the toolbar's left edge (both ends included); the gaps between the
// ranges belong to no button.
#include "ui/ToolbarState.h"

#include <QByteArray>
#include <QString>

#include <optional>

inline constexpr int kToolbarPositions = 16;

struct ToolbarPosition {
    bool separator = false;
    QString caption;
    int fromTwips = 0;
    int toTwips = 0;
    // The name of the command the button runs (CommandRegistry.h); null for a separator.
    const char* command = nullptr;
    ui::ToolbarEntry activeFlag = ui::ToolbarEntry::Connect; // the button's entry of the toolbar state
    QByteArray helpPage;                                     // under "/help/" on the product web server
};

// Position 1 to 16.
const ToolbarPosition& toolbarPosition(int position);

// The command button whose range holds x, or nothing (separator, gap, beyond the end).
std::optional<int> toolbarButtonAt(double xTwips);

// Whether the command button is the current one (ToolbarState.h).
bool isToolbarButtonActive(const ToolbarPosition& button);
void setToolbarButtonActive(const ToolbarPosition& button, bool active);

// Positions of the buttons that stand for Connect and Disconnect.
inline constexpr int kToolbarConnectButton = 1;
inline constexpr int kToolbarDisconnectButton = 2;
inline constexpr int kToolbarExitButton = 3;
inline constexpr int kToolbarMediaButton = 7;
inline constexpr int kToolbarRealButton = 8;
