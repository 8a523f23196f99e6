// Every test program of the windows starts with the program's commands in the
// registry and its session joined to the windows, as the program itself does at
// start, so that menu items and toolbar buttons run what they run in the program and
// the windows show what the session reports.
#include "directory/ProgramCommands.h"
#include "directory/ProgramSession.h"

namespace {

const bool registered = (registerProgramCommands(), observeProgramSession(), true);

} // namespace
