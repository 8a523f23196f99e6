#pragma once
// The hidden debug log: the start-up sequence appends one line for every failure it
// meets. The window is never shown.
#include <QWidget>

class QPlainTextEdit;

class DebugLog : public QWidget {
    Q_OBJECT
public:
    DebugLog();

    QPlainTextEdit* logView = nullptr; // object name "Text1"; the start-up sequence appends to it
};
