#pragma once
// Puts the main window's command set into the command registry (CommandRegistry.h),
// under the names that the menu bars and the toolbar run. Each command makes the main
// window on its first use, as a direct call of the main window would. The program
// does this once at start; running it again changes nothing. The windows must outlive
// the registry's use of them.
class ProgramWindows;

void registerProgramCommands(ProgramWindows& windows);
