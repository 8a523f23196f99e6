#include "platform/Launcher.h"

#include "platform/Services.h"

#include <QUrl>

namespace platform {

namespace {

// A reason ends the sentence of a message; it may come with a full stop of its own.
QString sentenceEnd(const QString& reason)
{
    return reason.endsWith(u'.') ? QString() : QStringLiteral(".");
}

} // namespace

bool isWebPage(const QUrl& page)
{
    const QString scheme = page.scheme().toLower();
    return page.isValid() && (scheme == u"http" || scheme == u"https") && !page.host().isEmpty();
}

PageResult refusedPage()
{
    return {false, QStringLiteral("only web pages (http and https addresses) are opened")};
}

QString pageFailureMessage(const QString& address, const PageResult& result)
{
    return QStringLiteral("The page %1 could not be opened: %2%3")
        .arg(address, result.failureReason, sentenceEnd(result.failureReason));
}

QString startFailureMessage(const QString& program, const StartResult& result)
{
    return QStringLiteral("The program %1 could not be started: %2%3")
        .arg(program, result.failureReason, sentenceEnd(result.failureReason));
}

Launcher& launcher()
{
    return *services().launcher;
}

} // namespace platform
