#include "TimeScale.h"

#include <QByteArray>
#include <QtGlobal>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace platform {
namespace {

double validFactor(double factor)
{
    return factor > 0 && std::isfinite(factor) ? factor : 1.0;
}

std::optional<double>& currentFactor()
{
    static std::optional<double> factor;
    return factor;
}

} // namespace

double timeScale()
{
    std::optional<double>& factor = currentFactor();
    if (!factor) {
        bool ok = false;
        const double fromEnvironment = qgetenv("VISTREL_TIME_SCALE").toDouble(&ok);
        factor = ok ? validFactor(fromEnvironment) : 1.0;
    }
    return *factor;
}

void setTimeScale(double factor)
{
    currentFactor() = validFactor(factor);
}

int scaledMs(int ms)
{
    if (ms <= 0)
        return ms;
    const double scaled = std::round(ms * timeScale());
    return int(std::clamp(scaled, 1.0, double(std::numeric_limits<int>::max())));
}

} // namespace platform
