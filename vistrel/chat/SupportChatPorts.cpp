#include "chat/SupportChatPorts.h"

#include "platform/Codec.h"
#include "platform/Services.h"
#include "platform/SettingsStore.h"

#include <QSettings>

#include <optional>

namespace chat {

namespace {

std::optional<int> portNumber(const QByteArray& text)
{
    bool ok = false;
    const int port = text.trimmed().toInt(&ok);
    return ok && port >= 0 && port <= 65535 ? std::optional<int>(port) : std::nullopt;
}

// The store keeps its values under application and section ("[Vistrel]",
// "SupportChat\ListenPort="); the ports' own section is a top-level one of the same
// file, which the store's keys cannot name, so it is read from the file directly.
class PortSettings {
public:
    explicit PortSettings(const platform::SettingsStore& store)
        : store_(store), file_(store.filePath(), QSettings::IniFormat)
    {
    }

    int port(const QByteArray& key, int usual) const
    {
        const QVariant written = file_.value(QLatin1String(kSettingsFileSection) + u'/' + QLatin1String(key));
        if (written.isValid()) {
            if (const std::optional<int> port = portNumber(platform::toCp1252(written.toString())))
                return *port;
        }
        return portNumber(store_.get(kSettingsApplication, kSettingsSection, key)).value_or(usual);
    }

private:
    const platform::SettingsStore& store_;
    const QSettings file_;
};

} // namespace

SupportChatPorts supportChatPorts()
{
    SupportChatPorts ports;
    const platform::Services& services = platform::services();
    if (!services.settings)
        return ports;
    const PortSettings settings(*services.settings);
    ports.listener = settings.port(kListenPortKey, ports.listener);
    for (int i = 0; i < int(ports.channels.size()); ++i)
        ports.channels[size_t(i)] =
            settings.port(QString::fromLatin1(kChannelPortKeyPattern).arg(i + 1).toLatin1(), ports.channels[size_t(i)]);
    ports.offlineMessage = settings.port(kOfflineMessagePortKey, ports.offlineMessage);
    return ports;
}

} // namespace chat
