#pragma once
// The check that stands before a topic of the directory tree is expanded or clicked:
// a node whose text equals one of the restricted topics exactly asks for the
// restricted topics' password, every time; a wrong or empty answer is refused with a
// message. Only the node's own text counts, so the places below a locked topic are
// not asked for.
#include <QByteArray>
#include <QList>

// Asks when `text` is one of `topics`; true when the node may be opened.
bool restrictedTopicAllows(const QByteArray& text, const QList<QByteArray>& topics, const QByteArray& password);

// The same against the options window's list (which loads the window, hidden, when it
// is not loaded) and the password in use.
bool passesRestrictedTopicCheck(const QByteArray& text);
