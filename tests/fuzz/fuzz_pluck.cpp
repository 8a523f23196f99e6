// Pluck through the component over any text and delimiters, compared with its
// documented rule: from the end of the first `delimiter1` (at position a), (b - a) -
// Len(delimiter2) characters, where b is the position of `delimiter2` searched from
// position 2; the empty text when either is not found; error 6 for a position above
// 32767 and error 5 for a negative length. One input in 16 puts a long run of one
// character before the text, so that positions pass 32767 (most stay short and fast).
#include "FuzzSupport.h"

#include "common/Lexmara.h"
#include "platform/RuntimeError.h"

#include <fuzzer/FuzzedDataProvider.h>

namespace {

struct Plucked {
    std::string_view text;
    int error = 0;
};

// The 1-based position of `sought` at or after `start`, 0 when there is none; an
// empty `sought` is found at `start` of a text that reaches it.
size_t foundAt(std::string_view text, std::string_view sought, size_t start)
{
    if (start > text.size())
        return 0;
    if (sought.empty())
        return start;
    const size_t hit = text.find(sought, start - 1);
    return hit == std::string_view::npos ? 0 : hit + 1;
}

Plucked expectedPluck(std::string_view text, std::string_view delimiter1, std::string_view delimiter2)
{
    constexpr size_t kHighestPosition = 32767;
    const size_t first = foundAt(text, delimiter1, 1);
    const size_t second = foundAt(text, delimiter2, 2);
    if (first > kHighestPosition || second > kHighestPosition)
        return {{}, 6};
    if (first == 0 || second == 0)
        return {};
    const auto count = static_cast<ptrdiff_t>(second - first) - static_cast<ptrdiff_t>(delimiter2.size());
    if (count < 0)
        return {{}, 5};
    const size_t start = first - 1 + delimiter1.size();
    return {start < text.size() ? text.substr(start, size_t(count)) : std::string_view()};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    std::string text;
    if (input.ConsumeIntegralInRange<int>(0, 15) == 0)
        text.assign(input.ConsumeIntegralInRange<size_t>(32700, 32800), input.ConsumeIntegral<char>());
    const std::string delimiter1 = input.ConsumeRandomLengthString(8);
    const std::string delimiter2 = input.ConsumeRandomLengthString(8);
    text += input.ConsumeRemainingBytesAsString();

    const Plucked expected = expectedPluck(text, delimiter1, delimiter2);
    try {
        const QByteArray plucked = gLexmara.Pluck(fuzz::bytes(text), fuzz::bytes(delimiter1), fuzz::bytes(delimiter2));
        fuzz::require(expected.error == 0, "Pluck fails where its rule says");
        fuzz::require(fuzz::view(plucked) == expected.text, "Pluck gives the text after the first delimiter");
    } catch (const platform::RuntimeError& e) {
        fuzz::require(e.number() == expected.error, "Pluck fails with the error its rule gives");
    }
    return 0;
}
