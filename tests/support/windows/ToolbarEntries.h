#pragma once
// The toolbar state's entries of the command windows and actions, Connect to About, for
// the tests that set or check them all at once (Update has a flag of its own).
#include "ui/ToolbarState.h"

#include <QList>

inline QList<ui::ToolbarEntry> commandToolbarEntries()
{
    QList<ui::ToolbarEntry> entries;
    for (int entry = 0; entry <= static_cast<int>(ui::ToolbarEntry::About); ++entry)
        entries << static_cast<ui::ToolbarEntry>(entry);
    return entries;
}

inline void setCommandToolbarEntries(bool active)
{
    for (ui::ToolbarEntry entry : commandToolbarEntries())
        ui::toolbarState().setActive(entry, active);
}
