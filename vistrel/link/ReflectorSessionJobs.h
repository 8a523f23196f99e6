#pragma once
// The session's three jobs on the reflector socket: the login, the logout and the
// queue of requests. Each is a small state machine: while it runs it follows the
// socket's events and its own one-shot timers, otherwise it ignores them. Only the
// session's own files include this.
#include "link/ConnectStateTexts.h"
#include "link/ReflectorSession.h"
#include "platform/OneShotTimer.h"
#include "platform/SocketControl.h"

#include <QByteArray>
#include <QString>

#include <deque>
#include <functional>

struct RequestKind;

class ReflectorSession::Login {
public:
    explicit Login(ReflectorSession& session);

    void start();
    // The login connects or sends: the socket is its own.
    bool onSocket() const;
    // A logout takes the socket over: a login that connects or sends ends here, without
    // a further report of its own (loginEnded follows).
    void yieldSocket();

private:
    void attempt(ReflectorAddress which);
    void look();
    void connectLimitReached();
    void connectedToAddress();
    void addressFailed();
    void reportConnectState();
    void sendLogin();
    void sendEnded(bool sent);
    void rejectionWindowEnded();
    void fail(const platform::SocketControl::Result& error);
    void end();

    // Detailed steps go to the log only at the high log level.
    void logStep(const QByteArray& line) const;
    // The login keeps the status window out of the way; one that the user opens
    // meanwhile is hidden again at the next step.
    void hideStatusWindow() const;
    void status(const QByteArray& text) const;

    ReflectorSession& session_;
    LinkState& state_;
    platform::SocketControl& socket_;
    ReflectorAddress address_ = ReflectorAddress::Primary;
    QString addressText_;
    platform::SocketControl::State lastState_ = platform::SocketControl::State::Closed;
};

// The logout on the reflector socket. A step that fails is skipped, after its error's
// number when the caller asked for that.
class ReflectorSession::Logout {
public:
    explicit Logout(ReflectorSession& session);

    void start(StepErrors errors);
    bool running() const { return phase_ != Phase::Idle; }

private:
    enum class Phase { Idle, Connecting, Sending };

    bool step(const platform::SocketControl::Result& result) const;
    void connect();
    void look();
    void connectionDecided();
    void send();
    void sendEnded(bool sent);
    void end(LogoutOutcome outcome);
    void statusAndLog(const QByteArray& text) const;

    ReflectorSession& session_;
    LinkState& state_;
    platform::SocketControl& socket_;
    Phase phase_ = Phase::Idle;
    StepErrors errors_ = StepErrors::Skipped;
};

// The requests, one after the other: each stages its text, connects the socket afresh
// to the reflector of the last login, sends the text in one piece (enciphered while the
// traffic cipher is on) and ends once the socket reports it sent. The queue also holds
// steps of the callers, each run once the requests before it have ended.
class ReflectorSession::Requests {
public:
    explicit Requests(ReflectorSession& session);

    void add(const RequestKind& kind, const QByteArray& argument);
    void addStep(std::function<void()> step);
    bool pending() const { return phase_ != Phase::Idle || !waiting_.empty(); }
    // A login or a logout takes the socket over: the running request and the waiting
    // ones end without a further report.
    void endAll();
    // Starts the next request or step, unless one runs or the session is busy.
    void startNext();

private:
    enum class Phase { Idle, Connecting, Sending, Step };
    enum class Outcome { Done, Failed, TimedOut };
    struct Entry {
        const RequestKind* kind = nullptr; // null for a step
        QByteArray argument;
        std::function<void()> step;
    };

    void begin(const Entry& entry);
    void look();
    void connectionDecided(bool limitReached);
    void transmit();
    void sendEnded(bool sent);
    void finish(Outcome outcome);
    void runLater(std::function<void()> step);
    void stopLimits();

    void showStatus(const QByteArray& text) const;
    void hideServerSettings() const;
    void hideSendMarkers() const;
    void reportFailure() const;

    ReflectorSession& session_;
    LinkState& state_;
    platform::SocketControl& socket_;
    std::deque<Entry> waiting_;
    Phase phase_ = Phase::Idle;
    const RequestKind* running_ = nullptr;
    // The running request started in the handling that runs now; begun_ counts the starts.
    bool startedInThisHandling_ = false;
    unsigned begun_ = 0;
    // Counts endAll, so that a step posted before it does not run after it.
    unsigned generation_ = 0;
};
