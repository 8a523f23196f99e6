#include "platform/LetterCase.h"

namespace platform {

namespace {

unsigned char upperCaseOf(unsigned char code)
{
    if (code >= 'a' && code <= 'z')
        return static_cast<unsigned char>(code - 0x20);
    if (code >= 0xE0 && code <= 0xFE && code != 0xF7)
        return static_cast<unsigned char>(code - 0x20);
    switch (code) {
    case 0x9A: return 0x8A; // s caron
    case 0x9C: return 0x8C; // oe ligature
    case 0x9E: return 0x8E; // z caron
    case 0xFF: return 0x9F; // y diaeresis
    default: return code;
    }
}

} // namespace

QByteArray upperCase(const QByteArray& text)
{
    QByteArray result(text);
    for (char& c : result)
        c = static_cast<char>(upperCaseOf(static_cast<unsigned char>(c)));
    return result;
}

bool equalIgnoringCase(const QByteArray& a, const QByteArray& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (upperCaseOf(static_cast<unsigned char>(a[i])) != upperCaseOf(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

} // namespace platform
