#pragma once
// The window-owner helper (windowowner/window_owner_main.cpp) as a child process: an
// X client on a given display that shows one top-level window naming its process,
// closes it on request, and ends when told.
#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

class WindowOwner {
public:
    // Starts the helper with its options ("--untitled", "--owned", "--unmapped",
    // "--no-window") and waits until its window is on the display.
    WindowOwner(const QByteArray& display, const QStringList& options = {});
    ~WindowOwner();

    WindowOwner(const WindowOwner&) = delete;
    WindowOwner& operator=(const WindowOwner&) = delete;

    // Whether the helper came up; what it said otherwise.
    bool isReady() const { return ready_; }
    const QString& failure() const { return failure_; }

    qint64 processId() const { return process_.processId(); }
    // 0 with --no-window.
    quint32 window() const { return window_; }

    // Destroys the window, the process going on; true once the server has done it.
    bool closeWindow();
    // Ends the process; true once it has ended and has been collected.
    bool end();

private:
    // The helper's next line of output; empty when it ends or stays silent.
    QByteArray nextLine();

    QProcess process_;
    bool ready_ = false;
    quint32 window_ = 0;
    QString failure_;
};
