#include "ConnectStateTexts.h"

#include "platform/SocketControl.h"

#include <array>

using platform::SocketControl;

namespace {

// One text for each state, by its number.
constexpr int kStateCount = int(SocketControl::State::Error) + 1;

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

} // namespace

QByteArray connectWaitText(SocketControl::State state, ReflectorAddress address)
{
    if (state == SocketControl::State::Error && address == ReflectorAddress::Backup)
        return kBackupErrorText;
    return kWaitTexts[size_t(state)];
}

ConnectReport connectReport(SocketControl::State state)
{
    return kReports[size_t(state)];
}
