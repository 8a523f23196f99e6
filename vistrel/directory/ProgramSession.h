#pragma once
// Joins every reflector session to the windows that show it (the link windows, the
// locator and the main window) and that it reads its settings from. The program does
// this once at start, before the session is first used; the windows must outlive the
// sessions.
class ProgramWindows;

void observeProgramSession(ProgramWindows& windows);
