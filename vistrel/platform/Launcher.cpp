#include "platform/Launcher.h"

#include "platform/Services.h"

#include <QUrl>

namespace platform {

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
