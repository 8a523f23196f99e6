#pragma once
// The state of the connection to the reflector. The session holds it; the commands of
// the windows (Connect, Disconnect, the shut-down, the toolbar) read and set it too.
// Everything runs on the one user-interface thread, so none of this is locked.
#include <QByteArray>

struct LinkState {
    bool loggedIn = false;       // a login reached a reflector; cleared by Disconnect
    QByteArray reflectorAddress; // the address box text whose connection the last login made
    bool encryptTraffic = false; // encipher reflector traffic (never switched on by the user)
    bool loginFailed = false;    // the reflector rejected the running login
    bool connectFailed = false;  // the login's send failed or the login ended unexpectedly
    bool logoutOwed = false;     // a logout could not be sent; owed until sent or a new login
    QByteArray advertUrl;        // the last advert address the reflector sent
    int logLevelHigh = 0;        // 1 while the status window logs the login's detailed steps
};