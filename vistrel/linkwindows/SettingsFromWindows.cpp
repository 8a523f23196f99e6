#include "linkwindows/SettingsFromWindows.h"

#include "linkwindows/LinkWindows.h"
#include "platform/Codec.h"

QString SettingsFromWindows::primaryAddress() const
{
    return windows_.serverSettings().primaryAddress();
}

QString SettingsFromWindows::backupAddress() const
{
    return windows_.serverSettings().backupAddress();
}

QString SettingsFromWindows::portText() const
{
    return windows_.serverSettings().portText();
}

QByteArray SettingsFromWindows::userId() const
{
    return platform::toCp1252(windows_.userSettings().userId());
}

QByteArray SettingsFromWindows::userName() const
{
    return platform::toCp1252(windows_.userSettings().userName());
}

QByteArray SettingsFromWindows::password() const
{
    return platform::toCp1252(windows_.userSettings().password());
}

QByteArray SettingsFromWindows::outsideAddress() const
{
    return platform::toCp1252(windows_.userSettings().outsideAddress());
}
