#include "MainStatus.h"

#include "directory/MainVODA.h"
#include "ui/PanelStatusBar.h"
#include "ui/Forms.h"
#include "platform/OneShotTimer.h"

void showMainStatus(const QByteArray& text)
{
    showMainStatusPanel(1, text);
}

void showMainStatusPanel(int panel, const QByteArray& text)
{
    if (ui::isLoaded<MainVODA>())
        ui::form<MainVODA>().stsWorld->setPanelText(panel, text);
}

void clearMainStatusAfter(int ms)
{
    if (!ui::isLoaded<MainVODA>())
        return;
    platform::OneShotTimer& timer = *ui::form<MainVODA>().Timer4;
    timer.setEnabled(true);
    timer.setInterval(ms);
}
