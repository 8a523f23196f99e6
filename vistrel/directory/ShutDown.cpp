#include "directory/ShutDown.h"

#include "common/Globals.h"
#include "directory/MainWindow.h"
#include "link/ReflectorSession.h"
#include "platform/OneShotTimer.h"
#include "platform/ProcessEnd.h"
#include "platform/Wait.h"
#include "ui/Forms.h"

#include <exception>

namespace {

// How long the end waits for the logout's send to complete.
constexpr int kShutDownWaitMs = 5000;

bool running = false;

// The Disconnect command ends within its own limits whatever the reflector does. A
// failure inside it never keeps the program from ending.
void logOut()
{
    try {
        ui::form<MainWindow>().disconnectFromReflector();
    } catch (const std::exception&) {
    }
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
    MainWindow& main = ui::form<MainWindow>();
    reflectorSession().state().waitTimeout = false;
    main.shutDownLimit->setEnabled(true);
    main.shutDownLimit->setInterval(kShutDownWaitMs);
    // The tick of Timer6 sets the wait timeout flag; the wait's own limit is a second guard.
    platform::waitUntil(
        [] { return reflectorSession().state().loginSendComplete || reflectorSession().state().waitTimeout; },
        kShutDownWaitMs);
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
