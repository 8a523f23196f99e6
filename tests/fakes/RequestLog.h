#pragma once
// Where a demo fake reports each request it receives: one line on standard output
// and, with "--request-log <file>", the same line in that file (replaced at start).
#include <QFile>

class RequestLog {
public:
    // Opens the file of "--request-log"; false when it is given and cannot be written.
    bool open(const QStringList& arguments);
    QString fileName() const { return file_.fileName(); }

    // "request <n> on connection <c>: <text>".
    void record(int request, int connection, const QByteArray& text);

private:
    QFile file_;
};
