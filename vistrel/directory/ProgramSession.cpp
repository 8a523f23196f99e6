#include "directory/ProgramSession.h"

#include "directory/MainWindowView.h"
#include "directory/ProgramWindows.h"
#include "link/ReflectorSession.h"
#include "linkwindows/LinkWindowsView.h"
#include "tools/LocatorWindow.h"

void observeProgramSession(ProgramWindows& windows)
{
    observeReflectorSessions([&windows](ReflectorSession& session) {
        showSessionInLinkWindows(session, windows.link);
        showSessionInLocator(session, windows.tools.locator);
        showSessionInMainWindow(session, windows.main);
    });
}
