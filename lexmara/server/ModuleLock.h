#pragma once
// The count of what keeps the library loaded: live objects, references to the class
// factories and factory locks.

namespace lexmara::server {

void lockModule() noexcept;
void unlockModule() noexcept;
bool moduleInUse() noexcept;

} // namespace lexmara::server
