#include "Variant.h"

#include "Text.h"
#include "VbError.h"

#include <charconv>

namespace lexmara {

namespace {

std::optional<double> parseRadix(std::string_view digits, int radix)
{
    if (digits.empty() || digits.size() > (radix == 16 ? 8u : 11u))
        return std::nullopt;
    uint64_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, radix);
    if (error != std::errc() || end != digits.data() + digits.size() || value > 0xFFFFFFFFu)
        return std::nullopt;
    // Short forms are 16-bit values, longer ones 32-bit: "&HFFFF" is -1.
    const bool shortForm = radix == 16 ? digits.size() <= 4 : value <= 0xFFFF;
    if (shortForm)
        return static_cast<double>(static_cast<int16_t>(static_cast<uint16_t>(value)));
    return static_cast<double>(static_cast<int32_t>(static_cast<uint32_t>(value)));
}

std::string formatDouble(double value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string text(buffer, result.ptr);
    for (char& c : text)
        if (c == 'e')
            c = 'E';
    return text;
}

std::string formatCurrency(int64_t scaled)
{
    const bool negative = scaled < 0;
    const uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(scaled) : static_cast<uint64_t>(scaled);
    std::string text = (negative ? "-" : "") + std::to_string(magnitude / 10000);
    std::string fraction = std::to_string(10000 + magnitude % 10000).substr(1);
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    if (!fraction.empty())
        text += '.' + fraction;
    return text;
}

} // namespace

bool isMissing(const LxVARIANT& value) { return value.vt == LX_VT_ERROR && value.scode == DISP_E_PARAMNOTFOUND; }

std::optional<double> parseNumber(std::string_view text)
{
    text = strings::trimBlanks(text);
    if (text.size() > 2 && text[0] == '&') {
        const char kind = static_cast<char>(text[1] | 0x20);
        if (kind == 'h')
            return parseRadix(text.substr(2), 16);
        if (kind == 'o')
            return parseRadix(text.substr(2), 8);
        return std::nullopt;
    }
    // Rewritten into the plain form that from_chars reads (it ignores the locale):
    // grouping removed, a D exponent written as E.
    std::string plain;
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        plain += text[i++];
    bool digits = false;
    for (; i < text.size() && ((text[i] >= '0' && text[i] <= '9') || (text[i] == ',' && digits)); ++i)
        if (text[i] != ',') {
            plain += text[i];
            digits = true;
        }
    if (i < text.size() && text[i] == '.')
        for (plain += text[i++]; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
            plain += text[i];
            digits = true;
        }
    if (!digits)
        return std::nullopt;
    if (i < text.size() && (text[i] | 0x20) != 'e' && (text[i] | 0x20) != 'd')
        return std::nullopt;
    if (i < text.size()) {
        plain += 'E';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            plain += text[i++];
        const size_t exponentStart = i;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
            plain += text[i];
        if (i == exponentStart || i != text.size())
            return std::nullopt;
    }
    double value = 0;
    const char* begin = plain.data() + (plain[0] == '+' ? 1 : 0);
    const auto [end, error] = std::from_chars(begin, plain.data() + plain.size(), value);
    if (error != std::errc() || end != plain.data() + plain.size())
        return std::nullopt;
    return value;
}

std::string variantText(const LxVARIANT& value)
{
    switch (value.vt) {
    case LX_VT_EMPTY: return {};
    case LX_VT_I2: return std::to_string(value.iVal);
    case LX_VT_I4: return std::to_string(value.lVal);
    case LX_VT_R8: return formatDouble(value.dblVal);
    case LX_VT_CY: return formatCurrency(value.cyVal.scaled);
    case LX_VT_BSTR: return std::string(lxView(value.bstrVal));
    case LX_VT_BOOL: return value.boolVal ? "True" : "False";
    default: raise(kTypeMismatch);
    }
}

std::string_view variantTextView(const LxVARIANT& value, std::string& storage)
{
    if (value.vt == LX_VT_BSTR)
        return lxView(value.bstrVal);
    storage = variantText(value);
    return storage;
}

double variantNumber(const LxVARIANT& value)
{
    switch (value.vt) {
    case LX_VT_EMPTY: return 0;
    case LX_VT_I2: return value.iVal;
    case LX_VT_I4: return value.lVal;
    case LX_VT_R8: return value.dblVal;
    case LX_VT_CY: return static_cast<double>(value.cyVal.scaled) / 10000.0;
    case LX_VT_BOOL: return value.boolVal ? -1 : 0;
    case LX_VT_BSTR:
        if (const auto number = parseNumber(lxView(value.bstrVal)))
            return *number;
        raise(kTypeMismatch);
    default: raise(kTypeMismatch);
    }
}

int32_t variantLong(const LxVARIANT& value) { return strings::roundToLong(variantNumber(value)); }

} // namespace lexmara
