#include "Delimited.h"

#include "VbError.h"

namespace lexmara {

using namespace strings;

std::string_view getDelimited(std::string_view text, int32_t position, std::string_view delimiter)
{
    if (delimiter.empty() || position < 1)
        return {};
    const Position end = length(text) + 1;
    Position previous = 0; // where the delimiter before the current field begins
    for (int32_t field = 1;; ++field) {
        Position next = findFrom(previous + 1, text, delimiter);
        if (next == 0)
            next = end;
        if (field == position)
            return mid(text, previous + 1, next - previous - 1);
        if (next == end)
            return {};
        previous = next;
    }
}

std::string quoteDelimiters(std::string_view text, std::string_view delimiter, std::string_view quote)
{
    // The walk counts positions in a 16-bit integer.
    if (length(text) >= 32767)
        raise(kOverflow);
    std::string rewritten(text);
    bool quoted = false;
    for (char& c : rewritten) {
        const std::string_view character(&c, 1);
        if (character == quote)
            quoted = !quoted;
        if (character == delimiter && !quoted)
            c = '|';
    }
    return rewritten;
}

int32_t itemCount(std::string_view text, std::string_view item)
{
    if (item.empty())
        return 0;
    int64_t count = 0;
    for (Position hit = findFrom(1, text, item); hit != 0; hit = findFrom(hit + 1, text, item))
        ++count;
    return toLong(count);
}

std::string_view pluck(std::string_view text, std::string_view delimiter1, std::string_view delimiter2)
{
    const int16_t first = toInteger(findFrom(1, text, delimiter1));
    const int16_t second = toInteger(findFrom(2, text, delimiter2));
    if (first == 0 || second == 0)
        return {};
    return mid(text, first + length(delimiter1), (second - first) - length(delimiter2));
}

int32_t numMatches(std::string_view text, std::string_view match, Compare mode)
{
    int64_t count = 0;
    for (Position hit = findFrom(1, text, match, mode); hit >= 1;
         hit = findFrom(hit + length(match) + 1, text, match, mode))
        ++count;
    return toLong(count);
}

} // namespace lexmara
