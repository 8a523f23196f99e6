#include "directory/ShutDown.h"

#include "directory/MainWindow.h"
#include "link/ReflectorSession.h"
#include "platform/OneShotTimer.h"
#include "platform/ProcessEnd.h"

#include <QPointer>

#include <exception>
#include <functional>

using Session = ReflectorSession;

namespace {

// How long the end waits for the logout's send to complete.
constexpr int kShutDownWaitMs = 5000;

// The session whose shut-down runs. A session that ends meanwhile (in the tests) ends
// the shut-down with it, its connections included.
QPointer<Session>& shutDownSession()
{
    static QPointer<Session> session;
    return session;
}

void endProgram()
{
    platform::endProcess(0);
    shutDownSession().clear(); // only reached where the end of the process is replaced (tests)
}

// Waits at most kShutDownWaitMs (the main window's Timer6) unless the logout was sent.
void endAfterTheWait(MainWindow& main, Session::LogoutOutcome outcome)
{
    if (outcome == Session::LogoutOutcome::Sent || !shutDownSession()) {
        endProgram();
        return;
    }
    platform::OneShotTimer& limit = *main.shutDownLimit;
    QObject::connect(&limit, &platform::Timer::tick, shutDownSession().data(), &endProgram, Qt::SingleShotConnection);
    limit.start(kShutDownWaitMs);
}

// Runs the Disconnect command and goes on once its logout has ended, after the
// command's own steps for the outcome. The command ends within its own limits whatever
// the reflector does; a failure inside it never keeps the program from ending.
void logOutThen(MainWindow& main, const std::function<void(Session::LogoutOutcome)>& then)
{
    Session& session = reflectorSession();
    shutDownSession() = &session;
    const QMetaObject::Connection ended =
        QObject::connect(&session, &Session::logoutEnded, &session, then,
                         Qt::ConnectionType(Qt::QueuedConnection | Qt::SingleShotConnection));
    try {
        main.disconnectFromReflector();
    } catch (const std::exception&) {
        QObject::disconnect(ended);
        then(Session::LogoutOutcome::NotSent);
    }
}

} // namespace

bool shutDownRunning()
{
    return !shutDownSession().isNull();
}

void shutDownAfterLogout(MainWindow& main)
{
    if (shutDownRunning())
        return;
    logOutThen(main, [&main](Session::LogoutOutcome outcome) { endAfterTheWait(main, outcome); });
}

void exitWithoutWaiting(MainWindow& main)
{
    if (shutDownRunning())
        return;
    logOutThen(main, [](Session::LogoutOutcome) { endProgram(); });
}
