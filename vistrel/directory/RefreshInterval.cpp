#include "directory/RefreshInterval.h"

#include <QRegularExpression>

#include <cmath>

namespace {

// Leading blanks, then an optional sign, digits and a decimal point with more digits.
double leadingNumber(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("^ *([+-]?(\\d+(\\.\\d*)?|\\.\\d+))"));
    const QRegularExpressionMatch match = number.match(text);
    return match.hasMatch() ? match.captured(1).toDouble() : 0.0;
}

} // namespace

RefreshInterval refreshIntervalFrom(const QString& entry)
{
    RefreshInterval result{entry, 0};
    double seconds = leadingNumber(entry);
    if (seconds > kMaxRefreshSeconds) {
        seconds = kMaxRefreshSeconds;
        result.entryText = QString::number(kMaxRefreshSeconds);
    }
    if (seconds < kMinRefreshSeconds) {
        seconds = kMinRefreshSeconds;
        result.entryText = QString::number(kMinRefreshSeconds);
    }
    result.intervalMs = static_cast<int>(std::lround(seconds * 1000));
    return result;
}
