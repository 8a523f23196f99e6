#include "linkwindows/SettingsFromWindows.h"

#include "linkwindows/frmServerSettings.h"
#include "linkwindows/frmUserSettings.h"
#include "platform/Codec.h"
#include "ui/Forms.h"

#include <QLineEdit>

using ui::form;

namespace {

QByteArray userBox(QLineEdit* frmUserSettings::*box)
{
    return platform::toCp1252((form<frmUserSettings>().*box)->text());
}

} // namespace

QString SettingsFromWindows::primaryAddress() const
{
    return form<frmServerSettings>().txtIPAddress->text();
}

QString SettingsFromWindows::backupAddress() const
{
    return form<frmServerSettings>().txtIPAddressBackUp->text();
}

QString SettingsFromWindows::portText() const
{
    return form<frmServerSettings>().txtPort->text();
}

QByteArray SettingsFromWindows::userId() const
{
    return userBox(&frmUserSettings::txtUserID);
}

QByteArray SettingsFromWindows::userName() const
{
    return userBox(&frmUserSettings::txtUserName);
}

QByteArray SettingsFromWindows::password() const
{
    return userBox(&frmUserSettings::txtPassword);
}

QByteArray SettingsFromWindows::outsideAddress() const
{
    return userBox(&frmUserSettings::txtIPAddress);
}
