#include "linkwindows/SessionMessagesView.h"

#include "link/ReflectorSession.h"
#include "platform/Dialogs.h"
#include "platform/ProcessEnd.h"

#include <QPointer>

using S = ReflectorSession;

namespace {

// A message of the session is not shown a second time while it is up.
void showSessionMessage(const QString& text)
{
    platform::dialogs().showMessage(QStringLiteral("session message: ") + text, platform::messageRequest(text));
}

// Once the user has read it, the client logs out and the program ends.
void showSecondLogin(QPointer<ReflectorSession> session)
{
    const platform::MessageBoxRequest box =
        platform::messageRequest(QStringLiteral("The same User is Logged in from Different Locations....\r\n"
                                                "Disconnecting from the Server...\r\n"
                                                "System Shutdown..."));
    platform::dialogs().showMessage(QStringLiteral("second login"), box, [session](platform::MessageAnswer) {
        if (session)
            emit session->logoutDue();
        platform::endProcess(0);
    });
}

// Yes opens the locator. No-data replies that come while the hint is up bring no other.
void offerLocator(QPointer<ReflectorSession> session)
{
    const platform::MessageBoxRequest hint = platform::messageRequest(
        QStringLiteral("Please use Cam Locator to help you find Webcams. Click the YES button to use Cam Locator."),
        platform::MessageButtons::YesNoCancel, platform::MessageIcon::None, QStringLiteral("Helpful Hint"));
    platform::dialogs().showMessage(hint.title, hint, [session](platform::MessageAnswer answer) {
        if (session && answer == platform::MessageAnswer::Yes)
            emit session->locatorOpenDue();
    });
}

} // namespace

void showSessionMessages(ReflectorSession& session)
{
    QObject::connect(&session, &S::messageDue, &showSessionMessage);
    QObject::connect(&session, &S::secondLoginReported, [session = QPointer(&session)] { showSecondLogin(session); });
    QObject::connect(&session, &S::locatorHintDue, [session = QPointer(&session)] { offerLocator(session); });
}
