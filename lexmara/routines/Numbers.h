#pragma once
// Numbers in English words, conversions between decimal, binary, hexadecimal and
// character texts, a barcode check digit, and the number formats and calendar answers
// of the library.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lexmara {

// The characters of `text`, in order, that occur in `valid` (codes compared).
std::string keepCharacters(std::string_view text, std::string_view valid);

// A whole number in words as cheques write it, each word after a space: the largest
// whole number not above the value, its magnitude written and " negative" in front of
// a negative value (-2.5 gives ' negative three'). `withAnd` puts " and" after
// hundreds and before a last group below 100 (' one hundred and one'). A whole part
// beyond the currency range (922337203685477) raises error 6.
//
// `number` is a text read as a number (error 13 otherwise); plain decimal texts are
// read exactly, digit by digit.
std::string numberTextInWords(std::string_view number);
// A currency amount (scaled by 10000) in words, with " and".
std::string currencyInWords(int64_t scaled);

// The binary digits of a text of decimal digits, exact for any length up to 309
// significant digits (longer raises error 6, as the largest double ends there); "0"
// for zero. A number that is not a plain digit text raises error 5, a text that is no
// number error 13.
std::string decimalToBinary(std::string_view decimal);
// The value of the "1" and other characters (all 0) of `binary` as a double's text
// ("1.12589990684262E+15" from 2^50 on). More than 32767 characters raise error 6.
std::string binaryToDecimal(std::string_view binary);

// Two upper-case hexadecimal digits per character code ('WORD' gives '574F5244').
std::string stringToHex(std::string_view text);
// The characters of the digit pairs of `hex`; "invalid" for an odd length, for a text
// that is not letters, digits and commas, or for a pair above 255 or below 0. A
// letter counts its code - 55, so "G" is 16.
std::string hexToString(std::string_view hex);
// The signed 32-bit value of up to 8 hexadecimal digits ('FFFFFFFF' gives -1);
// nothing (the member's "invalid") for an odd length or a text that is not letters,
// digits and commas. A character that is no hexadecimal digit raises error 13, more
// than 8 digits error 6.
std::optional<int32_t> hexToLong(std::string_view hex);
// The upper-case hexadecimal form of a number text rounded to a whole one (halves to
// even), negative numbers as 8 digits of two's complement; nothing when the text is no
// number or the value is outside 32 bits.
std::optional<std::string> numberTextToHex(std::string_view number);

// The 22 digits followed by their Luhn check digit; the member's message when the text
// is not 22 characters long. A character that is no digit raises error 13.
std::string barcodeWithCheckDigit(std::string_view digits);

// The digits laid into "@@@-@@@-@@@@" (more than 7 of them) or "@@@-@@@@" from the
// left, positions without a digit as spaces, digits beyond the pattern after it; ""
// for an empty text.
std::string formatPhoneNumber(std::string_view text);
// Digits, "-" and "." laid into "@@@@ @@@@ @@@@ @@@@" the same way.
std::string formatCreditCard(std::string_view text);

// `text` padded with `pad` to `length` characters: alignment 0 left, 1 right, 2 centred
// (the left share of the padding rounded halves to even); the member's messages for a
// bad alignment, length or pad character.
std::string padAlign(std::string_view text, int32_t length, int16_t alignment, std::string_view pad);

// The Gregorian rule for years 1900 to 9999; False outside them.
bool isLeapYear(double year);

// The number with "st", "nd", "rd" or "th" ("th" for 11 to 13 in every hundred); 0 and
// negative numbers without a suffix.
std::string ordinal(int32_t number);

} // namespace lexmara
