#pragma once
// The snapshot window's automatic refresh interval: the entry box holds seconds, and
// whatever it holds is brought into the range 1 to 60 when the refresh is switched on.
#include <QString>

inline constexpr int kMaxRefreshSeconds = 60;
inline constexpr int kMinRefreshSeconds = 1;

struct RefreshInterval {
    QString entryText; // what the entry box shows afterwards
    int intervalMs = 0;
};

// The entry read as a decimal number (its leading numeric part; none reads as 0),
// above the maximum set to the maximum, then below the minimum set to the minimum.
// An entry in range keeps its text.
RefreshInterval refreshIntervalFrom(const QString& entry);
