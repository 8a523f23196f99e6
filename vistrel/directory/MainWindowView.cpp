#include "directory/MainWindowView.h"

#include "directory/MainWindow.h"
#include "directory/WebCamLoading.h"
#include "link/ReflectorSession.h"
#include "platform/OneShotTimer.h"
#include "ui/Forms.h"
#include "ui/PanelStatusBar.h"

using S = ReflectorSession;

namespace {

void showPanel(int panel, const QByteArray& text)
{
    if (ui::isLoaded<MainWindow>())
        ui::form<MainWindow>().statusBar->setPanelText(panel, text);
}

// Arms the status clearing to empty panel 1 after the given time.
void clearStatusAfter(int ms)
{
    if (!ui::isLoaded<MainWindow>())
        return;
    platform::OneShotTimer& timer = *ui::form<MainWindow>().statusClear;
    timer.setEnabled(true);
    timer.setInterval(ms);
}

} // namespace

void showSessionInMainWindow(ReflectorSession& session)
{
    QObject::connect(&session, &S::statusText, [](const QByteArray& text) { showPanel(1, text); });
    QObject::connect(&session, &S::webCamsOnLine,
                     [](const QByteArray& count) { showPanel(2, "Total # of Webcams on Line = " + count); });
    QObject::connect(&session, &S::statusClearDue, &clearStatusAfter);
    QObject::connect(&session, &S::webCamReply, &loadWebCams);
    // The logout waits for its connection, so it runs from the event loop, never inside
    // the handling of the reply that asked for it.
    QObject::connect(
        &session, &S::logoutDue, &session, [] { ui::form<MainWindow>().disconnectFromReflector(); },
        Qt::QueuedConnection);
}
