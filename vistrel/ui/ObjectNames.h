#pragma once
// Gives controls their fixed Qt object names ("Command1", "txtURL"): tests find a control
// with findChild by that name, and a search for the name lands on the control, while
// the code names it by its role. Each window lists its controls and their names in one
// table at the end of its construction; only the controls of an array, whose names are
// built from their index or shared, are named in the loop that creates them.
#include <QObject>

#include <initializer_list>

namespace ui {

struct ObjectName {
    QObject* control;
    const char* name;
};

void giveObjectNames(std::initializer_list<ObjectName> names);

} // namespace ui
