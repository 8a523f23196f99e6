#include "Filters.h"

#include "Numbers.h"

namespace lexmara {

namespace {

// The decimal separator of the number forms the library reads and writes (en-US).
constexpr char kDecimalSeparator = '.';

bool printable(char c) { return static_cast<unsigned char>(c) > 32; }

} // namespace

std::string_view trimUnprintable(std::string_view text)
{
    while (!text.empty() && !printable(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && !printable(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string filterNumber(std::string_view text, bool trimZeroes)
{
    std::string number = keepCharacters(text, std::string("-0123456789") + kDecimalSeparator);
    if (!trimZeroes || text.find(kDecimalSeparator) == std::string_view::npos)
        return number;
    while (!number.empty() && number.back() == '0')
        number.pop_back();
    if (!number.empty() && number.back() == kDecimalSeparator)
        number.pop_back();
    return number;
}

} // namespace lexmara
