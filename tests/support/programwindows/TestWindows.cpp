#include "TestWindows.h"

#include "directory/ProgramCommands.h"
#include "directory/ProgramSession.h"

ProgramWindows& testWindows()
{
    // Never deleted: the tests destroy its windows while the application runs, and the
    // owner itself holds no window once they have.
    static ProgramWindows* const windows = new ProgramWindows;
    return *windows;
}

namespace {

const bool joined = (registerProgramCommands(testWindows()), observeProgramSession(testWindows()), true);

} // namespace
