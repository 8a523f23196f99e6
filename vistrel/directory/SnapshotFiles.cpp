#include "directory/SnapshotFiles.h"

#include "platform/ProgramFolder.h"

#include <limits>

QString gSnapshotTempDir;
qint32 gImageCounter = 0;

QString imagesFolder()
{
    return platform::programFile(QString::fromLatin1(kImagesFolderName));
}

QString autoSavePath(qint32 n)
{
    return imagesFolder() + QStringLiteral("/Img%1.jpg").arg(n);
}

qint32 nextImageNumber()
{
    gImageCounter = gImageCounter == std::numeric_limits<qint32>::max() ? 1 : gImageCounter + 1;
    return gImageCounter;
}
