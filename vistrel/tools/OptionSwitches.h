#pragma once
// The two option switches kept in the settings store under the program's name: the
// "Do not Load Icons" box as "OptionsIcons"/"Show Icons" ("1" means icons off, in spite
// of the key's wording) and the tip-of-the-day box as "Options"/"Show Tips at Startup".
// Each is stored as "0" or "1" and reads as 1 when absent.
#include "platform/SettingsStore.h"

#include <optional>

// The settings store's application name for the program's own values.
inline constexpr char kProgramSettingsApplication[] = "Vistrel";

class OptionSwitches {
public:
    explicit OptionSwitches(platform::SettingsStore& store);

    // The state to set the box to; nothing when the stored text is not a box state
    // ("abc", "7"), so the box keeps its state.
    std::optional<int> iconBoxState() const;
    std::optional<int> tipBoxState() const;

    // Store the box's state (0 or 1); false when the store could not be written.
    bool saveIconBoxState(int state);
    bool saveTipBoxState(int state);

private:
    platform::SettingsStore& store_;
};
