#pragma once
// Reference counting shared by the library's objects: each live object holds the
// module, and the last Release destroys it.
#include "ModuleLock.h"

#include <atomic>
#include <cstdint>

namespace lexmara::server {

class ReferenceCount {
public:
    ReferenceCount() noexcept { lockModule(); }
    ~ReferenceCount() { unlockModule(); }
    ReferenceCount(const ReferenceCount&) = delete;
    ReferenceCount& operator=(const ReferenceCount&) = delete;

    uint32_t add() noexcept { return count_.fetch_add(1) + 1; }
    uint32_t release() noexcept { return count_.fetch_sub(1) - 1; }

private:
    std::atomic<uint32_t> count_{1}; // the creator's reference
};

} // namespace lexmara::server
