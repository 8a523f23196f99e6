#include "MainStatus.h"

#include "directory/MainVODA.h"
#include "ui/PanelStatusBar.h"
#include "platform/Forms.h"
#include "platform/OneShotTimer.h"

void showMainStatus(const QByteArray& text)
{
    showMainStatusPanel(1, text);
}

void showMainStatusPanel(int panel, const QByteArray& text)
{
    if (platform::isLoaded<MainVODA>())
        platform::form<MainVODA>().stsWorld->setPanelText(panel, text);
}

void clearMainStatusAfter(int ms)
{
    if (!platform::isLoaded<MainVODA>())
        return;
    platform::OneShotTimer& timer = *platform::form<MainVODA>().Timer4;
    timer.setEnabled(true);
    timer.setInterval(ms);
}
