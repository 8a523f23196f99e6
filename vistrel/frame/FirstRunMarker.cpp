#include "frame/FirstRunMarker.h"

#include "platform/SettingsStore.h"
#include "platform/TextFiles.h"

#include <QDir>
#include <QFileInfo>

QString firstRunMarkerPath()
{
    return QFileInfo(platform::settingsStore().filePath()).absoluteDir().filePath(QStringLiteral("FT.txt"));
}

bool writeFirstRunMarker()
{
    const QString path = firstRunMarkerPath();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    return bool(platform::writeRawLines(path, {QByteArray("Complete")}));
}
