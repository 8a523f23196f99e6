#include "chat/SupportChatPorts.h"

#include "platform/Services.h"
#include "platform/SettingsStore.h"

namespace chat {

namespace {

int portSetting(const QByteArray& key, int usual)
{
    const platform::Services& services = platform::services();
    if (!services.settings)
        return usual;
    bool ok = false;
    const int port = services.settings->get(kSettingsApplication, kSettingsSection, key).trimmed().toInt(&ok);
    return ok && port >= 0 && port <= 65535 ? port : usual;
}

} // namespace

SupportChatPorts supportChatPorts()
{
    SupportChatPorts ports;
    ports.listener = portSetting(kListenPortKey, ports.listener);
    for (int i = 0; i < int(ports.channels.size()); ++i)
        ports.channels[i] =
            portSetting(QString::fromLatin1(kChannelPortKeyPattern).arg(i + 1).toLatin1(), ports.channels[i]);
    ports.offlineMessage = portSetting(kOfflineMessagePortKey, ports.offlineMessage);
    return ports;
}

} // namespace chat
