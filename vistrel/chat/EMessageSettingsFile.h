#pragma once
// EMessageSettings.txt in the program folder: the offline message's sender details,
// the name, the user ID and the e-mail address, one raw line each. They are trimmed
// of blanks when written and read back as list-input values, so a value that holds a
// comma comes back split and the rest moves on by one.
#include "platform/TextFiles.h"

#include <QByteArray>

#include <optional>

namespace chat {

struct SenderDetails {
    QByteArray name;
    QByteArray userId;
    QByteArray eMail;
};

inline constexpr char kEMessageSettingsFile[] = "EMessageSettings.txt";

// Nothing when the file cannot be read.
std::optional<SenderDetails> readSenderDetails();

// Replaces the file atomically.
platform::FileWriteResult writeSenderDetails(const SenderDetails& details);

} // namespace chat
