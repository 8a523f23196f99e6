#pragma once
// The CPU time the whole process has used so far, for benchmarks that compare it with
// the wall time of a wait.
#include <ctime>

inline double processCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}
