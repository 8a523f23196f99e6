#pragma once
// Ending the program at once: no close handler, no destructor and no atexit
// handler runs. Only the standard streams are flushed first.
namespace platform {

// Ends the process through the end-of-process call of services(). The real
// call does not return; a test's replacement does, so a caller returns right
// after it.
void endProcess(int exitCode);

// The real end-of-process call.
[[noreturn]] void endProcessNow(int exitCode);

} // namespace platform
