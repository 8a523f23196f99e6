#pragma once
// Delimited fields and items: cutting a text into fields at a delimiter, counting the
// occurrences of an item, taking the text between two delimiters.
#include "Text.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace lexmara {

// Field `position` (from 1) of `text` cut at `delimiter`; "" for an empty delimiter
// and for a field before the first or past the last. Each field after the first
// begins one character after the first character of the delimiter before it, so with
// a delimiter of several characters it keeps the delimiter's later characters:
// 'a' CR LF 'b' cut at CR LF gives 'a' and LF 'b'. Callers rely on this.
std::string_view getDelimited(std::string_view text, int32_t position, std::string_view delimiter);

// `text` with every `delimiter` outside `quote` pairs replaced by "|"; the delimiter
// and the quote are compared as whole texts with single characters, so one of several
// characters never matches. A text of 32767 characters or more raises error 6.
std::string quoteDelimiters(std::string_view text, std::string_view delimiter, std::string_view quote);

// Occurrences of `item`, overlapping ones included ('aaa' holds 'aa' twice); 0 for an
// empty item.
int32_t itemCount(std::string_view text, std::string_view item);

// The text after the first `delimiter1`: from its end, (b - a) - Len(delimiter2)
// characters, where a is the position of `delimiter1` and b that of `delimiter2`
// searched from position 2. "" when either is not found. A position above 32767
// raises error 6 and a negative length error 5 (`delimiter2` before `delimiter1`).
std::string_view pluck(std::string_view text, std::string_view delimiter1, std::string_view delimiter2);

// Matches of `match`, each search starting one character past the end of the
// previous match, so a match right after another is not counted ('aaaa' holds 'a'
// twice).
int32_t numMatches(std::string_view text, std::string_view match, strings::Compare mode);

} // namespace lexmara
