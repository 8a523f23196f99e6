#include "ui/ObjectNames.h"

namespace ui {

void giveObjectNames(std::initializer_list<ObjectName> names)
{
    for (const ObjectName& named : names)
        named.control->setObjectName(QString::fromLatin1(named.name));
}

} // namespace ui
