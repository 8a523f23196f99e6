#pragma once
// The hidden debug log: the start-up sequence appends one line for every failure it
// meets. The window is never shown.
#include <QByteArray>
#include <QWidget>

class QPlainTextEdit;

class DebugLog : public QWidget {
    Q_OBJECT
public:
    DebugLog();

    // Appends the text (one of the program's 8-bit texts) at the end of the log.
    void append(const QByteArray& text);

private:
    QPlainTextEdit* logView_ = nullptr; // object name "Text1"
};
