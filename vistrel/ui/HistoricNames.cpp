#include "ui/HistoricNames.h"

namespace ui {

void giveHistoricNames(std::initializer_list<HistoricName> names)
{
    for (const HistoricName& named : names)
        named.control->setObjectName(QString::fromLatin1(named.name));
}

} // namespace ui
