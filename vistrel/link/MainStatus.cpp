#include "MainStatus.h"

#include "directory/MainVODA.h"
#include "directory/PanelStatusBar.h"
#include "platform/Forms.h"

void showMainStatus(const QByteArray& text)
{
    if (platform::isLoaded<MainVODA>())
        platform::form<MainVODA>().stsWorld->setPanelText(1, text);
}
