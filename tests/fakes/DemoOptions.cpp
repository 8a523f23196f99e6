#include "DemoOptions.h"

std::optional<quint16> portOption(const QStringList& arguments, const QString& name, quint16 def)
{
    const qsizetype at = arguments.indexOf(name);
    if (at < 0)
        return def;
    bool ok = false;
    const uint port = arguments.value(at + 1).toUInt(&ok);
    if (!ok || port > 65535)
        return std::nullopt;
    return quint16(port);
}

QString textOption(const QStringList& arguments, const QString& name)
{
    const qsizetype at = arguments.indexOf(name);
    return at < 0 ? QString() : arguments.value(at + 1);
}
