#pragma once
// The program's title and version: what the about box shows, and the numbers the
// update check compares with the version the product web server offers.
#include <QString>

inline constexpr char kProgramTitle[] = "Vistrel";

inline constexpr int kProgramVersionMajor = 2;
inline constexpr int kProgramVersionMinor = 0;
inline constexpr int kProgramVersionRevision = 1;

// "2.0.1": each number in plain decimals, without leading zeros.
inline QString programVersionText()
{
    return QStringLiteral("%1.%2.%3").arg(kProgramVersionMajor).arg(kProgramVersionMinor).arg(kProgramVersionRevision);
}
