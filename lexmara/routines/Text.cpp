#include "Text.h"

#include "VbError.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace lexmara::strings {

namespace {

bool sameCharacter(char a, char b, Compare mode)
{
    if (mode == Compare::Binary)
        return a == b;
    return foldCase(static_cast<unsigned char>(a)) == foldCase(static_cast<unsigned char>(b));
}

size_t index(Position position) { return static_cast<size_t>(position - 1); }

// The first occurrence of a non-empty `sought` at or after index `from`: memchr for
// its first character, then a compare (string_view::find steps byte by byte).
size_t findBytes(std::string_view text, std::string_view sought, size_t from)
{
    while (from + sought.size() <= text.size()) {
        const void* first = std::memchr(text.data() + from, sought[0], text.size() - sought.size() + 1 - from);
        if (!first)
            return std::string_view::npos;
        const size_t at = static_cast<size_t>(static_cast<const char*>(first) - text.data());
        if (std::memcmp(text.data() + at + 1, sought.data() + 1, sought.size() - 1) == 0)
            return at;
        from = at + 1;
    }
    return std::string_view::npos;
}

} // namespace

unsigned char foldCase(unsigned char code)
{
    if ((code >= 'A' && code <= 'Z') || (code >= 0xC0 && code <= 0xDE && code != 0xD7))
        return static_cast<unsigned char>(code + 0x20);
    switch (code) {
    case 0x8A: return 0x9A; // S caron
    case 0x8C: return 0x9C; // OE
    case 0x8E: return 0x9E; // Z caron
    case 0x9F: return 0xFF; // Y diaeresis
    default: return code;
    }
}

Position findFrom(Position start, std::string_view text, std::string_view sought, Compare mode)
{
    if (start < 1)
        raise(kInvalidCall);
    if (text.empty() || start > length(text))
        return 0;
    if (sought.empty())
        return start;
    if (mode == Compare::Binary) {
        const size_t found = findBytes(text, sought, index(start));
        return found == std::string_view::npos ? 0 : static_cast<Position>(found) + 1;
    }
    const auto rest = text.begin() + static_cast<std::ptrdiff_t>(index(start));
    const auto found = std::search(rest, text.end(), sought.begin(), sought.end(),
                                   [](char a, char b) { return sameCharacter(a, b, Compare::Text); });
    return found == text.end() ? 0 : (found - text.begin()) + 1;
}

Position findBack(std::string_view text, std::string_view sought, Position start, Compare mode)
{
    if (start == 0 || start < -1)
        raise(kInvalidCall);
    if (text.empty())
        return 0;
    if (start == -1)
        start = length(text);
    if (start > length(text))
        return 0;
    if (sought.empty())
        return start;
    const std::string_view within = text.substr(0, static_cast<size_t>(start));
    if (mode == Compare::Binary) {
        const size_t found = within.rfind(sought);
        return found == std::string_view::npos ? 0 : static_cast<Position>(found) + 1;
    }
    const auto found = std::find_end(within.begin(), within.end(), sought.begin(), sought.end(),
                                     [](char a, char b) { return sameCharacter(a, b, Compare::Text); });
    return found == within.end() ? 0 : (found - within.begin()) + 1;
}

std::string_view mid(std::string_view text, Position start)
{
    if (start < 1)
        raise(kInvalidCall);
    return start > length(text) ? std::string_view() : text.substr(index(start));
}

std::string_view mid(std::string_view text, Position start, Position count)
{
    if (count < 0)
        raise(kInvalidCall);
    return mid(text, start).substr(0, static_cast<size_t>(count));
}

std::string_view left(std::string_view text, Position count)
{
    if (count < 0)
        raise(kInvalidCall);
    return text.substr(0, static_cast<size_t>(std::min(count, length(text))));
}

std::string_view right(std::string_view text, Position count)
{
    if (count < 0)
        raise(kInvalidCall);
    return text.substr(text.size() - static_cast<size_t>(std::min(count, length(text))));
}

void overwrite(std::string& target, Position start, Position count, std::string_view source)
{
    if (start < 1 || start > length(target) || count < 0)
        raise(kInvalidCall);
    const Position replaced = std::min({count, length(source), length(target) - start + 1});
    std::copy_n(source.begin(), replaced, target.begin() + static_cast<std::ptrdiff_t>(index(start)));
}

std::string replace(std::string_view text, std::string_view find, std::string_view with, Compare mode)
{
    if (find.empty())
        return std::string(text);
    std::string result;
    result.reserve(text.size());
    Position from = 1;
    for (Position hit; (hit = findFrom(from, text, find, mode)) != 0; from = hit + length(find)) {
        result += text.substr(index(from), static_cast<size_t>(hit - from));
        result += with;
    }
    if (from <= length(text))
        result += text.substr(index(from));
    return result;
}

std::string_view trimBlanks(std::string_view text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool allDigits(std::string_view text) { return std::all_of(text.begin(), text.end(), isDigit); }

int compare(std::string_view a, std::string_view b, Compare mode)
{
    const size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]);
        unsigned char y = static_cast<unsigned char>(b[i]);
        if (mode == Compare::Text) {
            x = foldCase(x);
            y = foldCase(y);
        }
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

double roundHalfEven(double value) { return value - std::remainder(value, 1.0); }

int16_t toInteger(int64_t value)
{
    if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max())
        raise(kOverflow);
    return static_cast<int16_t>(value);
}

int32_t toLong(int64_t value)
{
    if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
        raise(kOverflow);
    return static_cast<int32_t>(value);
}

int16_t roundToInteger(double value)
{
    const double rounded = roundHalfEven(value);
    if (!(rounded >= -32768.0 && rounded <= 32767.0)) // NaN fails too
        raise(kOverflow);
    return static_cast<int16_t>(rounded);
}

int32_t roundToLong(double value)
{
    const double rounded = roundHalfEven(value);
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0))
        raise(kOverflow);
    return static_cast<int32_t>(rounded);
}

} // namespace lexmara::strings
