#pragma once
// Puts the main window's command set into the command registry (CommandRegistry.h),
// under the names that the menu bars and the toolbar run. Each command loads the main
// window on its first use, as a direct call of the main window would. The program
// does this once at start; running it again changes nothing.
void registerProgramCommands();
