#include "directory/PictureFile.h"

#include <QImageReader>

QImage readPictureFile(const QString& path)
{
    static const QList<QByteArray> accepted = {"jpeg", "jpg", "png", "gif", "bmp"};
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    if (!accepted.contains(reader.format()))
        return {};
    return reader.read();
}
