#pragma once
// Logging in to the reflector: connects the reflector socket to the primary address,
// falls back to the backup, sends the login and holds the rejection window. The
// outcome is left in gLoggedIn, gConnectFailed, gLoginFailed and gReflectorAddress.
void ConnectToReflector();
