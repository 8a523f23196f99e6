#pragma once
// The conversions of variant arguments that the members make: to text and to
// numbers, as the platform's conversion functions make them (en-US forms).
#include "lexmara/Automation.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lexmara {

// True for the value of an omitted optional argument.
bool isMissing(const LxVARIANT& value);

// The text form: numbers with up to 15 significant digits ("1.12589990684262E+15"),
// "True"/"False", "" for Empty. An error value raises error 13.
std::string variantText(const LxVARIANT& value);

// The same text without a copy when the variant holds a string; other values are
// converted into `storage`, which the result then points into.
std::string_view variantTextView(const LxVARIANT& value, std::string& storage);

// The numeric value; a text must read as a number (error 13 otherwise), Empty is 0,
// True is -1.
double variantNumber(const LxVARIANT& value);

// Rounded to the nearest integer, halves to the even one; error 6 beyond 32 bits.
int32_t variantLong(const LxVARIANT& value);

// A text read as a number: blanks around it, a sign, digits with "," grouping, a
// fraction after ".", an exponent after E or D, or "&H"/"&O" followed by hexadecimal
// or octal digits (a 16-bit value for up to 4 hexadecimal or 6 octal digits, as the
// platform reads them). Nothing for any other text.
std::optional<double> parseNumber(std::string_view text);

} // namespace lexmara
