#pragma once
// A test's own limit, in real milliseconds whatever time scale the test has set for
// the program: such a limit is a generous bound for a busy machine, not one of the
// program's limits, so shortening it with theirs would fail a slow but sound run.
// The event loop runs meanwhile, as in platform::waitUntil.
#include "platform/TimeScale.h"
#include "platform/Wait.h"

#include <functional>

inline bool waitRealTime(const std::function<bool()>& condition, int limitMs)
{
    return platform::waitUntil(condition, int(limitMs / platform::timeScale()));
}
