#pragma once
// Reading a downloaded picture. The file has no extension, so its format is told from
// its content; only the formats a snapshot camera publishes are accepted.
#include <QImage>
#include <QString>

// The picture in the file (JPEG, PNG, GIF or BMP), or a null image when the file is
// missing, of another format or damaged.
QImage readPictureFile(const QString& path);
