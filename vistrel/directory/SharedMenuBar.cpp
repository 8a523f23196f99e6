#include "directory/SharedMenuBar.h"

#include <QMenuBar>

// The menus come with the main window's command set.
QMenuBar* createSharedMenuBar(QWidget* window)
{
    return new QMenuBar(window);
}
