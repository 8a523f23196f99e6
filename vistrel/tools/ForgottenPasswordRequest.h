#pragma once
// The request that asks the reflector to mail the restricted topics' password to the
// user: "/ForgotPassword\", the user name, "," and the password, in clear (the
// reflector reads it unenciphered), no line end. It goes out on the reflector socket,
// always to the primary address of the server settings. The socket is closed first,
// so one left open by an earlier request does not refuse the connect; the connect has
// 10 s and the send 5 s. The connection is left open afterwards: no answer comes.
//
// The request runs from the socket's events and its two limits, without waiting:
// send() returns at once, the steps report to status and the outcome comes in
// finished.
#include <QByteArray>
#include <QObject>
#include <QString>

namespace platform {
class OneShotTimer;
class SocketControl;
} // namespace platform

inline constexpr int kForgottenPasswordConnectLimitMs = 10000;
inline constexpr int kForgottenPasswordSendLimitMs = 5000;

QByteArray forgottenPasswordText(const QByteArray& userName, const QByteArray& password);

enum class ForgottenPasswordOutcome {
    Sent,
    ConnectFailed,   // the socket reported an error, or the port is no number
    ConnectTimedOut, // nothing answered within the connect limit
    SendFailed,      // the bytes did not leave within the send limit
    TakenOver,       // another user of the socket closed or connected it meanwhile
};

struct ForgottenPasswordTarget {
    QString host;
    QString portText; // as typed in the server settings
};

class ForgottenPasswordRequest : public QObject {
    Q_OBJECT
public:
    explicit ForgottenPasswordRequest(QObject* parent = nullptr);

    // Closes socket, connects it to target and sends text once connected. A step that
    // fails leaves the socket closed, so the next request connects afresh; a request
    // whose socket was taken over leaves it to its new user. A send while an earlier
    // one runs drops that one, which reports nothing more. The outcome of a request
    // that cannot even start comes before send returns.
    void send(platform::SocketControl& socket, const ForgottenPasswordTarget& target, const QByteArray& text);

signals:
    // The texts for the window's status line, as the steps pass.
    void status(const QByteArray& text);
    void finished(ForgottenPasswordOutcome outcome);

private:
    enum class Step { Idle, Connecting, Sending };

    void onConnected();
    void onSocketError();
    void onSendComplete();
    void onLimit();
    // False, and the request ends as taken over, once its connection is not the
    // socket's any more.
    bool stillOwnsTheSocket();
    void stop();
    void finish(ForgottenPasswordOutcome outcome);
    void closeAndFinish(ForgottenPasswordOutcome outcome);

    platform::OneShotTimer* limit_;
    platform::SocketControl* socket_ = nullptr;
    quint64 connection_ = 0; // the socket's connection number for this request
    QByteArray text_;
    Step step_ = Step::Idle;
};
