#pragma once
// One factor that shortens every time limit of the program at once, so tests can
// run the program's waits, timers and transfers in a fraction of their real length.
//
// Callers keep each limit as a named constant in real milliseconds and hand it to
// waitUntil, Timer or HttpTransfer as it is: those pass it through scaledMs, so no
// caller scales a limit itself.
//
// The factor comes from the environment variable VISTREL_TIME_SCALE (a positive
// decimal number, "0.01" makes every limit a hundredth as long); a test may set it
// with setTimeScale instead. Without either it is 1.

namespace platform {

// The length to use for a limit of ms milliseconds. Zero and negative values (which
// mean "now" and "no limit") pass unchanged; a positive limit stays at least 1 ms.
int scaledMs(int ms);

double timeScale();

// Replaces the factor for the rest of the run; a factor that is not positive means 1.
void setTimeScale(double factor);

} // namespace platform
