#pragma once
// A window's control in a test, found by its fixed object name (the names every
// window gives its controls in one table). A control that is not there ends the test
// program with its name, instead of a crash on a null pointer.
#include <QString>
#include <QVariant>
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

// A control of an array whose controls share one object name, found by the index it
// carries as its property "index".
template <typename Control>
Control* control(const QWidget& window, const char* objectName, int index)
{
    for (Control* candidate : window.findChildren<Control*>(QString::fromLatin1(objectName))) {
        if (candidate->property("index") == QVariant(index))
            return candidate;
    }
    qFatal("%s has no control \"%s\" %d of the type asked for", qPrintable(window.objectName()), objectName, index);
    return nullptr;
}
