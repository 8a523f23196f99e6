#pragma once
// Random texts of digits and capital letters, drawn from the process's generator.
#include <cstdint>
#include <string>

namespace lexmara {

// `count` characters "0" to "9" ("0" and "9" half as likely as the others); "" for a
// count of 0 or less. The routine counts in 16 bits, so 32767 raises error 6.
std::string randomNumerics(int16_t count);
// The same with "A" to "Z" ("A" and "Z" half as likely).
std::string randomAlpha(int16_t count);
// Each character a digit or a capital letter, even odds, as the two above draw them.
std::string randomAlphaNumerics(int16_t count);

} // namespace lexmara
