#include "Search.h"

#include "Text.h"
#include "VbError.h"

namespace lexmara {

using namespace strings;

namespace {

bool inList(std::string_view list, std::string_view character) { return findFrom(1, list, character) != 0; }

} // namespace

int32_t lastInstr(std::string_view text, std::string_view sought, int32_t start, bool matchCase)
{
    return toLong(findBack(text, sought, start, matchCase ? Compare::Binary : Compare::Text));
}

bool isAlphaNumeric(std::string_view text)
{
    const int16_t count = toInteger(length(text));
    if (count == 0)
        return false;
    for (const char c : text) {
        const bool allowed = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == ',';
        if (!allowed)
            return false;
    }
    // The 16-bit loop counter steps past the last position once all have passed.
    toInteger(int64_t{count} + 1);
    return true;
}

int32_t instrNotInList(double start, std::string_view text, std::string_view list)
{
    if (start > static_cast<double>(length(text)))
        return 0;
    int16_t position = roundToInteger(start);
    while (position <= length(text)) {
        if (!inList(list, mid(text, position, 1)))
            break;
        position = toInteger(int64_t{position} + 1);
    }
    return position <= length(text) ? position : 0;
}

int32_t instrNotInListRev(std::string_view text, std::string_view list, int32_t& start)
{
    if (start > length(text))
        return 0;
    if (start == -1)
        start = toLong(length(text));
    for (int32_t position = start; position >= 1; --position)
        if (!inList(list, mid(text, position, 1)))
            return position;
    return 0;
}

int32_t searchArray(const StringArrayView& array, std::string_view sought, int32_t startElement, bool partialMatch)
{
    if (!array.dimensioned)
        raise(kSubscriptOutOfRange);
    const int64_t upperBound = int64_t{array.lowerBound} + static_cast<int64_t>(array.elements.size()) - 1;
    for (int64_t index = startElement; index <= upperBound; ++index) {
        if (index < array.lowerBound)
            raise(kSubscriptOutOfRange);
        const std::string_view element = array.elements[static_cast<size_t>(index - array.lowerBound)];
        const bool matches = partialMatch ? findFrom(1, element, sought) != 0 : element == sought;
        if (matches)
            return static_cast<int32_t>(index);
    }
    return -1;
}

} // namespace lexmara
