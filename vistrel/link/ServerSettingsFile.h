#pragma once
// ServerSettings.txt in the program's folder: the primary and the backup reflector
// address, one raw line each (the text, then CR LF). Nothing else is kept: the ports
// start at their design values in every run.
#include "platform/TextFiles.h"

#include <QByteArray>

struct ServerAddresses {
    QByteArray primary;
    QByteArray backup;
};

// Replaces the file with the two addresses (atomically: a failed write keeps the old file).
platform::FileWriteResult writeServerSettingsFile(const ServerAddresses& addresses);

// The two addresses as the file holds them: the first value of line 1 and of line 2,
// so an address with a comma comes back only up to the comma. A missing file or line
// gives the empty text.
ServerAddresses readServerSettingsFile();
