#pragma once
// Conversion between the program's 8-bit texts (Windows-1252, one byte per
// character) and QString, which only the widgets use.
#include <QByteArray>
#include <QString>

namespace platform {

// Every byte becomes one character. The five codes that Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the control characters of
// the same number, so the conversion is bijective over all 256 codes.
QString fromCp1252(const QByteArray& bytes);

// The inverse of fromCp1252. A character outside the table becomes '?'
// (one '?' per character, also for characters outside the 16-bit range).
QByteArray toCp1252(const QString& text);

// Removes leading and trailing blanks (U+0020 only; TAB, CR and LF stay).
QByteArray trimBlanks(const QByteArray& text);
QString trimBlanks(const QString& text);

} // namespace platform
