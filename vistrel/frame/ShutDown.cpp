#include "frame/ShutDown.h"

#include "common/Globals.h"
#include "directory/MainVODA.h"
#include "platform/Forms.h"
#include "platform/OneShotTimer.h"
#include "platform/ProcessEnd.h"
#include "platform/Wait.h"

namespace {

constexpr int kLogoutSendLimitMs = 5000;

bool running = false;

void logOut()
{
    // The Disconnect command (MainVODA::mnuDisconnect_Click) sends the logout here
    // once the main window has it; until then there is nothing to log out from.
}

} // namespace

bool shutDownRunning()
{
    return running;
}

void shutDownAfterLogout()
{
    if (running)
        return;
    running = true;
    logOut();
    MainVODA& main = platform::form<MainVODA>();
    gWaitTimeout = false;
    main.Timer6->setEnabled(true);
    main.Timer6->setInterval(kLogoutSendLimitMs);
    // The tick of Timer6 sets gWaitTimeout; the wait's own limit is a second guard.
    platform::waitUntil([] { return gLoginSendComplete || gWaitTimeout; }, kLogoutSendLimitMs);
    platform::endProcess(0);
    running = false; // only reached where the end of the process is replaced (tests)
}

void exitWithoutWaiting()
{
    if (running)
        return;
    running = true;
    logOut();
    platform::endProcess(0);
    running = false;
}
