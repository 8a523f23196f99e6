#pragma once
// Run-time error numbers that the library raises or that its callers see, with their
// standard descriptions.
#include <string_view>

namespace lexmara {

enum ErrorNumber : int {
    kInvalidCall = 5, // a bad start, length or argument
    kOverflow = 6,    // a count or position beyond its integer type
    kOutOfMemory = 7,
    kSubscriptOutOfRange = 9, // an array index outside the array's bounds
    kTypeMismatch = 13,       // a variant that does not convert
    kInternalError = 51,
    kPathFileAccess = 75,      // the registry file cannot be read or written
    kCannotCreateObject = 429, // the class is not registered or its library does not load
    kNotSupported = 445,       // the member is not implemented
};

// The standard description of a number; "Application-defined or object-defined error"
// for numbers without one.
std::string_view standardDescription(int number);

} // namespace lexmara
