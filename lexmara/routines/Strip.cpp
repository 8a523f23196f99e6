#include "Strip.h"

#include "Text.h"
#include "VbError.h"

#include <array>

namespace lexmara {

using namespace strings;

std::string stripCharacter(std::string_view text, std::string_view strip)
{
    // Removing the character at a hit and searching on from the same place of the
    // shortened text is searching the original text from the character after the hit.
    std::string result;
    result.reserve(text.size());
    Position from = 1;
    for (Position hit; (hit = findFrom(from, text, strip)) != 0; from = hit + 1)
        result += mid(text, from, hit - from);
    result += mid(text, from);
    return result;
}

std::string stripString(std::string_view text, std::string_view strip)
{
    if (strip.empty())
        return {};
    return replace(text, strip, {});
}

std::string stripCharList(std::string_view text, std::string_view list)
{
    // The list is walked with a 16-bit counter.
    if (length(list) >= 32767)
        raise(kOverflow);
    std::array<bool, 256> listed{};
    for (const char c : list)
        listed[static_cast<unsigned char>(c)] = true;
    std::string result;
    result.reserve(text.size());
    for (const char c : text)
        if (!listed[static_cast<unsigned char>(c)])
            result += c;
    return result;
}

} // namespace lexmara
