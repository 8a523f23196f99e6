#pragma once
// A window's control in a test, found by its fixed object name (the names every
// window gives its controls in one table). A control that is not there ends the test
// program with its name, instead of a crash on a null pointer.
#include <QString>
#include <QWidget>
#include <QtGlobal>

template <typename Control>
Control* control(const QWidget& window, const char* objectName)
{
    Control* found = window.findChild<Control*>(QString::fromLatin1(objectName));
    if (!found)
        qFatal("%s has no control \"%s\" of the type asked for", qPrintable(window.objectName()), objectName);
    return found;
}
