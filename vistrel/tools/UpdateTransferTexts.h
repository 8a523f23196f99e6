#pragma once
// The status texts the update check shows for the states of its transfers
// (platform::HttpTransfer::TransferState).
#include <QStringList>

// The texts for state, in the order they are shown: usually one, two for the
// "disconnected" state, whose text gives way at once to "Shutting Down ...". None
// for a state outside 0 to 12.
QStringList transferStateTexts(int state);
