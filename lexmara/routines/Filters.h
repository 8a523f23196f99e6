#pragma once
// Text filters: control characters off the ends, only the characters of a number
// (keepCharacters in Numbers.h keeps those of any list).
#include <string>
#include <string_view>

namespace lexmara {

// The text without its leading and trailing characters of code 32 or less (control
// characters and the space); those inside stay.
std::string_view trimUnprintable(std::string_view text);

// The digits, "-" and decimal separators of the text. With `trimZeroes`, when the text
// holds a separator, trailing zeros go, and the separator too when only zeros followed
// it: '12.500' gives '12.5', '12.000' gives '12'.
std::string filterNumber(std::string_view text, bool trimZeroes);

} // namespace lexmara
