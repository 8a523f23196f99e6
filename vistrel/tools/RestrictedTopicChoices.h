#pragma once
// The fixed topic names that a restriction can be set on, in the order they are
// offered (the choice box sorts them itself), and the tree's test of a node against
// the restricted topics.
#include <QByteArray>
#include <QList>

// The 100 topic names.
const QList<QByteArray>& restrictedTopicChoices();

// The node's text equals one of the restricted topics exactly (letter case and blanks
// count). A topic listed more than once restricts as one listed once.
bool isRestrictedTopic(const QByteArray& nodeText, const QList<QByteArray>& restrictedTopics);
