#pragma once
// Search routines: the last occurrence of a text, letters-and-digits tests, the first
// character outside a list, and the search of a string array.
#include <cstdint>
#include <string_view>
#include <vector>

namespace lexmara {

// The last occurrence of `sought` lying within the first `start` characters (-1: the
// whole text), ignoring case unless `matchCase`; 0 when there is none. A start of 0 or
// below -1 raises error 5.
int32_t lastInstr(std::string_view text, std::string_view sought, int32_t start, bool matchCase);

// True when the text is not empty and holds only A-Z, a-z, 0-9 and ",". The routine
// counts in 16 bits: more than 32767 characters, or exactly 32767 that all pass,
// raise error 6.
bool isAlphaNumeric(std::string_view text);

// The first position from `start` whose character is not in `list`, 0 when there is
// none or `start` is past the end. The position is a 16-bit integer (error 6 beyond
// it); a start below 1 raises error 5.
int32_t instrNotInList(double start, std::string_view text, std::string_view list);

// The last position at or before `start` (-1: the end, which is written back into
// `start`) whose character is not in `list`; 0 when there is none.
int32_t instrNotInListRev(std::string_view text, std::string_view list, int32_t& start);

// A one-dimensional string array as the search sees it.
struct StringArrayView {
    bool dimensioned = false;
    int32_t lowerBound = 0;
    std::vector<std::string_view> elements;
};

// The index of the first element from `startElement` that equals `sought` (or, with
// `partialMatch`, contains it); -1 when there is none. An undimensioned array or an
// index below the lower bound raises error 9.
int32_t searchArray(const StringArrayView& array, std::string_view sought, int32_t startElement, bool partialMatch);

} // namespace lexmara
