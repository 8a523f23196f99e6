#pragma once
// Saves a picture of a window into $VISTREL_SCREENSHOT_DIR as <name>.png, for the
// screenshot scripts (tests/screenshots/); without the variable it does nothing.
#include <QDir>
#include <QPixmap>
#include <QScreen>
#include <QString>
#include <QTest>
#include <QWidget>

inline void saveScreenshot(QWidget& window, const QString& name)
{
    const QString folder = qEnvironmentVariable("VISTREL_SCREENSHOT_DIR");
    if (folder.isEmpty())
        return;
    QVERIFY(QDir().mkpath(folder));
    QTest::qWait(300); // let the display draw the whole window
    QPixmap picture = window.screen()->grabWindow(window.winId());
    if (picture.isNull())
        picture = window.grab();
    const QString path = QDir(folder).filePath(name + ".png");
    QVERIFY2(picture.save(path), qPrintable(path));
    qInfo("saved %s", qPrintable(path));
}
