// GetDelimited through the component over any text, delimiter and field number,
// compared with the field that its documented rule selects: field 1 runs from the
// start to the first delimiter, and each later field starts one character after the
// first character of the delimiter before it and runs to the next delimiter.
#include "FuzzSupport.h"

#include "common/Lexmara.h"

#include <fuzzer/FuzzedDataProvider.h>

namespace {

std::string_view expectedField(std::string_view text, int position, std::string_view delimiter)
{
    if (delimiter.empty() || position < 1)
        return {};
    size_t start = 0;
    for (int field = 1;; ++field) {
        const size_t hit = text.find(delimiter, start);
        if (field == position)
            return text.substr(start, hit == std::string_view::npos ? std::string_view::npos : hit - start);
        if (hit == std::string_view::npos)
            return {};
        start = hit + 1;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    // Mostly the first fields, sometimes any number the program could pass.
    const int position = input.ConsumeBool() ? input.ConsumeIntegralInRange<int>(-2, 64) : input.ConsumeIntegral<int>();
    const std::string delimiter = input.ConsumeRandomLengthString(8);
    const std::string text = input.ConsumeRemainingBytesAsString();

    const QByteArray field = gLexmara.GetDelimited(fuzz::bytes(text), position, fuzz::bytes(delimiter));
    fuzz::require(fuzz::view(field) == expectedField(text, position, delimiter), "GetDelimited gives the field");
    return 0;
}
