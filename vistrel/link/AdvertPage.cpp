#include "link/AdvertPage.h"

#include "common/Globals.h"
#include "platform/Codec.h"
#include "platform/Launcher.h"

#include <QUrl>

void openAdvertisedPage()
{
    const QUrl page(platform::fromCp1252(gAdvertUrl), QUrl::StrictMode);
    if (platform::isWebPage(page))
        platform::launcher().openPage(page);
}
