#pragma once
// Which directory queries a click on a node of the topic tree sends. The tree knows a
// node by its text and its full path (the texts from the root down, joined by "\");
// path part 2 is the node's top-level topic.
#include <QByteArray>

#include <vector>

// One test of the dispatch. A geographic topic runs its country rule, then its state
// rule; a category row, one test per node text in the order listed, puts its category
// word in front of the click's query text and sends the result.
struct TopicDispatchRow {
    enum class Kind { GeographicTopic, Category };
    Kind kind;
    QByteArray topic;                  // geographic topic: its name
    std::vector<QByteArray> nodeTexts; // category row: the node texts it answers
    QByteArray under;                  // category row: the top-level topic it needs; empty: anywhere
    QByteArray categoryWord;           // category row: "Technology," and the like
};

// The tests in the order the click runs them.
const std::vector<TopicDispatchRow>& topicDispatchTable();

// Path parts 2, 3 and 4 of a full path cut at "\"; a missing part is empty.
struct TopicPathParts {
    QByteArray topic; // part 2
    QByteArray part3;
    QByteArray part4;
};
TopicPathParts topicPathParts(const QByteArray& fullPath);

// The query texts a click on the node `text` at `fullPath` sends, in order. Every
// test compares the node's own text exactly; the query text starts as the node text
// and keeps the category word a matching row puts in front of it, so later tests of
// the same click pass it on that way. Throws platform::RuntimeError when the string
// component cannot cut the path.
std::vector<QByteArray> topicQueriesFor(const QByteArray& fullPath, const QByteArray& text);
