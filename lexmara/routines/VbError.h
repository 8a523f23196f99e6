#pragma once
// A run-time error raised inside the library. A member's boundary catches it and turns
// it into a failing status and the error record that the caller reads.
#include "lexmara/ErrorNumbers.h"

#include <string>

namespace lexmara {

class VbError {
public:
    // A standard error: its standard description, the raising class as its source.
    explicit VbError(int number) : number_(number), description_(standardDescription(number)) {}
    VbError(int number, std::string source, std::string description)
        : number_(number), source_(std::move(source)), description_(std::move(description))
    {
    }

    int number() const { return number_; }
    // Empty for a standard error: the boundary fills in the class's program identifier.
    const std::string& source() const { return source_; }
    const std::string& description() const { return description_; }

private:
    int number_;
    std::string source_;
    std::string description_;
};

[[noreturn]] inline void raise(int number) { throw VbError(number); }

} // namespace lexmara
