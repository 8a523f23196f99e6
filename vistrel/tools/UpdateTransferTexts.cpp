#include "UpdateTransferTexts.h"

#include "platform/HttpTransfer.h"

#include <array>

namespace {

constexpr std::array<const char*, 13> kStateTexts = {
    "No state to report ...",
    "Looking up the IP address of the specified host computer ...",
    "Successfully found the IP address of the specified host computer ...",
    "Connecting to the host computer ...",
    "Successfully connected to the host computer ...",
    "Sending a request to the host computer...",
    "Successfully sent the request ...",
    "Receiving a response from the host computer ...",
    "Successfully received a response from the host computer ...",
    "Disconnecting from the host computer ...",
    "Successfully disconnected from the host computer ...",
    "An error occurred in communicating with the host computer ...",
    "The request has completed and all data has been received ...",
};

} // namespace

QStringList transferStateTexts(int state)
{
    if (state < 0 || state >= int(kStateTexts.size()))
        return {};
    QStringList texts{QString::fromLatin1(kStateTexts[state])};
    if (state == platform::HttpTransfer::StateDisconnected)
        texts.append(QStringLiteral("Shutting Down ..."));
    return texts;
}
