#include "link/ReflectorPort.h"

#include "link/ReflectorSettings.h"
#include "platform/Codec.h"
#include "platform/StandardErrors.h"

#include <cmath>
#include <limits>

namespace {

PortNumber noPort(int number)
{
    return {std::nullopt, number, platform::standardError(number).description()};
}

} // namespace

PortNumber portNumberFromText(const QString& text)
{
    const QByteArray number = platform::trimBlanks(platform::toCp1252(text));
    bool ok = false;
    // Whole numbers exactly; a fraction rounds to the nearest whole number, halves to
    // the even one.
    double value = double(number.toLongLong(&ok));
    if (!ok) {
        value = number.toDouble(&ok);
        ok = ok && std::isfinite(value);
        value = std::nearbyint(value);
    }
    if (!ok)
        return noPort(platform::errors::kTypeMismatch);
    if (value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max())
        return noPort(platform::errors::kOverflow);
    return {int(value), 0, {}};
}

PortNumber reflectorPort(const ReflectorSettings& settings)
{
    return portNumberFromText(settings.portText());
}
