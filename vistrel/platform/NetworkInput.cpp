#include "platform/NetworkInput.h"

#include <QtGlobal>

#include <utility>

namespace platform {

namespace {

// Only the GUI thread delivers network input to handlers and runs nested loops.
int scopeDepth = 0;

void writeReport(const char* what)
{
    qWarning("%s started inside the handling of network input", what);
}

NestedLoopReport report = writeReport;

} // namespace

NetworkInputScope::NetworkInputScope()
{
    ++scopeDepth;
}

NetworkInputScope::~NetworkInputScope()
{
    --scopeDepth;
}

bool handlingNetworkInput()
{
    return scopeDepth > 0;
}

void checkNoNestedLoop(const char* what)
{
    if (handlingNetworkInput())
        report(what);
}

NestedLoopReport setNestedLoopReport(NestedLoopReport replacement)
{
    return std::exchange(report, replacement ? replacement : writeReport);
}

} // namespace platform
