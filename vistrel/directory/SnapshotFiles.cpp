#include "directory/SnapshotFiles.h"

#include "platform/ProgramFolder.h"

#include <limits>

QString imagesFolder()
{
    return platform::programFile(QString::fromLatin1(kImagesFolderName));
}

QString autoSavePath(qint32 n)
{
    return imagesFolder() + QStringLiteral("/Img%1.jpg").arg(n);
}

qint32 SharedSnapshotFiles::nextImageNumber()
{
    imageCounter = imageCounter == std::numeric_limits<qint32>::max() ? 1 : imageCounter + 1;
    return imageCounter;
}
