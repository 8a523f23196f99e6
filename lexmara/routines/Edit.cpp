#include "Edit.h"

#include "Words.h"

#include <algorithm>

namespace lexmara {

using namespace strings;

std::string replaceCharsFirst(std::string_view text, std::string_view find, std::string_view with)
{
    const Position hit = findFrom(1, text, find);
    if (hit == 0)
        return std::string(text);
    return std::string(left(text, hit - 1)) + std::string(with) + std::string(mid(text, hit + length(find)));
}

std::string replaceCharsAll(std::string_view text, std::string_view find, std::string_view with, Compare mode,
                            bool wholeWords)
{
    if (!wholeWords)
        return replace(text, find, with, mode);
    std::string result;
    Position from = 1;
    for (const WordSpan& span : wordSpans(text)) {
        if (compare(mid(text, span.start, span.length), find, mode) != 0)
            continue;
        result += mid(text, from, span.start - from);
        result += with;
        from = span.start + span.length;
    }
    result += mid(text, from);
    return result;
}

std::string insertString(std::string_view text, std::string_view insertion, int32_t position)
{
    if (position < 0)
        raise(kInvalidCall);
    if (position > length(text))
        return {};
    return std::string(left(text, position)) + std::string(insertion) + std::string(mid(text, position + 1));
}

std::optional<std::string> deleteString(std::string_view text, int32_t position, int32_t count)
{
    if (position < 1 || count < 1 || int64_t{position} + count - 1 > length(text))
        return std::nullopt;
    return std::string(left(text, position - 1)) + std::string(mid(text, int64_t{position} + count));
}

std::string deDuplicate(std::string_view text, std::string_view piece, Compare mode)
{
    const std::string twice = std::string(piece) + std::string(piece);
    std::string result(text);
    for (std::string shorter; (shorter = replace(result, twice, piece, mode)) != result;)
        result = std::move(shorter);
    return result;
}

std::string stringRepeat(std::string_view text, int32_t count)
{
    const int16_t size = toInteger(length(text));
    const int32_t total = toLong(int64_t{size} * count);
    if (count < 0)
        raise(kInvalidCall);
    std::string repeated;
    repeated.reserve(static_cast<size_t>(total));
    for (int32_t i = 0; i < count; ++i)
        repeated += text;
    return repeated;
}

VbError repetitionTooLong(int64_t totalLength)
{
    return VbError(667, "Lexmara DLL",
                   "StringRepeat maximum string length exceeded: " + std::to_string(totalLength) + "is too long!");
}

std::string_view concatFast(std::string& buffer, std::string& storage, std::string_view first, std::string_view second)
{
    const size_t joined = first.size() + second.size();
    if (joined > buffer.size()) {
        storage.reserve(joined);
        storage.assign(first).append(second);
        return storage;
    }
    std::copy(first.begin(), first.end(), buffer.begin());
    std::copy(second.begin(), second.end(), buffer.begin() + static_cast<std::ptrdiff_t>(first.size()));
    return std::string_view(buffer).substr(0, joined);
}

} // namespace lexmara
