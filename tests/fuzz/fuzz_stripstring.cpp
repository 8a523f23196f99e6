// StripString through the component over any text and piece, compared with removing
// the piece's occurrences scanned from the left without overlaps; an empty piece
// gives the empty text.
#include "FuzzSupport.h"

#include "common/Lexmara.h"

#include <fuzzer/FuzzedDataProvider.h>

namespace {

std::string expectedStripped(std::string_view text, std::string_view piece)
{
    if (piece.empty())
        return {};
    std::string kept;
    size_t from = 0;
    for (size_t hit; (hit = text.find(piece, from)) != std::string_view::npos; from = hit + piece.size())
        kept += text.substr(from, hit - from);
    kept += text.substr(from);
    return kept;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const std::string piece = input.ConsumeRandomLengthString(8);
    const std::string text = input.ConsumeRemainingBytesAsString();

    const QByteArray stripped = gLexmara.StripString(fuzz::bytes(text), fuzz::bytes(piece));
    fuzz::require(fuzz::view(stripped) == expectedStripped(text, piece), "StripString removes every piece");
    return 0;
}
