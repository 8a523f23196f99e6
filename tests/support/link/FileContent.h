#pragma once
// The bytes of a file that a test expects the program to have written.
#include "platform/TextFiles.h"

#include <QByteArray>
#include <QString>

// The whole file, or "<missing>" when it cannot be read, so a comparison shows why.
inline QByteArray fileContent(const QString& path)
{
    return platform::readFile(path).value_or("<missing>");
}
