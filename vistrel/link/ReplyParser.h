#pragma once
// The handling of each chunk that arrives on the reflector socket, in clear. The
// early handling runs first, for every chunk; then the main handling.
//
// The login's outcome is handled here: "/Login Successful/," + user ID + "\" keeps
// the confirmed user ID, closes the socket and saves the user settings;
// "/Login Failed/" marks the running login as rejected, shows the user settings
// window with its warning and its "Retry Login" button, and runs the Disconnect
// command. Both report in the main window's status text.
#include <QByteArray>

void ParseReplyEarly(const QByteArray& chunk);
void ParseReply(const QByteArray& chunk);
