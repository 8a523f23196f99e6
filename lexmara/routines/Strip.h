#pragma once
// Strip routines: removing characters or pieces from a text.
#include <string>
#include <string_view>

namespace lexmara {

// Removes one character at each occurrence of `strip` and searches on after it: with
// a `strip` of several characters only its first character goes ('abcabc' without
// 'bc' gives 'acac'); an empty `strip` removes everything.
std::string stripCharacter(std::string_view text, std::string_view strip);

// Removes every occurrence of `strip`, searching on from the place of each removal
// ('aabb' without 'ab' gives 'ab'); an empty `strip` gives the empty text.
std::string stripString(std::string_view text, std::string_view strip);

// Removes every occurrence of each character of `list`. A list of 32767 characters or
// more raises error 6.
std::string stripCharList(std::string_view text, std::string_view list);

} // namespace lexmara
