#include "tools/OptionSwitches.h"

#include "tools/BoxStateText.h"

namespace {

struct SwitchPlace {
    QByteArray section;
    QByteArray key;
};

const SwitchPlace kIconSwitch{"OptionsIcons", "Show Icons"};
const SwitchPlace kTipSwitch{"Options", "Show Tips at Startup"};

std::optional<int> storedState(const platform::SettingsStore& store, const SwitchPlace& place)
{
    return boxStateFromWholeText(store.get(kProgramSettingsApplication, place.section, place.key, "1"));
}

bool saveState(platform::SettingsStore& store, const SwitchPlace& place, int state)
{
    return store.save(kProgramSettingsApplication, place.section, place.key, QByteArray::number(state));
}

} // namespace

OptionSwitches::OptionSwitches(platform::SettingsStore& store) : store_(store)
{
}

std::optional<int> OptionSwitches::iconBoxState() const
{
    return storedState(store_, kIconSwitch);
}

std::optional<int> OptionSwitches::tipBoxState() const
{
    return storedState(store_, kTipSwitch);
}

bool OptionSwitches::saveIconBoxState(int state)
{
    return saveState(store_, kIconSwitch, state);
}

bool OptionSwitches::saveTipBoxState(int state)
{
    return saveState(store_, kTipSwitch, state);
}
