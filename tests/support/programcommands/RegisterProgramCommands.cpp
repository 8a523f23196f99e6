// Every test program of the windows starts with the program's commands in the
// registry, as the program itself does at start, so that menu items and toolbar
// buttons run what they run in the program.
#include "directory/ProgramCommands.h"

namespace {

const bool registered = (registerProgramCommands(), true);

} // namespace
