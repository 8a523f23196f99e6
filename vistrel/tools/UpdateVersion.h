#pragma once
// The version texts of the update check: the running program's and the one the
// product web server offers. They are compared for difference only: any text other
// than the running version, older or newer, means an update.
#include <QByteArray>

// The running version as the server writes it: major, minor and revision in plain
// decimal joined by "." (version 2.00.0001 gives "2.0.1").
QByteArray versionText(int major, int minor, int revision);

// The fetched text with every CR and LF removed: a text saved with CR LF line ends
// names the same version as one with LF.
QByteArray withoutLineEnds(const QByteArray& fetchedText);

// The offered version text as it is compared: without line ends, then without
// leading and trailing blanks.
QByteArray offeredVersion(const QByteArray& fetchedText);

// True when the fetched text names exactly the running version (case-sensitive).
bool isRunningVersion(const QByteArray& fetchedText, const QByteArray& runningVersion);
