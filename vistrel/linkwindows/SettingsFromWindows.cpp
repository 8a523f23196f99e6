#include "linkwindows/SettingsFromWindows.h"

#include "linkwindows/LinkWindows.h"
#include "platform/Codec.h"

#include <QLineEdit>

QByteArray SettingsFromWindows::userBox(QLineEdit* UserSettingsWindow::*box) const
{
    return platform::toCp1252((windows_.userSettings().*box)->text());
}

QString SettingsFromWindows::primaryAddress() const
{
    return windows_.serverSettings().reflectorAddressBox->text();
}

QString SettingsFromWindows::backupAddress() const
{
    return windows_.serverSettings().backupReflectorAddressBox->text();
}

QString SettingsFromWindows::portText() const
{
    return windows_.serverSettings().reflectorPortBox->text();
}

QByteArray SettingsFromWindows::userId() const
{
    return userBox(&UserSettingsWindow::userIdBox);
}

QByteArray SettingsFromWindows::userName() const
{
    return userBox(&UserSettingsWindow::userNameBox);
}

QByteArray SettingsFromWindows::password() const
{
    return userBox(&UserSettingsWindow::passwordBox);
}

QByteArray SettingsFromWindows::outsideAddress() const
{
    return userBox(&UserSettingsWindow::reflectorAddressBox);
}
