#include "SafeReplace.h"

namespace updater {
namespace {

// Everything after the copy exists; on failure the caller removes the copy.
QString finishCopy(const QString& source, const QString& copy, const QString& destination, const QString& modeFrom,
                   FileSteps& steps)
{
    qint64 sourceSize = 0;
    qint64 copySize = 0;
    if (QString error = steps.fileSize(source, sourceSize); !error.isEmpty())
        return error;
    if (QString error = steps.fileSize(copy, copySize); !error.isEmpty())
        return error;
    // An empty file would leave nothing runnable at destination.
    if (copySize != sourceSize || copySize == 0)
        return QStringLiteral("The copy of %1 has %2 bytes instead of %3.").arg(source).arg(copySize).arg(sourceSize);

    unsigned mode = 0;
    if (QString error = steps.fileMode(modeFrom, mode); !error.isEmpty())
        return error;
    if (QString error = steps.setMode(copy, mode); !error.isEmpty())
        return error;
    return steps.renameOver(copy, destination);
}

} // namespace

QString replaceFileSafely(const QString& source, const QString& destination, const QString& modeFrom, FileSteps& steps)
{
    QString copy;
    if (QString error = steps.copyToTemporary(source, destination, copy); !error.isEmpty())
        return error;
    QString error = finishCopy(source, copy, destination, modeFrom, steps);
    if (!error.isEmpty())
        steps.remove(copy);
    return error;
}

} // namespace updater
