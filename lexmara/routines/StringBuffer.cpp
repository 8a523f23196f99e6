#include "StringBuffer.h"

#include "Text.h"
#include "VbError.h"

namespace lexmara {

StringBuffer::StringBuffer(int32_t maximumCapacity) : maximumCapacity_(maximumCapacity) { reset(); }

void StringBuffer::reset()
{
    buffer_ = std::string(kInitialCapacity, '\0');
    length_ = 0;
}

void StringBuffer::growFor(int64_t needed)
{
    if (needed <= capacity())
        return;
    int64_t grown = capacity();
    while (grown <= needed)
        grown *= 4;
    // Growth past the maximum, or an allocation that fails, throws before anything changes.
    if (grown > maximumCapacity_)
        raise(kOverflow);
    std::string larger(static_cast<size_t>(grown), '\0');
    larger.replace(0, static_cast<size_t>(length_), value());
    buffer_.swap(larger);
}

void StringBuffer::concat(std::string_view piece)
{
    const int64_t needed = int64_t{length_} + strings::length(piece);
    growFor(needed);
    // A full buffer takes an empty piece without writing past its end.
    if (!piece.empty())
        strings::overwrite(buffer_, int64_t{length_} + 1, strings::length(piece), piece);
    length_ = static_cast<int32_t>(needed);
}

void StringBuffer::setValue(std::string_view text)
{
    growFor(strings::length(text));
    if (!text.empty())
        strings::overwrite(buffer_, 1, strings::length(text), text);
    length_ = static_cast<int32_t>(text.size());
}

} // namespace lexmara
