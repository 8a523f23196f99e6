#include "ReflectorPort.h"

#include "link/ReflectorSession.h"
#include "link/ReflectorSettings.h"
#include "platform/Codec.h"
#include "platform/RuntimeError.h"
#include "platform/StandardErrors.h"

#include <cmath>
#include <limits>

int portNumberFromText(const QString& text)
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
        throw platform::standardError(platform::errors::kTypeMismatch);
    if (value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max())
        throw platform::standardError(platform::errors::kOverflow);
    return int(value);
}

int reflectorPort()
{
    return portNumberFromText(reflectorSession().settings().portText());
}
