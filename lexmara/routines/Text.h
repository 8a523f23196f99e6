#pragma once
// The text operations that every member of the library is built on, and all of the
// library's range checks. Positions are 1-based character positions and 0 means "not
// found". A bad start or a negative length raises error 5 and a value beyond its
// integer type error 6; no operation ever reaches outside its text.
//
// Characters are bytes, each a Windows-1252 code. Binary comparison compares codes.
// Text comparison folds the Windows-1252 letters to lower case (A-Z, the accented
// capitals C0-DE except D7, and S/OE/Z/Y with caron or diaeresis at 8A, 8C, 8E, 9F)
// and then compares codes; locale collation beyond that (ligatures, the order of
// punctuation) is not reproduced.
#include <cstdint>
#include <string>
#include <string_view>

namespace lexmara::strings {

enum class Compare { Binary, Text };

using Position = int64_t;

inline Position length(std::string_view text) { return static_cast<Position>(text.size()); }

// The first occurrence of `sought` that begins at or after `start`; 0 when there is
// none, when `text` is empty or when `start` is past its end. An empty `sought` is
// found at `start`. A start below 1 raises error 5.
Position findFrom(Position start, std::string_view text, std::string_view sought, Compare mode = Compare::Binary);

// The last occurrence of `sought` lying wholly within the first `start` characters
// (-1: the whole text); 0 when there is none, when `text` is empty or when `start` is
// past its end. An empty `sought` is found at `start`. A start of 0 or below -1
// raises error 5.
Position findBack(std::string_view text, std::string_view sought, Position start = -1, Compare mode = Compare::Binary);

// The characters from `start`, at most `count` of them (all the rest without a
// count); empty when `start` is past the end. A start below 1 or a negative count
// raises error 5.
std::string_view mid(std::string_view text, Position start);
std::string_view mid(std::string_view text, Position start, Position count);
// The first or last `count` characters, the whole text when it is shorter; a
// negative count raises error 5.
std::string_view left(std::string_view text, Position count);
std::string_view right(std::string_view text, Position count);

// Replaces characters of `target` from `start` with the first characters of
// `source`: as many as the smallest of `count`, the length of `source` and the rest of
// `target`. The length of `target` never changes. A start below 1 or past the end of
// `target`, or a negative count, raises error 5.
void overwrite(std::string& target, Position start, Position count, std::string_view source);

// Every occurrence of `find`, scanned from the left without overlaps, replaced by
// `with`; an empty `find` leaves the text as it is.
std::string replace(std::string_view text, std::string_view find, std::string_view with,
                    Compare mode = Compare::Binary);

// The text without its leading and trailing blanks (code 32 only).
std::string_view trimBlanks(std::string_view text);

// "0" to "9", and a text made only of them (the empty text included).
bool isDigit(char c);
bool allDigits(std::string_view text);

// The lower-case form of a Windows-1252 code, as text comparison sees it.
unsigned char foldCase(unsigned char code);

// Below 0, 0 or above 0 as `a` sorts before, with or after `b`.
int compare(std::string_view a, std::string_view b, Compare mode);

// The nearest integer, halves going to the even one (2.5 gives 2, 3.5 gives 4).
double roundHalfEven(double value);

// A 16-bit or 32-bit signed integer, raising error 6 beyond its range.
int16_t toInteger(int64_t value);
int32_t toLong(int64_t value);
// The same for a number rounded with roundHalfEven.
int16_t roundToInteger(double value);
int32_t roundToLong(double value);

} // namespace lexmara::strings
