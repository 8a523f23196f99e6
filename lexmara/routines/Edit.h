#pragma once
// Edit routines: replacing, inserting and deleting pieces of a text, collapsing
// repeated runs, repeating a text and appending through a fixed working buffer.
#include "Text.h"
#include "VbError.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lexmara {

// The text with its first occurrence of `find` (binary comparison) replaced; an empty
// `find` is found at the front of a non-empty text.
std::string replaceCharsFirst(std::string_view text, std::string_view find, std::string_view with);

// Every occurrence of `find` replaced, left to right without overlaps; with
// `wholeWords`, only the words (see Words.h) that equal `find`. A replacement is never
// searched again. An empty `find` changes nothing.
std::string replaceCharsAll(std::string_view text, std::string_view find, std::string_view with, strings::Compare mode,
                            bool wholeWords);

// `insertion` placed after the first `position` characters; "" when `position` is past
// the end. A negative position raises error 5.
std::string insertString(std::string_view text, std::string_view insertion, int32_t position);

// The text without the `count` characters from `position`; nothing when the range does
// not lie within the text or is empty.
std::optional<std::string> deleteString(std::string_view text, int32_t position, int32_t count);

// Every run of two or more copies of `piece` reduced to one.
std::string deDuplicate(std::string_view text, std::string_view piece, strings::Compare mode);

// The text `count` times. A text longer than 32767 characters or a total beyond 32
// bits raises error 6, a negative count error 5.
std::string stringRepeat(std::string_view text, int32_t count);

// The text of the error that a repetition too long to hand back raises: 667, with the
// library's own source.
VbError repetitionTooLong(int64_t totalLength);

// `first` & `second`, joined in `buffer` when it fits there (the buffer's length never
// changes) and in `storage` otherwise; the result points into the one used.
std::string_view concatFast(std::string& buffer, std::string& storage, std::string_view first, std::string_view second);

} // namespace lexmara
