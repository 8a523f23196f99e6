#include "platform/Launcher.h"

#include "platform/Services.h"

#include <QDesktopServices>
#include <QProcess>

namespace platform {

StartResult ProcessLauncher::startProgram(const QString& program, const QStringList& arguments,
                                          const QString& workingFolder)
{
    qint64 processId = 0;
    if (!QProcess::startDetached(program, arguments, workingFolder, &processId))
        return {};
    return {true, processId};
}

bool ProcessLauncher::openPage(const QUrl& page)
{
    return isWebPage(page) && QDesktopServices::openUrl(page);
}

bool isWebPage(const QUrl& page)
{
    const QString scheme = page.scheme().toLower();
    return page.isValid() && (scheme == u"http" || scheme == u"https") && !page.host().isEmpty();
}

Launcher& launcher()
{
    return *services().launcher;
}

} // namespace platform
