#pragma once
// The ports of the support chat: the listener that the support side connects in to,
// and the support host's four chat channels and offline-message service. They are
// settings, so that a run without the privilege for ports below 1024, or a test, can
// use others; a missing or unusable value gives the usual port. Listen port 0 lets the
// system choose.
//
// They stand in a section of their own of the settings file, as a user writes them:
//
//   [SupportChat]
//   ListenPort=21001
//   Channel1Port=21002
//   ...
//   EMessagePort=21006
//
// A value saved through the settings store's own keys (application "Vistrel", section
// "SupportChat") counts where that section gives none.
#include <array>

namespace chat {

struct SupportChatPorts {
    int listener = 1001;
    std::array<int, 4> channels = {1002, 1003, 1004, 1005};
    int offlineMessage = 1006;
};

// The ports from the current settings store.
SupportChatPorts supportChatPorts();

// The section of the settings file, and the store's application and section.
inline constexpr char kSettingsFileSection[] = "SupportChat";
inline constexpr char kSettingsApplication[] = "Vistrel";
inline constexpr char kSettingsSection[] = "SupportChat";
// The keys.
inline constexpr char kListenPortKey[] = "ListenPort";
inline constexpr char kOfflineMessagePortKey[] = "EMessagePort";
// "Channel1Port" to "Channel4Port".
inline constexpr char kChannelPortKeyPattern[] = "Channel%1Port";

} // namespace chat
