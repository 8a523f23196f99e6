#pragma once
// The session with the reflector: the login (primary address, then the backup), the
// directory queries and locator requests, and the handling of every reply that
// arrives on the connection. It shows nothing itself: what the windows are to show
// comes out of it as signals, emitted in the order the windows rely on, and what it
// needs from the user it reads through ReflectorSettings at the moment it needs it.
//
// The login and the requests wait inside their calls (the event loop runs meanwhile,
// so replies are handled while a call waits), exactly as long as before.
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
    // What a logout came to.
    enum class LogoutOutcome {
        NothingToEnd, // no login reached a reflector since the last logout
        SocketFailed, // the socket failed while it connected
        NotSent,      // no connection, or the bytes did not leave in time: the logout is still owed
        Sent,
    };
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

    // Logs in: connects to the primary address, falls back to the backup, sends the
    // login and holds the rejection window. The outcome is left in the state: logged
    // in, connect failed, login failed and the reflector address. A second call while a login
    // runs returns at once and changes nothing.
    void logIn();

    // Logs out: sends the logout on a fresh connection to the reflector of the last
    // login, within kLogoutConnectLimitMs for the connect and kLogoutSendLimitMs for the
    // send. A logout that could not be sent stays owed, so that the next call tries it
    // again, until a new login starts. With nothing to log out from nothing is sent.
    // The session is logged out in every case.
    LogoutOutcome logOut(StepErrors errors);

    // Sends one directory query ("category,place") as it is.
    void sendQuery(const QByteArray& query);
    // Sends "/SumReq/" + topic.
    void sendTopicRequest(const QByteArray& topic);
    // Sends "/SumReqText/" + the search text.
    void sendSearchRequest(const QByteArray& searchText);
    // Sends "/ChangePass/," + user name + "," + new password + "," + old password, as
    // they are, and leaves the connection open for the answer.
    void sendPasswordChange(const QByteArray& userName, const QByteArray& newPassword, const QByteArray& oldPassword);
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
    const platform::OneShotTimer& loginSendLimit() const { return *sendLimit_; }
    const platform::OneShotTimer& loginRejectionWindow() const { return *rejectionWindow_; }
    // Armed while the logout connects.
    const platform::OneShotTimer& logoutConnectLimit() const { return *logoutConnectLimit_; }

signals:
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
    class Request;

    void handle(const Reply& reply);
    void takeConfirmedUserId(const QByteArray& userId);
    void takeAdvert(const QByteArray& address);
    void endForSecondLogin();
    void storeReflectorAddresses(const Reply& reply);
    void takeNoData();
    void takePasswordChange(const QByteArray& outcome, const QByteArray& newPassword);

    LinkState state_;
    ReflectorConnection* connection_;
    platform::OneShotTimer* advertTimer_;
    // The login's send limit (its tick fails the send) and its rejection window.
    platform::OneShotTimer* sendLimit_;
    platform::OneShotTimer* rejectionWindow_;
    platform::OneShotTimer* logoutConnectLimit_;
    std::unique_ptr<ReflectorSettings> settings_;
    ReplyReader replies_;
    QByteArray stagedRequest_;
    int noDataCount_ = 0;
    // A second login elsewhere has been reported: the program is ending.
    bool endingForSecondLogin_ = false;
    bool loginRunning_ = false;
    unsigned requestsStarted_ = 0;
};

// The program's one session, created on first use.
ReflectorSession& reflectorSession();
// Called with every session created from now on, before its first use: the windows
// connect to its signals there.
void observeReflectorSessions(std::function<void(ReflectorSession&)> observe);
// For tests: ends the session, so that the next use creates a fresh one.
void endReflectorSession();
