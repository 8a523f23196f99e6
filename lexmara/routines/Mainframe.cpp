#include "Mainframe.h"

#include "Numbers.h"
#include "Text.h"
#include "VbError.h"

#include <algorithm>
#include <optional>

namespace lexmara {

namespace {

constexpr std::string_view kInvalid = "Invalid";

int highHalf(char c) { return static_cast<unsigned char>(c) >> 4; }
int lowHalf(char c) { return static_cast<unsigned char>(c) & 0x0F; }
using strings::allDigits;
using strings::isDigit;

int hexValue(char digit) { return isDigit(digit) ? digit - '0' : digit - 'A' + 10; }

// An optional "-" in front of at least one digit.
bool isSignedDigits(std::string_view text)
{
    if (!text.empty() && text.front() == '-')
        text.remove_prefix(1);
    return !text.empty() && allDigits(text);
}

// Packs `digits` with the sign C (or D for a negative number) in the last half-byte;
// an even count gets a leading zero. The work area holds 32 bytes.
std::string packDigits(std::string digits, bool negative)
{
    if (digits.size() % 2 == 0)
        digits.insert(digits.begin(), '0');
    if (digits.size() > 63)
        raise(kInvalidCall);
    std::string packed;
    for (size_t i = 0; i < digits.size(); i += 2) {
        const int low = i + 1 < digits.size() ? digits[i + 1] - '0' : negative ? 0x0D : 0x0C;
        packed += static_cast<char>((digits[i] - '0') << 4 | low);
    }
    return packed;
}

bool isSignByte(char c) { return highHalf(c) <= 9 && lowHalf(c) >= 10; }
bool isBreakByte(char c) { return highHalf(c) >= 10; }

struct FieldSpan {
    size_t start; // 0-based
    size_t length;
};

std::optional<FieldSpan> findPackedField(int32_t field, std::string_view record)
{
    int32_t count = 0;
    size_t start = 0;
    for (size_t i = 0; i < record.size(); ++i) {
        if (isSignByte(record[i])) {
            if (++count == field)
                return FieldSpan{start, i - start + 1};
            start = i + 1;
        } else if (isBreakByte(record[i])) {
            start = i + 1;
        }
    }
    return std::nullopt;
}

} // namespace

std::string translateCodes(std::string_view text, std::string_view table)
{
    if (text.size() > 65526)
        raise(kInvalidCall);
    std::string translated(text.size(), '\0');
    for (size_t i = 0; i < text.size(); ++i) {
        const size_t at = 2 * static_cast<unsigned char>(text[i]);
        translated[i] = static_cast<char>(hexValue(table[at]) << 4 | hexValue(table[at + 1]));
    }
    return translated;
}

std::string packedToString(std::string_view field)
{
    if (field.empty() || field.size() >= 64)
        return std::string(kInvalid);
    std::string digits;
    for (size_t i = 0; i < field.size(); ++i) {
        const bool last = i + 1 == field.size();
        if (highHalf(field[i]) > 9 || (!last && lowHalf(field[i]) > 9))
            return std::string(kInvalid);
        digits += static_cast<char>('0' + highHalf(field[i]));
        if (!last)
            digits += static_cast<char>('0' + lowHalf(field[i]));
    }
    switch (lowHalf(field.back())) {
    case 0x0A:
    case 0x0C:
    case 0x0E:
    case 0x0F: return digits;
    case 0x0B:
    case 0x0D: return '-' + digits;
    default: return std::string(kInvalid);
    }
}

std::string stringToPacked(std::string_view text)
{
    const std::string number = keepCharacters(text, "0123456789-");
    if (!isSignedDigits(number))
        return std::string(kInvalid);
    const bool negative = number.front() == '-';
    return packDigits(number.substr(negative ? 1 : 0), negative);
}

std::string stringToPackedWithLength(std::string_view text, int16_t byteLength)
{
    const std::string number = keepCharacters(text, "0123456789-");
    if (byteLength < 0 || byteLength > 15)
        return "Invalid Length";
    if (byteLength == 0)
        raise(kInvalidCall);
    const size_t width = 2 * static_cast<size_t>(byteLength) - 1;
    if (static_cast<size_t>(std::count_if(number.begin(), number.end(), isDigit)) > width)
        return "Length too short for result";
    if (!isSignedDigits(number))
        return std::string(kInvalid);
    const bool negative = number.front() == '-';
    std::string digits = number.substr(negative ? 1 : 0);
    digits.insert(digits.begin(), width - digits.size(), '0');
    return packDigits(std::move(digits), negative);
}

std::string packedFieldNumber(int32_t field, std::string_view record)
{
    if (record.empty() || field < 1)
        return {};
    const std::optional<FieldSpan> span = findPackedField(field, record);
    if (!span)
        return {};
    std::string number = packedToString(record.substr(span->start, span->length));
    return number == kInvalid ? std::string() : number;
}

int16_t packedFieldPosition(int32_t field, std::string_view record)
{
    if (record.empty() || field < 1)
        return 0;
    const std::optional<FieldSpan> span = findPackedField(field, record);
    return span ? strings::toInteger(static_cast<int64_t>(span->start) + 1) : 0;
}

int16_t packedFieldLength(int32_t start, std::string_view record)
{
    if (record.empty() || start < 1)
        return 0;
    const int16_t longest = static_cast<int16_t>(std::min<size_t>(16, record.size()));
    for (int16_t length = 1; length <= longest; ++length)
        if (!packedFieldNumber(1, strings::mid(record, start, length)).empty())
            return length;
    return -1;
}

std::string zonedToString(std::string_view field)
{
    if (field.size() > 32767)
        raise(kOverflow);
    std::string number;
    for (size_t i = 0; i < field.size(); ++i) {
        const bool last = i + 1 == field.size();
        const int zone = highHalf(field[i]);
        const char digit = static_cast<char>('0' + lowHalf(field[i]));
        if (lowHalf(field[i]) > 9 || (zone != 0x0F && !(last && (zone == 0x0C || zone == 0x0D))))
            return "invalid";
        number += digit;
        if (zone == 0x0D)
            number.insert(number.begin(), '-');
    }
    return number;
}

std::string stringToZoned(std::string_view text)
{
    if (text.size() > 32767)
        raise(kOverflow);
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    if (text.empty() || !allDigits(text))
        return "invalid";
    std::string zoned;
    for (size_t i = 0; i < text.size(); ++i) {
        const int zone = i + 1 < text.size() ? 0xF0 : negative ? 0xD0 : 0xC0;
        zoned += static_cast<char>(zone | (text[i] - '0'));
    }
    return zoned;
}

std::string picToString(int32_t offset, int16_t length, std::string_view data)
{
    if (length == 0)
        return "Invalid PICLength";
    const std::string halves = stringToHex(data);
    std::string_view digits = strings::mid(halves, static_cast<strings::Position>(offset) + 1, length);
    if (!allDigits(digits))
        return "Field is not valid PIC decimal";
    if (digits.empty())
        raise(kTypeMismatch);
    digits.remove_prefix(std::min(digits.find_first_not_of('0'), digits.size() - 1));
    if (digits.size() > 10 || std::stoll(std::string(digits)) > INT32_MAX)
        raise(kOverflow);
    return std::string(digits);
}

} // namespace lexmara
