#include "platform/Services.h"

#include "platform/ProcessEnd.h"
#include "platform/SettingsStore.h"

#include <utility>

namespace platform {

namespace {

Services realServices()
{
    // The boxes and the launcher need a desktop session: the program puts in the
    // window kit's (ui/DesktopServices.h) at start.
    static SettingsStore settings(SettingsStore::defaultFilePath());
    return {nullptr, nullptr, &settings, QString(), QString::fromLatin1(kDefaultWebServerBase), &endProcessNow};
}

} // namespace

Services& services()
{
    static Services current = realServices();
    return current;
}

QString webServerPage(const QString& path)
{
    return services().webServerBase + path;
}

ScopedServices::ScopedServices(Services replacement) : replaced_(std::exchange(services(), std::move(replacement)))
{
}

ScopedServices::~ScopedServices()
{
    services() = std::move(replaced_);
}

} // namespace platform
