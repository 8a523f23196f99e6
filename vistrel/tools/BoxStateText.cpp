#include "tools/BoxStateText.h"

#include <cmath>

namespace {

struct LeadingNumber {
    double value = 0;
    qsizetype end = 0;  // where the number's text ends
    bool found = false; // the text starts with a number at all
};

// An optional sign, digits and a decimal fraction after leading blanks.
LeadingNumber leadingNumber(const QByteArray& text)
{
    LeadingNumber number;
    qsizetype i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    double value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, number.found = true)
        value = value * 10 + (text[i] - '0');
    if (i < text.size() && text[i] == '.') {
        double scale = 0.1;
        for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, scale /= 10, number.found = true)
            value += (text[i] - '0') * scale;
    }
    number.value = negative ? -value : value;
    number.end = i;
    return number;
}

std::optional<int> boxStateOf(double value)
{
    // Round to nearest with halves to even, as the default floating-point mode does.
    const double whole = std::nearbyint(value);
    if (!(whole >= 0 && whole <= 2))
        return std::nullopt;
    return static_cast<int>(whole);
}

} // namespace

std::optional<int> boxStateFromLeadingNumber(const QByteArray& item)
{
    const LeadingNumber number = leadingNumber(item);
    return boxStateOf(number.found ? number.value : 0);
}

std::optional<int> boxStateFromWholeText(const QByteArray& text)
{
    const LeadingNumber number = leadingNumber(text);
    if (!number.found)
        return std::nullopt;
    for (qsizetype i = number.end; i < text.size(); ++i) {
        if (text[i] != ' ')
            return std::nullopt;
    }
    return boxStateOf(number.value);
}
