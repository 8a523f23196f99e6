#include "link/AdvertPage.h"

#include "platform/Codec.h"
#include "platform/Launcher.h"

#include <QUrl>

void openAdvertisedPage(const QByteArray& address)
{
    const QUrl page(platform::fromCp1252(address), QUrl::StrictMode);
    if (platform::isWebPage(page))
        platform::launcher().openPage(page);
}
