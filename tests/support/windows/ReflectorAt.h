#pragma once
// Points the program's requests at a reflector on 127.0.0.1: the address of the last
// login and the port box of the server settings, as a login to it would leave them.
#include "Control.h"
#include "TestWindows.h"
#include "link/ReflectorSession.h"
#include "linkwindows/ServerSettingsWindow.h"

#include <QLineEdit>

inline void useReflector(quint16 port)
{
    reflectorSession().state().reflectorAddress = "127.0.0.1";
    control<QLineEdit>(testWindows().link.serverSettings(), "txtPort")->setText(QString::number(port));
}
