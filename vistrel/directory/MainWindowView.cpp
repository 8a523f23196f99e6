#include "directory/MainWindowView.h"

#include "directory/MainWindow.h"
#include "directory/WebCamLoading.h"
#include "link/ReflectorSession.h"
#include "platform/OneShotTimer.h"
#include "ui/PanelStatusBar.h"

using S = ReflectorSession;

namespace {

void showPanel(ui::WindowSlot<MainWindow>& main, int panel, const QByteArray& text)
{
    if (main.isMade())
        main().statusBar->setPanelText(panel, text);
}

// Arms the status clearing to empty panel 1 after the given time.
void clearStatusAfter(ui::WindowSlot<MainWindow>& main, int ms)
{
    if (!main.isMade())
        return;
    platform::OneShotTimer& timer = *main().statusClear;
    timer.setEnabled(true);
    timer.setInterval(ms);
}

} // namespace

void showSessionInMainWindow(ReflectorSession& session, ui::WindowSlot<MainWindow>& main)
{
    QObject::connect(&session, &S::statusText, [&main](const QByteArray& text) { showPanel(main, 1, text); });
    QObject::connect(&session, &S::webCamsOnLine,
                     [&main](const QByteArray& count) { showPanel(main, 2, "Total # of Webcams on Line = " + count); });
    QObject::connect(&session, &S::statusClearDue, [&main](int ms) { clearStatusAfter(main, ms); });
    // Without the main window there is no tree and so no place to hang webcams under.
    QObject::connect(&session, &S::webCamReply, [&main](const QByteArray& reply) {
        if (main.isMade())
            loadWebCams(main(), reply);
    });
    // The logout waits for its connection, so it runs from the event loop, never inside
    // the handling of the reply that asked for it.
    QObject::connect(
        &session, &S::logoutDue, &session, [&main] { main().disconnectFromReflector(); }, Qt::QueuedConnection);
}
