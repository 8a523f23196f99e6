#pragma once
// One factor that shortens the updater's waits, so tests and demos need not sit
// through its 30-second checks. It comes from the environment variable
// VISTREL_TIME_SCALE (a positive decimal number: "0.01" makes every wait a hundredth
// as long), the same setting the program honours; a test may set it with
// setTimeScale instead. Without either it is 1.

namespace updater {

// The length to use for a wait of ms milliseconds, at least 1 ms.
int scaledMs(int ms);

// Replaces the factor for the rest of the run; a factor that is not positive means 1.
void setTimeScale(double factor);

} // namespace updater
