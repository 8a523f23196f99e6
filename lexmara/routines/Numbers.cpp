#include "Numbers.h"

#include "Search.h"
#include "Text.h"
#include "Variant.h"
#include "VbError.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace lexmara {

namespace {

using strings::allDigits;
using strings::isDigit;

// ---- Numbers in words

constexpr std::array<const char*, 20> kUnits{" zero",    " one",     " two",       " three",    " four",
                                             " five",    " six",     " seven",     " eight",    " nine",
                                             " ten",     " eleven",  " twelve",    " thirteen", " fourteen",
                                             " fifteen", " sixteen", " seventeen", " eighteen", " nineteen"};
constexpr std::array<const char*, 10> kTens{"",       "",       " twenty",  " thirty", " forty",
                                            " fifty", " sixty", " seventy", " eighty", " ninety"};

struct Scale {
    uint64_t value;
    const char* word;
};
constexpr std::array<Scale, 5> kScales{{{1'000'000'000'000, " trillion"},
                                        {1'000'000'000, " billion"},
                                        {1'000'000, " million"},
                                        {1'000, " thousand"},
                                        {1, ""}}};

constexpr uint64_t kLargestCurrencyWhole = 922'337'203'685'477;

std::string wholeInWords(uint64_t x, bool withAnd)
{
    std::string words;
    if (x < 1000) {
        const uint64_t hundreds = x / 100;
        if (hundreds > 0) {
            words += kUnits[hundreds];
            words += " hundred";
            if (withAnd && x % 100 != 0)
                words += " and";
        }
        const uint64_t rest = x % 100;
        if (rest >= 20) {
            words += kTens[rest / 10];
            if (rest % 10 != 0)
                words += std::string("-") + (kUnits[rest % 10] + 1);
        } else if (rest > 0 || hundreds == 0) {
            words += kUnits[rest];
        }
        return words;
    }
    for (const Scale& scale : kScales) {
        if (x < scale.value)
            continue;
        words += wholeInWords(x / scale.value, withAnd) + scale.word;
        x %= scale.value;
        if (withAnd && x >= 1 && x <= 99)
            words += " and";
    }
    return words;
}

std::string inWords(bool negative, uint64_t magnitude, bool withAnd)
{
    if (magnitude > kLargestCurrencyWhole)
        raise(kOverflow);
    return (negative ? " negative" : "") + wholeInWords(magnitude, withAnd);
}

// The largest whole number not above a plain decimal text (blanks around it, a sign,
// digits with "," grouping, a fraction), as a sign and a magnitude; nothing for other
// forms of number. The magnitude saturates past the currency range.
std::optional<std::pair<bool, uint64_t>> exactFloor(std::string_view text)
{
    text = strings::trimBlanks(text);
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    uint64_t whole = 0;
    size_t i = 0;
    for (; i < text.size() && (isDigit(text[i]) || text[i] == ','); ++i)
        if (text[i] != ',')
            whole = std::min(whole * 10 + static_cast<uint64_t>(text[i] - '0'), kLargestCurrencyWhole + 1);
    bool fraction = false;
    if (i < text.size() && text[i] == '.')
        for (++i; i < text.size() && isDigit(text[i]); ++i)
            fraction = fraction || text[i] != '0';
    if (i != text.size())
        return std::nullopt;
    if (negative && fraction)
        ++whole;
    return std::pair{negative && whole != 0, whole};
}

// ---- Number bases

// Long division of a digit text by 2.
std::string halved(std::string_view digits)
{
    std::string half;
    int carry = 0;
    for (const char digit : digits) {
        const int value = carry * 10 + (digit - '0');
        if (!half.empty() || value >= 2)
            half += static_cast<char>('0' + value / 2);
        carry = value % 2;
    }
    return half;
}

char hexDigit(int value) { return static_cast<char>(value < 10 ? '0' + value : 'A' + value - 10); }

// The value the routines give a character of a hexadecimal text: its digit, else its
// code - 55 ("A" to "F" give 10 to 15, other characters other values).
int pairCharacterValue(char c) { return isDigit(c) ? c - '0' : static_cast<unsigned char>(c) - 55; }

// An even length of letters, digits and commas; the sixteen-bit count of that test
// raises error 6 on long texts.
bool looksLikeHexPairs(std::string_view hex) { return hex.size() % 2 == 0 && isAlphaNumeric(hex); }

// ---- Formats

// `characters` laid into the "@" positions of `pattern` from the left; spaces where
// they run out, the ones left over after the pattern.
std::string layInto(std::string_view pattern, std::string_view characters)
{
    std::string laid;
    size_t next = 0;
    for (const char position : pattern) {
        if (position != '@')
            laid += position;
        else
            laid += next < characters.size() ? characters[next++] : ' ';
    }
    laid += characters.substr(next);
    return laid;
}

} // namespace

std::string keepCharacters(std::string_view text, std::string_view valid)
{
    std::string kept;
    for (const char c : text)
        if (valid.find(c) != std::string_view::npos)
            kept += c;
    return kept;
}

std::string numberTextInWords(std::string_view number)
{
    const std::optional<double> value = parseNumber(number);
    if (!value)
        raise(kTypeMismatch);
    if (const auto exact = exactFloor(number))
        return inWords(exact->first, exact->second, false);
    const double whole = std::floor(*value);
    if (!(std::fabs(whole) <= static_cast<double>(kLargestCurrencyWhole)))
        raise(kOverflow);
    return inWords(whole < 0, static_cast<uint64_t>(std::fabs(whole)), false);
}

std::string currencyInWords(int64_t scaled)
{
    int64_t whole = scaled / 10000;
    if (scaled % 10000 < 0)
        --whole;
    const uint64_t magnitude = whole < 0 ? 0 - static_cast<uint64_t>(whole) : static_cast<uint64_t>(whole);
    return inWords(whole < 0, magnitude, true);
}

std::string decimalToBinary(std::string_view decimal)
{
    if (decimal.empty() || !allDigits(decimal))
        raise(parseNumber(decimal) ? kInvalidCall : kTypeMismatch);
    std::string digits(decimal.substr(std::min(decimal.find_first_not_of('0'), decimal.size())));
    if (digits.size() > 309)
        raise(kOverflow);
    if (digits.empty())
        return "0";
    std::string binary;
    while (!digits.empty()) {
        binary += (digits.back() - '0') % 2 ? '1' : '0';
        digits = halved(digits);
    }
    std::reverse(binary.begin(), binary.end());
    return binary;
}

std::string binaryToDecimal(std::string_view binary)
{
    if (binary.size() > 32767)
        raise(kOverflow);
    double value = 0;
    for (const char c : binary)
        value = 2 * value + (c == '1' ? 1 : 0);
    LxVARIANT number{};
    number.vt = LX_VT_R8;
    number.dblVal = value;
    return variantText(number);
}

std::string stringToHex(std::string_view text)
{
    std::string hex;
    hex.reserve(2 * text.size());
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        hex += hexDigit(code >> 4);
        hex += hexDigit(code & 0x0F);
    }
    return hex;
}

std::string hexToString(std::string_view hex)
{
    constexpr std::string_view kInvalid = "invalid";
    try {
        if (!looksLikeHexPairs(hex))
            return std::string(kInvalid);
    } catch (const VbError&) {
        return std::string(kInvalid); // every failure on the way is this member's message
    }
    std::string text;
    for (size_t i = 0; i < hex.size(); i += 2) {
        const int code = 16 * pairCharacterValue(hex[i]) + pairCharacterValue(hex[i + 1]);
        if (code < 0 || code > 255)
            return std::string(kInvalid);
        text += static_cast<char>(code);
    }
    return text;
}

std::optional<int32_t> hexToLong(std::string_view hex)
{
    if (!looksLikeHexPairs(hex))
        return std::nullopt;
    if (hex.find_first_not_of("0123456789ABCDEFabcdef") != std::string_view::npos)
        raise(kTypeMismatch);
    if (hex.size() > 8)
        raise(kOverflow);
    uint32_t value = 0;
    for (const char c : hex)
        value = value << 4 | static_cast<uint32_t>(isDigit(c) ? c - '0' : (c | 0x20) - 'a' + 10);
    return static_cast<int32_t>(value);
}

std::optional<std::string> numberTextToHex(std::string_view number)
{
    const std::optional<double> value = parseNumber(number);
    if (!value)
        return std::nullopt;
    const double rounded = strings::roundHalfEven(*value);
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0))
        return std::nullopt;
    auto bits = static_cast<uint32_t>(static_cast<int32_t>(rounded));
    std::string hex;
    do {
        hex += hexDigit(static_cast<int>(bits & 0x0F));
        bits >>= 4;
    } while (bits != 0);
    std::reverse(hex.begin(), hex.end());
    return hex;
}

std::string barcodeWithCheckDigit(std::string_view digits)
{
    if (digits.size() != 22)
        return "Lexmara.CalcBarcodeLUHN BarCode string must be 22 characters in length";
    if (!allDigits(digits))
        raise(kTypeMismatch);
    int sum = 0;
    for (size_t i = 0; i < digits.size(); ++i) {
        int value = digits[i] - '0';
        if (i % 2 == 1) { // positions 2, 4, ... 22 counted from 1
            value *= 2;
            if (value >= 10)
                value -= 9;
        }
        sum += value;
    }
    return std::string(digits) + static_cast<char>('0' + (10 - sum % 10) % 10);
}

std::string formatPhoneNumber(std::string_view text)
{
    if (text.empty())
        return {};
    const std::string digits = keepCharacters(text, "0123456789");
    return layInto(digits.size() > 7 ? "@@@-@@@-@@@@" : "@@@-@@@@", digits);
}

std::string formatCreditCard(std::string_view text)
{
    if (text.empty())
        return {};
    return layInto("@@@@ @@@@ @@@@ @@@@", keepCharacters(text, "-0123456789."));
}

std::string padAlign(std::string_view text, int32_t length, int16_t alignment, std::string_view pad)
{
    if (alignment < 0 || alignment > 2)
        return "Invalid Pad";
    if (length < 0)
        return "Invalid length";
    if (pad.size() != 1)
        return "Invalid Pad Character";
    if (static_cast<size_t>(length) < text.size())
        return "Invalid length";
    const size_t padding = static_cast<size_t>(length) - text.size();
    const size_t before = alignment == 0 ? 0
        : alignment == 1                 ? padding
                                         : static_cast<size_t>(strings::roundHalfEven(padding / 2.0));
    return std::string(before, pad[0]) + std::string(text) + std::string(padding - before, pad[0]);
}

bool isLeapYear(double year)
{
    if (year < 1900 || year > 9999)
        return false;
    const auto whole = static_cast<int>(strings::roundHalfEven(year));
    return whole % 400 == 0 || (whole % 4 == 0 && whole % 100 != 0);
}

std::string ordinal(int32_t number)
{
    std::string text = std::to_string(number);
    if (number <= 0)
        return text;
    if (number % 100 >= 11 && number % 100 <= 13)
        return text + "th";
    switch (number % 10) {
    case 1: return text + "st";
    case 2: return text + "nd";
    case 3: return text + "rd";
    default: return text + "th";
    }
}

} // namespace lexmara
