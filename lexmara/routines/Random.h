#pragma once
// The process's pseudo-random generator, shared by every member that draws random
// values. It is seeded once per process, so calls within one clock tick still draw
// different values.

namespace lexmara {

// The next value in [0, 1), in steps of 2^-24.
double nextRandom();

} // namespace lexmara
