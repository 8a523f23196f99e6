#include "platform/ProcessEnd.h"

#include "platform/Services.h"

#include <cstdio>
#include <iostream>
#include <unistd.h>

namespace platform {

void endProcess(int exitCode)
{
    services().endProcess(exitCode);
}

void endProcessNow(int exitCode)
{
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    ::_exit(exitCode);
}

} // namespace platform
