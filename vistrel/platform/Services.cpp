#include "platform/Services.h"

#include "platform/Dialogs.h"
#include "platform/Launcher.h"
#include "platform/ProcessEnd.h"
#include "platform/SettingsStore.h"

#include <utility>

namespace platform {

namespace {

Services realServices()
{
    static WidgetDialogs dialogs;
    static ProcessLauncher launcher;
    static SettingsStore settings(SettingsStore::defaultFilePath());
    return {&dialogs, &launcher, &settings, QString(), QString::fromLatin1(kDefaultWebServerBase), &endProcessNow};
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

ScopedServices::ScopedServices(Services replacement) : replaced_(std::exchange(services(), std::move(replacement))) {}

ScopedServices::~ScopedServices()
{
    services() = std::move(replaced_);
}

} // namespace platform
