#include "directory/RestrictedTopicGate.h"

#include "platform/Codec.h"
#include "platform/Dialogs.h"
#include "tools/OptionsWindow.h"
#include "tools/RestrictedTopicChoices.h"
#include "tools/RestrictedTopicsStore.h"

bool restrictedTopicAllows(const QByteArray& text, const QList<QByteArray>& topics, const QByteArray& password)
{
    if (!isRestrictedTopic(text, topics))
        return true;
    const QString answer =
        platform::dialogs().inputBox(QStringLiteral("This Topic has restricted access please type Password..."),
                                     QStringLiteral("Restricted Access"));
    // Compared as typed: a character the program's texts cannot hold matches nothing.
    if (answer == platform::fromCp1252(password))
        return true;
    platform::dialogs().messageBox(QStringLiteral("Password incorrect...Access denied..."));
    return false;
}

bool passesRestrictedTopicCheck(OptionsWindow& options, const QByteArray& text)
{
    return restrictedTopicAllows(text, options.restrictedTopics(), restrictedPassword());
}
