#pragma once
// The library's strings (see lexmara/Automation.h): allocation and release.
#include "lexmara/Automation.h"

#include <string_view>

namespace lexmara::server {

// A new string holding `text`; "" gives the null string. Throws std::bad_alloc.
LxBSTR newString(std::string_view text);
// A new string of `length` characters copied from `characters` (zeros when null);
// null when memory runs out or the length passes the 32-bit limit.
LxBSTR allocString(const char* characters, uint32_t length) noexcept;
void freeString(LxBSTR text) noexcept;
// Frees what `target` holds and stores a new string holding `text`.
void replaceString(LxBSTR& target, std::string_view text);

} // namespace lexmara::server
