#pragma once
// The session with the reflector: the login (primary address, then the backup), the
// directory queries and locator requests, and the handling of every reply that
// arrives on the connection. It shows nothing itself: what the windows are to show
// comes out of it as signals, emitted in the order the windows rely on, and what it
// needs from the user it reads through ReflectorSettings at the moment it needs it.
//
// Nothing in the session waits: the login, the logout and the requests are steps that
// the reflector socket's events and the session's one-shot timers move on. A call
// starts its job and returns; what the job came to comes out as a signal and is left
// in the state.
#include "link/LinkState.h"
#include "link/ReflectorConnection.h"
#include "link/ReplyReader.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class ReflectorSettings;

// How long each address of the login has to connect, how long the login's bytes have
// to leave, and how long after the send a rejection still cancels the login (the
// login always holds this window in full).
inline constexpr int kLoginConnectLimitMs = 10000;
inline constexpr int kLoginSendLimitMs = 5000;
inline constexpr int kLoginRejectionWindowMs = 5000;
// How long a request has to connect, and then to leave.
inline constexpr int kRequestConnectLimitMs = 10000;
inline constexpr int kRequestSendLimitMs = 10000;
// How long the password change has to leave.
inline constexpr int kPasswordChangeSendLimitMs = 5000;
// How long the logout has to connect, and then to leave.
inline constexpr int kLogoutConnectLimitMs = 10000;
inline constexpr int kLogoutSendLimitMs = 5000;

namespace platform {
class OneShotTimer;
}

class ReflectorSession : public QObject {
    Q_OBJECT
public:
    // The status diagram's segments: 1 and 2 between the client and the reflector,
    // 3 from the reflector down, 4 and 5 from the client down.
    enum class Lamp { Blue, Green, Red };
    // The traffic markers on the segments.
    enum class Marker { Segment1, Segment2, Segment4Left, Segment4Up, Segment5Right, Segment5Down };
    // The windows that the session's steps keep out of the way.
    enum class Window { Status, UserSettings, ServerSettings };
    // What the locator asked for found nothing, or found these entries.
    enum class LocatorOutcome { NoTopicResult, NoSearchResult, TopicResult, SearchResult };
    // Where the login and the logout stand.
    enum class Status {
        LoggedOut,         // no login holds: none yet, it did not get through, or a logout followed
        ConnectingPrimary, // the login connects to the primary address
        ConnectingBackup,  // the login connects to the backup address
        SendingLogin,      // the login's bytes are leaving
        RejectionWindow,   // the login holds its rejection window
        LoggedIn,          // the last login reached a reflector
        LoggingOut,        // the logout connects and sends
    };
    Q_ENUM(Status)
    // What a logout came to.
    enum class LogoutOutcome {
        NothingToEnd, // no login reached a reflector since the last logout
        SocketFailed, // the socket failed while it connected
        NotSent,      // no connection, or the bytes did not leave in time: the logout is still owed
        Sent,
    };
    Q_ENUM(LogoutOutcome)
    // Whether a failing step of the logout shows the error's number before it is skipped.
    enum class StepErrors { Skipped, Shown };

    explicit ReflectorSession(QObject* parent = nullptr);
    ~ReflectorSession() override;

    ReflectorConnection& connection() { return *connection_; }
    // The connection's state, which the windows' commands read and set too.
    LinkState& state() { return state_; }

    // The values the session reads from the user; until one is set, every value is empty.
    void setSettings(std::unique_ptr<ReflectorSettings> settings);
    const ReflectorSettings& settings() const;

    Status status() const { return status_; }
    // A login or a logout runs (its rejection window included): a new login is not
    // started, and the requests wait for it to end.
    bool busy() const;

    // Starts a login: connects to the primary address, falls back to the backup, sends
    // the login and holds the rejection window. loginEnded follows; the outcome is left
    // in the state: logged in, connect failed, login failed and the reflector address.
    // While a login or a logout runs, a call changes nothing.
    void logIn();

    // Starts a logout: sends the logout on a fresh connection to the reflector of the
    // last login, within kLogoutConnectLimitMs for the connect and kLogoutSendLimitMs
    // for the send; logoutEnded follows, at once when there is nothing to log out from.
    // A logout that could not be sent stays owed, so that the next call tries it again,
    // until a new login starts. The session is logged out in every case. A call while a
    // logout runs joins it. A login that connects or sends ends, and the requests end,
    // without a further report.
    void logOut(StepErrors errors);

    // The requests go out one after the other, in the order they were asked for, each
    // on a fresh connection; they wait while a login or a logout runs. A request asked
    // for while an earlier one is on its way, from a later event than the one that
    // started it, takes the socket over: the earlier one ends without a further report.
    // Requests asked for together (the queries of a click) wait for each other.
    //
    // Queues one directory query ("category,place") as it is.
    void sendQuery(const QByteArray& query);
    // Queues "/SumReq/" + topic.
    void sendTopicRequest(const QByteArray& topic);
    // Queues "/SumReqText/" + the search text.
    void sendSearchRequest(const QByteArray& searchText);
    // Queues "/ChangePass/," + user name + "," + new password + "," + old password, as
    // they are; the connection is left open for the answer.
    void sendPasswordChange(const QByteArray& userName, const QByteArray& newPassword, const QByteArray& oldPassword);
    // Runs the step once the requests queued before it have ended: at once when there
    // are none, otherwise from the event loop as an event of its own.
    void runAfterRequests(std::function<void()> step);
    // A request runs or waits.
    bool requestsPending() const;
    // The plain text of the last request, also when it went out enciphered.
    const QByteArray& stagedRequest() const { return stagedRequest_; }

    // Handles one chunk in clear, as its arrival does.
    void handleChunk(const QByteArray& chunk);

    // The webcam reply being collected, or the last one collected.
    const QByteArray& collectedWebCamReply() const { return replies_.collectedWebCamReply(); }

    // "/NDF/" replies since the last hint or the last webcam reply.
    int noDataCount() const { return noDataCount_; }
    // The advert timer: armed by an advert reply, opens the advertised page when it ticks.
    platform::OneShotTimer& advertTimer() { return *advertTimer_; }
    // Armed while the login's bytes are leaving, and while it holds its rejection window.
    const platform::OneShotTimer& loginSendLimit() const { return *loginSendLimit_; }
    const platform::OneShotTimer& loginRejectionWindow() const { return *rejectionWindow_; }
    // Armed while the logout connects.
    const platform::OneShotTimer& logoutConnectLimit() const { return *logoutConnectLimit_; }

signals:
    void statusChanged(ReflectorSession::Status status);
    // The login has ended; its outcome is in the state.
    void loginEnded();
    void logoutEnded(ReflectorSession::LogoutOutcome outcome);

    // The main window's status bar: panel 1's text, panel 2's text, and when panel 1
    // is to be emptied.
    void statusText(const QByteArray& text);
    void webCamsOnLine(const QByteArray& count);
    void statusClearDue(int ms);
    // The status window: a line of its log, a segment's lamp, a marker, the address
    // and the port of the last connection attempt.
    void logLine(const QByteArray& line);
    // A message for the user, shown by the window that observes the session.
    void messageDue(const QString& text);
    void lampShown(int segment, ReflectorSession::Lamp colour);
    void markerShown(ReflectorSession::Marker marker, bool visible);
    void attemptShown(const QString& address);
    void attemptPortShown(const QString& port);
    void windowHideDue(ReflectorSession::Window window);

    // The replies, as the windows take them.
    void outsideAddressSeen(const QByteArray& address);      // the status window's label
    void outsideAddressConfirmed(const QByteArray& address); // the user settings
    void userIdConfirmed(const QByteArray& userId);
    void passwordConfirmed(const QByteArray& password);
    // The user settings are to be saved as they stand.
    void settingsSaveDue();
    void loginRejected();
    // The client is to log out (the Disconnect command).
    void logoutDue();
    // The reflector reports the same user logged in elsewhere (only its first report
    // comes out): the user is told, then the client logs out and the program ends.
    void secondLoginReported();
    void locatorResult(ReflectorSession::LocatorOutcome outcome, const LocatorResult& result);
    void locatorStatus(const QByteArray& text);
    void locatorOpenDue();
    // Replies in a row found no data: the user is offered the locator ("Helpful Hint").
    void locatorHintDue();
    // The password change window's status line, and the reflector's answer to the change.
    void passwordChangeStatus(const QByteArray& text);
    void passwordChangeAnswered(const QByteArray& outcome);
    void noDataAtPlace();
    void webCamReply(const QByteArray& reply);

private:
    class Login;
    class Logout;
    class Requests;

    void setStatus(Status status);

    void handle(const Reply& reply);
    void takeConfirmedUserId(const QByteArray& userId);
    void takeAdvert(const QByteArray& address);
    void endForSecondLogin();
    void storeReflectorAddresses(const Reply& reply);
    void takeNoData();
    void takePasswordChange(const QByteArray& outcome, const QByteArray& newPassword);

    LinkState state_;
    Status status_ = Status::LoggedOut;
    ReflectorConnection* connection_;
    platform::OneShotTimer* advertTimer_;
    // The limits of the login's connects (each address has its own), of its send, and
    // its rejection window.
    platform::OneShotTimer* loginConnectLimit_;
    platform::OneShotTimer* loginSendLimit_;
    platform::OneShotTimer* rejectionWindow_;
    platform::OneShotTimer* logoutConnectLimit_;
    platform::OneShotTimer* logoutSendLimit_;
    platform::OneShotTimer* requestConnectLimit_;
    platform::OneShotTimer* requestSendLimit_;
    std::unique_ptr<ReflectorSettings> settings_;
    ReplyReader replies_;
    QByteArray stagedRequest_;
    int noDataCount_ = 0;
    // A second login elsewhere has been reported: the program is ending.
    bool endingForSecondLogin_ = false;
    std::unique_ptr<Login> login_;
    std::unique_ptr<Logout> logout_;
    std::unique_ptr<Requests> requests_;
};

// The program's one session, created on first use.
ReflectorSession& reflectorSession();
// Called with every session created from now on, before its first use: the windows
// connect to its signals there.
void observeReflectorSessions(std::function<void(ReflectorSession&)> observe);
// For tests: ends the session, so that the next use creates a fresh one.
void endReflectorSession();
