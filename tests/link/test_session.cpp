// The session's signals against the fake reflector, without a window: they come in
// the order the windows rely on for a full login, a rejected login and a webcam
// reply that arrives in three chunks.
#include "FakeReflector.h"
#include "TempProgramFolder.h"

#include "link/ConnectStateTexts.h"
#include "link/ReflectorSession.h"
#include "link/ReflectorSettings.h"
#include "platform/SocketControl.h"
#include "platform/TimeScale.h"
#include "platform/Wait.h"

#include <QSet>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <optional>

namespace {

constexpr double kTimeScale = 0.05;
constexpr int kLimitMs = 5000;

class TestSettings final : public ReflectorSettings {
public:
    explicit TestSettings(quint16 port) : port_(port) {}
    QString primaryAddress() const override { return QStringLiteral("127.0.0.1"); }
    QString backupAddress() const override { return QStringLiteral("127.0.0.1"); }
    QString portText() const override { return QString::number(port_); }
    QByteArray userId() const override { return "0"; }
    QByteArray userName() const override { return "ann"; }
    QByteArray password() const override { return "pw"; }
    QByteArray outsideAddress() const override { return "9.9.9.9"; }

private:
    quint16 port_;
};

// Every signal of the session as one line, in order. The texts of the connect wait,
// shown on every pass of the wait, and the hiding of windows, repeated at every step,
// are left out: their number depends on how the events fall. So is segment 1's green
// lamp, which both the connection's event and the login's own step light, in either
// order.
class SignalTrace {
public:
    explicit SignalTrace(ReflectorSession& session)
    {
        using S = ReflectorSession;
        QObject::connect(&session, &S::statusText, [this](const QByteArray& text) {
            if (!connectWaitTexts().contains(text))
                lines << "status " + text;
        });
        QObject::connect(&session, &S::webCamsOnLine, [this](const QByteArray& count) { lines << "on line " + count; });
        QObject::connect(&session, &S::statusClearDue,
                         [this](int ms) { lines << "clear after " + QByteArray::number(ms); });
        QObject::connect(&session, &S::logLine, [this](const QByteArray& line) { lines << "log " + line; });
        QObject::connect(&session, &S::lampShown, [this](int segment, S::Lamp colour) {
            static const char* const names[] = {"blue", "green", "red"};
            if (segment == 1 && colour == S::Lamp::Green)
                return;
            lines << "lamp " + QByteArray::number(segment) + " " + names[int(colour)];
        });
        QObject::connect(&session, &S::markerShown, [this](S::Marker marker, bool visible) {
            lines << "marker " + QByteArray::number(int(marker)) + (visible ? " shown" : " hidden");
        });
        QObject::connect(&session, &S::attemptShown,
                         [this](const QString& address) { lines << "attempt " + address.toLatin1(); });
        QObject::connect(&session, &S::userIdConfirmed, [this](const QByteArray& id) { lines << "user id " + id; });
        QObject::connect(&session, &S::settingsSaveDue, [this] { lines << "save settings"; });
        QObject::connect(&session, &S::loginRejected, [this] { lines << "login rejected"; });
        QObject::connect(&session, &S::logoutDue, [this] { lines << "logout"; });
        QObject::connect(&session, &S::webCamReply, [this](const QByteArray& reply) { lines << "webcams " + reply; });
    }

    QList<QByteArray> lines;

private:
    static const QSet<QByteArray>& connectWaitTexts()
    {
        static const QSet<QByteArray> texts = [] {
            QSet<QByteArray> all;
            using platform::SocketControl;
            for (int state = int(SocketControl::State::Closed); state <= int(SocketControl::State::Error); ++state)
                for (ReflectorAddress which : {ReflectorAddress::Primary, ReflectorAddress::Backup})
                    all << connectWaitText(SocketControl::State(state), which);
            return all;
        }();
        return texts;
    }
};

// The lines of the trace from the first one that starts with `from`, so that the
// events before it (the connection's own) need not be spelled out.
QList<QByteArray> from(const QList<QByteArray>& lines, const QByteArray& first)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].startsWith(first))
            return lines.mid(i);
    }
    return {};
}

} // namespace

class SessionTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        // Each test builds its own session, which no window joins.
        platform::setTimeScale(kTimeScale);
        world_.emplace();
        session_ = std::make_unique<ReflectorSession>();
    }

    void cleanup()
    {
        session_.reset();
        world_.reset();
        platform::setTimeScale(1);
    }

    void fullLogin()
    {
        FakeReflector reflector;
        QVERIFY(reflector.listen());
        reflector.acceptLogin("123");
        ReflectorSession& session = *session_;
        session.setSettings(std::make_unique<TestSettings>(reflector.port()));
        SignalTrace trace(session);

        QSignalSpy ended(&session, &ReflectorSession::loginEnded);
        session.logIn();
        QVERIFY(ended.wait(kLimitMs));

        QVERIFY(session_->state().loggedIn);
        QCOMPARE(session_->state().reflectorAddress, QByteArray("127.0.0.1"));
        const QList<QByteArray> expected = {
            "attempt 127.0.0.1",
            "status Sending Login String...",
            // The acceptance, first as the early reply, then as the reflector's answer.
            "user id 123",
            "status Login Successful...",
            "log Login Successful...",
            "save settings",
            "lamp 2 green",
            "marker 1 shown",
            "user id 123",
            "status Login Successful...",
            "log Login Successful...",
            "save settings",
            // After the rejection window.
            "status Send in Login complete...",
            "status Sending data...",
            "status Now Waiting for Vistrel's External IP to be Returned ",
            "marker 0 shown",
        };
        QCOMPARE(from(trace.lines, "attempt"), expected);
    }

    void rejectedLogin()
    {
        FakeReflector reflector;
        QVERIFY(reflector.listen());
        reflector.rejectLogin();
        ReflectorSession& session = *session_;
        session.setSettings(std::make_unique<TestSettings>(reflector.port()));
        SignalTrace trace(session);

        QSignalSpy ended(&session, &ReflectorSession::loginEnded);
        session.logIn();
        QVERIFY(ended.wait(kLimitMs));

        QVERIFY(session_->state().loginFailed);
        QVERIFY(!session_->state().loggedIn);
        const QList<QByteArray> expected = {
            "status Sending Login String...",
            "lamp 2 green",
            "marker 1 shown",
            "status Login Failed...",
            "log Login Failed...",
            "login rejected",
            "logout",
        };
        QCOMPARE(from(trace.lines, "status Sending Login String..."), expected);
    }

    // The status follows the login and the logout; a query asked for while the login
    // runs waits for its end and goes out on a connection of its own.
    void statusAndTheQueue()
    {
        using Status = ReflectorSession::Status;
        FakeReflector reflector;
        QVERIFY(reflector.listen());
        reflector.acceptLogin("123");
        ReflectorSession& session = *session_;
        session.setSettings(std::make_unique<TestSettings>(reflector.port()));
        QList<Status> statuses;
        QObject::connect(&session, &ReflectorSession::statusChanged, [&](Status status) { statuses << status; });
        QSignalSpy loginEnded(&session, &ReflectorSession::loginEnded);
        QSignalSpy logoutEnded(&session, &ReflectorSession::logoutEnded);

        session.logIn();
        session.sendQuery("Travel,France");
        QVERIFY(session.busy());
        QVERIFY(loginEnded.wait(kLimitMs));
        QVERIFY(platform::waitUntil([&] { return reflector.requests().size() == 2; }, kLimitMs));
        QVERIFY(platform::waitUntil([&] { return !session.requestsPending(); }, kLimitMs));
        QCOMPARE(statuses,
                 (QList<Status>{Status::ConnectingPrimary, Status::SendingLogin, Status::RejectionWindow,
                                Status::LoggedIn}));
        QCOMPARE(reflector.requestTexts(), (QList<QByteArray>{"/Login/0,ann,pw", "Travel,France"}));
        QCOMPARE(reflector.connections().size(), 2);

        statuses.clear();
        session.logOut(ReflectorSession::StepErrors::Skipped);
        QVERIFY(logoutEnded.wait(kLimitMs));
        QCOMPARE(logoutEnded.first().first().value<ReflectorSession::LogoutOutcome>(),
                 ReflectorSession::LogoutOutcome::Sent);
        QCOMPARE(statuses, (QList<Status>{Status::LoggingOut, Status::LoggedOut}));
        QVERIFY(platform::waitUntil([&] { return reflector.requests().size() == 3; }, kLimitMs));
        QCOMPARE(reflector.requestTexts().last(), QByteArray("DeleteConnection*/"));
    }

    void webCamReplyInThreeChunks()
    {
        const QByteArray reply = "/WC/1,http://a,,Beach Cam,N,,Paris,IEStream\r\n"
                                 "2,rtsp://b,,Harbour,Y,pw,Paris,RealPlay\r\n/EndTran/";
        FakeReflector reflector;
        QVERIFY(reflector.listen());
        reflector.script("Travel,", FakeReflector::Reply::text(reply).splitAt({30, 70}));
        session_->state().reflectorAddress = "127.0.0.1";
        ReflectorSession& session = *session_;
        session.setSettings(std::make_unique<TestSettings>(reflector.port()));
        SignalTrace trace(session);

        session.sendQuery("Travel,France");
        QVERIFY(platform::waitUntil([&] { return trace.lines.contains("webcams " + reply); }, kLimitMs));
        QVERIFY(platform::waitUntil([&] { return trace.lines.constLast() == "clear after 4000"; }, kLimitMs));

        const QList<QByteArray> piece = {"lamp 2 green", "marker 1 shown", "marker 2 hidden", "marker 3 hidden",
                                         "log  Data Retrieved Successfully"};
        const QList<QByteArray> end = {"status Webcam Locations load complete...!!!", "clear after 4000"};
        const QList<QByteArray> expected = piece + QList<QByteArray>{"status Data found at this node...!!!"} + end
            + piece + end + piece + QList<QByteArray>{"webcams " + reply} + end;
        QCOMPARE(from(trace.lines, "lamp 2 green"), expected);
    }

private:
    std::optional<TempProgramFolder> world_;
    std::unique_ptr<ReflectorSession> session_;
};

QTEST_GUILESS_MAIN(SessionTest)
#include "test_session.moc"
