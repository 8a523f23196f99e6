// A wait or a modal box started inside the handling of network input ends the test
// program, so the test that took that path fails (platform/NetworkInput.h).
#include "platform/NetworkInput.h"

#include <QCoreApplication>

namespace {

void failTheTest(const char* what)
{
    qFatal("%s started inside the handling of network input", what);
}

void checkNestedLoops()
{
    platform::setNestedLoopReport(failTheTest);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(checkNestedLoops)
