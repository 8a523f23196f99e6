#include "ModuleLock.h"

#include <atomic>

namespace lexmara::server {

namespace {
std::atomic<long> holders{0};
}

void lockModule() noexcept { holders.fetch_add(1); }
void unlockModule() noexcept { holders.fetch_sub(1); }
bool moduleInUse() noexcept { return holders.load() != 0; }

} // namespace lexmara::server
