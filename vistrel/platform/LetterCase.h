#pragma once
// Letter case of the program's 8-bit texts (Windows-1252). Only letters change:
// a-z, the accented small letters 0xE0-0xFE (not the division sign 0xF7), and
// the four small letters of 0x9A, 0x9C, 0x9E and 0xFF whose capitals lie at 0x8A,
// 0x8C, 0x8E and 0x9F. The sharp s and the micro sign have no capital here and stay.
#include <QByteArray>

namespace platform {

// Every small letter of `text` turned to its capital.
QByteArray upperCase(const QByteArray& text);

// True when the two texts are equal once both are upper-cased.
bool equalIgnoringCase(const QByteArray& a, const QByteArray& b);

} // namespace platform
