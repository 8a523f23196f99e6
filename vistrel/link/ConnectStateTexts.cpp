#include "ConnectStateTexts.h"

#include "platform/SocketControl.h"

#include <array>

using platform::SocketControl;

namespace {

constexpr int kStateCount = 10;

const std::array<const char*, kStateCount> kWaitTexts = {
    "Connection closed...",
    "Connection Open...",
    "Connection Listening...",
    "Connection Pending...",
    "Resolving Host...",
    "Host Resolved...",
    "Connecting...",
    "Connection complete...",
    "Peer is closing connection...",
    "Socket Error... Trying Backup Server...",
};
// The backup has nothing left to fall back to.
constexpr char kBackupErrorText[] = "Socket Error...";

const std::array<ConnectReport, kStateCount> kReports = {{
    {"Connection to reflector status = Closed", "Connection to reflector status = Closed..."},
    {"Connection to reflector status = Connection Open...", "Connection to reflector status = Connection Open..."},
    {"Connection to reflector status = Connection Listening...",
     "Connection to reflector status = Connection Listening..."},
    {"Connection to reflector status = Connection Pending...",
     "Connection to reflector status = Connection Pending..."},
    {"Connection to reflector status = Resolving Host...", "Connection to reflector status = Resolving Host..."},
    {"Connection to reflector status = Host Resolved...", "Connection to reflector status = Host Resolved..."},
    {"Connection to reflector status = Connecting...", "Connection to reflector status = Connecting..."},
    {"Connection complete to reflector...", "Connection complete to reflector..."},
    {"Peer is closing..", "Peer is closing..."},
    {"Socket Error..", "Socket Error..."},
}};

bool known(int state)
{
    return state >= 0 && state < kStateCount;
}

} // namespace

QByteArray connectWaitText(int state, ReflectorAddress address)
{
    if (!known(state))
        return {};
    if (state == SocketControl::StateError && address == ReflectorAddress::Backup)
        return kBackupErrorText;
    return kWaitTexts[state];
}

ConnectReport connectReport(int state)
{
    return known(state) ? kReports[state] : ConnectReport{};
}
