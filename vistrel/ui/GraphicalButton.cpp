#include "ui/GraphicalButton.h"

#include <QPushButton>

namespace {

// The windows' button colours as red, green, blue.
constexpr char kBackColour[] = "#326b6a";
constexpr char kPressedBackColour[] = "#004040";

} // namespace

void makeGraphicalButton(QPushButton& button, PressedLook pressedLook)
{
    QString style = QStringLiteral("QPushButton { background-color: %1; color: white; border: 1px solid #1c3b3a;"
                                   " border-radius: 2px; padding: 3px 12px; }"
                                   "QPushButton:disabled { color: #a0b0b0; }")
                        .arg(QLatin1String(kBackColour));
    if (pressedLook == PressedLook::Darker)
        style += QStringLiteral("QPushButton:pressed { background-color: %1; }").arg(QLatin1String(kPressedBackColour));
    button.setStyleSheet(style);
}
