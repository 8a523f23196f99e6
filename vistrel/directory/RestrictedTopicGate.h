#pragma once
// The check that stands before a topic of the directory tree is expanded or clicked:
// a node whose text equals one of the restricted topics exactly asks for the
// restricted topics' password, every time; a wrong or empty answer is refused with a
// message. Only the node's own text counts, so the places below a locked topic are
// not asked for.
#include <QByteArray>
#include <QList>

class OptionsWindow;

// Asks when `text` is one of `topics`; true when the node may be opened.
bool restrictedTopicAllows(const QByteArray& text, const QList<QByteArray>& topics, const QByteArray& password);

// The same against the options window's list and the password in use.
bool passesRestrictedTopicCheck(OptionsWindow& options, const QByteArray& text);
