#pragma once
// The numbered errors of the language runtime that the windows raise and tell apart,
// with the descriptions their error boxes show.
#include "platform/RuntimeError.h"

namespace platform {

namespace errors {
inline constexpr int kInvalidProcedureCall = 5;
inline constexpr int kOverflow = 6;
inline constexpr int kSubscriptOutOfRange = 9;
inline constexpr int kTypeMismatch = 13;
inline constexpr int kBadFileNameOrNumber = 52;
inline constexpr int kFileNotFound = 53;
inline constexpr int kInputPastEndOfFile = 62;
inline constexpr int kPathFileAccessError = 75;
inline constexpr int kPathNotFound = 76;
} // namespace errors

// The error with its standard description, e.g. 53 "File not found".
RuntimeError standardError(int number);

} // namespace platform
