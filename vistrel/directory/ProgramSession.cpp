#include "directory/ProgramSession.h"

#include "directory/MainWindowView.h"
#include "link/ReflectorSession.h"
#include "linkwindows/LinkWindowsView.h"
#include "tools/LocatorWindow.h"

void observeProgramSession()
{
    observeReflectorSessions([](ReflectorSession& session) {
        showSessionInLinkWindows(session);
        showSessionInLocator(session);
        showSessionInMainWindow(session);
    });
}
