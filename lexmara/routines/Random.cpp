#include "Random.h"

#include <mutex>
#include <random>

namespace lexmara {

double nextRandom()
{
    static std::mutex mutex;
    static std::mt19937 generator{std::random_device{}()};
    const std::lock_guard lock(mutex);
    return static_cast<double>(generator() >> 8) / 16777216.0;
}

} // namespace lexmara
