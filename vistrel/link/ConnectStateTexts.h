#pragma once
// What the login tells the user about the reflector socket's state while it waits for
// a connection and after the wait.
#include "platform/SocketControl.h"

#include <QByteArray>

enum class ReflectorAddress { Primary, Backup };

// The status text shown on each pass of the connect wait.
QByteArray connectWaitText(platform::SocketControl::State state, ReflectorAddress address);

// The report after a connect wait, written only at the high log level: the log line
// first, then the status text.
struct ConnectReport {
    QByteArray logLine;
    QByteArray statusText;
};
ConnectReport connectReport(platform::SocketControl::State state);
