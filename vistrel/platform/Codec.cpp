#include "platform/Codec.h"

#include <array>

namespace platform {

namespace {

// Characters of the codes 0x80 to 0x9F; every other code is its own character.
constexpr std::array<char16_t, 32> kHighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 0x98
};

constexpr char16_t characterOf(unsigned char code)
{
    return code >= 0x80 && code <= 0x9F ? kHighControlRange[code - 0x80] : char16_t(code);
}

constexpr bool isOwnCode(char16_t c)
{
    return c < 0x80 || (c >= 0xA0 && c <= 0xFF);
}

// The code of c, or -1 when Windows-1252 has none.
int codeOf(char16_t c)
{
    if (isOwnCode(c))
        return c;
    for (int i = 0; i < int(kHighControlRange.size()); ++i) {
        if (kHighControlRange[i] == c)
            return 0x80 + i;
    }
    return -1;
}

template <typename Text, typename IsBlank>
Text trimmed(const Text& text, IsBlank isBlank)
{
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && isBlank(text[first]))
        ++first;
    while (end > first && isBlank(text[end - 1]))
        --end;
    return text.mid(first, end - first);
}

} // namespace

QString fromCp1252(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        text[i] = QChar(characterOf(static_cast<unsigned char>(bytes[i])));
    return text;
}

QByteArray toCp1252(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        // A pair of surrogates is one character, so it becomes one '?'.
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        const int code = codeOf(c.unicode());
        bytes.append(code < 0 ? '?' : char(code));
    }
    return bytes;
}

QByteArray trimBlanks(const QByteArray& text)
{
    return trimmed(text, [](char c) { return c == ' '; });
}

QString trimBlanks(const QString& text)
{
    return trimmed(text, [](QChar c) { return c == u' '; });
}

} // namespace platform
