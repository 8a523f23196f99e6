#pragma once
// The program's version numbers, as the update check compares them with the version
// the product web server offers.
inline constexpr int kVersionMajor = 0;
inline constexpr int kVersionMinor = 1;
inline constexpr int kVersionRevision = 0;
