#include "platform/PrivateTempFolder.h"

#include <QDir>
#include <QTemporaryDir>

namespace platform {

QString privateTempFolder()
{
    // Readable by the user only (QTemporaryDir creates it with mode 0700).
    static QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/vistrel-XXXXXX"));
    if (!folder.isValid())
        return {};
    return folder.path() + QLatin1Char('/');
}

} // namespace platform
