#pragma once
// The controls keep their historic names as Qt object names, so that findChild and a
// search for an old name still land on them while the code names them by their role.
#include <QObject>

#include <initializer_list>

namespace ui {

struct HistoricName {
    QObject* control;
    const char* name;
};

void giveHistoricNames(std::initializer_list<HistoricName> names);

} // namespace ui
