#pragma once
// Waiting for something that the program's own events bring about: a socket
// connecting, a send completing, a timer ticking, a reply being parsed.
#include <functional>

namespace platform {

// Runs the event loop until condition() holds or limitMs milliseconds (scaled by the
// time scale, see TimeScale.h) have passed; -1 waits without a limit. Returns whether
// the condition held. The condition is tested before the first event and after each
// batch of events.
//
// Between events the thread sleeps: the loop blocks until an event arrives, and a
// timer at the deadline is the only event the wait adds. Every event goes on during
// the wait, so a handler that runs inside it may wait as well; each wait keeps its own
// deadline, and an outer wait whose deadline passed during an inner one ends as soon
// as the inner one has returned.
bool waitUntil(const std::function<bool()>& condition, int limitMs = -1);

} // namespace platform
