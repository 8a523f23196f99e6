#pragma once
// The handling of network input: a socket event, an HTTP result. A handler of network
// input must never start a nested event loop (a wait, a modal box's own loop): the loop
// would take the next input, which could start the next loop, without bound. A peer
// that sends fast enough would then grow the stack until the program fails.
//
// The socket and HTTP services mark every event they deliver with a NetworkInputScope;
// the waits and the modal boxes report themselves when they start inside one. The
// program writes the report to its error output; the test programs end with it, so
// a test that takes such a path fails.
namespace platform {

class NetworkInputScope {
public:
    NetworkInputScope();
    ~NetworkInputScope();

    NetworkInputScope(const NetworkInputScope&) = delete;
    NetworkInputScope& operator=(const NetworkInputScope&) = delete;
};

// True while a handler of network input runs.
bool handlingNetworkInput();

// Called by what starts a nested event loop ("a wait", "a message box" ...): reports it
// when it happens inside the handling of network input.
void checkNoNestedLoop(const char* what);

// What a report does: by default a line on the error output. Gives the report replaced.
using NestedLoopReport = void (*)(const char* what);
NestedLoopReport setNestedLoopReport(NestedLoopReport report);

} // namespace platform
