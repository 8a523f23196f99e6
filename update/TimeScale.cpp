#include "TimeScale.h"

#include <QString>
#include <QtGlobal>

#include <algorithm>
#include <cmath>
#include <limits>

namespace updater {
namespace {

double positiveOrOne(double factor)
{
    return factor > 0 && std::isfinite(factor) ? factor : 1.0;
}

double& factor()
{
    static double value = [] {
        bool ok = false;
        const double given = qEnvironmentVariable("VISTREL_TIME_SCALE").toDouble(&ok);
        return ok ? positiveOrOne(given) : 1.0;
    }();
    return value;
}

} // namespace

void setTimeScale(double newFactor)
{
    factor() = positiveOrOne(newFactor);
}

int scaledMs(int ms)
{
    const double scaled = std::round(ms * factor());
    return int(std::clamp(scaled, 1.0, double(std::numeric_limits<int>::max())));
}

} // namespace updater
