#pragma once
// The request that asks the reflector to mail the restricted topics' password to the
// user: "/ForgotPassword\", the user name, "," and the password, in clear (the
// reflector reads it unenciphered), no line end. It goes out on the reflector socket,
// always to the primary address of the server settings. The socket is closed first,
// so one left open by an earlier request does not refuse the connect; the connect has
// 10 s and the send 5 s. The connection is left open afterwards: no answer comes.
#include <QByteArray>
#include <QString>

#include <functional>

struct LinkState;

namespace platform {
class SocketControl;
}

inline constexpr int kForgottenPasswordConnectLimitMs = 10000;
inline constexpr int kForgottenPasswordSendLimitMs = 5000;

QByteArray forgottenPasswordRequest(const QByteArray& userName, const QByteArray& password);

enum class ForgottenPasswordOutcome {
    Sent,
    ConnectFailed,   // the socket reported an error, or the port is no number
    ConnectTimedOut, // nothing answered within the connect limit
    SendFailed,      // the bytes did not leave within the send limit
};

struct ForgottenPasswordTarget {
    QString host;
    QString portText; // as typed in the server settings
};

// Sends the request and waits for each step, the event loop running meanwhile.
// `status` receives the texts for the window's status line as the steps pass. The
// socket's send-complete flag is the state's sendComplete.
ForgottenPasswordOutcome sendForgottenPasswordRequest(platform::SocketControl& socket, LinkState& state,
                                                      const ForgottenPasswordTarget& target, const QByteArray& request,
                                                      const std::function<void(const QByteArray&)>& status);
