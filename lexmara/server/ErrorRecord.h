#pragma once
// The error record of the calling thread: what the last failing call left for its
// caller to read (number, source, description).
#include "lexmara/Automation.h"

#include <string>

namespace lexmara::server {

void setErrorRecord(int number, std::string source, std::string description);
void clearErrorRecord();
// Hands the record over (S_OK) and clears it, or S_FALSE when there is none.
HRESULT takeErrorRecord(LxErrorRecord* record) noexcept;

} // namespace lexmara::server
