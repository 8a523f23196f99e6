#pragma once
// Presses the right mouse button on each widget in turn and gives the paths of the
// pages the launcher opened ("/help/Summary.htm"), for the windows' help pages.
#include "RecordingLauncher.h"

#include <QStringList>
#include <QTest>
#include <QUrl>
#include <QWidget>

inline QStringList helpPathsOnRightPress(const RecordingLauncher& launcher, const QList<QWidget*>& widgets)
{
    for (QWidget* widget : widgets)
        QTest::mousePress(widget, Qt::RightButton);
    QStringList paths;
    for (const QUrl& page : launcher.pages())
        paths << page.path();
    return paths;
}
