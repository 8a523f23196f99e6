#include "linkwindows/SettingsFromWindows.h"

#include "linkwindows/ServerSettingsWindow.h"
#include "linkwindows/UserSettingsWindow.h"
#include "platform/Codec.h"
#include "ui/Forms.h"

#include <QLineEdit>

using ui::form;

namespace {

QByteArray userBox(QLineEdit* UserSettingsWindow::*box)
{
    return platform::toCp1252((form<UserSettingsWindow>().*box)->text());
}

} // namespace

QString SettingsFromWindows::primaryAddress() const
{
    return form<ServerSettingsWindow>().reflectorAddressBox->text();
}

QString SettingsFromWindows::backupAddress() const
{
    return form<ServerSettingsWindow>().backupReflectorAddressBox->text();
}

QString SettingsFromWindows::portText() const
{
    return form<ServerSettingsWindow>().reflectorPortBox->text();
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
