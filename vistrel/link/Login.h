#pragma once
// Logging in to the reflector: connects the reflector socket to the primary address,
// falls back to the backup, sends the login and holds the rejection window. The
// outcome is left in gLoggedIn, gConnectFailed, gLoginFailed and gReflectorAddress.
//
// A second call while a login runs returns at once and changes nothing.
void ConnectToReflector();

// How long each address has to connect.
inline constexpr int kLoginConnectLimitMs = 10000;
// How long the login's bytes have to leave (MainVODA.Timer3).
inline constexpr int kLoginSendLimitMs = 5000;
// How long after the send a rejection still cancels the login (MainVODA.Timer6); the
// login always holds this window in full.
inline constexpr int kLoginRejectionWindowMs = 5000;
