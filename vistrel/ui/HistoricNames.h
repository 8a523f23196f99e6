#pragma once
// Gives controls their fixed Qt object names ("Command1", "txtURL"): tests find a control
// with findChild by that name, and a search for the name lands on the control, while
// the code names it by its role.
#include <QObject>

#include <initializer_list>

namespace ui {

struct HistoricName {
    QObject* control;
    const char* name;
};

void giveHistoricNames(std::initializer_list<HistoricName> names);

} // namespace ui
